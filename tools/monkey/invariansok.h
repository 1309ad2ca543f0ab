#pragma once
// What must hold of the world and of the windows after every user action,
// whatever the user did: each individual stands in the cell that names it,
// each cell names only individuals standing there, the population sources
// have one row per species and one column per elapsed step, and no window
// offers a species the world does not have. Each check returns what it
// found broken, one line per fault (empty: all well).

#include <string>
#include <vector>

class QWidget;

namespace zelvaris {

class TOkoszisztema;

std::vector<std::string> VilagHibak(const TOkoszisztema& oko);

// Looks at every top-level window in `ablakok` and everything inside it.
std::vector<std::string> AblakHibak(const TOkoszisztema& oko, const std::vector<QWidget*>& ablakok);

}  // namespace zelvaris
