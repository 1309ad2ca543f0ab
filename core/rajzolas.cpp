#include "core/okoszisztema.h"

#include <algorithm>
#include <vector>

namespace zelvaris {

namespace {

// The shown species of one drawing pass in drawing order, with their slot
// arrays and individuals looked up once, so a cell costs a few array reads.
struct TLathatoAllat {
  const uint32_t* slotok;
  const TElolenyList<TAllat>* egyedek;
  TSzin szin;
};
struct TLathatoNoveny {
  const uint32_t* slotok;
  const int32_t* tomegek;
  const TElolenyList<TNoveny>* egyedek;
  TSzin szin;
};

// Cells of the colour buffer of a full map redraw; larger maps are painted
// in bands of rows so the buffer stays at 16 MB.
constexpr int64_t kSavCellak = int64_t{1} << 22;

}  // namespace

// The shown species in drawing order, the one place that decides what a cell
// shows on the map and on the magnifier.
struct TOkoszisztema::TLathatok {
  std::vector<TLathatoAllat> terkepAllatok, nagyitoAllatok;
  std::vector<TLathatoNoveny> terkepNovenyek, nagyitoNovenyek;

  // The magnifier square: the first shown plant decides the background (black
  // at mass 0), the first shown animal the symbol.
  TNagyitoTartalom Nagyito(int64_t cella) const {
    TNagyitoTartalom t;
    for (const auto& p : nagyitoNovenyek) {
      const uint32_t slot = p.slotok[cella];
      if (slot == 0) continue;
      t.Hatter = p.tomegek[cella] > 0 ? p.szin : FeketeSzin;
      break;
    }
    for (const auto& a : nagyitoAllatok) {
      const uint32_t slot = a.slotok[cella];
      if (slot == 0) continue;
      t.VanAllat = true;
      t.Nem = (*a.egyedek)[static_cast<int32_t>(slot) - 1].Nem;
      t.AllatSzin = a.szin;
      break;
    }
    return t;
  }

  // The map colour: the first shown animal present, else the first shown plant
  // present, black at mass 0 (a lower plant never shows through), else black.
  // Painted lowest first, each present one over the last: the same colour as
  // taking the first present one, without a branch per animal species that
  // the mix of emptied and entered cells makes unpredictable.
  TSzin TerkepSzin(int64_t cella) const {
    TSzin szin = FeketeSzin;
    for (auto p = terkepNovenyek.rbegin(); p != terkepNovenyek.rend(); ++p) {
      const uint32_t slot = p->slotok[cella];
      if (slot != 0) szin = p->tomegek[cella] > 0 ? p->szin : FeketeSzin;
    }
    for (auto a = terkepAllatok.rbegin(); a != terkepAllatok.rend(); ++a)
      szin = a->slotok[cella] != 0 ? a->szin : szin;
    return szin;
  }

