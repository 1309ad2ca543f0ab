#include "ini_fajl.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace zelvaris {

namespace {

// The bytes of the file: empty when it does not exist, nothing when it exists
// but cannot be read (so that a write does not wipe a file it could not see).
std::optional<std::string> Beolvasas(const std::filesystem::path& utvonal, std::string& hiba) {
  std::error_code ec;
  if (!std::filesystem::exists(utvonal, ec)) {
    if (!ec) return std::string();
    hiba = utvonal.string() + ": " + ec.message();
    return std::nullopt;
  }
  if (!std::filesystem::is_regular_file(utvonal, ec)) {
    hiba = utvonal.string() + ": nem közönséges fájl";
    return std::nullopt;
  }
  std::ifstream be(utvonal, std::ios::binary);
  if (!be) {
    hiba = utvonal.string() + ": " + std::strerror(errno);
    return std::nullopt;
  }
  std::string bajtok{std::istreambuf_iterator<char>(be), std::istreambuf_iterator<char>()};
  if (be.bad()) {
    hiba = utvonal.string() + ": olvasási hiba";
    return std::nullopt;
  }
  return bajtok;
}

bool TeljesIras(int fd, const std::string& adat) {
  const char* p = adat.data();
  std::size_t maradt = adat.size();
  while (maradt > 0) {
    const ssize_t irt = ::write(fd, p, maradt);
    if (irt < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += irt;
    maradt -= static_cast<std::size_t>(irt);
  }
  return true;
}

}  // namespace

TIniTartalom IniBetoltes(const std::filesystem::path& utvonal) {
  return IniBetoltesIrashoz(utvonal).value_or(TIniTartalom());
}

std::optional<TIniTartalom> IniBetoltesIrashoz(const std::filesystem::path& utvonal,
                                               std::string* hiba) {
  std::string ok;
  const auto bajtok = Beolvasas(utvonal, ok);
  if (!bajtok) {
    if (hiba != nullptr) *hiba = ok;
    return std::nullopt;
  }
  return TIniTartalom(*bajtok);
}

bool IniMentes(const std::filesystem::path& utvonal, const TIniTartalom& tartalom,
               std::string* hiba) {
  auto hibaval = [&](const std::string& ok) {
    if (hiba != nullptr) *hiba = ok;
    return false;
  };
  const std::filesystem::path konyvtar =
      utvonal.has_parent_path() ? utvonal.parent_path() : std::filesystem::path(".");
  std::string minta = (konyvtar / ("." + utvonal.filename().string() + ".XXXXXX")).string();
  std::vector<char> nev(minta.begin(), minta.end());
  nev.push_back('\0');
  const int fd = ::mkstemp(nev.data());
  if (fd < 0) return hibaval(utvonal.string() + ": " + std::strerror(errno));
  const std::string ideiglenes(nev.data());

  // A new file gets the usual permissions; an existing one keeps its own.
  struct stat regi {};
  const mode_t mod = ::stat(utvonal.c_str(), &regi) == 0 ? (regi.st_mode & 07777) : 0644;
  int hibaKod = 0;
  if (::fchmod(fd, mod) != 0 || !TeljesIras(fd, tartalom.Fajl()) || ::fsync(fd) != 0) {
    hibaKod = errno;
  }
  if (::close(fd) != 0 && hibaKod == 0) hibaKod = errno;
  if (hibaKod != 0) {
    ::unlink(ideiglenes.c_str());
    return hibaval(utvonal.string() + ": " + std::strerror(hibaKod));
  }
  if (::rename(ideiglenes.c_str(), utvonal.c_str()) != 0) {
    const int atnevezesHiba = errno;
    ::unlink(ideiglenes.c_str());
    return hibaval(utvonal.string() + ": " + std::strerror(atnevezesHiba));
  }
  return true;
}

TIniFajl::TIniFajl(std::filesystem::path utvonal)
    : utvonal_(std::move(utvonal)), tartalom_(IniBetoltes(utvonal_)) {}

std::string TIniFajl::Olvas(std::string_view szakasz, std::string_view kulcs,
                            std::string_view alap) const {
  return tartalom_.Olvas(szakasz, kulcs, alap);
}

bool TIniFajl::Ir(std::string_view szakasz, std::string_view kulcs, std::string_view ertek) {
  auto uj = IniBetoltesIrashoz(utvonal_, &hiba_);
  if (!uj) return false;
  uj->Ir(szakasz, kulcs, ertek);
  if (!IniMentes(utvonal_, *uj, &hiba_)) return false;
  tartalom_ = std::move(*uj);
  hiba_.clear();
  return true;
}

}  // namespace zelvaris
