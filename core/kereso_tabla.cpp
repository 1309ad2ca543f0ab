#include "core/kereso_tabla.h"

#include <string>

#include "core/hibak.h"

namespace zelvaris {
namespace {

// Walks the first quadrant of ring r (r >= 2) with the rule
// c = trunc(sqrt(r^2 - i^2)) + 1; each square root is tracked downward
// exactly in integers as i grows, which matches the extended-precision result
// for every radius the program can reach. Calls `ki` for every entry of the
// quadrant in order and returns their number.
template <typename Ki>
int64_t NegyedBejaras(int64_t r, Ki&& ki) {
  const int64_t r2 = r * r;
  const int64_t q2 = (r - 1) * (r - 1);
  int64_t s = r - 1;  // trunc(sqrt(r^2 - i^2)) for i = 1
  int64_t t = r - 2;  // trunc(sqrt((r-1)^2 - i^2)) for i = 1
  int64_t m = 0;
  bool utolsoAtlos = false;
  // The loop itself is only the first half; its entries are mirrored after it.
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

}  // namespace

TKeresoTabla::TKeresoTabla() {
  negyed_.push_back({{0, 0}});
  gyuruMeret_.push_back(1);
  korMeret_.push_back(1);
}

void TKeresoTabla::MeretekSzamolasa(int32_t r) {
  while (static_cast<int32_t>(gyuruMeret_.size()) <= r) {
    const int64_t k = static_cast<int64_t>(gyuruMeret_.size());
    int64_t negyedHossz;
    if (k == 1) {
      negyedHossz = 2;
    } else {
      negyedHossz = NegyedBejaras(k, [](int64_t, int64_t, int64_t) {});
    }
    gyuruMeret_.push_back(4 * negyedHossz);
    korMeret_.push_back(korMeret_.back() + 4 * negyedHossz);
  }
}

int64_t TKeresoTabla::GyuruMeret(int32_t r) {
  if (r < 0) return 0;
  MeretekSzamolasa(r);
  return gyuruMeret_[r];
}

int64_t TKeresoTabla::KorMeret(int32_t r) {
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

const std::vector<TEltolas>& TKeresoTabla::Negyed(int32_t r) {
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
    throw TKeresoHiba("A teljes körhöz nem tartozik " + std::to_string(i) + " elem, csak " +
                      std::to_string(meret) + " elem a(z) " + std::to_string(r) + " sugárnál.");
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
