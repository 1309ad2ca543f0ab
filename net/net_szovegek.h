#pragma once
// The network parts' own texts in the loaded language: the table is not
// owned and may be absent (then the built-in texts stand).

#include <QString>

#include "core/uzenet.h"
#include "localisation/nyelvi_tabla.h"
#include "widgets/qszoveg.h"

namespace zelvaris {

inline QString NetUzenet(const TNyelviTabla* tabla, const TUzenet& uzenet) {
  return Qs(tabla != nullptr ? tabla->Uzenet(uzenet) : uzenet.Szoveg());
}

}  // namespace zelvaris
