#include "core/kereso_tabla.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/hibak.h"

using namespace zelvaris;

TEST(KeresoTabla, RingAndDiscSizes) {
  TKeresoTabla t;
  const int64_t gyuru[] = {1, 8, 12, 24, 36, 52, 36, 40, 68, 60, 72, 64};
  const int64_t kor[] = {1, 9, 21, 45, 81, 133, 169, 209, 277, 337, 409, 473};
  for (int r = 0; r < 12; ++r) {
    EXPECT_EQ(t.GyuruMeret(r), gyuru[r]) << "radius " << r;
    EXPECT_EQ(t.KorMeret(r), kor[r]) << "radius " << r;
  }
  EXPECT_EQ(t.KorMeret(-1), 0);
}

TEST(KeresoTabla, RingOrders) {
  TKeresoTabla t;
  const TEltolas egy[] = {{1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(t.Elem(1, i), egy[i]) << i;
  const TEltolas ketto[] = {{1, 2}, {2, 1}, {2, 0}, {2, -1}, {1, -2}, {0, -2},
                            {-1, -2}, {-2, -1}, {-2, 0}, {-2, 1}, {-1, 2}, {0, 2}};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(t.Elem(2, i), ketto[i]) << i;
  EXPECT_EQ(t.Elem(0, 0), (TEltolas{0, 0}));
}

TEST(KeresoTabla, RingFourRepeatsCellsAsBuilt) {
  TKeresoTabla t;
  int harom = 0;
  for (int i = 0; i < t.GyuruMeret(4); ++i)
    if (t.Elem(4, i) == TEltolas{3, 3}) ++harom;
  EXPECT_EQ(harom, 2);
  std::set<std::pair<int, int>> gyuru3;
  for (int i = 0; i < t.GyuruMeret(3); ++i) gyuru3.insert({t.Elem(3, i).x, t.Elem(3, i).y});
  EXPECT_TRUE(gyuru3.count({3, 2}));
  bool van32 = false;
  for (int i = 0; i < t.GyuruMeret(4); ++i) van32 |= t.Elem(4, i) == TEltolas{3, 2};
  EXPECT_TRUE(van32);
}

TEST(KeresoTabla, RingsCoverEveryCellAndStayWithinTheirRadius) {
  TKeresoTabla t;
  std::set<std::pair<int, int>> lefedett;
  for (int r = 0; r <= 30; ++r) {
    for (int i = 0; i < t.GyuruMeret(r); ++i) {
      const TEltolas e = t.Elem(r, i);
      EXPECT_LE(std::max(std::abs(e.x), std::abs(e.y)), r);
      lefedett.insert({e.x, e.y});
    }
  }
  for (int x = -21; x <= 21; ++x)
    for (int y = -21; y <= 21; ++y)
      if (x * x + y * y <= 21 * 21) {
        EXPECT_TRUE(lefedett.count({x, y})) << x << "," << y;
      }
}

TEST(KeresoTabla, EntryOutsideTheRingIsAnErrorWithTheUsersMessage) {
  TKeresoTabla t;
  try {
    t.Elem(1, 8);
    FAIL() << "no error";
  } catch (const TKeresoHiba& h) {
    EXPECT_STREQ(h.what(), "A teljes körhöz nem tartozik 8 elem, csak 8 elem a(z) 1 sugárnál.");
  }
}

TEST(KeresoTabla, RadiusFromBudget) {
  TKeresoTabla t;
  EXPECT_EQ(t.SugarHosszbol(0), 0);
  EXPECT_EQ(t.SugarHosszbol(7), 0);
  EXPECT_EQ(t.SugarHosszbol(8), 1);
  EXPECT_EQ(t.SugarHosszbol(19), 1);
  EXPECT_EQ(t.SugarHosszbol(20), 2);
  EXPECT_EQ(t.SugarHosszbol(-5), 0);
}

TEST(KeresoTabla, HugeBudgetCountsRingsWithoutBuildingThem) {
  TKeresoTabla t;
  const int32_t r = t.SugarHosszbol(2000000000);
  EXPECT_GT(r, 20000);
  EXPECT_LE(t.KorMeret(r) - 1, 2000000000);
  EXPECT_GT(t.KorMeret(r + 1) - 1, 2000000000);
  EXPECT_LE(t.EpitettSorok(), 2);
}

TEST(KeresoTabla, BoundedDiscSizeStopsCounting) {
  TKeresoTabla t;
  EXPECT_EQ(t.KorMeretKorlatos(2, 100), 21);
  EXPECT_EQ(t.KorMeretKorlatos(2000000000, 1000), 1001);
  EXPECT_EQ(t.KorMeretKorlatos(-3, 1000), 0);
}

TEST(KeresoTabla, RingSizesAgreeWithTheBuiltRings) {
  TKeresoTabla t;
  for (int32_t r : {1, 2, 3, 4, 5, 17, 150, 999, 5000, 26000, 26300})
    EXPECT_EQ(t.GyuruMeret(r), 4 * static_cast<int64_t>(t.Negyed(r).size())) << "radius " << r;
}
