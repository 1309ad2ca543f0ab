#include "grafikon_illesztes.h"

#include "pnx_hatvany.h"

namespace zelvaris {

void TAblakMaximum::Hozzaad(int64_t index, double ertek) {
  while (!pontok_.empty() && pontok_.back().ertek <= ertek) pontok_.pop_back();
  pontok_.push_back({index, ertek});
}

void TAblakMaximum::Elejetol(int64_t kezdet) {
  while (!pontok_.empty() && pontok_.front().index < kezdet) pontok_.pop_front();
}

int IllesztettKitevo(double legnagyobb, double sorok, int alap, int minKitevo, int maxKitevo) {
  // The value at the top grows with the exponent for any base above 1:
  // search for the first exponent that leaves room.
  int64_t also = minKitevo;
  int64_t felso = maxKitevo;
  while (also < felso) {
    const int64_t kozep = also + (felso - also) / 2;
    if (legnagyobb < sorok * HatvanyErtek(alap, static_cast<int>(kozep)))
      felso = kozep;
    else
      also = kozep + 1;
  }
  return static_cast<int>(also);
}

}  // namespace zelvaris
