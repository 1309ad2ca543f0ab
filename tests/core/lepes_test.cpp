// The step's rules on small hand-built worlds.

#include <gtest/gtest.h>

#include <set>

#include "core/lepteto.h"
#include "tesztvilag.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

// A species whose animals stay where they are and never starve or age out.
TAllatFaj& Helyben(TVilag& v, const std::string& nev) {
  TAllatFaj& f = v.NyugodtAllat(nev);
  f.SetMozgasHossz(0);
  return f;
}

int Szomszedok(const TOkoszisztema& o, int32_t faj, int32_t sor, int32_t oszlop) {
  int n = 0;
  for (int ds = -1; ds <= 1; ++ds)
    for (int dc = -1; dc <= 1; ++dc)
      if ((ds || dc) && o.AllatAMezon(sor + ds, oszlop + dc, faj)) ++n;
  return n;
}

}  // namespace

TEST(Szules, LitterOfEightFillsTheNeighbours) {
  TVilag v;
  TAllatFaj& f = Helyben(v, "nyúl");
  f.Vemhes = 1;
  f.SzuloSugar = 1;
  f.Regeneralodas = 3;
  v.Epit();
  TAllat& anya = v.Allat(0, 10, 10);
  anya.Nem = 2;
  anya.Eletkor = 5;
  anya.VemhesIdo = 1;
  anya.UtodSzam = 8;
  v.oko.Lepes();
  EXPECT_EQ(f.Egyedek.Darab(), 9);
  EXPECT_EQ(Szomszedok(v.oko, 0, 10, 10), 8);
  const TAllat& m = *v.oko.AllatAMezon(10, 10, 0);
  EXPECT_EQ(m.UtodSzam, 0);
  EXPECT_EQ(m.VemhesIdo, 0);
  EXPECT_EQ(m.RegenIdo, 2);
  for (int i = 1; i < 9; ++i) {
    EXPECT_EQ(f.Egyedek[i].Eletkor, 1);  // the young took their first step
    EXPECT_EQ(f.Egyedek[i].Nem, 0);
  }
  InvariansokEllenorzese(v.oko);
}

TEST(Szules, ClosedNeighboursCostTheirYoung) {
  TVilag v;
  v.Noveny("kő");
  TAllatFaj& f = Helyben(v, "nyúl");
  f.Vemhes = 1;
  f.SzuloSugar = 1;
  f.NovenyUtkozes = {0};
  v.Epit();
  v.Noveny(0, 9, 9, 1);
  v.Noveny(0, 9, 10, 1);
  v.Noveny(0, 11, 11, 1);
  TAllat& anya = v.Allat(0, 10, 10);
  anya.Nem = 2;
  anya.Eletkor = 5;
  anya.VemhesIdo = 3;
  anya.UtodSzam = 8;
  v.oko.Lepes();
  EXPECT_EQ(f.Egyedek.Darab(), 6);
  EXPECT_EQ(Szomszedok(v.oko, 0, 10, 10), 5);
}

TEST(Szules, NoPregnancyLengthGivesBirthEveryStep) {
  TVilag v;
  TAllatFaj& f = Helyben(v, "nyúl");
  f.SzuloSugar = 1;
  f.Vemhes = 0;
  v.Epit();
  TAllat& anya = v.Allat(0, 10, 10);
  anya.Nem = 2;
  anya.Eletkor = 5;
  v.oko.Lepes();
  EXPECT_EQ(f.Egyedek.Darab(), 9);
  EXPECT_EQ(v.oko.AllatAMezon(10, 10, 0)->UtodSzam, 0);
}

TEST(Szules, HungryMotherLosesThePregnancy) {
  TVilag v;
  TAllatFaj& f = Helyben(v, "nyúl");
  f.Vemhes = 10;
  f.Jollakottsag = 5;
  v.Epit();
  TAllat& anya = v.Allat(0, 10, 10);
  anya.Nem = 2;
  anya.Eletkor = 4;
  anya.Ehezes = 5;
  anya.UtodSzam = 3;
  anya.VemhesIdo = 2;
  v.oko.Lepes();
  const TAllat& m = f.Egyedek[0];
  EXPECT_EQ(m.UtodSzam, 0);
  EXPECT_EQ(m.VemhesIdo, 0);
  EXPECT_EQ(m.Ehezes, 6);
}

