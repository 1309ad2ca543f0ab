#pragma once
// Sweeps: many runs of one file with different values and seeds, summarised
// one CSV row per run. The whole sweep runs its runs in worker processes and
// collects their rows in run order; --run I makes one run and prints its row,
// --header the header, so a scheduler can spread the runs over machines and
// the joined output equals the summary of the whole sweep.

#include <ostream>

#include "tools/parancssor.h"

namespace zelvaris {

// Returns the exit status: 0 every run succeeded and the summary was
// written; 1 a run failed (its index and message are on `hiba`, the other
// rows are still written) or the summary could not be written; 2 a parameter
// that names no species of the file.
int SopresFuttatas(const TBatchBeallitas& b, std::ostream& ki, std::ostream& hiba);

}  // namespace zelvaris
