#pragma once
// The monkey's own random choices: a std::mt19937 of its own (never the
// simulation's generator), and what a user types or picks, drawn from it.

#include <QString>
#include <cstdint>
#include <random>
#include <vector>

namespace zelvaris {

class TVeletlenBemenet {
 public:
  explicit TVeletlenBemenet(uint32_t mag) : gen_(mag) {}

  uint32_t Nyers() { return static_cast<uint32_t>(gen_()); }
  // A whole number in tol..ig, both included.
  int64_t Egesz(int64_t tol, int64_t ig);
  bool Esely(double p);
  template <typename T>
  const T& Valaszt(const std::vector<T>& v) {
    return v[static_cast<size_t>(Egesz(0, static_cast<int64_t>(v.size()) - 1))];
  }

  // A number as a user enters one: mostly small, sometimes the extremes of
  // 32 and 64 bits.
  int64_t Szam();
  // A number written into a file by hand: like Szam, without the sizes of
  // a huge world that would still fit in memory.
  int64_t FajlSzam();
  // What a user types into a field: digits, signs, separators, the extreme
  // values, pasted text with line breaks.
  QString Szoveg();
  // A side length for a new or resized world: mostly 50 to 300, seldom a
  // large one, now and then one the program must refuse.
  int64_t Oldalhossz();

 private:
  std::mt19937 gen_;
};

}  // namespace zelvaris
