#include "core/listak.h"

#include <cmath>
#include <utility>

#include "core/veletlen.h"

namespace zelvaris {
namespace {

bool Szamjegy(char c) { return c >= '0' && c <= '9'; }

// Appends every maximal digit run of the text; a run too long for 32 bits
// wraps like every other simulation integer.
void SzamokGyujtese(std::string_view szoveg, TIdLista& ki) {
  size_t i = 0;
  while (i < szoveg.size()) {
    if (!Szamjegy(szoveg[i])) {
      ++i;
      continue;
    }
    uint32_t ertek = 0;
    while (i < szoveg.size() && Szamjegy(szoveg[i])) {
      ertek = ertek * 10u + static_cast<uint32_t>(szoveg[i] - '0');
      ++i;
    }
    ki.push_back(static_cast<int32_t>(ertek));
  }
}

}  // namespace

std::string ListaSzovegge(const TIdLista& lista) {
  std::string s;
  for (size_t i = 0; i < lista.size(); ++i) {
    if (i > 0) s += ", ";
    s += std::to_string(lista[i]);
  }
  return s;
}

TIdLista SzovegbolLista(std::string_view szoveg) {
  TIdLista lista;
  SzamokGyujtese(szoveg, lista);
  return lista;
}

std::string CsoportokSzovegge(const TCsoportok& csoportok) {
  std::string s;
  for (size_t g = 0; g < csoportok.size(); ++g) {
    const auto& csoport = csoportok[g];
    for (size_t i = 0; i < csoport.size(); ++i) {
      if (i > 0) s += "/";
      s += std::to_string(csoport[i]);
    }
    if (g + 1 < csoportok.size() && !csoport.empty()) s += ", ";
  }
  return s;
}

TCsoportok SzovegbolCsoportok(std::string_view szoveg) {
  TCsoportok csoportok;
  size_t kezdet = 0;
  while (kezdet <= szoveg.size()) {
    size_t vesszo = szoveg.find(',', kezdet);
    if (vesszo == std::string_view::npos) vesszo = szoveg.size();
    TIdLista csoport;
    SzamokGyujtese(szoveg.substr(kezdet, vesszo - kezdet), csoport);
    if (!csoport.empty()) csoportok.push_back(std::move(csoport));
    kezdet = vesszo + 1;
  }
  return csoportok;
}

std::string TulnagySzam(std::string_view szoveg) {
  size_t i = 0;
  while (i < szoveg.size()) {
    if (!Szamjegy(szoveg[i])) {
      ++i;
      continue;
    }
    const size_t kezdet = i;
    uint64_t ertek = 0;
    bool tul = false;
    while (i < szoveg.size() && Szamjegy(szoveg[i])) {
      ertek = ertek * 10u + static_cast<uint64_t>(szoveg[i] - '0');
      if (ertek > 2147483647u) tul = true;
      if (tul) ertek = 2147483648u;
      ++i;
    }
    if (tul) return std::string(szoveg.substr(kezdet, i - kezdet));
  }
  return {};
}

void Kever(TIdLista& lista, TVeletlen& veletlen) {
  const int32_t n = static_cast<int32_t>(lista.size());
  if (n < 2) return;
  for (int32_t i = 0; i <= n - 2; ++i) {
    const int32_t k = veletlen.Random(n - i);
    std::swap(lista[i], lista[i + k]);
  }
}

int64_t Plafon(float ertek) {
  const double kerekitett = std::nearbyint(static_cast<double>(ertek));
  const auto egesz = static_cast<int64_t>(kerekitett);
  return static_cast<double>(ertek) > kerekitett ? egesz + 1 : egesz;
}

}  // namespace zelvaris
