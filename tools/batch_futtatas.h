#pragma once
// One batch run: load a configuration or a snapshot, run the steps, save the
// snapshot, the population series and the dose series. Messages go to the error stream given;
// the result is the program's exit status (0 success, 1 a file or memory
// failure, 2 a value that names no species of the file).

#include <memory>
#include <ostream>
#include <span>

#include "core/okoszisztema.h"
#include "tools/parancssor.h"
#include "tools/vilag_betoltes.h"

namespace zelvaris {

inline constexpr int kSikeres = 0;
inline constexpr int kFajlHiba = 1;
inline constexpr int kHasznalatiHiba = 2;

// A single run: the command line without sweep options.
int BatchFuttatas(const TBatchBeallitas& beallitas, std::ostream& hiba);

// The pieces a sweep run shares with a single run. The load prints its
// failure on `hiba` and returns null with the exit status in `kod`.
std::unique_ptr<TOkoszisztema> BetoltesJelentve(const TBatchBeallitas& b,
                                                std::span<const TBeallitando> ertekek,
                                                bool alkalmaz, TVeletlen& veletlen,
                                                TKeresoTabla& tabla, std::ostream& hiba, int& kod);
// Runs the steps (with the sprays and the progress line asked for) and writes
// the snapshot, the series and the doses asked for; returns the exit status.
int LepesekEsKimenetek(TOkoszisztema& oko, const TBatchBeallitas& b, std::ostream& hiba);

}  // namespace zelvaris
