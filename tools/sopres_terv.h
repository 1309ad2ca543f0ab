#pragma once
// The runs of a sweep. Every point (one combination of the swept values, the
// first sweep slowest) is run R times; replicate r of every point starts from
// seed (N + r) mod 2^32, so points are compared on the same seeds. Run index
// = point × R + r.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/parancssor.h"
#include "tools/vilag_betoltes.h"

namespace zelvaris {

struct TFutasTerv {
  int32_t Index = 0;
  int32_t Ismetles = 0;
  uint32_t Mag = 0;
  std::vector<int32_t> Ertekek;  // one per sweep, in command-line order
};

TFutasTerv FutasTerve(const TBatchBeallitas& b, uint32_t mag, int32_t index);

// The values a run sets: the --set values, then the run's swept values.
std::vector<TBeallitando> FutasErtekei(const TBatchBeallitas& b, const TFutasTerv& f);

}  // namespace zelvaris
