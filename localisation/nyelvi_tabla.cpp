#include "nyelvi_tabla.h"

#include <stdexcept>

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

std::string CsukhatoFelirat(std::string_view szoveg, std::string_view jelenlegi) {
  constexpr std::size_t kJelHossz = 4;
  const std::size_t kezdet = jelenlegi.size() > kJelHossz ? jelenlegi.size() - kJelHossz : 0;
  return std::string(szoveg) + std::string(jelenlegi.substr(kezdet));
}

}  // namespace zelvaris
