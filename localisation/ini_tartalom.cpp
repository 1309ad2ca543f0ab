#include "ini_tartalom.h"

#include <algorithm>

#include "persistence/kodlap.h"

namespace zelvaris {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool Ures(char c) { return c == ' ' || c == '\t'; }

std::string_view Vagas(std::string_view s) {
  while (!s.empty() && Ures(s.front())) s.remove_prefix(1);
  while (!s.empty() && Ures(s.back())) s.remove_suffix(1);
  return s;
}

// Lower case of a Windows-1250 byte.
unsigned char Kisbetu(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  switch (c) {
    case 0x8A: case 0x8C: case 0x8D: case 0x8E: case 0x8F: return c + 0x10;  // Š Ś Ť Ž Ź
    case 0xA3: return 0xB3;  // Ł
    case 0xA5: return 0xB9;  // Ą
    case 0xAA: return 0xBA;  // Ş
    case 0xAF: return 0xBF;  // Ż
    case 0xBC: return 0xBE;  // Ľ
    default: break;
  }
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // Ŕ..Ţ, not ×
  return c;
}

std::string Hajtas(std::string_view kodlap) {
  std::string s(kodlap);
  for (char& c : s) c = static_cast<char>(Kisbetu(static_cast<unsigned char>(c)));
  return s;
}

// A name given by the caller, in the form the file's names are compared in.
std::string NevKulcs(std::string_view utf8) { return Hajtas(KodlapraAlakit(Vagas(utf8))); }

std::optional<std::string_view> FejlecNev(std::string_view sor) {
  sor = Vagas(sor);
  if (sor.empty() || sor.front() != '[') return std::nullopt;
  sor.remove_prefix(1);
  return Vagas(sor.substr(0, sor.find(']')));
}

struct TKulcsSor {
  std::string_view kulcs;
  std::string_view ertek;
};

std::optional<TKulcsSor> KulcsSorBontas(std::string_view sor) {
  sor = Vagas(sor);
  if (sor.empty() || sor.front() == ';' || sor.front() == '[') return std::nullopt;
  const std::size_t egyenlo = sor.find('=');
  if (egyenlo == std::string_view::npos) return std::nullopt;
  const std::string_view kulcs = Vagas(sor.substr(0, egyenlo));
  if (kulcs.empty()) return std::nullopt;
  return TKulcsSor{kulcs, sor.substr(egyenlo + 1)};
}

std::string ErtekAtalakitasa(std::string_view nyers) {
  nyers = Vagas(nyers);
  if (nyers.size() >= 2 && (nyers.front() == '"' || nyers.front() == '\'') &&
      nyers.back() == nyers.front()) {
    nyers = nyers.substr(1, nyers.size() - 2);
  }
  // One byte is one character in the code page.
  return KodlaprolAlakit(nyers.substr(0, TIniTartalom::kMaxErtekHossz));
}

std::string EgySorba(std::string_view s) {
  std::string ki(s);
  std::replace(ki.begin(), ki.end(), '\r', ' ');
  std::replace(ki.begin(), ki.end(), '\n', ' ');
  return ki;
}

}  // namespace

TIniTartalom::TIniTartalom(std::string_view fajl) {
  std::string utf8bol;
  if (fajl.substr(0, kBom.size()) == kBom) {
    utf8bol = KodlapraAlakit(fajl.substr(kBom.size()));
    fajl = utf8bol;
  }
  while (!fajl.empty()) {
    const std::size_t veg = fajl.find('\n');
    std::string_view sor = fajl.substr(0, veg);
    if (!sor.empty() && sor.back() == '\r') sor.remove_suffix(1);
    sorok_.emplace_back(sor);
    if (veg == std::string_view::npos) break;
    fajl.remove_prefix(veg + 1);
  }
  Indexeles();
}

