#include "core/kereso_tabla.h"

#include <iterator>
#include <string>

#include "core/gyuru_bejaras.h"
#include "core/hibak.h"

// Ring sizes counted at build time by the same walk, up to the first ring
// whose disc no 32-bit budget fills.
#include "gyuru_meretek.inc"

namespace zelvaris {

TKeresoTabla::TKeresoTabla() {
  negyed_.push_back({{0, 0}});
  gyuruMeret_.push_back(1);
  korMeret_.push_back(1);
}

void TKeresoTabla::MeretekSzamolasa(int32_t r) {
  while (static_cast<int32_t>(gyuruMeret_.size()) <= r) {
    const int64_t k = static_cast<int64_t>(gyuruMeret_.size());
    const int64_t meret = k < static_cast<int64_t>(std::size(kGyuruMeretek)) ? kGyuruMeretek[k]
                                                                            : GyuruMeretSzamolasa(k);
    gyuruMeret_.push_back(meret);
    korMeret_.push_back(korMeret_.back() + meret);
  }
}

int64_t TKeresoTabla::GyuruMeretSzamolva(int32_t r) {
  if (r < 0) return 0;
  MeretekSzamolasa(r);
  return gyuruMeret_[r];
}

int64_t TKeresoTabla::KorMeretSzamolva(int32_t r) {
  if (r < 0) return 0;
  MeretekSzamolasa(r);
  return korMeret_[r];
}

int64_t TKeresoTabla::KorMeretKorlatos(int32_t r, int64_t korlat) {
  if (r < 0) return 0;
  while (static_cast<int32_t>(korMeret_.size()) <= r && korMeret_.back() <= korlat)
    MeretekSzamolasa(static_cast<int32_t>(korMeret_.size()));
  if (static_cast<int32_t>(korMeret_.size()) <= r) return korlat + 1;
  return korMeret_[r] <= korlat ? korMeret_[r] : korlat + 1;
}

const std::vector<TEltolas>& TKeresoTabla::NegyedEpitese(int32_t r) {
  if (static_cast<int32_t>(negyed_.size()) <= r) negyed_.resize(static_cast<size_t>(r) + 1);
  auto& sor = negyed_[r];
  if (!sor.empty()) return sor;
  if (r == 1) {
    sor = {{1, 1}, {1, 0}};
    return sor;
  }
  std::vector<TEltolas> elso;
  NegyedBejaras(r, [&](int64_t, int64_t x, int64_t y) {
    elso.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y)});
  });
  sor = elso;
  const int64_t m = static_cast<int64_t>(elso.size());
  const int64_t kezdet = (elso.back().x == elso.back().y) ? m - 2 : m - 1;
  for (int64_t j = kezdet; j >= 0; --j) sor.push_back({elso[j].y, elso[j].x});
  sor.push_back({r, 0});
  return sor;
}

TEltolas TKeresoTabla::Elem(int32_t r, int64_t i) {
  const int64_t meret = GyuruMeret(r);
  if (r < 0 || i < 0 || i >= meret) {
    throw TKeresoHiba(TUzenet(kKeresoHibaUzenet, {std::to_string(i), std::to_string(meret),
                                                  std::to_string(r)}));
  }
  if (r == 0) return {0, 0};
  const auto& n = Negyed(r);
  const int64_t m = static_cast<int64_t>(n.size());
  return Forgatas(n[static_cast<size_t>(i % m)], static_cast<int32_t>(i / m));
}

int32_t TKeresoTabla::SugarHosszbol(int32_t h) {
  int32_t r = 0;
  int64_t osszeg = 0;
  while (true) {
    const int64_t kov = GyuruMeret(r + 1);
    if (osszeg + kov > h) return r;
    osszeg += kov;
    ++r;
  }
}

int32_t TKeresoTabla::EpitettSorok() const {
  int32_t n = 0;
  for (const auto& sor : negyed_)
    if (!sor.empty()) ++n;
  return n;
}

}  // namespace zelvaris
