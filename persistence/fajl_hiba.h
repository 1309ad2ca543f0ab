#pragma once
// The one error of the file layer. Its message is complete and meant for the
// user as it stands: it names the file and says what is wrong, with the line
// number where there is one ("tavasz.okocfg, 12. sor: ...").

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/hibak.h"

namespace zelvaris {

class TFajlHiba : public THiba {
 public:
  // sor 0: the problem belongs to no single line.
  TFajlHiba(const std::filesystem::path& fajl, const std::string& leiras, int32_t sor = 0)
      : THiba(Uzenet(fajl, leiras, sor)), fajl_(fajl), leiras_(leiras), sor_(sor) {}

  const std::filesystem::path& Fajl() const { return fajl_; }
  const std::string& Leiras() const { return leiras_; }
  int32_t Sor() const { return sor_; }

 private:
  static std::string Uzenet(const std::filesystem::path& fajl, const std::string& leiras,
                            int32_t sor) {
    std::string s = fajl.string();
    if (sor > 0) s += ", " + std::to_string(sor) + ". sor";
    return s + ": " + leiras;
  }

  std::filesystem::path fajl_;
  std::string leiras_;
  int32_t sor_;
};

}  // namespace zelvaris
