// Configuration files: round trips, the exact layout, the 4.4 layout, and
// loads that fail as a whole.

#include "persistence/konfiguracio.h"

#include <gtest/gtest.h>

#include "persistence/faj_rekord.h"
#include "persistence/sorfajl.h"
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

std::string Hibauzenet(const std::filesystem::path& fajl, TVeletlen& v, TKeresoTabla& t) {
  try {
    OkoCfgBetoltese(fajl, v, t);
  } catch (const TFajlHiba& h) {
    return h.what();
  }
  return "";
}

class Configuration : public ::testing::Test {
 protected:
  teszt::TIdeiglenes d;
  teszt::TVilag v;
};

TEST_F(Configuration, LoadsBackWithTheSameSpeciesAndOrdersAndWithoutDrawing) {
  v.Oko->Alkalmaz();
  for (int i = 0; i < 5; ++i) v.Oko->Lepes();
  OkoCfgMentese(*v.Oko, d / "a.okocfg");

  const uint32_t mag = v.Veletlen.Mag();
  auto uj = OkoCfgBetoltese(d / "a.okocfg", v.Veletlen, v.Tabla);
  EXPECT_EQ(v.Veletlen.Mag(), mag);
  EXPECT_EQ(uj->L(), 60);
  EXPECT_FALSE(uj->VanRacs());
  EXPECT_EQ(uj->Ido, 0);
  ASSERT_EQ(uj->NovenyFajokSzama(), 2);
  ASSERT_EQ(uj->AllatFajokSzama(), 2);
  EXPECT_EQ(uj->NovenyFaj(1).Id(), 1);
  EXPECT_EQ(uj->AllatFaj(1).Nev(), "Róka");
  EXPECT_EQ(uj->AllatFaj(0).Predak.NovenyPredak().size(), 1u);
  EXPECT_EQ(uj->AllatFaj(0).Predak.TalaltNovenyek.size(), 1u);
  EXPECT_EQ(uj->AllatFaj(1).MozgasSugar(), v.Oko->AllatFaj(1).MozgasSugar());
  EXPECT_EQ(uj->AllatFaj(0).Egyedek.Darab(), 0);
  EXPECT_EQ(uj->AllatSorrend, (TIdLista{1, 0}));
  EXPECT_EQ(uj->NovenySorrend, (TIdLista{0, 1}));
  EXPECT_EQ(Rekordok(*uj), Rekordok(*v.Oko));

  OkoCfgMentese(*uj, d / "b.okocfg");
  EXPECT_EQ(teszt::Beolvas(d / "a.okocfg"), teszt::Beolvas(d / "b.okocfg"));
}

TEST_F(Configuration, HasTheLayoutOfTheFormat) {
  OkoCfgMentese(*v.Oko, d / "a.okocfg");
  const auto sorok = teszt::Sorok(teszt::Beolvas(d / "a.okocfg"));
  ASSERT_EQ(sorok.size(), 3u + 17 * 2 + 1 + 29 * 2 + 2);
  EXPECT_EQ(sorok[0], "4.6");
  EXPECT_EQ(sorok[1], "60");
  EXPECT_EQ(sorok[2], "2");
  EXPECT_EQ(sorok[3], "F\xFB");
  EXPECT_EQ(sorok[3 + 17 + 11], "0");  // the moss's forbidden plants
  EXPECT_EQ(sorok[3 + 17 + 12], "1");  // and its inhibiting animals
  EXPECT_EQ(sorok[3 + 34], "2");
  EXPECT_EQ(sorok[3 + 34 + 1 + 11], "0/1");  // the rabbit's plant preys
  EXPECT_EQ(sorok[sorok.size() - 2], "1, 0");
  EXPECT_EQ(sorok.back(), "0, 1");
}

TEST_F(Configuration, WithoutSpeciesIsExactlySixLines) {
  TOkoszisztema ures(v.Veletlen, v.Tabla);
  ures.Atmeretez(300);
  OkoCfgMentese(ures, d / "ures.okocfg");
  EXPECT_EQ(teszt::Beolvas(d / "ures.okocfg"), "4.6\r\n300\r\n0\r\n0\r\n\r\n\r\n");
  auto uj = OkoCfgBetoltese(d / "ures.okocfg", v.Veletlen, v.Tabla);
  EXPECT_EQ(uj->L(), 300);
  EXPECT_EQ(uj->AllatFajokSzama() + uj->NovenyFajokSzama(), 0);
}

TEST_F(Configuration, Version44HasTheOrdersFirstAndEndsWithIdentityOrders) {
  OkoCfgMentese(*v.Oko, d / "a.okocfg");
  auto sorok = teszt::Sorok(teszt::Beolvas(d / "a.okocfg"));
  const std::string allatSorrend = sorok[sorok.size() - 2];
  sorok.resize(sorok.size() - 2);
  sorok[0] = "4.4";
  sorok.insert(sorok.begin() + 2, {"1, 0, 7", "1, 0"});
  std::string regi;
  for (const auto& s : sorok) regi += s + "\r\n";
  teszt::Kiir(d / "regi.okocfg", regi);

  auto uj = OkoCfgBetoltese(d / "regi.okocfg", v.Veletlen, v.Tabla);
  EXPECT_EQ(allatSorrend, "1, 0");
  EXPECT_EQ(uj->AllatSorrend, (TIdLista{0, 1}));
  EXPECT_EQ(uj->NovenySorrend, (TIdLista{0, 1}));
  EXPECT_EQ(Rekordok(*uj), Rekordok(*v.Oko));

  // 4.5 has the current layout.
  std::string v45 = teszt::Beolvas(d / "a.okocfg");
  v45[2] = '5';
  teszt::Kiir(d / "v45.okocfg", v45);
  EXPECT_EQ(OkoCfgBetoltese(d / "v45.okocfg", v.Veletlen, v.Tabla)->AllatSorrend,
            (TIdLista{1, 0}));
}

