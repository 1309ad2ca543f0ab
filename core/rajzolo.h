#pragma once
// The narrow drawing seam of the world: the ecosystem decides what every cell
// looks like and hands the result to a sink. A window program paints images;
// the headless programs pass no sink at all.

#include <cstdint>

#include "core/szin.h"

namespace zelvaris {

class TRajzolo {
 public:
  virtual ~TRajzolo() = default;

  // The grid was built (uj = true: the magnifier image and frame are new too)
  // or resized; the map image is now oldal x oldal pixels.
  virtual void KepekUjraepitese(int64_t oldal, bool uj) = 0;
  // A drawing pass starts (mindet: every cell will be drawn) or ends.
  virtual void RajzolasKezdete(bool mindet) = 0;
  virtual void RajzolasVege() = 0;
  // One map pixel: column (x), row (y), colour.
  virtual void TerkepPont(int64_t oszlop, int64_t sor, TSzin szin) = 0;
  // A whole map row of a full redraw, columns 0..darab-1.
  virtual void TerkepSor(int64_t sor, const TSzin* szinek, int64_t darab) {
    for (int64_t oszlop = 0; oszlop < darab; ++oszlop) TerkepPont(oszlop, sor, szinek[oszlop]);
  }
  // One magnifier square, in cells relative to the frame's top-left corner.
  // `nem` is the sex of the topmost shown animal (symbol drawn for 0, 1, 2
  // only); without an animal, vanAllat is false.
  virtual void NagyitoNegyzet(int32_t oszlop, int32_t sor, TSzin hatter, bool vanAllat,
                              int32_t nem, TSzin allatSzin) = 0;
};

}  // namespace zelvaris
