// A rich small world run twice from one seed must give the same world in
// every individual, and the grid's invariants must hold after every step.

#include <gtest/gtest.h>

#include "tesztvilag.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

void GazdagVilag(TVilag& v) {
  TNovenyFaj& fu = v.Noveny("fű", 20, 3);
  fu.PopulacioMeret = 1500;
  fu.AllatGatlas = {2};
  TNovenyFaj& bokor = v.Noveny("bokor", 60, 2);
  bokor.PopulacioMeret = 300;
  bokor.NovenyUtkozes = {0};
  bokor.DegHatas = true;
  bokor.DegNovMinusz = 40;
  auto legelo = [&](const char* nev, int32_t db) -> TAllatFaj& {
    TAllatFaj& f = v.oko.UjAllatFaj(nev);
    f.PopulacioMeret = db;
    f.SetTomeg(4);
    f.Kor = 60;
    f.Vemhes = 4;
    f.Ivarerettseg = 8;
    f.Regeneralodas = 3;
    f.SzuloSugar = 2;
    f.Utod = 4;
    f.Ehes = 6;
    f.Jollakottsag = 6;
    f.SetMozgasHossz(20);
    f.Predak.SetNovenyPredak({{0, 1}, {1}});
    return f;
  };
  TAllatFaj& nyul = legelo("nyúl", 120);
  nyul.DegHatas = true;
  nyul.DegHatasfok = 30;
  nyul.DegKorMinusz = 2;
  TAllatFaj& szarvas = legelo("szarvas", 60);
  szarvas.NovenyUtkozes = {1};
  szarvas.PerHatas = true;
  szarvas.PerUtodMinusz = 20;
  TAllatFaj& roka = v.oko.UjAllatFaj("róka");
  roka.PopulacioMeret = 20;
  roka.SetTomeg(10);
  roka.Kor = 120;
  roka.Vemhes = 6;
  roka.Ivarerettseg = 15;
  roka.Regeneralodas = 5;
  roka.SzuloSugar = 1;
  roka.Utod = 3;
  roka.Ehes = 12;
  roka.Jollakottsag = 8;
  roka.SetMozgasHossz(45);
  roka.Predak.SetAllatPredak({{0, 1, 0}, {1, 9}});
  roka.AllatUtkozes = {1};
}

std::vector<int32_t> Pillanat(const TOkoszisztema& o) {
  std::vector<int32_t> s;
  for (int32_t f = 0; f < o.AllatFajokSzama(); ++f)
    for (const TAllat& a : o.AllatFaj(f).Egyedek.Elemek())
      s.insert(s.end(), {a.Sor, a.Oszlop, a.Tomeg, a.Nem, a.Eletkor, a.Evett, a.Ehezes, a.VemhesIdo,
                         a.UtodSzam, a.RegenIdo, a.DegDozis, a.PerDozis});
  for (int32_t f = 0; f < o.NovenyFajokSzama(); ++f)
    for (const TNoveny& p : o.NovenyFaj(f).Egyedek.Elemek()) s.insert(s.end(), {p.Sor, p.Oszlop, p.Tomeg});
  return s;
}

}  // namespace

TEST(Ismetelhetoseg, SameSeedSameWorldAndInvariantsHold) {
  TVilag a(60, 2024), b(60, 2024);
  GazdagVilag(a);
  GazdagVilag(b);
  a.oko.Alkalmaz();
  b.oko.Alkalmaz();
  for (int lepes = 1; lepes <= 300; ++lepes) {
    if (lepes % 50 == 10) {
      a.oko.DegPermetezes();
      b.oko.DegPermetezes();
    }
    if (lepes == 100) {
      a.oko.PerPermetezes();
      b.oko.PerPermetezes();
    }
    a.oko.Lepes();
    b.oko.Lepes();
    ASSERT_NO_FATAL_FAILURE(InvariansokEllenorzese(a.oko)) << "step " << lepes;
    ASSERT_EQ(Pillanat(a.oko), Pillanat(b.oko)) << "step " << lepes;
    ASSERT_EQ(a.veletlen.Mag(), b.veletlen.Mag());
  }
  int32_t eletben = 0;
  for (int32_t f = 0; f < a.oko.AllatFajokSzama(); ++f) eletben += a.oko.AllatFaj(f).Egyedek.Darab();
  EXPECT_GT(eletben, 0) << "the test world died out and checks little";
}
