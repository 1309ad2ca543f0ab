#pragma once
// The progress line of a long run: steps done, steps per second and the
// populations, rewritten in place on one line of a text stream (carriage
// return, padded over the previous text) at most a few times a second, so a
// run of millions of steps costs no noticeable output time.

#include <chrono>
#include <functional>
#include <ostream>
#include <string>

namespace zelvaris {

class TOkoszisztema;

class THaladas {
 public:
  using TOra = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds Idokoz{250};

  // `osszes`: the steps the run will make. `ora` replaces the clock (tests).
  THaladas(std::ostream& ki, int64_t osszes, std::function<TOra::time_point()> ora = TOra::now);

  // After step `kesz`: rewrites the line if the interval has passed.
  void Lepett(const TOkoszisztema& oko, int64_t kesz);
  // Writes the final state and ends the line.
  void Vege(const TOkoszisztema& oko, int64_t kesz);

  // The line's text, without the carriage return.
  static std::string Sor(const TOkoszisztema& oko, int64_t kesz, int64_t osszes,
                         double lepesPerMasodperc);

 private:
  void Kiiras(const TOkoszisztema& oko, int64_t kesz);
  std::ostream& ki_;
  int64_t osszes_;
  std::function<TOra::time_point()> ora_;
  TOra::time_point kezdet_;
  TOra::time_point utolso_;
  size_t elozoHossz_ = 0;
};

}  // namespace zelvaris
