// zelvaris-batch run as a process, as a user or a batch script runs it.

#include <algorithm>

#include "batch_folyamat.h"

namespace fs = std::filesystem;

namespace {

using batch_folyamat::Beolvas;
using batch_folyamat::BatchFolyamat;
using batch_folyamat::TFutas;

TEST_F(BatchFolyamat, BadUsageExitsWithTwoAndTheUsage) {
  for (const std::vector<std::string>& a : std::vector<std::vector<std::string>>{
           {}, {"--steps", "many", Ret()}, {"--bogus", Ret()}, {Ret(), Ret()}}) {
    const TFutas f = Futtat(a);
    EXPECT_EQ(f.Kod, 2);
    EXPECT_NE(f.Hiba.find("Usage: zelvaris-batch"), std::string::npos) << f.Hiba;
  }
  const TFutas sugo = Futtat({"--help"});
  EXPECT_EQ(sugo.Kod, 0);
  EXPECT_NE(sugo.Ki.find("--series"), std::string::npos);
}

TEST_F(BatchFolyamat, AFileThatCannotBeLoadedExitsWithOneNamingIt) {
  const fs::path hianyzo = mappa_ / "nowhere.okocfg";
  const fs::path idegen = mappa_ / "notes.txt";
  const fs::path nagybetus = mappa_ / "MEADOW.OKOCFG";
  const fs::path csonka = mappa_ / "broken.okocfg";
  std::ofstream(idegen) << "hello\n";
  fs::copy_file(Ret(), nagybetus);
  std::ofstream(csonka, std::ios::binary) << "4.6\r\n300\r\n2\r\nGrass\r\n";
  const fs::path adatNelkul = mappa_ / "alone.okopill";
  {
    const TFutas f = Futtat({"--seed", "1", "--steps", "3", "--snapshot", (mappa_ / "alone").string(), Ret()});
    ASSERT_EQ(f.Kod, 0) << f.Hiba;
    fs::remove(mappa_ / "alone.okodat");
  }
  for (const fs::path& p : {hianyzo, idegen, nagybetus, csonka, adatNelkul}) {
    const TFutas f = Futtat({"--seed", "1", p.string()});
    EXPECT_EQ(f.Kod, 1) << p;
    EXPECT_NE(f.Hiba.find(p.stem().string()), std::string::npos) << f.Hiba;  // the missing data file is named by its own name
    EXPECT_EQ(f.Hiba.find("Usage"), std::string::npos);
  }
}

TEST_F(BatchFolyamat, AnUnwritableOutputExitsWithOneAfterTheRun) {
  const fs::path nincs = mappa_ / "no-such-dir";
  const TFutas f = Futtat({"--seed", "3", "--steps", "2", "--series", (nincs / "s.csv").string(),
                           "--snapshot", (mappa_ / "ok").string(), Ret()});
  EXPECT_EQ(f.Kod, 1);
  EXPECT_NE(f.Hiba.find("s.csv"), std::string::npos) << f.Hiba;
  // The output that could be written was written all the same.
  EXPECT_TRUE(fs::exists(mappa_ / "ok.okopill"));
  EXPECT_TRUE(fs::exists(mappa_ / "ok.okodat"));
}

TEST_F(BatchFolyamat, WithoutSeedTheClockSeedIsPrintedAndRepeatsTheRun) {
  const TFutas elso = Futtat({"--steps", "5", "--series", (mappa_ / "a.csv").string(), Ret()});
  ASSERT_EQ(elso.Kod, 0) << elso.Hiba;
  std::smatch m;
  const std::regex minta("(^|\n)seed: ([0-9]+)\n");
  ASSERT_TRUE(std::regex_search(elso.Hiba, m, minta)) << elso.Hiba;
  const TFutas masodik = Futtat({"--seed", m[2].str(), "--steps", "5", "--series",
                                 (mappa_ / "b.csv").string(), Ret()});
  ASSERT_EQ(masodik.Kod, 0) << masodik.Hiba;
  EXPECT_EQ(Beolvas(mappa_ / "a.csv"), Beolvas(mappa_ / "b.csv"));
  EXPECT_EQ(VegsoMag(elso.Hiba), VegsoMag(masodik.Hiba));
}

TEST_F(BatchFolyamat, SeriesHasAHeaderAndOneRowPerStep) {
  const TFutas f = Futtat({"--seed", "9", "--steps", "20", "--series", (mappa_ / "s.csv").string(), Ret()});
  ASSERT_EQ(f.Kod, 0) << f.Hiba;
  std::istringstream be(Beolvas(mappa_ / "s.csv"));
  std::string sor;
  std::getline(be, sor);
  EXPECT_EQ(sor, "step,Grass (0),Bramble (1),Rabbit (0),Mouse (1),Fox (2)");
  int sorok = 0;
  while (std::getline(be, sor)) {
    ++sorok;
    EXPECT_EQ(sor.substr(0, sor.find(',')), std::to_string(sorok));
    EXPECT_EQ(std::count(sor.begin(), sor.end(), ','), 5);
    EXPECT_EQ(sor.find('\r'), std::string::npos);
  }
  EXPECT_EQ(sorok, 20);

  // From a snapshot only the steps since loading are recorded.
  const TFutas p = Futtat({"--seed", "9", "--steps", "4", "--series", (mappa_ / "p.csv").string(),
                           (fs::path(ZELVARIS_PROGRAM_DIR) / "okopill" / "meadow-400.okopill").string()});
  ASSERT_EQ(p.Kod, 0) << p.Hiba;
  const std::string pill = Beolvas(mappa_ / "p.csv");
  EXPECT_EQ(std::count(pill.begin(), pill.end(), '\n'), 5);
  EXPECT_NE(pill.find("\n4,"), std::string::npos);
}

// Saving after 100 steps and going on from the snapshot with the printed
// final seed gives exactly the world of one 150-step run.
TEST_F(BatchFolyamat, ContinuingFromASnapshotEqualsOneLongRun) {
  const std::string mag = "20240607";
  const TFutas elso = Futtat({"--seed", mag, "--steps", "100", "--snapshot", (mappa_ / "a").string(), Ret()});
  ASSERT_EQ(elso.Kod, 0) << elso.Hiba;
  const std::string folytatasMag = std::to_string(VegsoMag(elso.Hiba));
  const TFutas masodik = Futtat({"--seed", folytatasMag, "--steps", "50", "--snapshot",
                                 (mappa_ / "b.okopill").string(), (mappa_ / "a.okopill").string()});
  ASSERT_EQ(masodik.Kod, 0) << masodik.Hiba;
  const TFutas egyben = Futtat({"--seed", mag, "--steps", "150", "--snapshot", (mappa_ / "c").string(), Ret()});
  ASSERT_EQ(egyben.Kod, 0) << egyben.Hiba;

  EXPECT_EQ(VegsoMag(masodik.Hiba), VegsoMag(egyben.Hiba));
  const std::string b = Beolvas(mappa_ / "b.okodat");
  ASSERT_FALSE(b.empty());
  EXPECT_TRUE(b == Beolvas(mappa_ / "c.okodat")) << "data files differ";
  // The snapshot files differ only in their last line, the data file's name.
  auto UtolsoSorNelkul = [](std::string s) {
    s.resize(s.size() - 2);  // the final CR LF
    return s.substr(0, s.rfind("\r\n"));
  };
  const std::string pb = Beolvas(mappa_ / "b.okopill");
  const std::string pc = Beolvas(mappa_ / "c.okopill");
  EXPECT_EQ(UtolsoSorNelkul(pb), UtolsoSorNelkul(pc));
  EXPECT_TRUE(pb.ends_with("\r\nb.okodat\r\n")) << pb;
  EXPECT_TRUE(pc.ends_with("\r\nc.okodat\r\n")) << pc;
  EXPECT_FALSE(fs::exists(mappa_ / "b.okopill.okopill"));
}

TEST_F(BatchFolyamat, ProgressEndsWithTheFinalCount) {
  const TFutas f = Futtat({"--seed", "2", "--steps", "10", "--progress", Ret()});
  ASSERT_EQ(f.Kod, 0) << f.Hiba;
  EXPECT_NE(f.Hiba.find("\rstep 10/10, "), std::string::npos) << f.Hiba;
  EXPECT_NE(f.Hiba.find("Fox (2): "), std::string::npos);
}

}  // namespace
