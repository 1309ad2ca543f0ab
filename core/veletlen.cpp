#include "core/veletlen.h"

#include <chrono>

namespace zelvaris {

uint32_t TVeletlen::OrabolVetes() {
  const auto most = std::chrono::steady_clock::now().time_since_epoch();
  mag_ = static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(most).count());
  return mag_;
}

}  // namespace zelvaris
