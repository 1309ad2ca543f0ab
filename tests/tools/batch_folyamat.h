#pragma once
// Runs zelvaris-batch as a process, as a user or a batch script runs it, in a
// fresh folder per test.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace batch_folyamat {

struct TFutas {
  int Kod = -1;
  std::string Ki;
  std::string Hiba;
};

inline std::string Beolvas(const fs::path& p) {
  std::ifstream be(p, std::ios::binary);
  std::ostringstream s;
  s << be.rdbuf();
  return s.str();
}

class BatchFolyamat : public ::testing::Test {
 protected:
  void SetUp() override {
    mappa_ = fs::temp_directory_path() /
             ("zelvaris-batch-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(mappa_);
    fs::create_directories(mappa_);
  }
  void TearDown() override { fs::remove_all(mappa_); }

  static std::string Idez(const std::string& s) {
    std::string r = "'";
    for (char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
  }

  TFutas Futtat(const std::vector<std::string>& argumentumok) {
    std::string parancs = Idez(ZELVARIS_BATCH);
    for (const auto& a : argumentumok) parancs += " " + Idez(a);
    parancs += " >" + Idez((mappa_ / "ki.txt").string()) + " 2>" + Idez((mappa_ / "hiba.txt").string());
    const int allapot = std::system(parancs.c_str());
    TFutas f;
    f.Kod = WIFEXITED(allapot) ? WEXITSTATUS(allapot) : -1;
    f.Ki = Beolvas(mappa_ / "ki.txt");
    f.Hiba = Beolvas(mappa_ / "hiba.txt");
    return f;
  }

  static std::string Ret() { return (fs::path(ZELVARIS_PROGRAM_DIR) / "okocfg" / "meadow.okocfg").string(); }

  static uint32_t VegsoMag(const std::string& hiba) {
    std::smatch m;
    static const std::regex minta("final seed: ([0-9]+)\n");
    EXPECT_TRUE(std::regex_search(hiba, m, minta)) << hiba;
    return m.empty() ? 0 : static_cast<uint32_t>(std::stoul(m[1]));
  }

  fs::path mappa_;
};

}  // namespace batch_folyamat
