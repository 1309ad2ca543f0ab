#include "core/okoszisztema.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "core/hibak.h"
#include "tesztvilag.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

TEST(Fajok, NewSpeciesDefaults) {
  TVilag v;
  TAllatFaj& a = v.oko.UjAllatFaj("Nyúl");
  TNovenyFaj& p = v.oko.UjNovenyFaj("Fű");
  EXPECT_EQ(a.Szin(), FeherSzin);
  EXPECT_EQ(p.Szin(), Rgb(0, 128, 0));
  for (const TElolenyFaj* f : {static_cast<const TElolenyFaj*>(&a), static_cast<const TElolenyFaj*>(&p)}) {
    EXPECT_TRUE(f->Tkp());
    EXPECT_TRUE(f->Ngy());
    EXPECT_FALSE(f->DegHatas);
    EXPECT_FALSE(f->PerHatas);
    EXPECT_EQ(f->PopulacioMeret, 0);
  }
  EXPECT_EQ(a.MozgasHossz(), 0);
  EXPECT_EQ(a.Kor, 0);
  EXPECT_TRUE(a.Predak.AllatPredak().empty());
  EXPECT_EQ(a.MegjelenitettNev(), "Nyúl (0)");
  EXPECT_EQ(v.oko.AllatSorrend, (TIdLista{0}));
  EXPECT_EQ(v.oko.AllatLetszam.Sorokszama(), 1);
  EXPECT_EQ(v.oko.NovenyLetszam.Sorokszama(), 1);
  EXPECT_EQ(v.oko.Korfa.Sorokszama(), 1);
}

TEST(Fajok, NameLineBreaksBecomeBlanks) {
  TVilag v;
  TNovenyFaj& p = v.oko.UjNovenyFaj("a\r\nb");
  EXPECT_EQ(p.Nev(), "a  b");
}

TEST(Fajok, MovementBudgetAndRadiusStayConsistent) {
  TVilag v;
  TAllatFaj& a = v.oko.UjAllatFaj("x");
  a.SetMozgasSugar(1);
  EXPECT_EQ(a.MozgasHossz(), 8);
  a.SetMozgasHossz(20);
  EXPECT_EQ(a.MozgasSugar(), 2);
  EXPECT_EQ(a.MozgasPlusz(), 0);
  a.SetMozgasHossz(19);
  EXPECT_EQ(a.MozgasSugar(), 1);
  EXPECT_EQ(a.MozgasPlusz(), 11);
  a.SetMozgasHossz(8);
  EXPECT_EQ(a.MozgasSugar(), 1);
  a.SetMozgasSugar(2000000000);  // must not count rings for ever
  EXPECT_EQ(a.MozgasHossz(), 2147483647);
}

TEST(Fajok, ColourAndFlagSettersRedrawOnlyOnChange) {
  TVilag v;
  TNaploRajzolo naplo;
  v.oko.RajzoloBeallitasa(&naplo);
  TNovenyFaj& p = v.Noveny("fű");
  v.Epit();
  const int elotte = naplo.teljes;
  p.SetSzin(p.Szin());
  p.SetTkp(true);
  EXPECT_EQ(naplo.teljes, elotte);
  p.SetSzin(Rgb(1, 2, 3));
  EXPECT_EQ(naplo.teljes, elotte + 1);
  p.SetNgy(false);
  EXPECT_EQ(naplo.teljes, elotte + 2);
}

TEST(Alkalmaz, EmptyWorldIsDrawnOnceInFull) {
  TVilag v(60);
  TNaploRajzolo naplo;
  v.oko.RajzoloBeallitasa(&naplo);
  v.oko.UjNovenyFaj("fű");
  v.oko.UjAllatFaj("nyúl");
  EXPECT_TRUE(v.oko.Alkalmaz().empty());
  EXPECT_TRUE(v.oko.VanRacs());
  EXPECT_EQ(naplo.teljes, 1);
  EXPECT_EQ(naplo.pontok, 60 * 60);
  EXPECT_EQ(naplo.negyzetek, 40 * 40);
  EXPECT_EQ(naplo.ujraepites, 1);
  EXPECT_EQ(v.oko.NovenyFaj(0).Egyedek.Darab(), 0);
}

