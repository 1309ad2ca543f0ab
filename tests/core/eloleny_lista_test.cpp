#include "core/egyedek.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zelvaris;

namespace {

TElolenyList<TNoveny> Lista(int n) {
  TElolenyList<TNoveny> l;
  for (int i = 0; i < n; ++i) l.Hozzaad(TNoveny{i, 0, 0});
  return l;
}

std::vector<int> Sorrend(const TElolenyList<TNoveny>& l) {
  std::vector<int> s;
  for (const auto& e : l.Elemek()) s.push_back(e.Sor);
  return s;
}

}  // namespace

TEST(ElolenyLista, RemovingAnAlreadySteppedAnimalKeepsTheRestBehindTheCursor) {
  auto l = Lista(6);  // 0..5; 0, 1, 2 have stepped
  l.Kurzor = 3;
  std::vector<int> athelyezve;
  l.Kivesz(1, true, [&](int32_t j) { athelyezve.push_back(j); });
  EXPECT_EQ(Sorrend(l), (std::vector<int>{0, 2, 5, 3, 4}));
  EXPECT_EQ(l.Kurzor, 2);
  EXPECT_EQ(athelyezve, (std::vector<int>{1, 2}));
  // Not yet stepped: 5, 3, 4 — each acts once from index 2 on.
}

TEST(ElolenyLista, RemovingTheLastSteppedOne) {
  auto l = Lista(5);
  l.Kurzor = 3;
  l.Kivesz(2, true, [](int32_t) {});
  EXPECT_EQ(Sorrend(l), (std::vector<int>{0, 1, 4, 3}));
  EXPECT_EQ(l.Kurzor, 2);
}

TEST(ElolenyLista, RemovingOneNotYetSteppedOrAPlantTakesTheLast) {
  auto l = Lista(5);
  l.Kurzor = 2;
  l.Kivesz(3, true, [](int32_t) {});
  EXPECT_EQ(Sorrend(l), (std::vector<int>{0, 1, 2, 4}));
  EXPECT_EQ(l.Kurzor, 2);
  auto p = Lista(5);
  p.Kurzor = 3;
  p.Kivesz(0, false, [](int32_t) {});
  EXPECT_EQ(Sorrend(p), (std::vector<int>{4, 1, 2, 3}));
  EXPECT_EQ(p.Kurzor, 3);
}

TEST(ElolenyLista, CursorAtTheEndMovesTheLastAndShrinksTheCursor) {
  auto l = Lista(4);
  l.Kurzor = 4;  // everyone stepped: the plain rule applies
  l.Kivesz(1, true, [](int32_t) {});
  EXPECT_EQ(Sorrend(l), (std::vector<int>{0, 3, 2}));
  EXPECT_EQ(l.Kurzor, 3);
  l.Kivesz(2, true, [](int32_t) {});
  EXPECT_EQ(l.Kurzor, 2);
  EXPECT_EQ(l.Kapacitas(), 4);
}
