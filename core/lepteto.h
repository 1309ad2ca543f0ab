#pragma once
// The logic of the controller: one timer tick is one step of the world. The
// window that owns the timer supplies what a tick refreshes and how the timer
// is switched; this class only keeps the count of ticks still to run.

#include <cstdint>
#include <functional>

namespace zelvaris {

class TOkoszisztema;

class TLepteto {
 public:
  // Refreshes the chart windows, then the age-pyramid windows.
  std::function<void()> Frissites;
  // The Start/Stop action: switches the timer (and its captions).
  std::function<void()> StartStop;
  // Shows the elapsed time.
  std::function<void(int32_t)> IdoKiirasa;

  // Ticks still to run before the timer stops by itself; -1: until stopped.
  int32_t HatralevoTikkek = -1;

  // One tick: the step, the refreshes, the countdown, the time.
  void Tikk(TOkoszisztema& okoszisztema);
  // "Tovább": run exactly `ennyit` ticks, then stop.
  void Tovabb(int32_t ennyit);
};

}  // namespace zelvaris