TEST(Alkalmaz, PlacesStartPopulationsWithTheirDraws) {
  TVilag v(50, 7);
  TNovenyFaj& p = v.Noveny("fű", 10);
  p.PopulacioMeret = 300;
  TAllatFaj& a = v.NyugodtAllat("nyúl");
  a.PopulacioMeret = 40;
  a.Kor = 20;
  a.Ehes = 5;
  a.Ivarerettseg = 8;
  // Replay the draws: plants first, then animals, re-drawing occupied cells.
  TVeletlen r(7);
  std::set<std::pair<int, int>> foglalt;
  std::vector<std::tuple<int, int, int>> novenyek;
  while (novenyek.size() < 300) {
    const int s = r.Random(50), o = r.Random(50);
    if (!foglalt.insert({s, o}).second) continue;
    novenyek.emplace_back(s, o, r.Random(10) + 1);
  }
  EXPECT_TRUE(v.oko.Alkalmaz().empty());
  ASSERT_EQ(p.Egyedek.Darab(), 300);
  for (int i = 0; i < 300; ++i) {
    EXPECT_EQ(p.Egyedek[i].Sor, std::get<0>(novenyek[i]));
    EXPECT_EQ(p.Egyedek[i].Oszlop, std::get<1>(novenyek[i]));
    EXPECT_EQ(p.Egyedek[i].Tomeg, std::get<2>(novenyek[i]));
  }
  const int s = r.Random(50), o = r.Random(50);
  const int kor = r.Random(20) + 1, ehezes = r.Random(5) + 1;
  EXPECT_EQ(a.Egyedek[0].Sor, s);
  EXPECT_EQ(a.Egyedek[0].Oszlop, o);
  EXPECT_EQ(a.Egyedek[0].Eletkor, kor);
  EXPECT_EQ(a.Egyedek[0].Ehezes, ehezes);
  EXPECT_EQ(a.Egyedek[0].Nem, kor >= 8 ? r.Random(2) + 1 : 0);
  InvariansokEllenorzese(v.oko);
}

TEST(Alkalmaz, StartCountAboveTheAdmissibleCellsStopsOrderly) {
  TVilag v(50);
  TNovenyFaj& p = v.Noveny("fű");
  p.PopulacioMeret = 3000;
  TAllatFaj& a = v.NyugodtAllat("nyúl");
  a.PopulacioMeret = 10;
  a.NovenyUtkozes = {0};
  TAllatFaj& b = v.NyugodtAllat("csiga");
  b.PopulacioMeret = -5;
  const auto hiany = v.oko.Alkalmaz();
  ASSERT_EQ(hiany.size(), 2u);
  EXPECT_FALSE(hiany[0].Allat);
  EXPECT_EQ(hiany[0].Kert, 3000);
  EXPECT_EQ(hiany[0].Elhelyezett, 2500);
  EXPECT_TRUE(hiany[1].Allat);
  EXPECT_EQ(hiany[1].Elhelyezett, 0);
  EXPECT_EQ(b.Egyedek.Darab(), 0);
}

TEST(Alkalmaz, RefusesAGridThatDoesNotFitAndKeepsTheWorld) {
  TVilag v(300);
  v.oko.UjNovenyFaj("fű");
  v.oko.ElerhetoMemoriaBeallitasa(150000);
  try {
    v.oko.Alkalmaz();
    FAIL() << "no error";
  } catch (const TMemoriaHiba& h) {
    EXPECT_GT(h.LegnagyobbOldal(), 100);
    EXPECT_LT(h.LegnagyobbOldal(), 300);
    EXPECT_NE(std::string(h.what()).find(std::to_string(h.LegnagyobbOldal())), std::string::npos);
  }
  EXPECT_FALSE(v.oko.VanRacs());
  EXPECT_EQ(v.oko.L(), 300);
}

