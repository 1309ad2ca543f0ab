#pragma once
// The neighbourhood search table: ring r around a cell as a list of offsets in
// search order, and how many entries lie within radius r. Ring 0 is the centre,
// ring 1 the eight neighbours, larger rings approximate circles and may list a
// cell twice; the table is used exactly as built, repeats included.
//
// Rows are built only when first used. Ring sizes are counted without storing
// offsets, so deriving a movement radius from a budget in the billions costs
// time proportional to the radius squared, not memory. Only the first-quadrant
// part of a ring is stored; the other three quarters are its rotations.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zelvaris {

struct TEltolas {
  int32_t x;  // added to the row
  int32_t y;  // added to the column
  bool operator==(const TEltolas&) const = default;
};

class TKeresoTabla {
 public:
  TKeresoTabla();

  // Number of entries of ring r (r >= 0).
  int64_t GyuruMeret(int32_t r) {
    if (r >= 0 && r < static_cast<int32_t>(gyuruMeret_.size())) return gyuruMeret_[static_cast<size_t>(r)];
    return GyuruMeretSzamolva(r);
  }
  // Entries within radius r, centre included; 0 for a negative radius.
  int64_t KorMeret(int32_t r) {
    if (r >= 0 && r < static_cast<int32_t>(korMeret_.size())) return korMeret_[static_cast<size_t>(r)];
    return KorMeretSzamolva(r);
  }
  // KorMeret(r) when it is at most `korlat`, otherwise korlat + 1; counts only
  // as many rings as it needs, so a radius in the billions costs no more than
  // the radius whose disc first exceeds the limit.
  int64_t KorMeretKorlatos(int32_t r, int64_t korlat);
  // Entry i of ring r; throws TKeresoHiba with the user-facing message when i
  // lies outside the ring.
  TEltolas Elem(int32_t r, int64_t i);

  // The first-quadrant part of ring r (r >= 1): entry j of the whole ring is
  // entry j mod m of this list turned (j div m) quarter turns, (x, y) -> (y, -x).
  const std::vector<TEltolas>& Negyed(int32_t r) {
    if (r < static_cast<int32_t>(negyed_.size()) && !negyed_[static_cast<size_t>(r)].empty())
      return negyed_[static_cast<size_t>(r)];
    return NegyedEpitese(r);
  }

  // The largest r >= 0 for which rings 1..r together hold at most h entries.
  int32_t SugarHosszbol(int32_t h);

  // Rings whose offsets have been built so far (a diagnostic for tests).
  int32_t EpitettSorok() const;

 private:
  void MeretekSzamolasa(int32_t r);
  int64_t GyuruMeretSzamolva(int32_t r);
  int64_t KorMeretSzamolva(int32_t r);
  const std::vector<TEltolas>& NegyedEpitese(int32_t r);
  std::vector<std::vector<TEltolas>> negyed_;
  std::vector<int64_t> gyuruMeret_;
  std::vector<int64_t> korMeret_;
};

// Rotation of a quadrant entry by q quarter turns (q = 0..3).
inline TEltolas Forgatas(TEltolas e, int32_t q) {
  switch (q) {
    case 0: return e;
    case 1: return {e.y, -e.x};
    case 2: return {-e.x, -e.y};
    default: return {-e.y, e.x};
  }
}

}  // namespace zelvaris
