// Snapshots: a running world saved and loaded back exactly, the data file
// beside the snapshot, and damaged files refused before anything is built.

#include "persistence/pillanatkep.h"

#include <gtest/gtest.h>

#include "persistence/binaris.h"
#include "persistence/faj_rekord.h"
#include "perzisztencia_segedek.h"

namespace zelvaris {
namespace {

std::string Rekordok(const TOkoszisztema& oko) {
  TSorIro i;
  for (int32_t f = 0; f < oko.NovenyFajokSzama(); ++f)
    RekordIrasa(i, NovenyRekord(oko.NovenyFaj(f)), true);
  for (int32_t f = 0; f < oko.AllatFajokSzama(); ++f)
    RekordIrasa(i, AllatRekord(oko.AllatFaj(f)), true);
  return i.Tartalom();
}

void EgyformaEgyedek(const TOkoszisztema& a, const TOkoszisztema& b) {
  ASSERT_EQ(a.NovenyFajokSzama(), b.NovenyFajokSzama());
  ASSERT_EQ(a.AllatFajokSzama(), b.AllatFajokSzama());
  for (int32_t f = 0; f < a.NovenyFajokSzama(); ++f)
    EXPECT_EQ(a.NovenyFaj(f).Egyedek.Elemek(), b.NovenyFaj(f).Egyedek.Elemek()) << "plant " << f;
  for (int32_t f = 0; f < a.AllatFajokSzama(); ++f)
    EXPECT_EQ(a.AllatFaj(f).Egyedek.Elemek(), b.AllatFaj(f).Egyedek.Elemek()) << "animal " << f;
}

class Snapshot : public ::testing::Test {
 protected:
  void SetUp() override {
    v.Oko->Alkalmaz();
    for (int i = 0; i < 100; ++i) {
      if (i == 40) v.Oko->PerPermetezes();
      v.Oko->Lepes();
    }
    // A spraying asked for but not yet applied by a step.
    v.Oko->DegPermetezes();
  }

  std::string Hibauzenet(const std::filesystem::path& fajl) {
    try {
      OkoPillBetoltese(fajl, v.Veletlen, v.Tabla);
    } catch (const TFajlHiba& h) {
      return h.what();
    }
    return "";
  }

  // The saved snapshot with its data file replaced.
  void AdatCsere(const std::string& adat) { teszt::Kiir(d / "p.okodat", adat); }

