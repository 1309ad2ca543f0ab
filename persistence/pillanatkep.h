#pragma once
// Snapshots of a running ecosystem: the snapshot file (".okopill", a line
// file with the configuration, the three spray flags and the data file's
// name) and the data file (".okodat", binary) with every individual's cell
// and inner state in list order. The data file always lies beside the
// snapshot file. Not stored: the elapsed time and the population histories.

#include <filesystem>
#include <memory>

#include "core/okoszisztema.h"
#include "core/rajzolo.h"
#include "persistence/fajlnevek.h"

namespace zelvaris {

// Reads the snapshot and its whole data file and checks them (versions 4.4,
// 4.5, 4.6; side length; every individual inside the grid and alone in its
// species' slot; the data file long enough) before anything is built. Then
// it builds the grid without start populations, sets the spray flags as
// stored (so a spraying saved with the snapshot acts in the first step),
// places the individuals in their stored order and returns the ecosystem,
// ready to run. Throws TFajlHiba naming the file and the problem, or
// TMemoriaHiba when the grid does not fit; nothing half-built is returned.
// Draws no random numbers.
std::unique_ptr<TOkoszisztema> OkoPillBetoltese(const std::filesystem::path& fajl,
                                                TVeletlen& veletlen, TKeresoTabla& tabla,
                                                TRajzolo* rajzolo = nullptr);

// Writes the snapshot exactly to the path given (OkoPillNev adds the
// extension) and its data file beside it. Both files are written completely
// before either replaces an older one. Throws TFajlHiba.
void OkoPillMentese(const TOkoszisztema& oko, const std::filesystem::path& fajl);

}  // namespace zelvaris
