#pragma once
// The monkey's command line and its log.
//   zelvaris-monkey [--seed N] [--actions N] [--log FILE] [--replay FILE]
// A log line "<n> <kind> <seed>" is one action; lines starting with '#'
// say what it did and are skipped on replay, except the first, which names
// the seed: "# zelvaris-monkey --seed N ...".

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/monkey/majom.h"

namespace zelvaris {

struct TMajomBeallitasok {
  uint32_t Mag = 1;
  int64_t Akciok = 1000;
  std::optional<std::filesystem::path> Naplo;
  std::optional<std::filesystem::path> Visszajatszas;
};

// Throws std::invalid_argument naming what is wrong.
TMajomBeallitasok MajomParancssor(const std::vector<std::string>& argumentumok);

struct TNaploAkcio {
  TAkcioFajta Fajta;
  uint32_t Mag;
};

struct TNaploTartalom {
  // The simulation's seed the run started with (its first line).
  std::optional<uint32_t> Mag;
  std::vector<TNaploAkcio> Akciok;
};

// The actions of a log, in order. Throws std::runtime_error naming the line
// that is not an action.
TNaploTartalom NaploOlvasas(const std::filesystem::path& fajl);

}  // namespace zelvaris
