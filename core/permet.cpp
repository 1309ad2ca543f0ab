// Sprays are world-wide flags that the next step applies; see the step for
// where they act (death at a spraying, dose uptake, shorter lives, smaller
// litters, slower growth).

#include "core/okoszisztema.h"

namespace zelvaris {

void TOkoszisztema::DegPermetezes() {
  DegPermet = true;
  PermetezesVolt = true;
}

void TOkoszisztema::PerPermetezes() {
  PerPermet = true;
  PermetezesVolt = true;
}

void TOkoszisztema::Tisztit() {
  DegPermet = false;
  PerPermet = false;
  PermetezesVolt = false;
}

void TOkoszisztema::Gyogyit() {
  for (auto& f : allatFajok_) {
    for (int32_t i = 0; i < f->Egyedek.Darab(); ++i) {
      TAllat& a = f->Egyedek[i];
      a.DegDozis = 0;
      a.PerDozis = 0;
      racs_.Jelol(Cella(a.Sor, a.Oszlop));
    }
  }
  Rajzol();
}

}  // namespace zelvaris
