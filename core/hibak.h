#pragma once
// Errors leave the core as exceptions; the programs above decide how to show them.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zelvaris {

class THiba : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A ring entry outside the ring was asked for.
class TKeresoHiba : public THiba {
 public:
  using THiba::THiba;
};

// The grid of the requested side does not fit into the available memory.
class TMemoriaHiba : public THiba {
 public:
  TMemoriaHiba(const std::string& uzenet, int64_t legnagyobbOldal)
      : THiba(uzenet), legnagyobbOldal_(legnagyobbOldal) {}
  // The largest side length that would fit now (0 if none).
  int64_t LegnagyobbOldal() const { return legnagyobbOldal_; }

 private:
  int64_t legnagyobbOldal_;
};

}  // namespace zelvaris
