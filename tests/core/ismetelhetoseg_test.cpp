// A rich small world run twice from one seed must give the same world in
// every individual, and the grid's invariants must hold after every step.

#include <gtest/gtest.h>

#include "tesztvilag.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

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
