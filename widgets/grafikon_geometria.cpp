#include "grafikon_geometria.h"

#include <algorithm>
#include <cmath>

namespace zelvaris::grafikon {

namespace {
constexpr double Sav = 1e6;
}

int ErtekY(double ertek, double osztas, int y0, int kepMagassag) {
  double skalazott = ertek / osztas;
  if (std::isnan(skalazott)) skalazott = 0.0;
  // y = y0 - s must stay within [-Sav, H + Sav].
  const double also = static_cast<double>(y0) - kepMagassag - Sav;
  const double felso = static_cast<double>(y0) + Sav;
  skalazott = std::clamp(skalazott, also, felso);
  // nearbyint rounds halves to even in the default rounding mode.
  return y0 - static_cast<int>(std::nearbyint(skalazott));
}

std::vector<ErtekJel> ErtekJelek(int kepMagassag, int alsoMargo, int beosztas) {
  std::vector<ErtekJel> jelek;
  if (beosztas < 1) return jelek;
  const int y0 = kepMagassag - alsoMargo;
  const int db = (kepMagassag - alsoMargo - 15) / beosztas;
  if (db < 0) return jelek;
  jelek.reserve(static_cast<size_t>(db) + 1);
  for (int b = 0; b <= db; ++b) jelek.push_back({y0 - b * beosztas, b});
  return jelek;
}

std::vector<IdoJel> IdoJelek(int64_t kezdet, int rajzSzelesseg) {
  std::vector<IdoJel> jelek;
  const int64_t r = ((kezdet % 100) + 100) % 100;
  for (int64_t k = 1;; ++k) {
    const int64_t x = X0 + 100 * k - r;
    if (x > X0 + rajzSzelesseg) break;
    jelek.push_back({static_cast<int>(x), kezdet - r + 100 * k});
  }
  return jelek;
}

int CsuszasLepes(int csusztatas, int rajzSzelesseg) {
  return std::max(1, std::min(csusztatas, rajzSzelesseg - 1));
}

int64_t KezdetLeptetesUtan(int64_t hossz, int64_t kezdet, int rajzSzelesseg, int csusztatas) {
  if (rajzSzelesseg < 1 || hossz - kezdet < rajzSzelesseg) return kezdet;
  return std::max(kezdet, hossz - rajzSzelesseg) + CsuszasLepes(csusztatas, rajzSzelesseg);
}

int64_t Igazit(bool aktualis, int64_t hossz, int64_t kezdet, int rajzSzelesseg, int64_t gorgetoPozicio) {
  if (!aktualis) return std::clamp<int64_t>(gorgetoPozicio, 0, std::max<int64_t>(hossz, 0));
  if (hossz - kezdet > rajzSzelesseg) return std::max<int64_t>(0, hossz - rajzSzelesseg + 1);
  return kezdet;
}

int64_t RajzVeg(int64_t hossz, int64_t kezdet, int rajzSzelesseg) {
  return std::min(hossz, kezdet + std::max(rajzSzelesseg, 0));
}

}  // namespace zelvaris::grafikon
