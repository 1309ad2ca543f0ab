#include <gtest/gtest.h>

#include "core/listak.h"
#include "core/veletlen.h"

using namespace zelvaris;

TEST(Veletlen, LinearCongruenceAndHighWord) {
  TVeletlen v(0);
  EXPECT_EQ(v.Random(2147483647), 0);  // seed 1
  EXPECT_EQ(v.Mag(), 1u);
  EXPECT_EQ(v.Random(100), 3);  // seed 134775814: 13477581400 >> 32
  EXPECT_EQ(v.Mag(), 134775814u);
}

TEST(Veletlen, EdgeArgumentsStillAdvanceTheSeed) {
  TVeletlen v(12345);
  EXPECT_EQ(v.Random(1), 0);
  EXPECT_EQ(v.Random(0), 0);
  EXPECT_EQ(v.Mag(), (12345u * 134775813u + 1u) * 134775813u + 1u);
  TVeletlen w(7);
  const uint32_t mag = 7u * 134775813u + 1u;
  const auto vart = static_cast<int32_t>(static_cast<uint32_t>((uint64_t{mag} * 0xFFFFFFFFu) >> 32));
  EXPECT_EQ(w.Random(-1), vart);
}

TEST(Veletlen, StaysBelowN) {
  TVeletlen v(99);
  for (int i = 0; i < 10000; ++i) {
    const int32_t x = v.Random(37);
    ASSERT_GE(x, 0);
    ASSERT_LT(x, 37);
  }
}

TEST(ListaSzovegek, FlatLists) {
  EXPECT_EQ(ListaSzovegge({2, 0, 7}), "2, 0, 7");
  EXPECT_EQ(ListaSzovegge({0}), "0");
  EXPECT_EQ(ListaSzovegge({}), "");
  EXPECT_EQ(SzovegbolLista("a-5 b7"), (TIdLista{5, 7}));
  EXPECT_EQ(SzovegbolLista("12,5"), (TIdLista{12, 5}));
  EXPECT_EQ(SzovegbolLista("1 - 2"), (TIdLista{1, 2}));
  EXPECT_EQ(SzovegbolLista(""), TIdLista{});
  EXPECT_EQ(SzovegbolLista("abc"), TIdLista{});
}

TEST(ListaSzovegek, Groups) {
  EXPECT_EQ(CsoportokSzovegge({{3, 4}, {1}}), "3/4, 1");
  EXPECT_EQ(CsoportokSzovegge({{3, 4}, {}}), "3/4, ");
  EXPECT_EQ(CsoportokSzovegge({{}, {1}}), "1");
  EXPECT_EQ(CsoportokSzovegge({}), "");
  EXPECT_EQ(SzovegbolCsoportok("3/4, 1"), (TCsoportok{{3, 4}, {1}}));
  EXPECT_EQ(SzovegbolCsoportok("3/4,,1"), (TCsoportok{{3, 4}, {1}}));
  EXPECT_EQ(SzovegbolCsoportok("3 4,,1"), (TCsoportok{{3, 4}, {1}}));
  EXPECT_EQ(SzovegbolCsoportok("3/4, "), (TCsoportok{{3, 4}}));
  EXPECT_EQ(SzovegbolCsoportok("1/2/3"), (TCsoportok{{1, 2, 3}}));
  EXPECT_EQ(SzovegbolCsoportok(", 5"), (TCsoportok{{5}}));
  EXPECT_EQ(SzovegbolCsoportok(""), TCsoportok{});
}

TEST(Kever, DrawsOncePerPositionButTheLast) {
  TVeletlen v(42), masolat(42);
  TIdLista lista{10, 11, 12, 13};
  Kever(lista, v);
  TIdLista vart{10, 11, 12, 13};
  for (int i = 0; i < 3; ++i) std::swap(vart[i], vart[i + masolat.Random(4 - i)]);
  EXPECT_EQ(lista, vart);
  EXPECT_EQ(v.Mag(), masolat.Mag());
  TIdLista egy{5};
  const uint32_t elotte = v.Mag();
  Kever(egy, v);
  EXPECT_EQ(v.Mag(), elotte);
}

TEST(Plafon, RoundsHalvesToEvenThenCeils) {
  EXPECT_EQ(Plafon(2.0f), 2);
  EXPECT_EQ(Plafon(2.1f), 3);
  EXPECT_EQ(Plafon(2.5f), 3);
  EXPECT_EQ(Plafon(2.7f), 3);
  EXPECT_EQ(Plafon(-0.5f), 0);
}

TEST(ListaSzovegek, TooLargeIdsAreFound) {
  EXPECT_EQ(TulnagySzam("1, 2147483647"), "");
  EXPECT_EQ(TulnagySzam("1/2147483648, 3"), "2147483648");
  EXPECT_EQ(TulnagySzam("x99999999999999999999999"), "99999999999999999999999");
  EXPECT_EQ(TulnagySzam(""), "");
}
