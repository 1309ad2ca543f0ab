// The drawing passes against what every cell shows: incremental passes after
// steps must leave the picture a full redraw would give, and a full redraw of
// a map painted in several bands must match cell by cell.

#include <gtest/gtest.h>

#include <vector>

#include "tesztvilag.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

// Keeps the map and the magnifier as the sink was told to paint them.
struct TKepRajzolo : TRajzolo {
  struct TNegyzet {
    TSzin hatter = -1;
    bool vanAllat = false;
    int32_t nem = -1;
    TSzin allatSzin = -1;
    bool operator==(const TNegyzet&) const = default;
  };
  int64_t oldal = 0;
  std::vector<TSzin> terkep;
  std::vector<TNegyzet> nagyito = std::vector<TNegyzet>(TOkoszisztema::KeretMeret * TOkoszisztema::KeretMeret);

  void KepekUjraepitese(int64_t l, bool) override {
    oldal = l;
    terkep.assign(static_cast<size_t>(l * l), -1);
  }
  void RajzolasKezdete(bool) override {}
  void RajzolasVege() override {}
  void TerkepPont(int64_t oszlop, int64_t sor, TSzin szin) override {
    terkep[static_cast<size_t>(sor * oldal + oszlop)] = szin;
  }
  void NagyitoNegyzet(int32_t oszlop, int32_t sor, TSzin hatter, bool vanAllat, int32_t nem,
                      TSzin allatSzin) override {
    nagyito[static_cast<size_t>(sor * TOkoszisztema::KeretMeret + oszlop)] = {
        hatter, vanAllat, vanAllat ? nem : 0, vanAllat ? allatSzin : 0};
  }
};

// Compares the painted picture with each cell's own rule; returns the number
// of differing map pixels and magnifier squares.
int Elteresek(const TOkoszisztema& o, const TKepRajzolo& k) {
  int elteres = 0;
  for (int32_t sor = 0; sor < o.L(); ++sor)
    for (int32_t oszlop = 0; oszlop < o.L(); ++oszlop)
      elteres += k.terkep[static_cast<size_t>(sor * o.L() + oszlop)] != o.TerkepSzin(sor, oszlop);
  for (int32_t sor = 0; sor < TOkoszisztema::KeretMeret; ++sor)
    for (int32_t oszlop = 0; oszlop < TOkoszisztema::KeretMeret; ++oszlop) {
      const auto t = o.NagyitoTartalom(static_cast<int32_t>(o.KeretFelso() + sor),
                                       static_cast<int32_t>(o.KeretBal() + oszlop));
      const TKepRajzolo::TNegyzet vart{t.Hatter, t.VanAllat, t.VanAllat ? t.Nem : 0,
                                       t.VanAllat ? t.AllatSzin : 0};
      elteres += !(k.nagyito[static_cast<size_t>(sor * TOkoszisztema::KeretMeret + oszlop)] == vart);
    }
  return elteres;
}

}  // namespace

TEST(Rajzolas, PassesAfterStepsKeepThePictureOfEveryCell) {
  TVilag v(60, 3);
  GazdagVilag(v);
  // Fast growth and heavy grazing take plants to mass 0 and back every few
  // steps; a hidden species and a repeated or unknown Id in the orders test
  // the layering.
  v.oko.NovenyFaj(0).Novekmeny = 7;
  v.oko.AllatFaj(0).Jollakottsag = 40;
  v.oko.AllatFaj(1).SetTkp(false);
  v.oko.NovenyFaj(1).SetNgy(false);
  v.oko.NovenySorrend = {1, 5, 0, 1};
  v.oko.AllatSorrend = {2, 0, 1, 2};
  TKepRajzolo kep;
  v.oko.RajzoloBeallitasa(&kep);
  v.oko.TkpRajzol = true;
  v.oko.NgyRajzol = true;
  v.oko.Alkalmaz();
  v.oko.KeretMozgat(15, 45);
  ASSERT_EQ(Elteresek(v.oko, kep), 0);
  for (int lepes = 1; lepes <= 80; ++lepes) {
    if (lepes == 30) v.oko.DegPermetezes();
    v.oko.Lepes();
    ASSERT_EQ(Elteresek(v.oko, kep), 0) << "after step " << lepes;
  }
  // Marks that piled up while drawing was off are drawn by the full redraw.
  v.oko.SetRajzolhat(false);
  for (int i = 0; i < 5; ++i) v.oko.Lepes();
  v.oko.SetRajzolhat(true);
  EXPECT_EQ(Elteresek(v.oko, kep), 0);
}

TEST(Rajzolas, FullRedrawOfAMapWiderThanOneBand) {
  // A side of 2100 paints its colour buffer in two bands of rows.
  TVilag v(2100);
  TNovenyFaj& fu = v.Noveny("fű");
  fu.SetSzin(Rgb(0, 200, 0));
  TNovenyFaj& here = v.Noveny("here");
  here.SetSzin(Rgb(0, 0, 200));
  TAllatFaj& nyul = v.NyugodtAllat("nyúl");
  nyul.SetSzin(Rgb(200, 0, 0));
  TKepRajzolo kep;
  v.oko.RajzoloBeallitasa(&kep);
  v.oko.TkpRajzol = true;
  v.Epit();
  for (int32_t sor : {0, 1996, 1997, 1998, 2099}) {
    v.Noveny(0, sor, 0, 5);
    v.Noveny(1, sor, 0, 5);
    v.Noveny(0, sor, 1, 0);
    v.Noveny(1, sor, 1, 5);
    v.Noveny(1, sor, 2099, 5);
    v.Allat(0, sor, 2099);
  }
  v.oko.Ujrarajzol();
  int szines = 0;
  for (TSzin sz : kep.terkep) szines += sz != FeketeSzin;
  EXPECT_EQ(szines, 5 * 2);
  for (int32_t sor : {0, 1996, 1997, 1998, 2099}) {
    for (int32_t oszlop : {0, 1, 2, 2098, 2099})
      EXPECT_EQ(kep.terkep[static_cast<size_t>(sor * 2100 + oszlop)], v.oko.TerkepSzin(sor, oszlop))
          << sor << "," << oszlop;
  }
  EXPECT_EQ(kep.terkep[0], fu.Szin());
  EXPECT_EQ(kep.terkep[1], FeketeSzin);
  EXPECT_EQ(kep.terkep[2099], nyul.Szin());
}
