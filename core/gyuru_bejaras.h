#pragma once
// The walk that builds the first quadrant of a search ring; shared by the
// search table and the build-time counter of ring sizes.

#include <cstdint>

namespace zelvaris {

// Walks the first quadrant of ring r (r >= 2) with the rule
// c = trunc(sqrt(r^2 - i^2)) + 1; each square root is tracked downward
// exactly in integers as i grows, which matches the extended-precision result
// for every radius the program can reach. Calls `ki` for every entry of the
// first half of the quadrant in order (the rest mirrors it) and returns the
// length of the whole quadrant list.
template <typename Ki>
int64_t NegyedBejaras(int64_t r, Ki&& ki) {
  const int64_t r2 = r * r;
  const int64_t q2 = (r - 1) * (r - 1);
  int64_t s = r - 1;  // trunc(sqrt(r^2 - i^2)) for i = 1
  int64_t t = r - 2;  // trunc(sqrt((r-1)^2 - i^2)) for i = 1
  int64_t m = 0;
  bool utolsoAtlos = false;
  for (int64_t i = 1;; ++i) {
    while (s > 0 && s * s > r2 - i * i) --s;
    const int64_t c = s + 1;
    if (c < i) break;
    while (t > 0 && t * t > q2 - i * i) --t;
    const int64_t d = t + 1;
    ki(m, i, c);
    ++m;
    if (d < c - 1) {
      ki(m, i, c - 1);
      ++m;
      utolsoAtlos = (i == c - 1);
    } else {
      utolsoAtlos = (i == c);
    }
  }
  return m * 2 - (utolsoAtlos ? 1 : 0) + 1;
}

// Entries of ring r (r >= 0).
inline int64_t GyuruMeretSzamolasa(int64_t r) {
  if (r == 0) return 1;
  if (r == 1) return 8;
  return 4 * NegyedBejaras(r, [](int64_t, int64_t, int64_t) {});
}

}  // namespace zelvaris
