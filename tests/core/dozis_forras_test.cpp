// The dose history: what each step records, and when.

#include <gtest/gtest.h>

#include <limits>

#include "tesztvilag.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

// Recorded after the animal half-step: a prey eaten in the step is no longer
// counted and its doses are already the eater's; an empty species records 0;
// a species added later has zeros for the steps before it.
TEST(DozisForras, RecordsWhatTheLivingAnimalsCarryAfterTheAnimalHalfStep) {
  TVilag v(50, 5);
  TAllatFaj& preda = v.NyugodtAllat("egér");
  TAllatFaj& ragadozo = v.NyugodtAllat("héja");
  ragadozo.SetMozgasHossz(8);
  ragadozo.Jollakottsag = 1;
  ragadozo.Predak.SetAllatPredak({{0}});
  v.NyugodtAllat("üres");
  v.Epit();
  v.Allat(0, 11, 10).PerDozis = 40;
  TAllat& b = v.Allat(0, 30, 30);
  b.PerDozis = 1;
  b.DegDozis = 5;
  v.Allat(0, 40, 40).PerDozis = 2;
  v.Allat(1, 10, 10).DegDozis = 3;
  v.oko.Lepes();
  v.oko.Lepes();
  ASSERT_EQ(preda.Egyedek.Darab(), 2);
  const TDozisForras& d = v.oko.AllatDozis;
  for (int32_t k = 0; k < 2; ++k) {
    EXPECT_EQ(d.PerAtlag.Ertek(0, k), 1.5f);
    EXPECT_EQ(d.PerMax.Ertek(0, k), 2.0f);
    EXPECT_EQ(d.DegAtlag.Ertek(0, k), 2.5f);
    EXPECT_EQ(d.DegMax.Ertek(0, k), 5.0f);
    EXPECT_EQ(d.PerAtlag.Ertek(1, k), 40.0f);
    EXPECT_EQ(d.DegMax.Ertek(1, k), 3.0f);
    for (const TLetszamForras* t : {&d.DegAtlag, &d.DegMax, &d.PerAtlag, &d.PerMax})
      EXPECT_EQ(t->Ertek(2, k), 0.0f);
  }
  v.oko.UjAllatFaj("késői");
  v.oko.Lepes();
  EXPECT_EQ(d.Hossz(), v.oko.AllatLetszam.Hossz());
  EXPECT_EQ(d.PerMax.Kapacitas(), v.oko.AllatLetszam.Kapacitas());
  for (int32_t k = 0; k < 3; ++k) EXPECT_EQ(d.PerMax.Ertek(3, k), 0.0f);
}

TEST(DozisForras, HugeDosesDoNotOverflowTheMean) {
  TVilag v(50);
  v.NyugodtAllat("a");
  v.Epit();
  const int32_t legtobb = std::numeric_limits<int32_t>::max();
  const int32_t legkevesebb = std::numeric_limits<int32_t>::min();
  v.Allat(0, 1, 1).PerDozis = legtobb;
  v.Allat(0, 2, 2).PerDozis = legtobb;
  v.Allat(0, 3, 3).DegDozis = legkevesebb;
  const TDozisAllapot d = DozisAllapot(v.oko.AllatFaj(0));
  EXPECT_EQ(d.PerAtlag, static_cast<float>(legtobb / 3.0 * 2.0));
  EXPECT_EQ(d.PerMax, static_cast<float>(legtobb));
  EXPECT_EQ(d.DegMax, 0.0f);
  EXPECT_EQ(d.DegAtlag, static_cast<float>(legkevesebb / 3.0));
}

}  // namespace
