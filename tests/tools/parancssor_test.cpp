#include "tools/parancssor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/sopres_terv.h"

namespace zelvaris {
namespace {

TBatchBeallitas Parse(std::vector<std::string> a) { return BatchParancssor(a); }

TEST(BatchParancssor, ReadsEveryOptionInBothForms) {
  const auto b = Parse({"--seed", "4294967295", "--steps=150", "--snapshot", "out",
                        "--series=s.csv", "--doses", "d.csv", "--spray", "150:persistent",
                        "--spray=1:degradable", "--progress", "meadow.okocfg"});
  EXPECT_FALSE(b.Sugo);
  ASSERT_TRUE(b.Mag.has_value());
  EXPECT_EQ(*b.Mag, 4294967295u);
  EXPECT_EQ(b.Lepesek, 150);
  EXPECT_EQ(b.Pillanatkep->string(), "out");
  EXPECT_EQ(b.Sorozat->string(), "s.csv");
  EXPECT_EQ(b.Dozisok->string(), "d.csv");
  ASSERT_EQ(b.Permetezesek.size(), 2u);
  EXPECT_EQ(b.Permetezesek[0].Lepes, 150);
  EXPECT_TRUE(b.Permetezesek[0].Perzisztens);
  EXPECT_EQ(b.Permetezesek[1].Szoveg(), "1:degradable");
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
      {"--doses", "", "a.okocfg"},
      {"--steps", "9", "--spray", "10:persistent", "a.okocfg"},  // after the last step
      {"--steps", "9", "--spray", "0:persistent", "a.okocfg"},
      {"--steps", "9", "--spray", "3:Persistent", "a.okocfg"},
      {"--steps", "9", "--spray", "3", "a.okocfg"},
      {"--replicates", "2", "--doses", "d.csv", "a.okocfg"},  // which run's doses?
  };
  for (const auto& a : rossz) {
    std::string szoveg;
    for (const auto& s : a) szoveg += "[" + s + "]";
    EXPECT_THROW(BatchParancssor(a), THasznalatHiba) << szoveg;
  }
}

TEST(BatchParancssor, UsageExplainsEveryOptionAndTheExitCodes) {
  const std::string h = BatchHasznalat();
  for (const char* s : {"--seed", "--steps", "--snapshot", "--series", "--doses", "--spray", "--progress", "--help",
                        ".okocfg", ".okopill", "final seed", "warning", "Exit status"})
    EXPECT_NE(h.find(s), std::string::npos) << s;
}

}  // namespace
}  // namespace zelvaris

namespace zelvaris {
namespace {

TEST(BatchParancssor, ReadsSweepsAndTheirRunPlan) {
  const auto b = Parse({"--seed", "4294967294", "--sweep", "animal:Fox.Kor=10:30:10", "--sweep=L=50:60:7",
                        "--set", "plant:0.NovenyUtkozes=1, 2", "--replicates", "3", "a.okocfg"});
  ASSERT_TRUE(b.SopresMod);
  ASSERT_EQ(b.Sopresek.size(), 2u);
  EXPECT_EQ(b.Sopresek[0].Pontok(), 3);
  EXPECT_EQ(b.Sopresek[1].Pontok(), 2);  // 50, 57: the end is not a step away
  EXPECT_EQ(b.FutasokSzama(), 18);
  EXPECT_EQ(b.Ertekek[0].Ertek, "1, 2");

  // Index = point * R + replicate, the first sweep slowest; seeds wrap.
  const TFutasTerv f = FutasTerve(b, *b.Mag, 17);
  EXPECT_EQ(f.Ismetles, 2);
  EXPECT_EQ(f.Mag, 0u);
  EXPECT_EQ(f.Ertekek, (std::vector<int32_t>{30, 57}));
  const TFutasTerv g = FutasTerve(b, *b.Mag, 4);
  EXPECT_EQ(g.Mag, 4294967295u);
  EXPECT_EQ(g.Ertekek, (std::vector<int32_t>{10, 57}));
  const auto ertekek = FutasErtekei(b, g);
  ASSERT_EQ(ertekek.size(), 3u);
  EXPECT_EQ(ertekek[1].Parameter->Szoveg, "animal:Fox.Kor");
  EXPECT_EQ(ertekek[2].Ertek, "57");

  // A plain run stays a plain run; any sweep option makes it a sweep.
  EXPECT_FALSE(Parse({"--set", "L=100", "a.okocfg"}).SopresMod);
  EXPECT_TRUE(Parse({"--replicates", "1", "a.okocfg"}).SopresMod);
  // The extremes of a 32-bit field, swept by one step that leaves it.
  const auto szelso = Parse({"--sweep", "animal:0.Kor=-2147483648:2147483647:2147483647", "a.okocfg"});
  EXPECT_EQ(szelso.FutasokSzama(), 3);
}

TEST(BatchParancssor, RefusesBadSweeps) {
  const std::vector<std::vector<std::string>> rossz = {
      {"--set", "animal:0.Tomeg", "a.okocfg"},              // no value
      {"--set", "animal:.Tomeg=1", "a.okocfg"},             // no species
      {"--set", "animal:0.DegHatas=2", "a.okocfg"},         // a flag is 0 or 1
      {"--set", "animal:0.Tomeg=1.5", "a.okocfg"},
      {"--set", "L=49", "a.okocfg"},
      {"--set", "animal:0.Nev=two\nlines", "a.okocfg"},
      {"--set", "animal:0.AllatUtkozes=1, 4294967297", "a.okocfg"},  // would wrap to 1
      {"--sweep", "animal:0.Tomeg=1:2:-1", "a.okocfg"},
      {"--sweep", "animal:0.Tomeg=1:2:1:4", "a.okocfg"},
      {"--sweep", "animal:0.NovenyPredak=1:2:1", "a.okocfg"},
      {"--replicates", "0", "a.okocfg"},
      {"--jobs", "0", "a.okocfg"},
      {"--jobs", "2", "--run", "0", "a.okocfg"},
      {"--run", "0", "--summary", "s.csv", "a.okocfg"},
      {"--replicates", "2", "--series", "s.csv", "a.okocfg"},  // which run's series?
      {"--replicates", "65536", "--sweep", "animal:0.Kor=0:65535:1", "a.okocfg"},  // 2^32 runs
  };
  for (const auto& a : rossz) {
    std::string szoveg;
    for (const auto& s : a) szoveg += "[" + s + "]";
    EXPECT_THROW(BatchParancssor(a), THasznalatHiba) << szoveg;
  }
  // One run of a sweep may keep its snapshot and series; a header alone runs
  // no step, so a spray needs no steps there.
  EXPECT_NO_THROW(Parse({"--replicates", "2", "--run", "1", "--series", "s.csv", "--doses", "d.csv", "a.okocfg"}));
  EXPECT_NO_THROW(Parse({"--replicates", "2", "--spray", "50:persistent", "--header", "a.okocfg"}));
}

}  // namespace
}  // namespace zelvaris
