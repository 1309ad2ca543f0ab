#pragma once
// The small search rings as whole-ring lists for one side length: each entry
// already turned into its quarter, and as a step in cell index for cells far
// enough from the edges that nothing wraps. Most searches probe only a few
// small rings, where walking quadrant lists costs more than the probes.

#include <cstdint>
#include <vector>

#include "core/kereso_tabla.h"

namespace zelvaris {

class TGyuruLepesek {
 public:
  static constexpr int32_t kLegnagyobbGyuru = 64;

  struct TGyuru {
    std::vector<TEltolas> eltolasok;
    std::vector<int64_t> lepesek;  // eltolas.x * L + eltolas.y
  };

  // Ring r (1 <= r <= kLegnagyobbGyuru) for side length l; built when first
  // asked for, and again after the side length changed.
  const TGyuru& Gyuru(TKeresoTabla& tabla, int32_t r, int64_t l) {
    if (l != l_) {
      l_ = l;
      gyuruk_.clear();
    }
    if (static_cast<int32_t>(gyuruk_.size()) <= r) gyuruk_.resize(static_cast<size_t>(r) + 1);
    TGyuru& g = gyuruk_[static_cast<size_t>(r)];
    if (g.eltolasok.empty()) Epites(tabla, r, g);
    return g;
  }

 private:
  void Epites(TKeresoTabla& tabla, int32_t r, TGyuru& g) const {
    const int64_t meret = tabla.GyuruMeret(r);
    for (int64_t j = 0; j < meret; ++j) {
      const TEltolas e = tabla.Elem(r, j);
      g.eltolasok.push_back(e);
      g.lepesek.push_back(int64_t{e.x} * l_ + e.y);
    }
  }

  int64_t l_ = 0;
  std::vector<TGyuru> gyuruk_;
};

}  // namespace zelvaris
