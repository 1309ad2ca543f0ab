#pragma once
// One frame clock for every view that draws at most once per frame. A view
// that owes pixels asks for the next frame; at the frame all waiting views
// are served together, so their repaints follow one another while the
// drawing code and data are still warm, instead of each view waking on its
// own timer between simulation steps.

#include <vector>

namespace zelvaris {

class TKepkockaOra;

class TKepkockaKliens {
 public:
  TKepkockaKliens() = default;
  TKepkockaKliens(const TKepkockaKliens&) = delete;
  TKepkockaKliens& operator=(const TKepkockaKliens&) = delete;
  // Leaves the clock's queue.
  virtual ~TKepkockaKliens();

  // Asks for one call of Kepkocka at the next frame; asking again before
  // then changes nothing.
  void KepkockaKeres();
  bool KepkockaraVar() const { return var_; }

 protected:
  virtual void Kepkocka() = 0;

 private:
  friend class TKepkockaOra;
  bool var_ = false;
};

// The interval between frames, in milliseconds.
inline constexpr int KepkockaMs = 16;

}  // namespace zelvaris
