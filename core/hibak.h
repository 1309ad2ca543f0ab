#pragma once
// Errors leave the core as exceptions; the programs above decide how to show them.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "core/uzenet.h"

namespace zelvaris {

// what() is the built-in text; Uzenet() is the same as key and values, for a
// program that shows it in the user's language.
class THiba : public std::runtime_error {
 public:
  explicit THiba(TUzenet uzenet) : std::runtime_error(uzenet.Szoveg()), uzenet_(std::move(uzenet)) {}
  const TUzenet& Uzenet() const { return uzenet_; }

 private:
  TUzenet uzenet_;
};

// A ring entry outside the ring was asked for.
class TKeresoHiba : public THiba {
 public:
  using THiba::THiba;
};

// The grid of the requested side does not fit into the available memory.
class TMemoriaHiba : public THiba {
 public:
  TMemoriaHiba(TUzenet uzenet, int64_t legnagyobbOldal)
      : THiba(std::move(uzenet)), legnagyobbOldal_(legnagyobbOldal) {}
  // The largest side length that would fit now (0 if none).
  int64_t LegnagyobbOldal() const { return legnagyobbOldal_; }

 private:
  int64_t legnagyobbOldal_;
};

// The core's own messages.
inline constexpr TUzenetMinta kKeresoHibaUzenet{
    "cxMsg_KeresoTabla", "A teljes körhöz nem tartozik %1 elem, csak %2 elem a(z) %3 sugárnál."};
inline constexpr TUzenetMinta kUjFajMemoriaUzenet{
    "cxMsg_UjFajMemoria",
    "Az új faj nem fér el a memóriában: minden cellának kell egy új hely (kb. %1 MB), de csak %2 MB "
    "szabad."};
inline constexpr TUzenetMinta kOldalMemoriaUzenet{
    "cxMsg_OldalMemoria",
    "A(z) %1 oldalhosszú ökoszisztéma nem fér el a memóriában (kb. %2 MB kellene, %3 MB szabad). A "
    "legnagyobb oldalhossz, ami most elfér: %4."};

}  // namespace zelvaris
