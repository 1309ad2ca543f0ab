#pragma once
// A row of a population source as a chart series reads it: through the
// source itself at every use, since the rows move when they grow or when a
// species is added.

#include <cstdint>

#include "widgets/adat_csoport.h"

namespace zelvaris {

class TLetszamForras;

// Row `sor` of the source; a row the source does not have reads as empty.
TAdatForras LetszamSor(const TLetszamForras& forras, int32_t sor);

}  // namespace zelvaris
