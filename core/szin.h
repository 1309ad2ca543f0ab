#pragma once

#include <cstdint>

namespace zelvaris {

// A colour as a 32-bit value: red in the lowest byte, then green, then blue.
using TSzin = int32_t;

constexpr TSzin Rgb(int32_t r, int32_t g, int32_t b) { return r | (g << 8) | (b << 16); }

constexpr TSzin FeketeSzin = 0;
constexpr TSzin FeherSzin = Rgb(255, 255, 255);
constexpr TSzin SzurkeSzin = Rgb(128, 128, 128);
constexpr TSzin EzustSzin = Rgb(192, 192, 192);
constexpr TSzin SargaSzin = Rgb(255, 255, 0);
constexpr TSzin ZoldSzin = Rgb(0, 128, 0);

}  // namespace zelvaris
