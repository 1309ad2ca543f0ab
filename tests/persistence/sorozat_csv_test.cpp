#include "persistence/sorozat_csv.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "core/okoszisztema.h"
#include "persistence/atomi_mentes.h"
#include "persistence/fajl_hiba.h"

namespace fs = std::filesystem;

namespace zelvaris {
namespace {

class SorozatCsv : public ::testing::Test {
 protected:
  SorozatCsv() : oko_(veletlen_, tabla_) {}
  void SetUp() override {
    mappa_ = fs::temp_directory_path() / ("zelvaris-sorozat-" + std::to_string(::getpid()));
    fs::remove_all(mappa_);
    fs::create_directories(mappa_);
  }
  void TearDown() override { fs::remove_all(mappa_); }

  // Two recorded steps by hand: no grid or step needed.
  void KetLepes() {
    oko_.UjAllatFaj("Fox");
    oko_.UjNovenyFaj("Grass, tall");
    oko_.UjNovenyFaj("Moss");
    for (TLetszamForras* f : {&oko_.AllatLetszam, &oko_.NovenyLetszam}) f->HosszBeallitasa(2);
    oko_.AllatLetszam.ErtekBeallitasa(0, 0, 4.0f);
    oko_.AllatLetszam.ErtekBeallitasa(0, 1, 0.0f);
    oko_.NovenyLetszam.ErtekBeallitasa(0, 0, 30.0f);
    oko_.NovenyLetszam.ErtekBeallitasa(0, 1, 2.5f);
    oko_.NovenyLetszam.ErtekBeallitasa(1, 0, 1e20f);
  }

  TVeletlen veletlen_{1};
  TKeresoTabla tabla_;
  TOkoszisztema oko_;
  fs::path mappa_;
};

TEST_F(SorozatCsv, PlantsThenAnimalsUnderTheirDisplayNamesOneRowPerStep) {
  KetLepes();
  std::ostringstream ki;
  SorozatIrasa(oko_, ki);
  EXPECT_EQ(ki.str(),
            "step,\"Grass, tall (0)\",Moss (1),Fox (0)\n"
            "1,30,1e+20,4\n"
            "2,2.5,0,0\n");
  // A renamed species is written under its current name.
  oko_.AllatFaj(0).SetNev("Vixen");
  std::ostringstream ujra;
  SorozatIrasa(oko_, ujra);
  EXPECT_TRUE(ujra.str().starts_with("step,\"Grass, tall (0)\",Moss (1),Vixen (0)\n")) << ujra.str();
}

TEST_F(SorozatCsv, StepsAreCountedWithoutSpeciesOfAKindOrAnyColumn) {
  oko_.UjNovenyFaj("Moss");
  for (TLetszamForras* f : {&oko_.AllatLetszam, &oko_.NovenyLetszam}) f->HosszBeallitasa(3);
  std::ostringstream ki;
  SorozatIrasa(oko_, ki);
  EXPECT_EQ(ki.str(), "step,Moss (0)\n1,0\n2,0\n3,0\n");

  // The window program may pass any columns, in any order, and fewer steps.
  std::ostringstream valogatott;
  SorozatIrasa(std::vector<TSorozatOszlop>{}, 2, valogatott);
  EXPECT_EQ(valogatott.str(), "step\n1\n2\n");
}

TEST_F(SorozatCsv, SavingReplacesTheFileWholeOrFailsNamingIt) {
  KetLepes();
  const fs::path cel = mappa_ / "s.csv";
  AtomiMentes(cel, std::string(1000, 'x'));
  SorozatMentese(oko_, cel);
  std::ostringstream vart;
  SorozatIrasa(oko_, vart);
  EXPECT_EQ(FajlBeolvasasa(cel), vart.str());  // nothing of the longer old file remains

  const fs::path hianyzo = mappa_ / "no-such-dir" / "s.csv";
  try {
    SorozatMentese(oko_, hianyzo);
    FAIL() << "saved into a missing folder";
  } catch (const TFajlHiba& e) {
    EXPECT_EQ(e.Fajl(), hianyzo);
    EXPECT_NE(std::string(e.what()).find("s.csv"), std::string::npos) << e.what();
  }
  // A target that cannot be replaced keeps what it held; no temporary remains.
  fs::create_directories(mappa_ / "dir.csv" / "inner");
  EXPECT_THROW(SorozatMentese(oko_, mappa_ / "dir.csv"), TFajlHiba);
  EXPECT_TRUE(fs::exists(mappa_ / "dir.csv" / "inner"));
  EXPECT_EQ(FajlBeolvasasa(cel), vart.str());
  int fajlok = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(mappa_)) ++fajlok;
  EXPECT_EQ(fajlok, 2);
}

}  // namespace
}  // namespace zelvaris
