#pragma once
// Child processes of one program, a bounded number at a time, each with its
// standard output and error collected. A sweep spreads its runs over the
// cores this way: every worker is the batch program itself, run with --run I,
// so a run that crashes or runs out of memory takes no other run with it.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zelvaris {

struct TMunkaEredmeny {
  int Kod = -1;  // exit status; -1 when the process did not exit normally
  int Jel = 0;   // the signal that ended it, if one did
  std::string Ki;
  std::string Hiba;
};

// Runs jobs 0..db-1 with at most `egyszerre` processes at once, starting them
// in index order; `kesz` gets each result as its process ends. A process that
// cannot be started is reported as a result with its reason in Hiba.
void MunkakFuttatasa(const std::filesystem::path& program, int32_t db, int32_t egyszerre,
                     const std::function<std::vector<std::string>(int32_t)>& argumentumok,
                     const std::function<void(int32_t, TMunkaEredmeny&&)>& kesz);

// The cores this process may run on (at least 1).
int32_t MagokSzama();

// The running program's own file, for starting it again as a worker.
std::filesystem::path SajatProgram();

}  // namespace zelvaris
