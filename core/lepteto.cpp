#include "core/lepteto.h"

#include "core/okoszisztema.h"

namespace zelvaris {

void TLepteto::Tikk(TOkoszisztema& okoszisztema) {
  okoszisztema.Lepes();
  if (Frissites) Frissites();
  if (HatralevoTikkek > 0) {
    HatralevoTikkek -= 1;
    if (HatralevoTikkek == 0) {
      if (StartStop) StartStop();
      HatralevoTikkek = -1;
    }
  }
  if (IdoKiirasa) IdoKiirasa(okoszisztema.Ido);
}

void TLepteto::Tovabb(int32_t ennyit) {
  HatralevoTikkek = ennyit;
  if (StartStop) StartStop();
}

}  // namespace zelvaris