TEST(Ivar, MaturityZeroSexesRandomAnimalsButNeverNewborns) {
  TVilag v(50, 9);
  TAllatFaj& f = Helyben(v, "nyúl");
  f.Kor = 100;
  f.Ehes = 100;
  f.PopulacioMeret = 30;
  v.oko.Alkalmaz();
  for (const auto& a : f.Egyedek.Elemek()) EXPECT_GE(a.Nem, 1);
  v.oko.AllatFajUrit();
  v.oko.AllatLetrehozasa(0, 5, 5, TLetrehozas::Ujszulott);
  for (int i = 0; i < 5; ++i) v.oko.Lepes();
  EXPECT_EQ(f.Egyedek[0].Nem, 0);
  EXPECT_EQ(f.Egyedek[0].Eletkor, 5);
}

TEST(Ivar, SexIsDrawnWhenTheAgeReachesMaturity) {
  TVilag v;
  TAllatFaj& f = Helyben(v, "nyúl");
  f.Ivarerettseg = 3;
  v.Epit();
  v.Allat(0, 5, 5).Eletkor = 1;
  v.oko.Lepes();
  EXPECT_EQ(f.Egyedek[0].Nem, 0);
  v.oko.Lepes();
  EXPECT_GE(f.Egyedek[0].Nem, 1);
}

TEST(Taplalkozas, NoAppetiteMeansNoFeedingAndNoHunger) {
  TVilag v;
  v.Noveny("fű", 10);
  TAllatFaj& f = v.NyugodtAllat("nyúl");
  f.SetMozgasHossz(8);
  f.Predak.SetNovenyPredak({{0}});
  v.Epit();
  for (int s = 8; s <= 12; ++s)
    for (int c = 8; c <= 12; ++c) v.Noveny(0, s, c, 10);
  v.Allat(0, 10, 10);
  v.oko.Lepes();
  EXPECT_EQ(f.Egyedek[0].Ehezes, 0);
  EXPECT_EQ(v.oko.NovenyFaj(0).OsszTomeg, 250);
  EXPECT_FALSE(f.Egyedek[0].Sor == 10 && f.Egyedek[0].Oszlop == 10);  // it still moved
}

TEST(Taplalkozas, OnlyTheLastProbedCellFeedsWhenTheBudgetRunsOut) {
  TVilag v(50, 5);
  TAllatFaj& preda = Helyben(v, "egér");
  TAllatFaj& ragadozo = v.NyugodtAllat("róka");
  ragadozo.SetMozgasHossz(8);
  ragadozo.Jollakottsag = 100;
  ragadozo.Predak.SetAllatPredak({{0}});
  v.Epit();
  for (int ds = -1; ds <= 1; ++ds)
    for (int dc = -1; dc <= 1; ++dc)
      if (ds || dc) v.Allat(0, 10 + ds, 10 + dc);
  v.Allat(1, 10, 10);
  v.oko.Lepes();
  EXPECT_EQ(preda.Egyedek.Darab(), 7);
  const TAllat& r = ragadozo.Egyedek[0];
  EXPECT_NE(std::make_pair(r.Sor, r.Oszlop), std::make_pair(10, 10));
  EXPECT_EQ(v.oko.AllatAMezon(r.Sor, r.Oszlop, 0), nullptr);  // moved to where it ate
  EXPECT_EQ(r.Ehezes, 1);
}

TEST(Taplalkozas, OwnSpeciesIsNeverEaten) {
  TVilag v(50, 5);
  TAllatFaj& f = v.NyugodtAllat("róka");
  f.SetMozgasHossz(8);
  f.Jollakottsag = 1;
  f.Predak.SetAllatPredak({{0}});
  v.Epit();
  for (int ds = -1; ds <= 1; ++ds)
    for (int dc = -1; dc <= 1; ++dc) v.Allat(0, 10 + ds, 10 + dc);
  for (int i = 0; i < 3; ++i) v.oko.Lepes();
  EXPECT_EQ(f.Egyedek.Darab(), 9);
}

TEST(Taplalkozas, PreyDosesPassUpTheFoodChain) {
  TVilag v(50, 5);
  Helyben(v, "egér");
  TAllatFaj& ragadozo = Helyben(v, "héja");
  ragadozo.SetMozgasHossz(8);
  ragadozo.Jollakottsag = 1;
  ragadozo.Predak.SetAllatPredak({{0}});
  v.Epit();
  TAllat& preda = v.Allat(0, 11, 10);
  preda.PerDozis = 7;
  preda.DegDozis = 2;
  v.Allat(1, 10, 10);
  v.oko.Lepes();
  EXPECT_EQ(v.oko.AllatFaj(0).Egyedek.Darab(), 0);
  EXPECT_EQ(ragadozo.Egyedek[0].PerDozis, 7);
  EXPECT_EQ(ragadozo.Egyedek[0].DegDozis, 2);
  EXPECT_EQ(ragadozo.Egyedek[0].Sor, 11);
}

