#pragma once
// The species fields as the editors, the panels and the push hub see them:
// the core's field table by id, and the fields a full refresh pushes one by
// one. A view never needs to know how a field is stored in the species.

#include <vector>

#include "core/faj_mezo_tabla.h"

namespace zelvaris {

// Every field of the kind that is pushed as a field change, in table order;
// the name and the colour have pushes of their own.
const std::vector<TFajMezo>& FajMezok(TFajFajta fajta);

}  // namespace zelvaris
