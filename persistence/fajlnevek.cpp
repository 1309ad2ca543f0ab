#include "persistence/fajlnevek.h"

#include <string>

namespace zelvaris {

bool PontosKiterjesztes(const std::filesystem::path& nev, std::string_view kiterjesztes) {
  return nev.filename().string().ends_with(kiterjesztes);
}

std::filesystem::path FajFajlNev(const std::filesystem::path& nev, std::string_view kiterjesztes) {
  if (PontosKiterjesztes(nev, kiterjesztes)) return nev;
  return std::filesystem::path(nev.native() + std::string(kiterjesztes));
}

std::filesystem::path OkoCfgNev(const std::filesystem::path& nev) {
  return FajFajlNev(nev, kOkoCfgKiterjesztes);
}

std::filesystem::path OkoPillNev(const std::filesystem::path& nev) {
  return FajFajlNev(nev, kOkoPillKiterjesztes);
}

std::string OkoDatNev(const std::filesystem::path& okopill) {
  std::string nev = okopill.filename().string();
  if (nev.ends_with(kOkoPillKiterjesztes)) nev.resize(nev.size() - kOkoPillKiterjesztes.size());
  return nev + std::string(kOkoDatKiterjesztes);
}

}  // namespace zelvaris