TEST(Taplalkozas, PreyNamedTwiceIsEatenOnce) {
  TVilag v(50, 5);
  Helyben(v, "egér");
  TAllatFaj& ragadozo = Helyben(v, "héja");
  ragadozo.SetMozgasHossz(8);
  ragadozo.Jollakottsag = 2;  // met by the prey counted twice in group 0
  ragadozo.Predak.SetAllatPredak({{0, 0}, {0}});
  v.Epit();
  v.Allat(0, 11, 10).Tomeg = 1;
  v.Allat(1, 10, 10);
  v.oko.Lepes();
  EXPECT_EQ(v.oko.AllatFaj(0).Egyedek.Darab(), 0);
  EXPECT_EQ(ragadozo.Egyedek[0].Ehezes, 1);  // only 1 of 2 eaten: still hungry
  InvariansokEllenorzese(v.oko);
}

TEST(Parzas, MaleFindsAFemaleReadyToMateAndHisDosesSetTheLitter) {
  for (int regen : {0, 2}) {
    TVilag v(50, 11);
    v.Noveny("kő");
    TAllatFaj& f = v.NyugodtAllat("nyúl");
    f.SetMozgasHossz(8);
    f.NovenyUtkozes = {0};
    f.Utod = 5;
    f.DegUtodMinusz = 50;
    f.Vemhes = 100;
    v.Epit();
    for (int ds = -1; ds <= 1; ++ds)
      for (int dc = 0; dc <= 2; ++dc)
        if (!(ds == 0 && dc <= 1)) v.Noveny(0, 10 + ds, 10 + dc, 1);
    TAllat& him = v.Allat(0, 10, 10);
    him.Nem = 1;
    him.Eletkor = 5;
    him.DegDozis = 2;
    TAllat& nosteny = v.Allat(0, 10, 11);
    nosteny.Nem = 2;
    nosteny.Eletkor = 5;
    nosteny.RegenIdo = regen;
    nosteny.DegDozis = 9;
    v.oko.Lepes();
    // She cannot move unless the male moved away first and freed his cell.
    const TAllat* n = v.oko.AllatAMezon(10, 11, 0);
    if (n == nullptr || n->Nem != 2) n = v.oko.AllatAMezon(10, 10, 0);
    ASSERT_NE(n, nullptr);
    ASSERT_EQ(n->Nem, 2);
    EXPECT_EQ(n->UtodSzam, regen == 0 ? (500 - 100) / 100 : 0) << "RegenIdo " << regen;
  }
}

TEST(Permet, DegradableSprayKillsOnlyInTheNextStep) {
  TVilag v(50, 13);
  TAllatFaj& f = Helyben(v, "nyúl");
  f.DegHatas = true;
  f.DegHatasfok = 100;
  f.PopulacioMeret = 20;
  v.oko.Alkalmaz();
  v.oko.DegPermetezes();
  v.oko.Lepes();
  EXPECT_EQ(f.Egyedek.Darab(), 0);
  EXPECT_FALSE(v.oko.DegPermet);
  EXPECT_FALSE(v.oko.PermetezesVolt);
  v.Allat(0, 3, 3);
  v.oko.Lepes();
  EXPECT_EQ(f.Egyedek.Darab(), 1);
}

TEST(Permet, PersistentSprayDosesGrazersUntilCleaned) {
  TVilag v(50, 17);
  v.Noveny("fű", 1000, 5);
  TAllatFaj& f = v.NyugodtAllat("nyúl");
  f.SetMozgasHossz(8);
  f.Jollakottsag = 1;
  f.PerHatas = true;
  f.Predak.SetNovenyPredak({{0}});
  v.Epit();
  for (int s = 0; s < 50; ++s)
    for (int c = 0; c < 50; ++c) v.Noveny(0, s, c, 500);
  v.oko.AllatFajUrit();
  v.Allat(0, 25, 25);
  v.oko.PerPermetezes();
  for (int i = 0; i < 10; ++i) v.oko.Lepes();
  EXPECT_TRUE(v.oko.PerPermet);
  EXPECT_EQ(f.Egyedek[0].PerDozis, 10);
  v.oko.Tisztit();
  v.oko.Lepes();
  EXPECT_EQ(f.Egyedek[0].PerDozis, 10);
  v.oko.Gyogyit();
  EXPECT_EQ(f.Egyedek[0].PerDozis, 0);
}

