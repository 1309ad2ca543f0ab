#pragma once
// The chart's geometry as pure functions: value to pixel, tick positions,
// sliding and window alignment. The chart and its tests share them.

#include <cstdint>
#include <vector>

namespace zelvaris::grafikon {

// The value axis stands at this x in plot-image coordinates.
inline constexpr int X0 = 65;
// Plot area width = plot image width - this.
inline constexpr int RajzMargo = 74;
inline constexpr int AlsoMargoElo = 25;
inline constexpr int AlsoMargoKereso = 38;

// Pixel row of a value: y0 - round(value / osztas), halves to even. The scaled
// value is clamped to a band a million pixels beyond the image first, so a huge
// value (or a tiny osztas) never overflows; the visible picture is the same.
int ErtekY(double ertek, double osztas, int y0, int kepMagassag);

// Pixel column of point `index` when `kezdet` is shown at the value axis.
inline int PontX(int64_t index, int64_t kezdet) { return static_cast<int>(X0 + (index - kezdet)); }

struct ErtekJel {
  int y;
  int szorzo;  // b: the tick stands for b * beosztas * osztas
};
// Value-axis ticks (and their grid lines) for b = 0 .. (H - alsoMargo - 15) div beosztas.
// None when the spacing is below 1 or the count is negative.
std::vector<ErtekJel> ErtekJelek(int kepMagassag, int alsoMargo, int beosztas);

struct IdoJel {
  int x;
  int64_t index;  // the point index the tick stands for, a multiple of 100
};
// Time ticks every 100 indices right of `kezdet`, up to the plot area's right end.
std::vector<IdoJel> IdoJelek(int64_t kezdet, int rajzSzelesseg);

// Live mode: the step by which the full window slides; never more than the
// plot width - 1 so the newest point stays on screen.
int CsuszasLepes(int csusztatas, int rajzSzelesseg);

// Live mode, after the length has grown: the new `kezdet` (unchanged unless
// the plot area is full). A window left far behind by a jump of the length
// catches up in one move.
int64_t KezdetLeptetesUtan(int64_t hossz, int64_t kezdet, int rajzSzelesseg, int csusztatas);

// Window alignment: live mode keeps the newest point on screen; browse mode
// takes the scroll bar's position.
int64_t Igazit(bool aktualis, int64_t hossz, int64_t kezdet, int rajzSzelesseg, int64_t gorgetoPozicio);

// One past the last point drawn: never beyond the plot area nor the data.
int64_t RajzVeg(int64_t hossz, int64_t kezdet, int rajzSzelesseg);

// Whether a dashed series draws the segment ending at point `index`: six
// drawn, four left out. The dashes belong to the points, so a slide moves
// them with the line and a partial repaint agrees with a full one.
inline bool SzaggatottSzakasz(int64_t index) { return index % 10 < 6; }

}  // namespace zelvaris::grafikon
