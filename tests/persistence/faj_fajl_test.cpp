// Species records and species files: the line counts, what a short record
// clears and keeps, and loads that fail without touching the species.

#include "persistence/faj_fajl.h"

#include <gtest/gtest.h>

#include "perzisztencia_segedek.h"
#include "tests/teszt_rajzolo.h"

namespace zelvaris {
namespace {

class SpeciesFile : public ::testing::Test {
 protected:
  teszt::TIdeiglenes d;
  teszt::TVilag v;
  TOkoszisztema& oko = *v.Oko;
  TAllatFaj& roka = oko.AllatFaj(1);
  TNovenyFaj& fu = oko.NovenyFaj(0);
};

TEST_F(SpeciesFile, AnAnimalFileHas13LinesAndAPlantFile5) {
  AllatfajMentese(d / "roka.allat", roka);
  NovenyfajMentese(d / "fu.noveny", fu);
  const std::string allat = teszt::Beolvas(d / "roka.allat");
  EXPECT_EQ(teszt::Sorok(allat),
            (std::vector<std::string>{"4.6", "R\xF3ka", std::to_string(Rgb(200, 80, 0)), "20",
                                      "80", "5", "10", "4", "2", "3", "15", "6", "60"}));
  EXPECT_TRUE(allat.ends_with("60\r\n"));
  EXPECT_EQ(teszt::Sorok(teszt::Beolvas(d / "fu.noveny")),
            (std::vector<std::string>{"4.6", "F\xFB", std::to_string(Rgb(0, 200, 0)), "3", "12"}));
}

TEST_F(SpeciesFile, LoadingAnAnimalClearsTheEcosystemTiesAndKeepsTheDeathChances) {
  roka.DegHatas = true;
  roka.DegKorMinusz = 3;
  AllatfajMentese(d / "roka.allat", roka);

  TAllatFaj& nyul = oko.AllatFaj(0);
  nyul.DegHatasfok = 33;
  nyul.PerHatasfok = 44;
  nyul.SetTkp(false);
  nyul.AllatUtkozes = {1};
  nyul.GocEgyedszam = 9;
  const int32_t egyedek = nyul.Egyedek.Darab();
  AllatfajBetoltese(d / "roka.allat", nyul);

  EXPECT_EQ(nyul.Nev(), "Róka");
  EXPECT_EQ(nyul.Szin(), roka.Szin());
  EXPECT_EQ(nyul.Tomeg(), 20);
  EXPECT_EQ(nyul.Utod, 2);
  EXPECT_EQ(nyul.SzuloSugar, 3);
  EXPECT_EQ(nyul.MozgasHossz(), 60);
  EXPECT_EQ(nyul.MozgasSugar(), roka.MozgasSugar());
  EXPECT_EQ(nyul.PopulacioMeret, 0);
  EXPECT_FALSE(nyul.DegHatas);
  EXPECT_FALSE(nyul.PerHatas);
  EXPECT_EQ(nyul.GocEgyedszam, 0);
  EXPECT_TRUE(nyul.Tkp());
  EXPECT_TRUE(nyul.Ngy());
  EXPECT_TRUE(nyul.Predak.NovenyPredak().empty());
  EXPECT_TRUE(nyul.Predak.TalaltNovenyek.empty());
  EXPECT_TRUE(nyul.AllatUtkozes.empty());
  EXPECT_EQ(nyul.PerKorMinusz, 0);
  EXPECT_EQ(nyul.DegKorMinusz, 0);
  EXPECT_EQ(nyul.DegHatasfok, 33);
  EXPECT_EQ(nyul.PerHatasfok, 44);
  EXPECT_EQ(nyul.Id(), 0);
  EXPECT_EQ(nyul.Egyedek.Darab(), egyedek);
}

TEST_F(SpeciesFile, LoadingAPlantKeepsItsListsAndClearsTheGrowthReductions) {
  NovenyfajMentese(d / "fu.noveny", fu);
  TNovenyFaj& moha = oko.NovenyFaj(1);
  moha.PerNovMinusz = 20;
  NovenyfajBetoltese(d / "fu.noveny", moha);
  EXPECT_EQ(moha.Nev(), "Fű");
  EXPECT_EQ(moha.Novekmeny, 3);
  EXPECT_EQ(moha.Tomeg, 12);
  EXPECT_EQ(moha.NovenyUtkozes, TIdLista{0});
  EXPECT_EQ(moha.AllatGatlas, TIdLista{1});
  EXPECT_EQ(moha.DegNovMinusz, 0);
  EXPECT_EQ(moha.PerNovMinusz, 0);
}

TEST_F(SpeciesFile, SavingWhatWasLoadedGivesTheSameBytes) {
  AllatfajMentese(d / "a.allat", roka);
  AllatfajBetoltese(d / "a.allat", oko.AllatFaj(0));
  AllatfajMentese(d / "b.allat", oko.AllatFaj(0));
  EXPECT_EQ(teszt::Beolvas(d / "a.allat"), teszt::Beolvas(d / "b.allat"));
}

TEST_F(SpeciesFile, TheVersionLineIsNotChecked) {
  teszt::Kiir(d / "x.allat",
              "4,6 \r\nN\xE9v\r\n5\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n");
  AllatfajBetoltese(d / "x.allat", roka);
  EXPECT_EQ(roka.Nev(), "Név");
  EXPECT_EQ(roka.MozgasHossz(), 10);
}

TEST_F(SpeciesFile, AnAnimalFileReadsIntoAPlantButAPlantFileIsTooShortForAnAnimal) {
  AllatfajMentese(d / "roka.allat", roka);
  NovenyfajBetoltese(d / "roka.allat", fu);
  EXPECT_EQ(fu.Nev(), "Róka");
  EXPECT_EQ(fu.Novekmeny, 20);  // the animal's Tomeg
  EXPECT_EQ(fu.Tomeg, 80);      // and its Kor

  NovenyfajMentese(d / "fu.noveny", oko.NovenyFaj(1));
  TAllatFaj& nyul = oko.AllatFaj(0);
  try {
    AllatfajBetoltese(d / "fu.noveny", nyul);
    FAIL() << "a plant file loaded into an animal";
  } catch (const TFajlHiba& h) {
    EXPECT_NE(std::string(h.what()).find("fu.noveny: a fájl csonka"), std::string::npos);
  }
  EXPECT_EQ(nyul.Nev(), "Nyúl");
  EXPECT_EQ(nyul.Tomeg(), 6);
}

TEST_F(SpeciesFile, AFailedLoadLeavesTheSpeciesAsItWas) {
  teszt::Kiir(d / "rossz.allat", "4.6\r\nÚj név\r\n255\r\n1\r\n2\r\nhárom\r\n4\r\n");
  TAllatFaj& nyul = oko.AllatFaj(0);
  try {
    AllatfajBetoltese(d / "rossz.allat", nyul);
    FAIL();
  } catch (const TFajlHiba& h) {
    EXPECT_EQ(h.Sor(), 6);
    EXPECT_NE(std::string(h.what()).find("rossz.allat, 6. sor: érvénytelen szám"),
              std::string::npos);
  }
  EXPECT_EQ(nyul.Nev(), "Nyúl");
  EXPECT_EQ(nyul.Szin(), FeherSzin);
  EXPECT_EQ(nyul.Tomeg(), 6);
  EXPECT_EQ(nyul.PopulacioMeret, 300);
  EXPECT_THROW(AllatfajBetoltese(d / "nincs.allat", nyul), TFajlHiba);
  EXPECT_EQ(nyul.PopulacioMeret, 300);
}

// The map is drawn once after a load that changes the colour, not once per setter.
TEST_F(SpeciesFile, ALoadRedrawsTheMapOnceWhenTheLookChanged) {
  teszt::TNaploRajzolo rajzolo;
  oko.RajzoloBeallitasa(&rajzolo);
  oko.Alkalmaz();
  AllatfajMentese(d / "roka.allat", roka);
  TAllatFaj& nyul = oko.AllatFaj(0);
  nyul.SetTkp(false);
  nyul.SetNgy(false);
  rajzolo.teljes = 0;
  AllatfajBetoltese(d / "roka.allat", nyul);
  EXPECT_EQ(rajzolo.teljes, 1);
  EXPECT_TRUE(oko.RajzolasKesz);
  rajzolo.teljes = 0;
  AllatfajBetoltese(d / "roka.allat", nyul);
  EXPECT_EQ(rajzolo.teljes, 0);
  oko.RajzoloBeallitasa(nullptr);
}

}  // namespace
}  // namespace zelvaris
