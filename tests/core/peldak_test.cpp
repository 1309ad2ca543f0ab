// The shipped examples give exactly the worlds they gave when these figures
// were taken: the meadow's generator seed and totals after 500 steps on three
// seeds, and the bytes of the snapshot, data file and series of every example
// run. Any draw added, skipped or reordered in the step changes them.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "persistence/konfiguracio.h"
#include "persistence/pillanatkep.h"
#include "persistence/sorozat_csv.h"

namespace fs = std::filesystem;

namespace zelvaris {
namespace {

uint64_t Ujjlenyomat(const fs::path& fajl) {
  std::ifstream be(fajl, std::ios::binary);
  const std::string bajtok{std::istreambuf_iterator<char>(be), std::istreambuf_iterator<char>()};
  uint64_t h = 0xcbf29ce484222325ull;
  for (unsigned char c : bajtok) h = (h ^ c) * 0x100000001b3ull;
  return h;
}

struct TFutas {
  std::unique_ptr<TOkoszisztema> oko;
  uint64_t pill = 0, dat = 0, sorozat = 0;
};

// As the batch tool runs a file: seed, load (a configuration is built and
// populated), step, then save the snapshot and the series.
void Futtatas(const std::string& fajl, uint32_t mag, int32_t lepesek, const std::string& nev,
              TVeletlen& veletlen, TKeresoTabla& tabla, TFutas& f) {
  veletlen.MagBeallitasa(mag);
  const fs::path forras = fs::path(ZELVARIS_PROGRAM_DIR) / fajl;
  if (forras.extension() == ".okocfg") {
    f.oko = OkoCfgBetoltese(forras, veletlen, tabla);
    ASSERT_TRUE(f.oko->Alkalmaz().empty());
  } else {
    f.oko = OkoPillBetoltese(forras, veletlen, tabla);
  }
  for (int32_t i = 0; i < lepesek; ++i) f.oko->Lepes();
  const fs::path mappa = fs::temp_directory_path() / ("zelvaris-peldak-" + std::to_string(::getpid()));
  fs::create_directories(mappa);
  // The snapshot names its data file, so the names are part of its bytes.
  OkoPillMentese(*f.oko, mappa / (nev + ".okopill"));
  SorozatMentese(*f.oko, mappa / (nev + ".csv"));
  f.pill = Ujjlenyomat(mappa / (nev + ".okopill"));
  f.dat = Ujjlenyomat(mappa / (nev + ".okodat"));
  f.sorozat = Ujjlenyomat(mappa / (nev + ".csv"));
  fs::remove_all(mappa);
}

struct TReti {
  uint32_t mag, vegsoMag;
  std::vector<int32_t> allatok;  // Rabbit, Mouse, Fox
  std::vector<int32_t> novenyTomeg;  // Grass, Bramble
  uint64_t pill, dat, sorozat;
};

TEST(Peldak, MeadowAfterFiveHundredStepsOnThreeSeeds) {
  const TReti vart[] = {
      {1, 96523231u, {905, 6830, 241}, {18864, 322665}, 0xc363f6633fd7fa5full, 0xc4726c05a6aae8c4ull,
       0x306368e617ad68cdull},
      {2, 281640036u, {1578, 6649, 145}, {19054, 222059}, 0x28646a66e4867a0ull, 0xaf00747fe72ef40full,
       0x625e38d3b5e92c50ull},
      {3, 3848260357u, {936, 6737, 229}, {19288, 309991}, 0xae47015b16a6acd9ull, 0xe8afe2ea76c87e9dull,
       0xab61e39b0beb7781ull},
  };
  for (const TReti& v : vart) {
    TVeletlen veletlen;
    TKeresoTabla tabla;
    TFutas f;
    ASSERT_NO_FATAL_FAILURE(Futtatas("okocfg/meadow.okocfg", v.mag, 500, "meadow-" + std::to_string(v.mag), veletlen, tabla, f));
    EXPECT_EQ(veletlen.Mag(), v.vegsoMag) << "seed " << v.mag;
    for (int32_t a = 0; a < 3; ++a)
      EXPECT_EQ(f.oko->AllatFaj(a).Egyedek.Darab(), v.allatok[a]) << "seed " << v.mag << ", animal " << a;
    for (int32_t p = 0; p < 2; ++p)
      EXPECT_EQ(f.oko->NovenyFaj(p).OsszTomeg, v.novenyTomeg[p]) << "seed " << v.mag << ", plant " << p;
    EXPECT_EQ(f.pill, v.pill) << "seed " << v.mag;
    EXPECT_EQ(f.dat, v.dat) << "seed " << v.mag;
    EXPECT_EQ(f.sorozat, v.sorozat) << "seed " << v.mag;
  }
}

TEST(Peldak, SpraysSnapshotAndLargeWorldFiles) {
  struct TEset {
    const char* fajl;
    const char* nev;
    uint32_t mag;
    int32_t lepesek;
    uint64_t pill, dat, sorozat;
  };
  const TEset esetek[] = {
      {"okocfg/meadow-sprays.okocfg", "sprays", 4, 300, 0xe3891a940072f6e1ull, 0x12e8f9a8fe4c5b11ull,
       0x2dbc2d96acbd07b0ull},
      {"okopill/meadow-400.okopill", "m400", 5, 200, 0x62b345e46e38ce81ull, 0xea84b399b48e803full,
       0x5727ff97206d7ee9ull},
      {"okocfg/large-world.okocfg", "large", 6, 10, 0xc072432e9c104932ull, 0xbb11f274d11b89a6ull,
       0xaf21c2a23b0aca72ull},
  };
  for (const TEset& e : esetek) {
    TVeletlen veletlen;
    TKeresoTabla tabla;
    TFutas f;
    ASSERT_NO_FATAL_FAILURE(Futtatas(e.fajl, e.mag, e.lepesek, e.nev, veletlen, tabla, f));
    EXPECT_EQ(f.pill, e.pill) << e.fajl;
    EXPECT_EQ(f.dat, e.dat) << e.fajl;
    EXPECT_EQ(f.sorozat, e.sorozat) << e.fajl;
  }
}

}  // namespace
}  // namespace zelvaris
