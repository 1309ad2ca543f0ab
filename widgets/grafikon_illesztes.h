#pragma once
// Fitting the chart's vertical scale to its data: the largest value shown,
// followed as the window slides, and the smallest power of the scale's base
// that keeps it below the top of the plot.

#include <cstdint>
#include <deque>

namespace zelvaris {

// The largest value of a window that moves forward over numbered points.
// Each point goes in once and out once, so following a chart that slides
// after every step costs a constant amount per step whatever its width.
class TAblakMaximum {
 public:
  void Urites() { pontok_.clear(); }
  // Points come in increasing index order.
  void Hozzaad(int64_t index, double ertek);
  // Forgets the points before `kezdet`.
  void Elejetol(int64_t kezdet);
  bool Ures() const { return pontok_.empty(); }
  // Only when not empty.
  double Legnagyobb() const { return pontok_.front().ertek; }

 private:
  struct TPont {
    int64_t index;
    double ertek;
  };
  // Strictly decreasing values: a point followed by a larger one can never
  // be the largest again.
  std::deque<TPont> pontok_;
};

// The smallest exponent k in minKitevo .. maxKitevo for which `legnagyobb`
// lies strictly below `sorok` rows of alap^k each (the value at the top of
// the plot); maxKitevo when none does.
int IllesztettKitevo(double legnagyobb, double sorok, int alap, int minKitevo, int maxKitevo);

}  // namespace zelvaris
