#pragma once
// Ecosystem configurations (".okocfg"): the side length, every species with
// all its parameters and the two drawing orders; no individuals, no time, no
// spray state. A loaded configuration is an ecosystem without a grid, ready
// for Alkalmaz.

#include <filesystem>
#include <memory>

#include "core/okoszisztema.h"
#include "persistence/fajlnevek.h"

namespace zelvaris {

// Reads versions 4.4, 4.5 and 4.6 into a fresh ecosystem and returns it only
// when the whole file was read. Throws TFajlHiba (naming the file, and the
// line where there is one). Draws no random numbers.
std::unique_ptr<TOkoszisztema> OkoCfgBetoltese(const std::filesystem::path& fajl,
                                               TVeletlen& veletlen, TKeresoTabla& tabla);

// Writes version 4.6 exactly to the path given (OkoCfgNev adds the extension);
// the previous file is replaced only by a complete one. Throws TFajlHiba.
void OkoCfgMentese(const TOkoszisztema& oko, const std::filesystem::path& fajl);

}  // namespace zelvaris