namespace {

std::set<std::tuple<int, int, int>> Helyek(const TOkoszisztema& o) {
  std::set<std::tuple<int, int, int>> h;
  for (int f = 0; f < o.AllatFajokSzama(); ++f)
    for (const auto& a : o.AllatFaj(f).Egyedek.Elemek()) h.insert({f, a.Sor, a.Oszlop});
  for (int f = 0; f < o.NovenyFajokSzama(); ++f)
    for (const auto& p : o.NovenyFaj(f).Egyedek.Elemek()) h.insert({100 + f, p.Sor, p.Oszlop});
  return h;
}

void Benepesit(TVilag& v, int32_t l) {
  v.oko.Atmeretez(l);
  v.Noveny("fű").PopulacioMeret = 900;
  v.NyugodtAllat("nyúl").PopulacioMeret = 400;
  v.oko.Alkalmaz();
}

}  // namespace

TEST(Atmeretez, GrowingKeepsEveryone) {
  TVilag v(50);
  Benepesit(v, 50);
  const auto elotte = Helyek(v.oko);
  v.oko.Atmeretez(60);
  EXPECT_EQ(v.oko.L(), 60);
  EXPECT_EQ(Helyek(v.oko), elotte);
  InvariansokEllenorzese(v.oko);
  v.oko.Lepes();
  InvariansokEllenorzese(v.oko);
}

TEST(Atmeretez, ShrinkingRemovesExactlyThoseOutside) {
  TVilag v(60);
  Benepesit(v, 60);
  std::set<std::tuple<int, int, int>> marad;
  for (const auto& h : Helyek(v.oko))
    if (std::get<1>(h) < 50 && std::get<2>(h) < 50) marad.insert(h);
  v.oko.Atmeretez(50);
  EXPECT_EQ(Helyek(v.oko), marad);
  InvariansokEllenorzese(v.oko);
}

TEST(Atmeretez, BeforeTheGridOnlySetsTheSide) {
  TVilag v(300);
  v.oko.Atmeretez(70);
  EXPECT_EQ(v.oko.L(), 70);
  EXPECT_FALSE(v.oko.VanRacs());
}

TEST(Urites, EmptyingClearsIndividualsAndSprays) {
  TVilag v(50);
  Benepesit(v, 50);
  v.oko.DegPermetezes();
  v.oko.AllatFajUrit();
  EXPECT_EQ(v.oko.AllatFaj(0).Egyedek.Darab(), 0);
  EXPECT_EQ(v.oko.NovenyFaj(0).Egyedek.Darab(), 900);
  EXPECT_TRUE(v.oko.DegPermet);
  v.oko.OkoUrit();
  EXPECT_EQ(v.oko.NovenyFaj(0).Egyedek.Darab(), 0);
  EXPECT_FALSE(v.oko.DegPermet);
  EXPECT_FALSE(v.oko.PermetezesVolt);
  InvariansokEllenorzese(v.oko);
}

TEST(UjFaj, AddedAfterTheGridGetsASlotInEveryCell) {
  TVilag v(50);
  Benepesit(v, 50);
  v.oko.Lepes();
  TAllatFaj& uj = v.NyugodtAllat("róka");
  EXPECT_EQ(v.oko.AllatIndexAMezon(3, 4, uj.Id()), -1);
  EXPECT_EQ(v.oko.AllatLetszam.Ertek(uj.Id(), 0), 0.0f);
  v.Allat(uj.Id(), 3, 4);
  v.oko.Lepes();
  InvariansokEllenorzese(v.oko);
  EXPECT_EQ(v.oko.AllatLetszam.Ertek(uj.Id(), 1), 1.0f);
}

namespace {

std::vector<std::pair<int, int>> Goc(TVilag& v, int32_t sor, int32_t oszlop, int32_t db, int32_t ritkitas) {
  TNovenyFaj& p = v.oko.NovenyFaj(0);
  p.GocEgyedszam = db;
  p.GocRitkitas = ritkitas;
  const int32_t elotte = p.Egyedek.Darab();
  v.oko.GocBevitel({.Fajta = 1, .X = oszlop, .Y = sor, .Faj = 0});
  std::vector<std::pair<int, int>> h;
  for (int32_t i = elotte; i < p.Egyedek.Darab(); ++i) h.push_back({p.Egyedek[i].Sor, p.Egyedek[i].Oszlop});
  return h;
}

}  // namespace

