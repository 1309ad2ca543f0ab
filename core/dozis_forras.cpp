#include "core/dozis_forras.h"

#include <algorithm>
#include <limits>

#include "core/okoszisztema.h"

namespace zelvaris {

TDozisAllapot DozisAllapot(const TAllatFaj& faj) {
  const auto& allatok = faj.Egyedek.Elemek();
  if (allatok.empty()) return {};
  // 64-bit sums: a million animals of a dose near 2^31 each still add up exactly.
  int64_t degOsszeg = 0, perOsszeg = 0;
  int32_t degMax = std::numeric_limits<int32_t>::min(), perMax = degMax;
  for (const TAllat& a : allatok) {
    degOsszeg += a.DegDozis;
    perOsszeg += a.PerDozis;
    degMax = std::max(degMax, a.DegDozis);
    perMax = std::max(perMax, a.PerDozis);
  }
  const auto n = static_cast<double>(allatok.size());
  return {static_cast<float>(static_cast<double>(degOsszeg) / n), static_cast<float>(degMax),
          static_cast<float>(static_cast<double>(perOsszeg) / n), static_cast<float>(perMax)};
}

bool VanPerzisztensDozis(const TOkoszisztema& oko) {
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i)
    for (const TAllat& a : oko.AllatFaj(i).Egyedek.Elemek())
      if (a.PerDozis != 0) return true;
  return false;
}

void TDozisForras::SorokBeallitasa(int32_t n) {
  for (TLetszamForras* t : {&DegAtlag, &DegMax, &PerAtlag, &PerMax}) t->SorokBeallitasa(n);
}

void TDozisForras::Felvetel(const TOkoszisztema& oko) {
  for (TLetszamForras* t : {&DegAtlag, &DegMax, &PerAtlag, &PerMax}) t->HosszBeallitasa(t->Hossz() + 1);
  const int32_t oszlop = Hossz() - 1;
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i) {
    const TDozisAllapot d = DozisAllapot(oko.AllatFaj(i));
    DegAtlag.ErtekBeallitasa(i, oszlop, d.DegAtlag);
    DegMax.ErtekBeallitasa(i, oszlop, d.DegMax);
    PerAtlag.ErtekBeallitasa(i, oszlop, d.PerAtlag);
    PerMax.ErtekBeallitasa(i, oszlop, d.PerMax);
  }
}

}  // namespace zelvaris
