#pragma once
// The summary of a sweep, one CSV row per run: run, replicate, seed, the swept
// values, steps, each species' final value (plant species' total mass, then
// animal species' count) under its display name, each species' first step
// recorded as 0 (empty if none), each animal species' mean persistent dose at
// the end, and the generator's final state.

#include <cstdint>
#include <string>

#include "core/okoszisztema.h"
#include "tools/parancssor.h"
#include "tools/sopres_terv.h"

namespace zelvaris {

// Both end in a line break.
std::string OsszegzesFejlec(const TOkoszisztema& oko, const TBatchBeallitas& b);
std::string OsszegzesSor(const TOkoszisztema& oko, const TBatchBeallitas& b, const TFutasTerv& f,
                         uint32_t vegsoMag);

}  // namespace zelvaris
