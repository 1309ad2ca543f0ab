#include "core/letszam_forras.h"

#include <algorithm>
#include <cstdint>

namespace zelvaris {

void TLetszamForras::SorokBeallitasa(int32_t n) {
  while (Sorokszama() < n) adat_.emplace_back(static_cast<size_t>(kapacitas_), 0.0f);
}

void TLetszamForras::KapacitasBeallitasa(int32_t c) {
  if (c <= kapacitas_) return;
  kapacitas_ = c;
  for (auto& sor : adat_) sor.resize(static_cast<size_t>(c), 0.0f);
}

void TLetszamForras::HosszBeallitasa(int32_t n) {
  if (n <= hossz_) return;
  if (kapacitas_ < n) KapacitasBeallitasa(kapacitas_ + 1000);
  // A jump of more than one block (never made by the step) still fits.
  if (kapacitas_ < n) KapacitasBeallitasa(n);
  hossz_ = n;
}

void TKorfaForras::SorokBeallitasa(int32_t n) {
  while (Sorokszama() < n) sorok_.emplace_back();
}

void TKorfaForras::Alaphelyzet() {
  for (auto& sor : sorok_) {
    for (int nem = 0; nem < 2; ++nem) {
      std::fill(sor.suru[nem].begin(), sor.suru[nem].end(), 0);
      for (auto& [osztaly, db] : sor.ritka[nem]) db = 0;
    }
  }
}

void TKorfaForras::Hozzaad(int32_t sor, int32_t nemIndex, int32_t kor) {
  const int32_t osztaly = (kor - 1) / Szelesseg;
  if (osztaly < 0) return;
  Sor& s = sorok_[sor];
  if (s.hossz < osztaly + 1) s.hossz = osztaly + 1;
  if (osztaly < SuruHatar) {
    const auto kell = static_cast<size_t>(osztaly) + 1;
    for (auto& v : s.suru)
      if (v.size() < kell) v.resize(kell, 0);
    s.suru[nemIndex][osztaly] += 1;
  } else {
    s.ritka[nemIndex][osztaly] += 1;
  }
}

int32_t TKorfaForras::Ertek(int32_t sor, int32_t nemIndex, int32_t osztaly) const {
  const Sor& s = sorok_[sor];
  if (osztaly < 0 || osztaly >= s.hossz) return 0;
  if (osztaly < SuruHatar) {
    const auto& v = s.suru[nemIndex];
    return static_cast<size_t>(osztaly) < v.size() ? v[osztaly] : 0;
  }
  auto it = s.ritka[nemIndex].find(osztaly);
  return it == s.ritka[nemIndex].end() ? 0 : it->second;
}

int32_t TKorfaForras::UtolsoNemUres(int32_t sor) const {
  const Sor& s = sorok_[sor];
  int32_t utolso = -1;
  for (const auto& ritka : s.ritka)
    for (auto it = ritka.rbegin(); it != ritka.rend(); ++it)
      if (it->second != 0) {
        utolso = std::max(utolso, it->first);
        break;
      }
  if (utolso >= 0) return utolso;
  for (int32_t c = static_cast<int32_t>(s.suru[0].size()) - 1; c >= 0; --c)
    if (s.suru[0][c] != 0 || s.suru[1][c] != 0) return c;
  return -1;
}

int64_t TKorfaForras::Osszeg(int32_t sor, int32_t nemIndex, int64_t tol, int64_t ig) const {
  const Sor& s = sorok_[sor];
  int64_t osszeg = 0;
  const auto& suru = s.suru[nemIndex];
  const int64_t suruVege = std::min<int64_t>(ig, static_cast<int64_t>(suru.size()) - 1);
  for (int64_t c = std::max<int64_t>(tol, 0); c <= suruVege; ++c) osszeg += suru[static_cast<size_t>(c)];
  const auto& ritka = s.ritka[nemIndex];
  if (ig >= SuruHatar) {
    const auto kezdet = static_cast<int32_t>(std::clamp<int64_t>(tol, SuruHatar, INT32_MAX));
    for (auto it = ritka.lower_bound(kezdet); it != ritka.end() && it->first <= ig; ++it)
      osszeg += it->second;
  }
  return osszeg;
}

}  // namespace zelvaris