TEST(Permet, DosesShortenLives) {
  TVilag v;
  TAllatFaj& f = Helyben(v, "nyúl");
  f.Kor = 10;
  f.PerKorMinusz = 2;
  v.Epit();
  TAllat& a = v.Allat(0, 5, 5);
  a.Eletkor = 5;
  a.PerDozis = 3;  // lifespan 10 - 6 = 4 < 6
  v.oko.Lepes();
  EXPECT_EQ(f.Egyedek.Darab(), 0);
}

TEST(Novekedes, GrowthIsClampedAndReduced) {
  struct Eset {
    int novekmeny, tomeg, kezdo, deg, per, vart;
  };
  for (const Eset e : {Eset{3, 10, 9, -1, -1, 10}, Eset{3, 10, 4, 50, -1, 6}, Eset{3, 10, 4, 60, 60, 5},
                       Eset{3, 10, 0, 80, 80, 0}, Eset{3, 10, 10, -1, -1, 10}}) {
    TVilag v;
    TNovenyFaj& p = v.Noveny("fű", e.tomeg, e.novekmeny);
    p.DegHatas = e.deg >= 0;
    p.DegNovMinusz = e.deg;
    p.PerHatas = e.per >= 0;
    p.PerNovMinusz = e.per;
    v.Epit();
    v.Noveny(0, 3, 3, e.kezdo);
    v.oko.Lepes();
    EXPECT_EQ(p.Egyedek[0].Tomeg, e.kezdo == 4 && e.deg == 50 ? 6 : e.vart) << e.kezdo << " " << e.deg;
  }
}

TEST(Novekedes, InhibitingAnimalStopsGrowthButTheMassStillCounts) {
  TVilag v;
  TNovenyFaj& p = v.Noveny("fű", 10, 3);
  p.AllatGatlas = {0, 5};
  Helyben(v, "tehén");
  v.Epit();
  v.Noveny(0, 3, 3, 4);
  v.Noveny(0, 4, 4, 4);
  v.Allat(0, 3, 3);
  v.oko.Lepes();
  EXPECT_EQ(p.Egyedek[0].Tomeg, 4);
  EXPECT_EQ(p.Egyedek[1].Tomeg, 7);
  EXPECT_EQ(p.OsszTomeg, 11);
  EXPECT_EQ(v.oko.NovenyLetszam.Ertek(0, 0), 11.0f);
}

TEST(Novekedes, WeightedDrawActsOnEveryPlantExactlyOnce) {
  TVilag v(50, 23);
  TNovenyFaj& a = v.Noveny("fű", 100, 1);
  TNovenyFaj& b = v.Noveny("here", 100, 1);
  v.Epit();
  for (int i = 0; i < 900; ++i) v.Noveny(0, i / 50, i % 50, 0);
  for (int i = 0; i < 100; ++i) v.Noveny(1, 30 + i / 50, i % 50, 0);
  v.oko.Lepes();
  for (const auto& p : a.Egyedek.Elemek()) ASSERT_EQ(p.Tomeg, 1);
  for (const auto& p : b.Egyedek.Elemek()) ASSERT_EQ(p.Tomeg, 1);
  EXPECT_EQ(a.OsszTomeg, 900);
  EXPECT_EQ(b.OsszTomegValos, 100.0f);
}

TEST(Novekedes, SprayDeathDrawsBothChancesForPlants) {
  TVilag v(50, 29);
  TNovenyFaj& p = v.Noveny("fű", 10, 1);
  p.DegHatas = true;
  p.PerHatas = true;
  p.DegHatasfok = 0;
  p.PerHatasfok = 0;
  v.Epit();
  v.Noveny(0, 1, 1, 5);
  v.oko.DegPermetezes();
  v.oko.PerPermetezes();
  TVeletlen varhato(v.veletlen.Mag());
  varhato.Random(1);    // the plant species draw
  varhato.Random(100);  // degradable
  varhato.Random(100);  // persistent
  varhato.Random(1);    // the species is done
  v.oko.Lepes();
  EXPECT_EQ(v.veletlen.Mag(), varhato.Mag());
  EXPECT_EQ(p.Egyedek.Darab(), 1);
}

TEST(Felvetel, EmptyWorldDrawsNothingAndRecordsZeros) {
  TVilag v(50, 31);
  v.Noveny("fű");
  v.NyugodtAllat("nyúl");
  v.Epit();
  const uint32_t mag = v.veletlen.Mag();
  v.oko.Lepes();
  EXPECT_EQ(v.veletlen.Mag(), mag);
  EXPECT_EQ(v.oko.NovenyLetszam.Hossz(), 1);
  EXPECT_EQ(v.oko.NovenyLetszam.Ertek(0, 0), 0.0f);
  EXPECT_EQ(v.oko.AllatLetszam.Ertek(0, 0), 0.0f);
  EXPECT_EQ(v.oko.Ido, 1);
}

