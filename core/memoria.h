#pragma once

#include <cstdint>
#include <optional>

namespace zelvaris {

// Memory the system can still give this process, in bytes; empty when the
// system does not tell.
std::optional<uint64_t> ElerhetoMemoria();

// The most memory this process has held at once, in bytes (for benchmarks).
std::optional<uint64_t> CsucsMemoria();

}  // namespace zelvaris
