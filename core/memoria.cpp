#include "core/memoria.h"

#include <fstream>
#include <sstream>
#include <string>

namespace zelvaris {
namespace {

std::optional<uint64_t> KiBSor(const char* fajl, const std::string& kulcs) {
  std::ifstream be(fajl);
  std::string sor;
  while (std::getline(be, sor)) {
    if (sor.rfind(kulcs, 0) != 0) continue;
    std::istringstream s(sor.substr(kulcs.size()));
    uint64_t kib = 0;
    if (s >> kib) return kib * 1024;
  }
  return std::nullopt;
}

}  // namespace

std::optional<uint64_t> ElerhetoMemoria() { return KiBSor("/proc/meminfo", "MemAvailable:"); }

std::optional<uint64_t> CsucsMemoria() { return KiBSor("/proc/self/status", "VmHWM:"); }

}  // namespace zelvaris