TEST(GocBevitel, SpiralPositions) {
  TVilag v(50);
  v.Noveny("fű");
  v.Epit();
  EXPECT_EQ(Goc(v, 10, 10, 5, 0),
            (std::vector<std::pair<int, int>>{{9, 10}, {9, 11}, {10, 11}, {11, 11}, {11, 10}}));
  v.oko.NovenyFajUrit();
  EXPECT_EQ(Goc(v, 10, 10, 5, 1),
            (std::vector<std::pair<int, int>>{{9, 11}, {11, 11}, {11, 9}, {9, 9}, {8, 10}}));
  EXPECT_EQ(v.oko.NovenyFaj(0).Egyedek[0].Tomeg, 0);  // seedlings
  v.oko.NovenyFajUrit();
  EXPECT_EQ(Goc(v, 0, 5, 1, 0), (std::vector<std::pair<int, int>>{{49, 5}}));
}

TEST(GocBevitel, SkipsClosedCellsAndAnimalsAreAdults) {
  TVilag v(50, 3);
  v.Noveny("fű");
  TAllatFaj& a = v.NyugodtAllat("nyúl");
  a.Ivarerettseg = 6;
  v.Epit();
  v.Allat(0, 9, 10);
  a.GocEgyedszam = 2;
  a.GocRitkitas = 0;
  EXPECT_EQ(v.oko.GocBevitel({.Fajta = 0, .X = 10, .Y = 10, .Faj = 0}), 2);
  EXPECT_EQ(a.Egyedek[1].Sor, 9);
  EXPECT_EQ(a.Egyedek[1].Oszlop, 11);
  EXPECT_EQ(a.Egyedek[1].Eletkor, 7);
  EXPECT_GE(a.Egyedek[1].Nem, 1);
  EXPECT_EQ(a.Egyedek[2].Sor, 10);
}

TEST(GocBevitel, StopsWhenTheWorldIsFullOrClosed) {
  TVilag v(50);
  v.Noveny("fű");
  v.Epit();
  EXPECT_EQ(Goc(v, 5, 5, 100000, 0).size(), 2500u);
  EXPECT_EQ(Goc(v, 5, 5, 10, 0).size(), 0u);
  v.oko.NovenyFajUrit();
  EXPECT_LE(Goc(v, 5, 5, 100000, 7).size(), 2500u);
  InvariansokEllenorzese(v.oko);
}

TEST(Rajzolas, OnlyChangedCellsAreDrawnAndMarksAccumulateWhileOff) {
  TVilag v(50);
  TNaploRajzolo naplo;
  v.oko.RajzoloBeallitasa(&naplo);
  v.Noveny("fű");
  v.Epit();
  naplo.pontok = 0;
  Goc(v, 10, 10, 3, 0);
  EXPECT_EQ(naplo.pontok, 3);
  v.oko.SetRajzolhat(false);
  Goc(v, 20, 20, 2, 0);
  EXPECT_EQ(naplo.pontok, 3);
  EXPECT_TRUE(v.oko.Valtozott(19, 20));
  v.oko.SetRajzolhat(true);
  EXPECT_EQ(naplo.pontok, 3 + 2500);
  EXPECT_FALSE(v.oko.Valtozott(19, 20));
}

