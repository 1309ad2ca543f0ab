#include "tools/parancssor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelvaris {
namespace {

TBatchBeallitas Parse(std::vector<std::string> a) { return BatchParancssor(a); }

TEST(BatchParancssor, ReadsEveryOptionInBothForms) {
  const auto b = Parse({"--seed", "4294967295", "--steps=150", "--snapshot", "out",
                        "--series=s.csv", "--progress", "meadow.okocfg"});
  EXPECT_FALSE(b.Sugo);
  ASSERT_TRUE(b.Mag.has_value());
  EXPECT_EQ(*b.Mag, 4294967295u);
  EXPECT_EQ(b.Lepesek, 150);
  EXPECT_EQ(b.Pillanatkep->string(), "out");
  EXPECT_EQ(b.Sorozat->string(), "s.csv");
  EXPECT_TRUE(b.Haladas);
  EXPECT_EQ(b.Fajl.string(), "meadow.okocfg");

  const auto alap = Parse({"x.okopill"});
  EXPECT_FALSE(alap.Mag.has_value());
  EXPECT_EQ(alap.Lepesek, 0);
  EXPECT_FALSE(alap.Pillanatkep || alap.Sorozat || alap.Haladas);
  // After "--" a name that starts with a dash is a file.
  EXPECT_EQ(Parse({"--", "-odd.okocfg"}).Fajl.string(), "-odd.okocfg");
  EXPECT_TRUE(Parse({"--help"}).Sugo);
}

TEST(BatchParancssor, RefusesBadUsage) {
  const std::vector<std::vector<std::string>> rossz = {
      {},                                   // no file
      {"a.okocfg", "b.okocfg"},             // two files
      {"--frobnicate", "a.okocfg"},         // unknown option
      {"a.okocfg", "--steps"},              // missing value
      {"--steps", "-5", "a.okocfg"},        // negative
      {"--steps", "2147483648", "a.okocfg"},  // beyond 32-bit steps
      {"--seed", "4294967296", "a.okocfg"},   // beyond the generator's state
      {"--seed", "12a", "a.okocfg"},
      {"--seed", "+3", "a.okocfg"},
      {"--seed=", "a.okocfg"},
      {"--progress=1", "a.okocfg"},
      {"--snapshot", "", "a.okocfg"},
  };
  for (const auto& a : rossz) {
    std::string szoveg;
    for (const auto& s : a) szoveg += "[" + s + "]";
    EXPECT_THROW(BatchParancssor(a), THasznalatHiba) << szoveg;
  }
}

TEST(BatchParancssor, UsageExplainsEveryOptionAndTheExitCodes) {
  const std::string h = BatchHasznalat();
  for (const char* s : {"--seed", "--steps", "--snapshot", "--series", "--progress", "--help",
                        ".okocfg", ".okopill", "final seed", "warning", "Exit status"})
    EXPECT_NE(h.find(s), std::string::npos) << s;
}

}  // namespace
}  // namespace zelvaris