TEST(Felvetel, CapacityGrowsInBlocksOfAThousand) {
  TVilag v(50);
  v.Noveny("fű");
  v.Epit();
  for (int i = 0; i < 1001; ++i) v.oko.Lepes();
  EXPECT_EQ(v.oko.NovenyLetszam.Kapacitas(), 2000);
  EXPECT_EQ(v.oko.NovenyLetszam.Hossz(), 1001);
  EXPECT_EQ(v.oko.Ido, 1001);
}

TEST(Felvetel, AgePyramidCountsByAgeAndSex) {
  TVilag v(50, 37);
  Helyben(v, "nyúl");
  v.Epit();
  v.Allat(0, 1, 1).Nem = 1;  // age 0 -> 1 after the step: class 0
  TAllat& b = v.Allat(0, 2, 2);
  b.Nem = 2;
  b.Eletkor = 4;
  v.Allat(0, 3, 3).Nem = 7;  // not counted, no draw
  v.Allat(0, 4, 4).Eletkor = 2;  // undecided: one draw
  v.oko.Lepes();
  EXPECT_EQ(v.oko.Korfa.Ertek(0, 0, 0), 1);
  EXPECT_EQ(v.oko.Korfa.Ertek(0, 1, 4), 1);
  EXPECT_EQ(v.oko.Korfa.Ertek(0, 0, 2) + v.oko.Korfa.Ertek(0, 1, 2), 1);
  EXPECT_EQ(v.oko.Korfa.Hossz(0), 5);
  EXPECT_EQ(v.oko.AllatLetszam.Ertek(0, 0), 4.0f);
}

TEST(Lepteto, FurtherRunsExactlyTheChosenTicks) {
  TVilag v(50);
  v.Epit();
  TLepteto l;
  bool fut = false;
  int kiirt = -1;
  l.StartStop = [&] { fut = !fut; };
  l.IdoKiirasa = [&](int32_t ido) { kiirt = ido; };
  l.Tovabb(1);
  EXPECT_TRUE(fut);
  l.Tikk(v.oko);
  EXPECT_FALSE(fut);
  EXPECT_EQ(kiirt, 1);
  EXPECT_EQ(l.HatralevoTikkek, -1);
  l.Tovabb(100);
  for (int i = 0; i < 30; ++i) l.Tikk(v.oko);
  l.StartStop();  // Stop by the user
  EXPECT_EQ(l.HatralevoTikkek, 70);
  l.StartStop();  // Start again
  int tikk = 0;
  while (fut) {
    l.Tikk(v.oko);
    ++tikk;
  }
  EXPECT_EQ(tikk, 70);
  EXPECT_EQ(v.oko.Ido, 101);
}

TEST(Kereses, HugeRadiiAreBoundedByTheWorld) {
  TVilag v(50, 41);
  v.Noveny("fű", 10, 1);
  TAllatFaj& f = v.NyugodtAllat("nyúl");
  f.SetMozgasHossz(2000000000);
  f.SzuloSugar = 2000000000;
  f.Jollakottsag = 5;
  f.Utod = 3;
  f.Predak.SetNovenyPredak({{0}});
  v.Epit();
  TAllat& him = v.Allat(0, 10, 10);
  him.Nem = 1;
  him.Eletkor = 3;
  TAllat& anya = v.Allat(0, 30, 30);
  anya.Nem = 2;
  anya.Eletkor = 3;
  anya.UtodSzam = 3;
  anya.VemhesIdo = 2000000000;
  v.oko.Lepes();
  // Mating, feeding and moving of the parents, one birth search, feeding and
  // moving of three young: each search reaches ring L - 1 at most.
  const uint64_t korlat = 12 * static_cast<uint64_t>(v.tabla.KorMeret(49) - 1);
  EXPECT_LE(v.oko.Probak(), korlat);
  EXPECT_EQ(f.Egyedek.Darab(), 5);  // both searches found room: three young born
  InvariansokEllenorzese(v.oko);
}

TEST(Kereses, NegativeRadiusGivesAnEmptySearch) {
  TVilag v(50, 43);
  TAllatFaj& f = Helyben(v, "nyúl");
  f.SzuloSugar = -4;
  v.Epit();
  TAllat& anya = v.Allat(0, 10, 10);
  anya.Nem = 2;
  anya.UtodSzam = 2;
  anya.VemhesIdo = 5;
  f.Vemhes = 1;
  v.oko.Lepes();
  EXPECT_EQ(f.Egyedek.Darab(), 1);
  EXPECT_EQ(v.oko.Probak(), 0u);
}
