#pragma once
// The records of the snapshot's data file: signed 32-bit integers of four
// bytes each, least significant byte first, with no header or padding.

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvaris {

inline void BinarisEgesz(std::string& cel, int32_t ertek) {
  const auto u = static_cast<uint32_t>(ertek);
  for (int i = 0; i < 4; ++i) cel.push_back(static_cast<char>((u >> (8 * i)) & 0xFFu));
}

class TBinarisOlvaso {
 public:
  explicit TBinarisOlvaso(std::string_view bajtok) : bajtok_(bajtok) {}

  // Whole records still unread.
  int64_t Maradek() const { return static_cast<int64_t>((bajtok_.size() - poz_) / 4); }
  // The next record; the caller checks Maradek first.
  int32_t Kovetkezo() {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
      u |= uint32_t{static_cast<unsigned char>(bajtok_[poz_ + static_cast<size_t>(i)])} << (8 * i);
    poz_ += 4;
    return static_cast<int32_t>(u);
  }

 private:
  std::string_view bajtok_;
  size_t poz_ = 0;
};

}  // namespace zelvaris