TEST(Rajzolas, WhatACellShows) {
  TVilag v(50);
  TNovenyFaj& fu = v.Noveny("fű");
  TNovenyFaj& here = v.Noveny("here");
  here.SetSzin(Rgb(0, 0, 200));
  TAllatFaj& nyul = v.NyugodtAllat("nyúl");
  nyul.SetSzin(Rgb(200, 0, 0));
  v.Epit();
  EXPECT_EQ(v.oko.TerkepSzin(1, 1), FeketeSzin);
  v.Noveny(0, 1, 1, 0);
  v.Noveny(1, 1, 1, 5);
  EXPECT_EQ(v.oko.TerkepSzin(1, 1), FeketeSzin);  // the topmost plant has mass 0
  v.oko.NovenySorrend = {1, 0};
  EXPECT_EQ(v.oko.TerkepSzin(1, 1), here.Szin());
  TAllat& a = v.Allat(0, 1, 1);
  a.Nem = 2;
  EXPECT_EQ(v.oko.TerkepSzin(1, 1), nyul.Szin());
  const auto t = v.oko.NagyitoTartalom(1, 1);
  EXPECT_EQ(t.Hatter, here.Szin());
  EXPECT_TRUE(t.VanAllat);
  EXPECT_EQ(t.Nem, 2);
  nyul.SetTkp(false);
  EXPECT_EQ(v.oko.TerkepSzin(1, 1), here.Szin());
  EXPECT_TRUE(v.oko.NagyitoTartalom(1, 1).VanAllat);
  fu.SetTkp(false);
  v.oko.NovenySorrend = {0, 1, 7, 1};  // unknown and repeated Ids are skipped
  EXPECT_EQ(v.oko.TerkepSzin(1, 1), here.Szin());
}

TEST(Rajzolas, MagnifierFrameFollowsTheMouseWithinTheMap) {
  TVilag v(300);
  v.Epit();
  v.oko.KeretMozgat(5, 5);
  EXPECT_EQ(v.oko.KeretBal(), 0);
  EXPECT_EQ(v.oko.KeretFelso(), 0);
  v.oko.KeretMozgat(299, 299);
  EXPECT_EQ(v.oko.KeretBal(), 260);
  EXPECT_EQ(v.oko.KeretFelso(), 260);
  v.oko.KeretMozgat(100, 120);
  EXPECT_EQ(v.oko.KeretBal(), 80);
  EXPECT_EQ(v.oko.KeretFelso(), 100);
}

TEST(Fajok, AnimalMassIsEveryLivingAnimalsMass) {
  TVilag v(50);
  TAllatFaj& f = v.NyugodtAllat("nyúl");
  v.Epit();
  v.Allat(0, 1, 1);
  v.Allat(0, 2, 2);
  f.SetTomeg(9);
  for (const auto& a : f.Egyedek.Elemek()) EXPECT_EQ(a.Tomeg, 9);
  EXPECT_EQ(v.oko.AllatLetrehozasa(0, 3, 3, TLetrehozas::Ujszulott), 2);
  EXPECT_EQ(f.Egyedek[2].Tomeg, 9);
}

TEST(Korfa, HugeAgesAreCountedWithoutWalkingEmptyClasses) {
  TKorfaForras k;
  k.SorokBeallitasa(1);
  k.Hozzaad(0, 0, 3);
  k.Hozzaad(0, 1, 2000000000);
  k.Hozzaad(0, 1, 70000);
  EXPECT_EQ(k.Hossz(0), 2000000000);
  EXPECT_EQ(k.UtolsoNemUres(0), 1999999999);
  EXPECT_EQ(k.Osszeg(0, 1, 0, 2000000000), 2);
  EXPECT_EQ(k.Osszeg(0, 1, 69999, 69999), 1);
  EXPECT_EQ(k.Osszeg(0, 0, 0, 10), 1);
  k.Alaphelyzet();
  EXPECT_EQ(k.UtolsoNemUres(0), -1);
  EXPECT_EQ(k.Hossz(0), 2000000000);
  EXPECT_EQ(k.Ertek(0, 1, 69999), 0);
}

TEST(UjFaj, ASpeciesWhoseSlotsDoNotFitIsRefusedAndNothingChanges) {
  TVilag v(300);
  v.Noveny("fű");
  v.Epit();
  v.oko.ElerhetoMemoriaBeallitasa(1000);
  EXPECT_THROW(v.oko.UjAllatFaj("nyúl"), TMemoriaHiba);
  EXPECT_EQ(v.oko.AllatFajokSzama(), 0);
  EXPECT_TRUE(v.oko.AllatSorrend.empty());
  EXPECT_EQ(v.oko.AllatLetszam.Sorokszama(), 0);
  v.oko.ElerhetoMemoriaBeallitasa(std::nullopt);
  v.oko.UjAllatFaj("nyúl");
  v.oko.Lepes();
}
