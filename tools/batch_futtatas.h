#pragma once
// One batch run: load a configuration or a snapshot, run the steps, save the
// snapshot and the population series. Messages go to the error stream given;
// the result is the program's exit status (0 success, 1 a file or memory
// failure). Usage errors are the command line's business, not this one's.

#include <ostream>

#include "tools/parancssor.h"

namespace zelvaris {

class TOkoszisztema;

inline constexpr int kSikeres = 0;
inline constexpr int kFajlHiba = 1;
inline constexpr int kHasznalatiHiba = 2;

int BatchFuttatas(const TBatchBeallitas& beallitas, std::ostream& hiba);

// Writes the recorded population history as CSV (see the usage text).
void SorozatIrasa(const TOkoszisztema& oko, std::ostream& ki);

}  // namespace zelvaris
