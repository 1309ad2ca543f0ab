#include "nyelvi_tabla.h"

#include <new>
#include <stdexcept>

#include "core/hibak.h"
#include "localisation/program_uzenetek.h"

#include "localisation/nyelvi_kulcsok.h"

namespace zelvaris {

TNyelviTabla::TNyelviTabla() {
  for (const TNyelviKulcs& k : MindenNyelviKulcs()) {
    if (k.Fajta == TKulcsFajta::Ablak) szovegek_.emplace(k.Kulcs, k.Magyar);
    if (k.Fajta == TKulcsFajta::ProgramCim) programCim_ = k.Magyar;
  }
}

const std::string& TNyelviTabla::Szoveg(std::string_view kulcs) const {
  const auto it = szovegek_.find(kulcs);
  if (it == szovegek_.end()) {
    throw std::out_of_range("Ismeretlen ablakszöveg-kulcs: " + std::string(kulcs));
  }
  return it->second;
}

void TNyelviTabla::SetSzoveg(std::string_view kulcs, std::string szoveg) {
  const auto it = szovegek_.find(kulcs);
  if (it == szovegek_.end()) {
    throw std::out_of_range("Ismeretlen ablakszöveg-kulcs: " + std::string(kulcs));
  }
  it->second = std::move(szoveg);
}

std::string TNyelviTabla::Uzenet(const TUzenet& uzenet) const {
  return uzenet.Szoveg([this](const TUzenetMinta& m) -> std::string_view {
    const auto it = szovegek_.find(m.Kulcs);
    return it == szovegek_.end() ? m.Magyar : std::string_view(it->second);
  });
}

std::string HibaSzovege(const std::exception& hiba, const TNyelviTabla& tabla) {
  if (const auto* h = dynamic_cast<const THiba*>(&hiba)) return tabla.Uzenet(h->Uzenet());
  if (dynamic_cast<const std::bad_alloc*>(&hiba) != nullptr) return tabla.Szoveg(kNincsMemoriaUzenet);
  return hiba.what();
}

std::string CsukhatoFelirat(std::string_view szoveg, std::string_view jelenlegi) {
  constexpr std::size_t kJelHossz = 4;
  const std::size_t kezdet = jelenlegi.size() > kJelHossz ? jelenlegi.size() - kJelHossz : 0;
  return std::string(szoveg) + std::string(jelenlegi.substr(kezdet));
}

}  // namespace zelvaris
