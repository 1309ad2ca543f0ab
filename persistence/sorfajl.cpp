#include "persistence/sorfajl.h"

#include <charconv>

#include "persistence/kodlap.h"

namespace zelvaris {

namespace {

bool SorVege(char c) { return c == '\r' || c == '\n'; }

}  // namespace

TSorOlvaso TSorOlvaso::Megnyitas(const std::filesystem::path& fajl) {
  return TSorOlvaso(fajl, FajlBeolvasasa(fajl));
}

TSorOlvaso::TSorOlvaso(std::filesystem::path fajl, std::string tartalom)
    : fajl_(std::move(fajl)), tartalom_(std::move(tartalom)) {}

void TSorOlvaso::Hiba(TUzenet leiras, int32_t sor) const {
  throw TFajlHiba(fajl_, std::move(leiras), sor);
}

bool TSorOlvaso::SorVegenAll() const { return poz_ < tartalom_.size() && SorVege(tartalom_[poz_]); }

// CR LF is one line end; a lone CR or LF (a file edited elsewhere) also ends a line.
void TSorOlvaso::SorVegeAtlepese() {
  if (tartalom_[poz_] == '\r' && poz_ + 1 < tartalom_.size() && tartalom_[poz_ + 1] == '\n') ++poz_;
  ++poz_;
  ++sor_;
}

void TSorOlvaso::Csonka() const {
  const bool sorElejen = poz_ == 0 || SorVege(tartalom_[poz_ - 1]);
  const int32_t sorok = sorElejen ? sor_ - 1 : sor_;
  throw TFajlHiba(fajl_, TUzenet(kFajlCsonkaUzenet, {std::to_string(sorok)}));
}

int32_t TSorOlvaso::Egesz() {
  while (poz_ < tartalom_.size()) {
    const char c = tartalom_[poz_];
    if (c == ' ' || c == '\t') {
      ++poz_;
    } else if (SorVege(c)) {
      SorVegeAtlepese();
    } else {
      break;
    }
  }
  if (poz_ >= tartalom_.size()) Csonka();

  const int32_t szamSor = sor_;
  utolsoSor_ = sor_;
  const size_t kezdet = poz_;
  while (poz_ < tartalom_.size() && poz_ - kezdet < 32 &&
         static_cast<unsigned char>(tartalom_[poz_]) > 32)
    ++poz_;
  std::string_view szam(tartalom_.data() + kezdet, poz_ - kezdet);

  // from_chars takes no "+", which an integer line may carry.
  std::string_view szamjegyek = szam;
  if (!szamjegyek.empty() && szamjegyek.front() == '+') szamjegyek.remove_prefix(1);
  int32_t ertek = 0;
  const auto [vege, hiba] =
      std::from_chars(szamjegyek.data(), szamjegyek.data() + szamjegyek.size(), ertek);
  const bool ervenyes =
      !szamjegyek.empty() && !(szam.front() == '+' && szamjegyek.front() == '-');
  if (hiba != std::errc() || vege != szamjegyek.data() + szamjegyek.size() || !ervenyes) {
    Hiba(TUzenet(kErvenytelenSzamUzenet, {KodlaprolAlakit(szam)}), szamSor);
  }

  while (poz_ < tartalom_.size() && !SorVege(tartalom_[poz_])) ++poz_;
  if (poz_ < tartalom_.size()) SorVegeAtlepese();
  return ertek;
}

std::string TSorOlvaso::NyersSor() {
  if (poz_ >= tartalom_.size()) Csonka();
  utolsoSor_ = sor_;
  const size_t kezdet = poz_;
  while (poz_ < tartalom_.size() && !SorVege(tartalom_[poz_])) ++poz_;
  std::string sor = tartalom_.substr(kezdet, poz_ - kezdet);
  if (poz_ < tartalom_.size()) SorVegeAtlepese();
  return sor;
}

std::string TSorOlvaso::IdSor() {
  std::string sor = NyersSor();
  const std::string tul = TulnagySzam(sor);
  if (!tul.empty()) Hiba(TUzenet(kTulnagyAzonositoUzenet, {tul}), utolsoSor_);
  return sor;
}

std::string TSorOlvaso::Szoveg() { return KodlaprolAlakit(NyersSor()); }

void TSorIro::Sor(std::string_view bajtok) {
  tartalom_ += bajtok;
  tartalom_ += "\r\n";
}

void TSorIro::Egesz(int32_t ertek) { Sor(std::to_string(ertek)); }

void TSorIro::Szoveg(std::string_view utf8) {
  std::string bajtok = KodlapraAlakit(utf8);
  for (char& c : bajtok)
    if (SorVege(c)) c = ' ';
  Sor(bajtok);
}

}  // namespace zelvaris
