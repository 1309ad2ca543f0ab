#pragma once
// Loading the world a batch run starts from, with the values the command line
// sets. A configuration gets its values after the load and before Alkalmaz,
// so they shape the start populations; a snapshot, whose load builds its grid
// itself, gets them after the whole load. No value draws a random number.

#include <filesystem>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "core/okoszisztema.h"
#include "tools/parancssor.h"

namespace zelvaris {

// One value to set: a parameter and its value text.
struct TBeallitando {
  const TParameter* Parameter = nullptr;
  std::string Ertek;
};

// Loads the file and sets the values in order; then, if `alkalmaz`, builds a
// configuration's world, warning on `hiba` about start populations that did
// not fit. Every parameter is bound to its species before the first value is
// set (a new name does not change what a later parameter names). Throws
// THasznalatHiba for an unknown species or a field given twice, TFajlHiba or
// TMemoriaHiba for a file or a world that cannot be loaded or built.
std::unique_ptr<TOkoszisztema> VilagBetoltese(const std::filesystem::path& fajl,
                                              std::span<const TBeallitando> ertekek, bool alkalmaz,
                                              TVeletlen& veletlen, TKeresoTabla& tabla,
                                              std::ostream& hiba);

// The --set values of the command line.
std::vector<TBeallitando> RogzitettErtekek(const TBatchBeallitas& b);

}  // namespace zelvaris
