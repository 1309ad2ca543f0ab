#pragma once
// Species records inside a line file, and species files (".allat",
// ".noveny"): the version line and one short record, the library form of a
// species that can be loaded into any slot of any ecosystem.

#include <filesystem>

#include "core/fajok.h"
#include "persistence/fajlnevek.h"
#include "persistence/sorfajl.h"

namespace zelvaris {

// Full records belong to configurations and snapshots, short ones to species
// files. A read takes the whole record before it changes the species, so a
// record that fails leaves the species as it was.
void AllatfajIrasa(TSorIro& iro, const TAllatFaj& faj, bool teljes);
void AllatfajOlvasasa(TSorOlvaso& olvaso, TAllatFaj& faj, bool teljes);
void NovenyfajIrasa(TSorIro& iro, const TNovenyFaj& faj, bool teljes);
void NovenyfajOlvasasa(TSorOlvaso& olvaso, TNovenyFaj& faj, bool teljes);

// Saves write exactly to the path given (FajFajlNev adds the extension) and
// replace the file only when it is complete. Loads take any extension and do
// not check the version line; the species keeps its Id, its individuals and
// its place in the drawing order. Both throw TFajlHiba.
void AllatfajMentese(const std::filesystem::path& fajl, const TAllatFaj& faj);
void AllatfajBetoltese(const std::filesystem::path& fajl, TAllatFaj& faj);
void NovenyfajMentese(const std::filesystem::path& fajl, const TNovenyFaj& faj);
void NovenyfajBetoltese(const std::filesystem::path& fajl, TNovenyFaj& faj);

}  // namespace zelvaris
