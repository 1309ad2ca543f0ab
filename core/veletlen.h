#pragma once
// The one random generator of the program. Every draw of the simulation goes
// through it in a fixed order, so a seed reproduces a run bit for bit.

#include <cstdint>

namespace zelvaris {

class TVeletlen {
 public:
  explicit TVeletlen(uint32_t mag = 0) : mag_(mag) {}

  uint32_t Mag() const { return mag_; }
  void MagBeallitasa(uint32_t mag) { mag_ = mag; }
  // Seeds from the high-resolution clock, as at program start; returns the seed.
  uint32_t OrabolVetes();
  // Draws made so far (for benchmarks).
  uint64_t Huzasok() const { return huzasok_; }

  // 0 <= result < n for 0 < n < 2^31; n is taken modulo 2^32 and the high 32
  // bits of seed * n are read back as a signed number. Always advances the seed.
  int32_t Random(int32_t n) {
    ++huzasok_;
    mag_ = mag_ * 134775813u + 1u;
    const uint64_t szorzat = uint64_t{mag_} * static_cast<uint32_t>(n);
    return static_cast<int32_t>(static_cast<uint32_t>(szorzat >> 32));
  }

 private:
  uint32_t mag_;
  uint64_t huzasok_ = 0;
};

}  // namespace zelvaris
