#pragma once
// File helpers shared by the layers' tests: a temporary directory, whole-file
// reads and writes, and a directory made unwritable.

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zelvaris::teszt {

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class TIdeiglenesKonyvtar {
 public:
  TIdeiglenesKonyvtar() {
    std::string minta = (std::filesystem::temp_directory_path() / "zelvaris-teszt-XXXXXX").string();
    std::vector<char> nev(minta.begin(), minta.end());
    nev.push_back('\0');
    utvonal_ = ::mkdtemp(nev.data());
  }
  ~TIdeiglenesKonyvtar() {
    std::error_code ec;
    std::filesystem::remove_all(utvonal_, ec);
  }
  std::filesystem::path operator/(const std::string& nev) const { return utvonal_ / nev; }
  const std::filesystem::path& Utvonal() const { return utvonal_; }

 private:
  std::filesystem::path utvonal_;
};

inline std::string Beolvas(const std::filesystem::path& p) {
  std::ifstream be(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(be), std::istreambuf_iterator<char>()};
}

inline void Kiir(const std::filesystem::path& p, const std::string& bajtok) {
  std::ofstream ki(p, std::ios::binary);
  ki << bajtok;
}

// Makes a directory unwritable for as long as it lives: by its permissions,
// or, for a user the permissions do not stop (root), by the immutable flag.
// Irasvedett() tells whether either worked.
class TIrasvedettKonyvtar {
 public:
  explicit TIrasvedettKonyvtar(std::filesystem::path utvonal) : utvonal_(std::move(utvonal)) {
    ::chmod(utvonal_.c_str(), 0555);
    if (Irhato()) immutable_ = ImmutableAllitas(true);
  }
  ~TIrasvedettKonyvtar() {
    if (immutable_) ImmutableAllitas(false);
    ::chmod(utvonal_.c_str(), 0755);
  }
  bool Irasvedett() const { return !Irhato(); }

 private:
  bool Irhato() const {
    const std::filesystem::path probe = utvonal_ / ".irasproba";
    const int fd = ::open(probe.c_str(), O_CREAT | O_WRONLY, 0644);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
  }
  bool ImmutableAllitas(bool be) {
    const int fd = ::open(utvonal_.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int jelzok = 0;
    bool jo = ::ioctl(fd, FS_IOC_GETFLAGS, &jelzok) == 0;
    if (jo) {
      jelzok = be ? (jelzok | FS_IMMUTABLE_FL) : (jelzok & ~FS_IMMUTABLE_FL);
      jo = ::ioctl(fd, FS_IOC_SETFLAGS, &jelzok) == 0;
    }
    ::close(fd);
    return jo;
  }

  std::filesystem::path utvonal_;
  bool immutable_ = false;
};

}  // namespace zelvaris::teszt
