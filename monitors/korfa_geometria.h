#pragma once
// The geometry of an age pyramid, apart from any window: which age classes are
// in use, how they group into bands, what a band counts and where its bars
// lie. Everything is 64-bit: a band may be two billion pixels high and a
// pyramid's height overflows 32 bits long before that.
//
// Image coordinates: x grows to the right, y downwards, row 0 at the top; the
// youngest band sits at the bottom. A bar is a corner pair as the drawing
// rule gives it; the pixels it covers are the normalised rectangle without its
// right and bottom edges.

#include <cstdint>
#include <functional>

namespace zelvaris {

class TKorfaForras;

// One species' counts as the pyramid reads them: classes 0..Hossz-1 of the
// two rows (0 males, 1 females).
struct TKorfaSorok {
  int64_t Hossz = 0;
  std::function<int64_t(int nem, int64_t osztaly)> Ertek;
  // Optional shortcuts of a real source, so that an age in the billions
  // never makes a walk over every empty class: the last used class, and the
  // sum of a class range.
  std::function<int64_t()> UtolsoNemUres;
  std::function<int64_t(int nem, int64_t tol, int64_t ig)> Osszeg;
};

// Row `sor` of an age source, read through the source at every use.
TKorfaSorok KorfaSorok(const TKorfaForras& forras, int32_t sor);

namespace korfa {

// The settings of a pyramid window; each is at least 1.
struct TBeallitas {
  int32_t SavSzelesseg = 10;  // pixels per band
  int32_t SavHossz = 1;       // individuals per pixel of bar length
  int32_t Korbeosztas = 1;    // age classes per band
};

// The last class holding a count in either row, plus one; 0 if all are 0.
int64_t HasznaltOsztalyok(const TKorfaSorok& sorok);
// Source classes per band: Korbeosztas div the source's class width, at least 1.
int64_t OsztalyokSavonkent(int32_t korbeosztas, int32_t osztalySzelesseg);
// Bands needed for the used classes: the ceiling, computed in integers.
int64_t SavSzam(int64_t hasznaltOsztalyok, int64_t osztalyokSavonkent);

struct TOsztalyTartomany {
  int64_t Elso;
  int64_t Utolso;  // inclusive
};
TOsztalyTartomany SavOsztalyai(int64_t sav, int64_t osztalyokSavonkent);
// A band's count in one row; classes beyond the row count 0.
int64_t SavOsszeg(const TKorfaSorok& sorok, int nem, int64_t sav, int64_t osztalyokSavonkent);

// The image height that holds `savSzam` bands.
int64_t KepMagassag(int64_t savSzam, int32_t savSzelesseg);
// Bar length in pixels; a count below SavHossz gives 0.
int64_t SavHosszPx(int64_t db, int32_t savHossz);

struct TSarokPar {
  int64_t X1, Y1, X2, Y2;
};
// Pixels covered: [Bal, Jobb) x [Felso, Also); empty when Bal >= Jobb or Felso >= Also.
struct TTeglalap {
  int64_t Bal, Felso, Jobb, Also;
  bool Ures() const { return Bal >= Jobb || Felso >= Also; }
};
TTeglalap Lefedes(const TSarokPar& p);

// Bars of band `sav` on an image of width `w` and height `h`: females to the
// right of the centre column w div 2, males to its left.
TSarokPar NoiSav(int64_t w, int64_t h, int64_t sav, int32_t savSzelesseg, int64_t hosszPx);
TSarokPar FerfiSav(int64_t w, int64_t h, int64_t sav, int32_t savSzelesseg, int64_t hosszPx);

// The bands (first, last; first > last if none) whose bars reach image rows
// [felso, also), among bands 0..savSzam-1.
struct TSavTartomany {
  int64_t Elso;
  int64_t Utolso;
};
TSavTartomany LathatoSavok(int64_t h, int32_t savSzelesseg, int64_t savSzam, int64_t felso, int64_t also);

}  // namespace korfa
}  // namespace zelvaris
