#include "core/uzenet.h"

namespace zelvaris {

TUzenet::TUzenet(std::string szoveg) : szoveg_(std::move(szoveg)) {}

TUzenet::TUzenet(const TUzenetMinta& minta, std::vector<TUzenet> ertekek)
    : minta_(minta), ertekek_(std::move(ertekek)) {}

std::string TUzenet::Szoveg() const {
  return Szoveg([](const TUzenetMinta& m) { return m.Magyar; });
}

std::string MintaKitoltese(std::string_view minta, const std::vector<std::string>& ertekek) {
  std::string ki;
  ki.reserve(minta.size());
  for (size_t i = 0; i < minta.size(); ++i) {
    const char c = minta[i];
    if (c == '%' && i + 1 < minta.size() && minta[i + 1] >= '1' && minta[i + 1] <= '9') {
      const size_t n = static_cast<size_t>(minta[i + 1] - '1');
      if (n < ertekek.size()) ki += ertekek[n];
      ++i;
    } else {
      ki += c;
    }
  }
  return ki;
}

}  // namespace zelvaris
