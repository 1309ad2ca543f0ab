#pragma once
// Shared helpers of the localisation tests: a temporary directory removed at
// the end, whole-file reads and writes, and a directory that cannot be written.

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

#include "tests/irasvedett_konyvtar.h"

namespace zelvaris::teszt {

class TIdeiglenesKonyvtar {
 public:
  TIdeiglenesKonyvtar() {
    std::string minta = (std::filesystem::temp_directory_path() / "zelvaris-loc-XXXXXX").string();
    std::vector<char> nev(minta.begin(), minta.end());
    nev.push_back('\0');
    utvonal_ = ::mkdtemp(nev.data());
  }
  ~TIdeiglenesKonyvtar() {
    std::error_code ec;
    std::filesystem::remove_all(utvonal_, ec);
  }
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

}  // namespace zelvaris::teszt
