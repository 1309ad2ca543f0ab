#include "monitors/letszam_sor.h"

#include "core/letszam_forras.h"

namespace zelvaris {

TAdatForras LetszamSor(const TLetszamForras& forras, int32_t sor) {
  const TLetszamForras* f = &forras;
  return {[f, sor](int64_t i) { return f->Ertek(sor, static_cast<int32_t>(i)); },
          [f, sor]() -> int64_t { return sor < f->Sorokszama() ? f->Hossz() : 0; }};
}

}  // namespace zelvaris
