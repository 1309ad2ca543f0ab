#pragma once
// Comma-separated output as RFC 4180 describes it: a field holding a comma, a
// quote or a line break is quoted, with its quotes doubled. Lines end in "\n".
// Numbers are written so they read back exactly: integral values below 1e15
// in magnitude as integers, everything else as the shortest text that gives
// back the same single-precision value.

#include <ostream>
#include <string>
#include <string_view>

namespace zelvaris {

class TCsvIro {
 public:
  explicit TCsvIro(std::ostream& ki) : ki_(ki) {}

  void Mezo(std::string_view szoveg);
  void Szam(float ertek);
  void SorVege();

  static std::string Idezes(std::string_view szoveg);
  static std::string SzamSzoveg(float ertek);

 private:
  void Elvalaszto();
  std::ostream& ki_;
  bool sorEleje_ = true;
};

}  // namespace zelvaris
