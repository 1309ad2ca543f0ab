// Sweeps run as processes: rows in run order that equal plain runs, the same
// bytes however the runs are spread, usage errors named, failed runs reported.

#include <algorithm>

#include "batch_folyamat.h"

namespace fs = std::filesystem;

namespace {

using batch_folyamat::BatchFolyamat;
using batch_folyamat::Beolvas;
using batch_folyamat::TFutas;

std::vector<std::string> Mezok(const std::string& sor) {
  std::vector<std::string> m;
  std::stringstream be(sor);
  std::string mezo;
  while (std::getline(be, mezo, ',')) m.push_back(mezo);
  if (!sor.empty() && sor.back() == ',') m.push_back("");
  return m;
}

std::vector<std::string> Sorok(const std::string& szoveg) {
  std::vector<std::string> s;
  std::istringstream be(szoveg);
  std::string sor;
  while (std::getline(be, sor)) s.push_back(sor);
  return s;
}

class SopresFolyamat : public BatchFolyamat {
 protected:
  // Two growth rates of the grass times three litter sizes of the rabbits,
  // short runs: enough for the values to change the outcome.
  std::vector<std::string> Sopres(std::vector<std::string> tobbi) const {
    std::vector<std::string> a = {"--seed",  "4242", "--steps", "25", "--set", "animal:Fox.Ehes=9",
                                  "--sweep", "plant:Grass.Novekmeny=1:2:1", "--sweep",
                                  "animal:0.Utod=2:6:2"};
    a.insert(a.end(), tobbi.begin(), tobbi.end());
    a.push_back(Ret());
    return a;
  }
};

TEST_F(SopresFolyamat, SixRowsInRunOrderEachEqualToAPlainRun) {
  const TFutas f = Futtat(Sopres({"--summary", (mappa_ / "s.csv").string(), "--jobs", "2"}));
  ASSERT_EQ(f.Kod, 0) << f.Hiba;
  const auto sorok = Sorok(Beolvas(mappa_ / "s.csv"));
  ASSERT_EQ(sorok.size(), 7u);
  EXPECT_EQ(sorok[0],
            "run,replicate,seed,plant:Grass.Novekmeny,animal:0.Utod,steps,Grass (0),Bramble (1),"
            "Rabbit (0),Mouse (1),Fox (2),Grass (0) first 0,Bramble (1) first 0,Rabbit (0) first 0,"
            "Mouse (1) first 0,Fox (2) first 0,Rabbit (0) per mean,Mouse (1) per mean,Fox (2) per mean,"
            "final seed");
  const int novekmeny[] = {1, 1, 1, 2, 2, 2};
  const int utod[] = {2, 4, 6, 2, 4, 6};
  std::vector<std::string> vegek;
  for (int i = 0; i < 6; ++i) {
    const auto m = Mezok(sorok[static_cast<size_t>(i) + 1]);
    ASSERT_EQ(m.size(), 20u) << sorok[i + 1];
    EXPECT_EQ(m[0], std::to_string(i));
    EXPECT_EQ(m[1], "0");
    EXPECT_EQ(m[2], "4242");
    EXPECT_EQ(m[3], std::to_string(novekmeny[i]));
    EXPECT_EQ(m[4], std::to_string(utod[i]));
    EXPECT_EQ(m[5], "25");

    const TFutas p = Futtat({"--seed", "4242", "--steps", "25", "--set", "animal:Fox.Ehes=9", "--set",
                             "plant:0.Novekmeny=" + m[3], "--set", "animal:Rabbit.Utod=" + m[4],
                             "--series", (mappa_ / "p.csv").string(), Ret()});
    ASSERT_EQ(p.Kod, 0) << p.Hiba;
    const auto sorozat = Sorok(Beolvas(mappa_ / "p.csv"));
    ASSERT_EQ(sorozat.size(), 26u);
    const auto utolso = Mezok(sorozat.back());
    EXPECT_EQ(std::vector<std::string>(m.begin() + 6, m.begin() + 11),
              std::vector<std::string>(utolso.begin() + 1, utolso.end()))
        << "run " << i;
    EXPECT_EQ(m[19], std::to_string(VegsoMag(p.Hiba))) << "run " << i;
    vegek.push_back(sorok[static_cast<size_t>(i) + 1].substr(sorok[i + 1].find(",25,")));
  }
  // The swept values change the outcome: not all six runs end alike.
  std::sort(vegek.begin(), vegek.end());
  EXPECT_GT(std::unique(vegek.begin(), vegek.end()) - vegek.begin(), 1);
}

TEST_F(SopresFolyamat, JobsAndSingleRunsGiveTheSameBytes) {
  const TFutas egy = Futtat(Sopres({"--jobs", "1"}));
  ASSERT_EQ(egy.Kod, 0) << egy.Hiba;
  const TFutas negy = Futtat(Sopres({"--jobs", "4", "--summary", (mappa_ / "s.csv").string()}));
  ASSERT_EQ(negy.Kod, 0) << negy.Hiba;
  EXPECT_EQ(Beolvas(mappa_ / "s.csv"), egy.Ki);

  const TFutas fejlec = Futtat(Sopres({"--header"}));
  ASSERT_EQ(fejlec.Kod, 0) << fejlec.Hiba;
  std::string osszerakott = fejlec.Ki;
  for (int i = 0; i < 6; ++i) {
    const TFutas r = Futtat(Sopres({"--run", std::to_string(i)}));
    ASSERT_EQ(r.Kod, 0) << r.Hiba;
    EXPECT_EQ(std::count(r.Ki.begin(), r.Ki.end(), '\n'), 1) << r.Ki;
    osszerakott += r.Ki;
  }
  EXPECT_EQ(osszerakott, egy.Ki);
  EXPECT_EQ(Sorok(egy.Ki).size(), 7u);
}

TEST_F(SopresFolyamat, ReplicatesShareTheSeedsOfEveryPointAndWrap) {
  const TFutas f = Futtat({"--seed", "4294967295", "--steps", "2", "--replicates", "3", "--sweep",
                           "L=60:70:10", "--jobs", "2", Ret()});
  ASSERT_EQ(f.Kod, 0) << f.Hiba;
  const auto sorok = Sorok(f.Ki);
  ASSERT_EQ(sorok.size(), 7u);
  const char* magok[] = {"4294967295", "0", "1"};
  for (int i = 0; i < 6; ++i) {
    const auto m = Mezok(sorok[static_cast<size_t>(i) + 1]);
    EXPECT_EQ(m[0], std::to_string(i));
    EXPECT_EQ(m[1], std::to_string(i % 3));
    EXPECT_EQ(m[2], magok[i % 3]);
    EXPECT_EQ(m[3], i < 3 ? "60" : "70");
  }
}

TEST_F(SopresFolyamat, BadUsageExitsWithTwoNamingTheProblemAndLeavesTheFileAlone) {
  const fs::path pill = fs::path(ZELVARIS_PROGRAM_DIR) / "okopill" / "meadow-400.okopill";
  const std::string cfgElotte = Beolvas(Ret());
  const std::string pillElotte = Beolvas(pill);
  struct TEset {
    std::vector<std::string> Argumentumok;
    std::string Uzenet;
  };
  const std::vector<TEset> esetek = {
      {{"--sweep", "animal:0.Farok=1:2:1", Ret()}, "Farok"},
      {{"--set", "fungus:0.Tomeg=1", Ret()}, "fungus"},
      {{"--set", "animal:Wolf.Tomeg=1", Ret()}, "Wolf"},
      {{"--sweep", "plant:7.Tomeg=1:2:1", Ret()}, "plant:7.Tomeg"},
      {{"--sweep", "animal:0.Kor=9:3:1", Ret()}, "bad range"},
      {{"--sweep", "animal:0.Kor=1:3:0", Ret()}, "STEP"},
      {{"--sweep", "animal:0.Kor=1:3", Ret()}, "bad range"},
      {{"--sweep", "animal:0.Nev=1:3:1", Ret()}, "animal:0.Nev"},
      {{"--set", "animal:0.Kor=2147483648", Ret()}, "beyond 32 bits"},
      {{"--sweep", "plant:0.Tomeg=-2147483649:0:1", Ret()}, "beyond 32 bits"},
      {{"--set", "L=300", pill.string()}, "snapshot"},
      {{"--sweep", "L=100:200:100", "--replicates", "2", pill.string()}, "snapshot"},
      {{"--set", "animal:0.Kor=5", "--sweep", "animal:Rabbit.Kor=1:2:1", Ret()}, "twice"},
      {{"--run", "2", "--replicates", "2", Ret()}, "only 2 runs"},
  };
  for (const TEset& e : esetek) {
    const TFutas f = Futtat(e.Argumentumok);
    EXPECT_EQ(f.Kod, 2) << e.Uzenet << "\n" << f.Hiba;
    EXPECT_NE(f.Hiba.find(e.Uzenet), std::string::npos) << f.Hiba;
    EXPECT_TRUE(f.Ki.empty()) << f.Ki;
  }
  EXPECT_EQ(Beolvas(Ret()), cfgElotte);
  EXPECT_EQ(Beolvas(pill), pillElotte);
}

// A side length whose grid cannot fit fails its runs; the others are written.
TEST_F(SopresFolyamat, AFailingRunIsReportedByIndexAndTheOtherRowsAreWritten) {
  const TFutas f = Futtat({"--seed", "1", "--steps", "1", "--sweep", "L=50:2000000000:1999999950",
                           "--summary", (mappa_ / "s.csv").string(), Ret()});
  EXPECT_EQ(f.Kod, 1) << f.Hiba;
  EXPECT_NE(f.Hiba.find("run 1: "), std::string::npos) << f.Hiba;
  EXPECT_NE(f.Hiba.find("run 1: failed"), std::string::npos) << f.Hiba;
  EXPECT_EQ(f.Hiba.find("run 0: failed"), std::string::npos) << f.Hiba;
  // A start population that did not fit on the small world is only a warning.
  EXPECT_NE(f.Hiba.find("run 0: warning: "), std::string::npos) << f.Hiba;
  const auto sorok = Sorok(Beolvas(mappa_ / "s.csv"));
  ASSERT_EQ(sorok.size(), 2u);
  EXPECT_TRUE(sorok[1].starts_with("0,0,1,50,1,")) << sorok[1];
}

}  // namespace
