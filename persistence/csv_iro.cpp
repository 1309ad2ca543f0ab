#include "persistence/csv_iro.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace zelvaris {

std::string TCsvIro::Idezes(std::string_view szoveg) {
  if (szoveg.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(szoveg);
  std::string s = "\"";
  for (char c : szoveg) {
    if (c == '"') s += '"';
    s += c;
  }
  s += '"';
  return s;
}

std::string TCsvIro::SzamSzoveg(float ertek) {
  if (std::isfinite(ertek) && std::fabs(static_cast<double>(ertek)) < 1e15 && std::trunc(ertek) == ertek) {
    // -0 is integral too and is written as 0.
    return std::to_string(static_cast<int64_t>(ertek));
  }
  char puffer[64];
  const auto eredmeny = std::to_chars(puffer, puffer + sizeof puffer, ertek);
  return std::string(puffer, eredmeny.ptr);
}

void TCsvIro::Elvalaszto() {
  if (!sorEleje_) ki_ << ',';
  sorEleje_ = false;
}

void TCsvIro::Mezo(std::string_view szoveg) {
  Elvalaszto();
  ki_ << Idezes(szoveg);
}

void TCsvIro::Szam(float ertek) {
  Elvalaszto();
  ki_ << SzamSzoveg(ertek);
}

void TCsvIro::SorVege() {
  ki_ << '\n';
  sorEleje_ = true;
}

}  // namespace zelvaris
