#pragma once
// How far the sprays have climbed the food chain: per animal species and
// recorded step, the mean and the highest degradable and persistent dose of
// its living animals. Recorded beside the animal population after every
// animal half-step; nothing in the step reads it and recording it draws no
// random number, so a run is the same with or without anyone watching. Like
// the population history it is not stored in snapshots.

#include <cstdint>

#include "core/letszam_forras.h"

namespace zelvaris {

class TAllatFaj;
class TOkoszisztema;

// The doses of one species' living animals; all 0 for a species without any.
struct TDozisAllapot {
  float DegAtlag = 0.0f;
  float DegMax = 0.0f;
  float PerAtlag = 0.0f;
  float PerMax = 0.0f;
};

TDozisAllapot DozisAllapot(const TAllatFaj& faj);
// Whether any living animal carries a persistent dose now; read from the
// animals, not the history, since healing clears the doses between steps.
bool VanPerzisztensDozis(const TOkoszisztema& oko);

// Four tables with the population source's rows (species Ids), length and
// capacity rules, so a chart reads a dose row as it reads a population row.
class TDozisForras {
 public:
  TLetszamForras DegAtlag;
  TLetszamForras DegMax;
  TLetszamForras PerAtlag;
  TLetszamForras PerMax;

  int32_t Hossz() const { return DegAtlag.Hossz(); }
  // Adds rows up to n, zero for the steps already recorded.
  void SorokBeallitasa(int32_t n);
  // Appends one step: the doses of every animal species now.
  void Felvetel(const TOkoszisztema& oko);
};

}  // namespace zelvaris
