#pragma once
// A drawing sink for tests of any layer: it counts what the ecosystem asks
// to be drawn and draws nothing.

#include <cstdint>

#include "core/rajzolo.h"

namespace zelvaris::teszt {

// Records what the ecosystem draws.
struct TNaploRajzolo : TRajzolo {
  int teljes = 0, reszleges = 0, ujraepites = 0;
  int64_t pontok = 0, negyzetek = 0;
  void KepekUjraepitese(int64_t, bool) override { ++ujraepites; }
  void RajzolasKezdete(bool mindet) override { ++(mindet ? teljes : reszleges); }
  void RajzolasVege() override {}
  void TerkepPont(int64_t, int64_t, TSzin) override { ++pontok; }
  void NagyitoNegyzet(int32_t, int32_t, TSzin, bool, int32_t, TSzin) override { ++negyzetek; }
};

}  // namespace zelvaris::teszt
