// Build-time counter of the search rings' sizes: prints a C++ table of the
// sizes of rings 0, 1, ... up to and including the first ring whose disc
// (centre excluded) holds more than 2^31 - 1 entries, plus one more, so that
// no movement budget a species can hold needs counting at run time.

#include <cstdint>
#include <cstdio>

#include "core/gyuru_bejaras.h"

int main() {
  std::printf("// Generated at build time; do not edit.\n");
  std::printf("static constexpr int32_t kGyuruMeretek[] = {\n");
  int64_t kor = 0;
  int64_t utan = -1;
  for (int64_t r = 0; utan < 1; ++r) {
    const int64_t meret = zelvaris::GyuruMeretSzamolasa(r);
    kor += meret;
    std::printf("%lld,%s", static_cast<long long>(meret), r % 16 == 15 ? "\n" : "");
    if (utan >= 0) ++utan;
    if (utan < 0 && kor - 1 > 2147483647) utan = 0;
  }
  std::printf("\n};\n");
  return 0;
}
