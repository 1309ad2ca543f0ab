#include "nyelv_fajlok.h"

#include <algorithm>
#include <system_error>

namespace zelvaris {

namespace {

constexpr std::string_view kKiterjesztes = ".lng";

bool NyelvFajlNev(std::string_view nev) {
  if (nev.size() <= kKiterjesztes.size()) return false;
  const std::string_view vege = nev.substr(nev.size() - kKiterjesztes.size());
  return std::equal(vege.begin(), vege.end(), kKiterjesztes.begin(), [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? a + ('a' - 'A') : a) == b;
  });
}

}  // namespace

bool EgyszeruFajlNev(std::string_view nev) {
  if (nev.empty() || nev == "." || nev == "..") return false;
  if (nev.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos) return false;
  // A drive ("C:x") on platforms that have them.
  const std::filesystem::path ut(nev);
  return !ut.has_root_path() && ut.filename() == ut;
}

std::vector<std::string> NyelvFajlokListazasa(const std::filesystem::path& programKonyvtar) {
  std::vector<std::string> fajlok;
  std::error_code ec;
  std::filesystem::directory_iterator it(programKonyvtar / "languages", ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    std::error_code tipusHiba;
    if (!it->is_regular_file(tipusHiba)) continue;
    std::string nev = it->path().filename().string();
    if (NyelvFajlNev(nev)) fajlok.push_back(std::move(nev));
  }
  std::sort(fajlok.begin(), fajlok.end());
  return fajlok;
}

std::string NyelvMenuFelirat(std::string_view fajlNev) {
  return std::string(fajlNev.substr(0, fajlNev.size() > 4 ? fajlNev.size() - 4 : 0));
}

}  // namespace zelvaris