  // The whole map, species by species from the lowest shown up, so a higher
  // one paints over a lower one and every list is read once in order: reading
  // each cell's plant mass in cell order would jump through the plant lists
  // at random, which dominates the cost on a large map.
  void TeljesTerkep(int64_t oldal, TRajzolo& rajzolo) const {
    const int64_t savSorok = std::clamp<int64_t>(kSavCellak / oldal, 1, oldal);
    std::vector<TSzin> szinek(static_cast<size_t>(savSorok * oldal));
    for (int64_t elso = 0; elso < oldal; elso += savSorok) {
      const int64_t sorok = std::min(savSorok, oldal - elso);
      const int64_t vege = elso + sorok;
      std::fill_n(szinek.begin(), sorok * oldal, FeketeSzin);
      for (auto p = terkepNovenyek.rbegin(); p != terkepNovenyek.rend(); ++p) {
        for (const TNoveny& e : p->egyedek->Elemek()) {
          if (e.Sor < elso || e.Sor >= vege) continue;
          szinek[static_cast<size_t>((e.Sor - elso) * oldal + e.Oszlop)] = e.Tomeg > 0 ? p->szin : FeketeSzin;
        }
      }
      for (auto a = terkepAllatok.rbegin(); a != terkepAllatok.rend(); ++a) {
        for (const TAllat& e : a->egyedek->Elemek()) {
          if (e.Sor < elso || e.Sor >= vege) continue;
          szinek[static_cast<size_t>((e.Sor - elso) * oldal + e.Oszlop)] = a->szin;
        }
      }
      for (int64_t sor = 0; sor < sorok; ++sor)
        rajzolo.TerkepSor(elso + sor, szinek.data() + sor * oldal, oldal);
    }
  }
};

TOkoszisztema::TLathatok TOkoszisztema::Lathatok() const {
  TLathatok l;
  for (int32_t a : AllatSorrend) {
    if (!VanAllatFaj(a)) continue;
    const TAllatFaj& f = AllatFaj(a);
    const TLathatoAllat la{racs_.AllatSlotok(a), &f.Egyedek, f.Szin()};
    if (f.Tkp()) l.terkepAllatok.push_back(la);
    if (f.Ngy()) l.nagyitoAllatok.push_back(la);
  }
  for (int32_t p : NovenySorrend) {
    if (!VanNovenyFaj(p)) continue;
    const TNovenyFaj& f = NovenyFaj(p);
    const TLathatoNoveny ln{racs_.NovenySlotok(p), racs_.NovenyTomegek(p), &f.Egyedek, f.Szin()};
    if (f.Tkp()) l.terkepNovenyek.push_back(ln);
    if (f.Ngy()) l.nagyitoNovenyek.push_back(ln);
  }
  return l;
}

TSzin TOkoszisztema::TerkepSzin(int32_t sor, int32_t oszlop) const {
  return Lathatok().TerkepSzin(Cella(sor, oszlop));
}

TOkoszisztema::TNagyitoTartalom TOkoszisztema::NagyitoTartalom(int32_t sor, int32_t oszlop) const {
  return Lathatok().Nagyito(Cella(sor, oszlop));
}

void TOkoszisztema::Rajzol() {
  if (!vanRacs_ || !RajzolasKesz || !rajzolhat_) return;
  if (rajzolo_ == nullptr) {
    if (mindetRajzol_) {
      racs_.MindenJelolesTorlese();
    } else {
      racs_.JeloltekBejarasa([](int64_t) {});
    }
    return;
  }

  const TLathatok l = Lathatok();
  const int64_t oldal = racs_.L();
  auto nagyito = [&](int64_t sor, int64_t oszlop, int64_t cella) {
    const TNagyitoTartalom t = l.Nagyito(cella);
    rajzolo_->NagyitoNegyzet(static_cast<int32_t>(oszlop - keretBal_),
                             static_cast<int32_t>(sor - keretFelso_), t.Hatter, t.VanAllat, t.Nem,
                             t.AllatSzin);
  };
  auto keretben = [&](int64_t sor, int64_t oszlop) {
    return oszlop >= keretBal_ && oszlop <= keretBal_ + KeretMeret - 1 && sor >= keretFelso_ &&
           sor <= keretFelso_ + KeretMeret - 1;
  };

  rajzolo_->RajzolasKezdete(mindetRajzol_);
  if (mindetRajzol_) {
    if (TkpRajzol) l.TeljesTerkep(oldal, *rajzolo_);
    if (NgyRajzol) {
      for (int64_t sor = std::max<int64_t>(keretFelso_, 0);
           sor < std::min<int64_t>(keretFelso_ + KeretMeret, oldal); ++sor)
        for (int64_t oszlop = std::max<int64_t>(keretBal_, 0);
             oszlop < std::min<int64_t>(keretBal_ + KeretMeret, oldal); ++oszlop)
          nagyito(sor, oszlop, sor * oldal + oszlop);
    }
    racs_.MindenJelolesTorlese();
  } else {
    // Cells mostly come in order, so the row is carried along instead of
    // divided out each time.
    int64_t sor = 0, sorKezdet = 0;
    racs_.JeloltekBejarasa([&](int64_t cella) {
      if (cella < sorKezdet || cella >= sorKezdet + 2 * oldal) {
        sor = cella / oldal;
        sorKezdet = sor * oldal;
      } else if (cella >= sorKezdet + oldal) {
        ++sor;
        sorKezdet += oldal;
      }
      const int64_t oszlop = cella - sorKezdet;
      if (TkpRajzol) rajzolo_->TerkepPont(oszlop, sor, l.TerkepSzin(cella));
      if (NgyRajzol && keretben(sor, oszlop)) nagyito(sor, oszlop, cella);
    });
  }
  rajzolo_->RajzolasVege();
}

void TOkoszisztema::Ujrarajzol() {
  mindetRajzol_ = true;
  Rajzol();
  mindetRajzol_ = false;
}

void TOkoszisztema::SetRajzolhat(bool ertek) {
  if (ertek == rajzolhat_) return;
  rajzolhat_ = ertek;
  Ujrarajzol();
}

void TOkoszisztema::KeretMozgat(int64_t x, int64_t y) {
  const int64_t w = KeretMeret, h = KeretMeret;
  const int64_t hw = w / 2, hh = h / 2;
  const int64_t szel = racs_.L(), mag = racs_.L();
  keretBal_ = x < hw ? 0 : (x > szel - 1 - hw ? szel - w : x - hw);
  keretFelso_ = y < hh ? 0 : (y > mag - 1 - hh ? mag - h : y - hh);
  Ujrarajzol();
}

}  // namespace zelvaris