void TIniTartalom::Indexeles() {
  szakaszok_.clear();
  for (std::size_t i = 0; i < sorok_.size(); ++i) {
    if (const auto nev = FejlecNev(sorok_[i])) {
      if (!szakaszok_.empty()) szakaszok_.back().vege = i;
      szakaszok_.push_back({Hajtas(*nev), i, sorok_.size()});
    }
  }
}

const TIniTartalom::TSzakasz* TIniTartalom::SzakaszKeres(std::string_view szakasz) const {
  const std::string keresett = NevKulcs(szakasz);
  for (const TSzakasz& sz : szakaszok_) {
    if (sz.nev == keresett) return &sz;
  }
  return nullptr;
}

std::optional<std::size_t> TIniTartalom::KulcsSor(const TSzakasz& sz,
                                                  std::string_view kulcs) const {
  const std::string keresett = NevKulcs(kulcs);
  for (std::size_t i = sz.fejlec + 1; i < sz.vege; ++i) {
    const auto ks = KulcsSorBontas(sorok_[i]);
    if (ks && ks->kulcs.size() == keresett.size() && Hajtas(ks->kulcs) == keresett) return i;
  }
  return std::nullopt;
}

std::optional<std::string> TIniTartalom::Ertek(std::string_view szakasz,
                                               std::string_view kulcs) const {
  const TSzakasz* sz = SzakaszKeres(szakasz);
  if (sz == nullptr) return std::nullopt;
  const auto sor = KulcsSor(*sz, kulcs);
  if (!sor) return std::nullopt;
  return ErtekAtalakitasa(KulcsSorBontas(sorok_[*sor])->ertek);
}

std::string TIniTartalom::Olvas(std::string_view szakasz, std::string_view kulcs,
                                std::string_view alap) const {
  auto ertek = Ertek(szakasz, kulcs);
  return ertek ? std::move(*ertek) : std::string(alap);
}

void TIniTartalom::Ir(std::string_view szakasz, std::string_view kulcs,
                      std::string_view ertek) {
  std::string sor =
      KodlapraAlakit(Vagas(EgySorba(kulcs))) + "=" + KodlapraAlakit(EgySorba(ertek));
  if (const TSzakasz* sz = SzakaszKeres(szakasz)) {
    if (const auto meglevo = KulcsSor(*sz, kulcs)) {
      sorok_[*meglevo] = std::move(sor);
    } else {
      std::size_t utolso = sz->fejlec;
      for (std::size_t i = sz->fejlec + 1; i < sz->vege; ++i) {
        if (!Vagas(sorok_[i]).empty()) utolso = i;
      }
      sorok_.insert(sorok_.begin() + static_cast<std::ptrdiff_t>(utolso + 1), std::move(sor));
    }
  } else {
    sorok_.push_back("[" + KodlapraAlakit(Vagas(EgySorba(szakasz))) + "]");
    sorok_.push_back(std::move(sor));
  }
  Indexeles();
}

std::vector<std::string> TIniTartalom::Szakaszok() const {
  std::vector<std::string> nevek;
  for (const TSzakasz& sz : szakaszok_) {
    nevek.push_back(KodlaprolAlakit(*FejlecNev(sorok_[sz.fejlec])));
  }
  return nevek;
}

std::vector<std::string> TIniTartalom::Kulcsok(std::string_view szakasz) const {
  std::vector<std::string> nevek;
  if (const TSzakasz* sz = SzakaszKeres(szakasz)) {
    for (std::size_t i = sz->fejlec + 1; i < sz->vege; ++i) {
      if (const auto ks = KulcsSorBontas(sorok_[i])) nevek.push_back(KodlaprolAlakit(ks->kulcs));
    }
  }
  return nevek;
}

std::string TIniTartalom::Fajl() const {
  std::string fajl;
  for (const std::string& sor : sorok_) {
    fajl += sor;
    fajl += "\r\n";
  }
  return fajl;
}

}  // namespace zelvaris
