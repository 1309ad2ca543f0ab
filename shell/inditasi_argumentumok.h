#pragma once
// The window program's command line: `zelvaris [--seed N] [FILE]`. N sets
// the random generator's state before FILE (a configuration or a snapshot)
// is opened, so a run can be repeated.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace zelvaris {

struct TInditasiArgumentumok {
  std::optional<uint32_t> Mag;
  QString Fajl;  // as given; empty: none
};

// Reads the arguments after the program name; throws std::invalid_argument
// with a message for the user on a bad seed, an unknown option or a second
// file. "--" ends the options.
TInditasiArgumentumok InditasiArgumentumok(const QStringList& argumentumok);

}  // namespace zelvaris
