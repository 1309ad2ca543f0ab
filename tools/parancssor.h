#pragma once
// The batch program's command line:
//   zelvaris-batch [--seed N] [--steps N] [--snapshot OUT] [--series OUT.csv] [--progress] FILE
// Options may also be written as --name=value. Bad usage throws THasznalatHiba
// with a one-line reason; the caller prints it with the usage text.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

namespace zelvaris {

class THasznalatHiba : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TBatchBeallitas {
  bool Sugo = false;               // --help: print the usage text and stop
  std::optional<uint32_t> Mag;     // --seed; none: seeded from the clock
  int32_t Lepesek = 0;             // --steps
  std::optional<std::filesystem::path> Pillanatkep;  // --snapshot
  std::optional<std::filesystem::path> Sorozat;      // --series
  bool Haladas = false;            // --progress
  std::filesystem::path Fajl;      // the .okocfg or .okopill to start from
};

// Parses the arguments after the program name.
TBatchBeallitas BatchParancssor(std::span<const std::string> argumentumok);

// The text --help prints; also shown after every usage error.
std::string BatchHasznalat();

}  // namespace zelvaris