  teszt::TIdeiglenes d;
  teszt::TVilag v;
};

TEST_F(Snapshot, After100StepsLoadsBackTheSameWorld) {
  const TOkoszisztema& regi = *v.Oko;
  ASSERT_GT(regi.AllatFaj(0).Egyedek.Darab(), 0);
  ASSERT_GT(regi.AllatFaj(1).Egyedek.Darab(), 0);
  ASSERT_GT(regi.NovenyFaj(0).Egyedek.Darab(), 0);
  OkoPillMentese(regi, d / "p.okopill");

  const uint32_t mag = v.Veletlen.Mag();
  auto uj = OkoPillBetoltese(d / "p.okopill", v.Veletlen, v.Tabla);
  EXPECT_EQ(v.Veletlen.Mag(), mag);
  EXPECT_TRUE(uj->VanRacs());
  EXPECT_TRUE(uj->Benepesit);
  EXPECT_TRUE(uj->RajzolasKesz);
  EXPECT_EQ(uj->Ido, 0);
  EXPECT_EQ(uj->L(), 60);
  EXPECT_TRUE(uj->PermetezesVolt);
  EXPECT_TRUE(uj->DegPermet);
  EXPECT_TRUE(uj->PerPermet);
  EXPECT_EQ(uj->AllatSorrend, (TIdLista{1, 0}));
  EXPECT_EQ(Rekordok(*uj), Rekordok(regi));
  EgyformaEgyedek(regi, *uj);
  for (int32_t f = 0; f < uj->AllatFajokSzama(); ++f) {
    const auto& lista = uj->AllatFaj(f).Egyedek;
    for (int32_t i = 0; i < lista.Darab(); ++i)
      ASSERT_EQ(uj->AllatIndexAMezon(lista[i].Sor, lista[i].Oszlop, f), i);
  }

  // Saved again under the same name, the files are the same bytes.
  std::filesystem::create_directory(d / "masik");
  OkoPillMentese(*uj, d / "masik" / "p.okopill");
  EXPECT_EQ(teszt::Beolvas(d / "p.okopill"), teszt::Beolvas(d / "masik" / "p.okopill"));
  EXPECT_EQ(teszt::Beolvas(d / "p.okodat"), teszt::Beolvas(d / "masik" / "p.okodat"));

  // Nothing the step needs was left out: from the same seed both worlds go on
  // alike, and the saved spraying acts in the first step.
  v.Veletlen.MagBeallitasa(777);
  v.Oko->Lepes();
  v.Veletlen.MagBeallitasa(777);
  uj->Lepes();
  EgyformaEgyedek(*v.Oko, *uj);
  EXPECT_FALSE(uj->DegPermet);
  EXPECT_FALSE(uj->PermetezesVolt);
}

TEST_F(Snapshot, TheDataFileLiesBesideTheSnapshot) {
  std::filesystem::create_directory(d / "valahol");
  OkoPillMentese(*v.Oko, d / "valahol" / "tavasz.okopill");
  const auto sorok = teszt::Sorok(teszt::Beolvas(d / "valahol" / "tavasz.okopill"));
  EXPECT_EQ(sorok.back(), "tavasz.okodat");
  EXPECT_EQ(sorok[2], "1");  // PermetezesVolt
  EXPECT_EQ(sorok[3], "1");  // DegPermet
  EXPECT_EQ(sorok[4], "1");  // PerPermet
  ASSERT_TRUE(std::filesystem::exists(d / "valahol" / "tavasz.okodat"));
  int64_t egyedek = 0;
  for (int32_t f = 0; f < 2; ++f) egyedek += 3 * v.Oko->NovenyFaj(f).Egyedek.Darab();
  for (int32_t f = 0; f < 2; ++f) egyedek += 11 * v.Oko->AllatFaj(f).Egyedek.Darab();
  EXPECT_EQ(std::filesystem::file_size(d / "valahol" / "tavasz.okodat"),
            static_cast<uintmax_t>(4 * (4 + egyedek)));
  EXPECT_NO_THROW(OkoPillBetoltese(d / "valahol" / "tavasz.okopill", v.Veletlen, v.Tabla));
}

TEST_F(Snapshot, EmptySpeciesPlantsOfMassZeroAndTrailingBytes) {
  TOkoszisztema oko(v.Veletlen, v.Tabla);
  oko.Atmeretez(50);
  oko.UjNovenyFaj("Üres");
  oko.UjNovenyFaj("Mag").Tomeg = 9;
  oko.Alkalmaz();
  oko.NovenyLetrehozasa(1, 49, 0, TLetrehozas::Ujszulott);
  OkoPillMentese(oko, d / "p.okopill");
  std::string adat = teszt::Beolvas(d / "p.okodat");
  EXPECT_EQ(adat, std::string("\0\0\0\0\1\0\0\0\x31\0\0\0\0\0\0\0\0\0\0\0", 20));
  AdatCsere(adat + "tobblet");
  auto uj = OkoPillBetoltese(d / "p.okopill", v.Veletlen, v.Tabla);
  ASSERT_EQ(uj->NovenyFaj(1).Egyedek.Darab(), 1);
  EXPECT_EQ(uj->NovenyFaj(1).Egyedek[0], (TNoveny{49, 0, 0}));
  EXPECT_EQ(uj->NovenyIndexAMezon(49, 0, 1), 0);
}

TEST_F(Snapshot, Version44LoadsItsIndividualsWithIdentityOrders) {
  OkoPillMentese(*v.Oko, d / "p.okopill");
  auto sorok = teszt::Sorok(teszt::Beolvas(d / "p.okopill"));
  const std::string datNev = sorok.back();
  sorok.resize(sorok.size() - 3);
  sorok[0] = "4.4";
  sorok.insert(sorok.begin() + 5, {"1, 0", "1, 0"});
  sorok.push_back(datNev);
  std::string regi;
  for (const auto& s : sorok) regi += s + "\r\n";
  teszt::Kiir(d / "p.okopill", regi);
  auto uj = OkoPillBetoltese(d / "p.okopill", v.Veletlen, v.Tabla);
  EXPECT_EQ(uj->AllatSorrend, (TIdLista{0, 1}));
  EXPECT_EQ(uj->NovenySorrend, (TIdLista{0, 1}));
  EXPECT_TRUE(uj->DegPermet);
  EgyformaEgyedek(*v.Oko, *uj);
}

TEST_F(Snapshot, DamagedDataFilesAreRefusedBeforeAnythingIsBuilt) {
  OkoPillMentese(*v.Oko, d / "p.okopill");
  const std::string adat = teszt::Beolvas(d / "p.okodat");
  const std::string datUt = (d / "p.okodat").string();
  auto hiba = [&](const std::string& csere, const std::string& vart) {
    AdatCsere(csere);
    const std::string uzenet = Hibauzenet(d / "p.okopill");
    EXPECT_NE(uzenet.find(datUt + ": " + vart), std::string::npos) << uzenet;
  };

  hiba(adat.substr(0, adat.size() - 1), "az adatfájl túl rövid");
  hiba(adat.substr(0, 8), "az adatfájl túl rövid");
  hiba("", "az adatfájl túl rövid: hiányzik a(z) növényfaj Fű (0) egyedszáma.");

  // The first grass plant moved off the grid, then onto the second one's cell.
  std::string kint = adat;
  kint.replace(4, 4, std::string("\x3C\0\0\0", 4));  // row 60
  hiba(kint, "a(z) növényfaj Fű (0) 1. egyedének helye (sor 60, oszlop ");
  kint.replace(4, 4, std::string("\xFF\xFF\xFF\xFF", 4));  // row -1
  hiba(kint, "a(z) növényfaj Fű (0) 1. egyedének helye (sor -1, oszlop ");
  std::string foglalt = adat;
  foglalt.replace(4, 8, adat.substr(16, 8));
  hiba(foglalt, "a(z) növényfaj Fű (0) 2. egyedének cellájában");

  std::string negativ = adat;
  negativ.replace(0, 4, std::string("\xFE\xFF\xFF\xFF", 4));
  hiba(negativ, "a(z) növényfaj Fű (0) egyedszáma negatív (-2).");

  std::filesystem::remove(d / "p.okodat");
  const std::string uzenet = Hibauzenet(d / "p.okopill");
  EXPECT_NE(uzenet.find(datUt + ": Nem sikerült beolvasni az .okodat fájlt"), std::string::npos)
      << uzenet;
}

TEST_F(Snapshot, DamagedSnapshotTextIsRefusedWithItsLine) {
  OkoPillMentese(*v.Oko, d / "p.okopill");
  auto sorok = teszt::Sorok(teszt::Beolvas(d / "p.okopill"));
  auto kiir = [&](const std::vector<std::string>& s) {
    std::string t;
    for (const auto& sor : s) t += sor + "\r\n";
    teszt::Kiir(d / "p.okopill", t);
  };
  auto rossz = sorok;
  rossz[3] = "igen";
  kiir(rossz);
  EXPECT_EQ(Hibauzenet(d / "p.okopill"),
            (d / "p.okopill").string() + ", 4. sor: érvénytelen szám: „igen”.");

  rossz = sorok;
  rossz.back() = "../p.okodat";
  kiir(rossz);
  EXPECT_NE(Hibauzenet(d / "p.okopill").find("nem egyszerű fájlnév"), std::string::npos);

  rossz = sorok;
  rossz.resize(sorok.size() - 1);
  kiir(rossz);
  EXPECT_NE(Hibauzenet(d / "p.okopill").find("a fájl csonka"), std::string::npos);

  rossz = sorok;
  rossz[0] = "4.3";
  kiir(rossz);
  EXPECT_NE(Hibauzenet(d / "p.okopill").find("ismeretlen fájlváltozat"), std::string::npos);
}

TEST_F(Snapshot, AnUnwritableTargetKeepsBothPreviousFiles) {
  OkoPillMentese(*v.Oko, d / "p.okopill");
  const std::string pill = teszt::Beolvas(d / "p.okopill");
  const std::string dat = teszt::Beolvas(d / "p.okodat");
  v.Oko->Lepes();
  {
    teszt::TIrasvedett vedett(d.Utvonal());
    if (!vedett.Irasvedett()) GTEST_SKIP() << "no way to make a directory unwritable here";
    EXPECT_THROW(OkoPillMentese(*v.Oko, d / "p.okopill"), TFajlHiba);
  }
  EXPECT_EQ(teszt::Beolvas(d / "p.okopill"), pill);
  EXPECT_EQ(teszt::Beolvas(d / "p.okodat"), dat);
}

}  // namespace
}  // namespace zelvaris
