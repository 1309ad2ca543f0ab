#include "monitors/korfa_geometria.h"

#include <algorithm>

#include "core/letszam_forras.h"

namespace zelvaris {

TKorfaSorok KorfaSorok(const TKorfaForras& forras, int32_t sor) {
  if (sor < 0 || sor >= forras.Sorokszama()) return {};
  const TKorfaForras* f = &forras;
  TKorfaSorok s;
  s.Hossz = f->Hossz(sor);
  s.Ertek = [f, sor](int nem, int64_t osztaly) -> int64_t {
    return f->Ertek(sor, nem, static_cast<int32_t>(osztaly));
  };
  s.UtolsoNemUres = [f, sor]() -> int64_t { return f->UtolsoNemUres(sor); };
  s.Osszeg = [f, sor](int nem, int64_t tol, int64_t ig) { return f->Osszeg(sor, nem, tol, ig); };
  return s;
}

namespace korfa {

namespace {
// Division rounding toward minus infinity (b > 0).
int64_t LefeleOszt(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
}  // namespace

int64_t HasznaltOsztalyok(const TKorfaSorok& sorok) {
  if (!sorok.Ertek) return 0;
  if (sorok.UtolsoNemUres) return sorok.UtolsoNemUres() + 1;
  for (int64_t c = sorok.Hossz - 1; c >= 0; --c) {
    if (sorok.Ertek(0, c) != 0 || sorok.Ertek(1, c) != 0) return c + 1;
  }
  return 0;
}

int64_t OsztalyokSavonkent(int32_t korbeosztas, int32_t osztalySzelesseg) {
  if (osztalySzelesseg < 1) osztalySzelesseg = 1;
  return std::max<int64_t>(1, korbeosztas / osztalySzelesseg);
}

int64_t SavSzam(int64_t hasznaltOsztalyok, int64_t osztalyokSavonkent) {
  if (hasznaltOsztalyok <= 0) return 0;
  return (hasznaltOsztalyok + osztalyokSavonkent - 1) / osztalyokSavonkent;
}

TOsztalyTartomany SavOsztalyai(int64_t sav, int64_t osztalyokSavonkent) {
  return {sav * osztalyokSavonkent, (sav + 1) * osztalyokSavonkent - 1};
}

int64_t SavOsszeg(const TKorfaSorok& sorok, int nem, int64_t sav, int64_t osztalyokSavonkent) {
  if (!sorok.Ertek) return 0;
  const TOsztalyTartomany t = SavOsztalyai(sav, osztalyokSavonkent);
  const int64_t utolso = std::min(t.Utolso, sorok.Hossz - 1);
  if (sorok.Osszeg) return sorok.Osszeg(nem, t.Elso, utolso);
  int64_t osszeg = 0;
  for (int64_t c = std::max<int64_t>(t.Elso, 0); c <= utolso; ++c) osszeg += sorok.Ertek(nem, c);
  return osszeg;
}

int64_t KepMagassag(int64_t savSzam, int32_t savSzelesseg) { return savSzam * savSzelesseg + 1; }

int64_t SavHosszPx(int64_t db, int32_t savHossz) { return savHossz > 0 ? db / savHossz : 0; }

TTeglalap Lefedes(const TSarokPar& p) {
  return {std::min(p.X1, p.X2), std::min(p.Y1, p.Y2), std::max(p.X1, p.X2), std::max(p.Y1, p.Y2)};
}

TSarokPar NoiSav(int64_t w, int64_t h, int64_t sav, int32_t savSzelesseg, int64_t hosszPx) {
  const int64_t c = w / 2;
  const int64_t b = h - 1;
  return {c, b - sav * savSzelesseg, c + hosszPx, b - (sav + 1) * savSzelesseg - 1};
}

TSarokPar FerfiSav(int64_t w, int64_t h, int64_t sav, int32_t savSzelesseg, int64_t hosszPx) {
  const int64_t c = w / 2;
  const int64_t b = h - 1;
  return {c + 1, b - sav * savSzelesseg, c + 1 - hosszPx, b - (sav + 1) * savSzelesseg - 1};
}

TSavTartomany LathatoSavok(int64_t h, int32_t savSzelesseg, int64_t savSzam, int64_t felso, int64_t also) {
  if (savSzam <= 0 || savSzelesseg <= 0 || felso >= also) return {0, -1};
  // Band b covers rows B-(b+1)S-1 .. B-bS-1 (B = h-1); one band of slack on
  // each side keeps the shared edge rows.
  const int64_t b = h - 1;
  const int64_t elso = std::max<int64_t>(0, LefeleOszt(b - also, savSzelesseg) - 1);
  const int64_t utolso = std::min<int64_t>(savSzam - 1, LefeleOszt(b - 1 - felso, savSzelesseg) + 1);
  return {elso, utolso};
}

}  // namespace korfa
}  // namespace zelvaris
