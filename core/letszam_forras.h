#pragma once
// Population history and age structure: what the charts and the age pyramids
// read. Rows are species Ids; rows are only ever added, never removed.

#include <cstdint>
#include <map>
#include <vector>

namespace zelvaris {

// A growing table of single-precision values: one row per species, one column
// per recorded step. Capacity grows in blocks of 1000 steps so recording a step
// seldom reallocates. Readers go through (row, column), never through a pointer
// kept across steps: rows move when they grow.
class TLetszamForras {
 public:
  int32_t Sorokszama() const { return static_cast<int32_t>(adat_.size()); }
  int32_t Kapacitas() const { return kapacitas_; }
  int32_t Hossz() const { return hossz_; }

  // Adds rows up to n (sized to the capacity, zero-filled); never removes.
  void SorokBeallitasa(int32_t n);
  // Grows every row to c columns, keeping the values.
  void KapacitasBeallitasa(int32_t c);
  // Lengthens the series to n steps, growing the capacity by 1000 when needed.
  void HosszBeallitasa(int32_t n);

  float Ertek(int32_t sor, int32_t oszlop) const { return adat_[sor][oszlop]; }
  void ErtekBeallitasa(int32_t sor, int32_t oszlop, float ertek) { adat_[sor][oszlop] = ertek; }
  // The row's values; valid for columns 0..Hossz()-1 until the next change of capacity.
  const float* SorAdat(int32_t sor) const { return adat_[sor].data(); }

 private:
  int32_t kapacitas_ = 0;
  int32_t hossz_ = 0;
  std::vector<std::vector<float>> adat_;
};

// Per animal species, the number of animals in each age class, males (0) and
// females (1). Rebuilt after every animal half-step. A class index is
// (age - 1) / width; the width is 1 and never changes.
class TKorfaForras {
 public:
  static constexpr int32_t Szelesseg = 1;

  int32_t Sorokszama() const { return static_cast<int32_t>(sorok_.size()); }
  void SorokBeallitasa(int32_t n);
  // Zeroes every count, keeping the lengths.
  void Alaphelyzet();
  // Counts one animal of the given sex index (0 or 1) and age.
  void Hozzaad(int32_t sor, int32_t nemIndex, int32_t kor);

  // Number of classes of the row (the highest class seen + 1); both sexes share it.
  int32_t Hossz(int32_t sor) const { return sorok_[sor].hossz; }
  int32_t Ertek(int32_t sor, int32_t nemIndex, int32_t osztaly) const;
  // The highest class counted in the last recording (-1: none). Costs at
  // most the dense part, however high the ages.
  int32_t UtolsoNemUres(int32_t sor) const;
  // The sum of the classes tol..ig of one sex, without walking empty classes.
  int64_t Osszeg(int32_t sor, int32_t nemIndex, int64_t tol, int64_t ig) const;

 private:
  // Classes below this limit are counted in a dense array; the rare higher
  // ones (an age typed in the billions) in a map, so a huge age never
  // allocates gigabytes.
  static constexpr int32_t SuruHatar = 1 << 16;
  struct Sor {
    int32_t hossz = 0;
    std::vector<int32_t> suru[2];
    std::map<int32_t, int32_t> ritka[2];
  };
  std::vector<Sor> sorok_;
};

}  // namespace zelvaris