TEST_F(Configuration, OrderEntriesThatNameNoSpeciesAreKeptAsRead) {
  teszt::Kiir(d / "a.okocfg", "4.6\r\n100\r\n0\r\n0\r\n3, 3, 9\r\n\r\n");
  EXPECT_EQ(OkoCfgBetoltese(d / "a.okocfg", v.Veletlen, v.Tabla)->AllatSorrend,
            (TIdLista{3, 3, 9}));
}

TEST_F(Configuration, UnknownVersionsAreRefused) {
  for (const char* verzio : {"4.6 ", "4,6", "4.7", " 4.6", "", "4.6\t"}) {
    teszt::Kiir(d / "x.okocfg", std::string(verzio) + "\r\n300\r\n0\r\n0\r\n\r\n\r\n");
    const std::string uzenet = Hibauzenet(d / "x.okocfg", v.Veletlen, v.Tabla);
    EXPECT_NE(uzenet.find("x.okocfg, 1. sor: ismeretlen fájlváltozat"), std::string::npos)
        << verzio << " -> " << uzenet;
  }
}

TEST_F(Configuration, SideLengthsOutsideTheDialogsRangeAreRefused) {
  for (const char* l : {"49", "-300", "0", "2000000001"}) {
    teszt::Kiir(d / "x.okocfg", std::string("4.6\r\n") + l + "\r\n0\r\n0\r\n\r\n\r\n");
    const std::string uzenet = Hibauzenet(d / "x.okocfg", v.Veletlen, v.Tabla);
    EXPECT_NE(uzenet.find("x.okocfg, 2. sor: az oldalhossz"), std::string::npos) << uzenet;
  }
  teszt::Kiir(d / "x.okocfg", "4.6\r\n2000000000\r\n0\r\n0\r\n\r\n\r\n");
  EXPECT_EQ(OkoCfgBetoltese(d / "x.okocfg", v.Veletlen, v.Tabla)->L(), 2000000000);
}

TEST_F(Configuration, AWorldNoLoadWouldAcceptIsNotSaved) {
  TOkoszisztema meretlen(v.Veletlen, v.Tabla);
  EXPECT_THROW(OkoCfgMentese(meretlen, d / "x.okocfg"), TFajlHiba);
  EXPECT_FALSE(std::filesystem::exists(d / "x.okocfg"));
}

TEST_F(Configuration, TruncatedAndMalformedFilesAreRefusedWhole) {
  OkoCfgMentese(*v.Oko, d / "a.okocfg");
  const std::string teljes = teszt::Beolvas(d / "a.okocfg");
  // Cut inside the last animal record, and right before the two order lines.
  for (size_t vege : {teljes.size() / 2, teljes.size() - 7}) {
    teszt::Kiir(d / "csonka.okocfg", teljes.substr(0, vege));
    const std::string uzenet = Hibauzenet(d / "csonka.okocfg", v.Veletlen, v.Tabla);
    EXPECT_NE(uzenet.find("csonka.okocfg: a fájl csonka"), std::string::npos) << uzenet;
  }
  auto sorok = teszt::Sorok(teljes);
  sorok[3 + 17 + 13] = "1O";
  std::string rossz;
  for (const auto& s : sorok) rossz += s + "\r\n";
  teszt::Kiir(d / "rossz.okocfg", rossz);
  EXPECT_EQ(Hibauzenet(d / "rossz.okocfg", v.Veletlen, v.Tabla),
            (d / "rossz.okocfg").string() + ", 34. sor: érvénytelen szám: „1O”.");
  // A species Id beyond 32 bits in a list line is refused rather than wrapped.
  sorok = teszt::Sorok(teljes);
  sorok[3 + 11] = "3, 99999999999";
  rossz.clear();
  for (const auto& s : sorok) rossz += s + "\r\n";
  teszt::Kiir(d / "nagy.okocfg", rossz);
  const std::string uzenet = Hibauzenet(d / "nagy.okocfg", v.Veletlen, v.Tabla);
  EXPECT_NE(uzenet.find("15. sor"), std::string::npos) << uzenet;
  EXPECT_NE(uzenet.find("99999999999"), std::string::npos) << uzenet;
}

TEST_F(Configuration, AnUnwritableTargetKeepsThePreviousFile) {
  OkoCfgMentese(*v.Oko, d / "a.okocfg");
  const std::string elozo = teszt::Beolvas(d / "a.okocfg");
  v.Oko->AllatFaj(0).SetNev("Más");
  {
    teszt::TIrasvedett vedett(d.Utvonal());
    if (!vedett.Irasvedett()) GTEST_SKIP() << "no way to make a directory unwritable here";
    EXPECT_THROW(OkoCfgMentese(*v.Oko, d / "a.okocfg"), TFajlHiba);
  }
  EXPECT_EQ(teszt::Beolvas(d / "a.okocfg"), elozo);
}

}  // namespace
}  // namespace zelvaris
