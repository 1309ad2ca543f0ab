#include "core/okoszisztema.h"

#include <algorithm>
#include <vector>

namespace zelvaris {

TSzin TOkoszisztema::TerkepSzin(int32_t sor, int32_t oszlop) const {
  const int64_t cella = Cella(sor, oszlop);
  for (int32_t a : AllatSorrend)
    if (VanAllatFaj(a) && racs_.AllatSlotok(a)[cella] != 0 && AllatFaj(a).Tkp())
      return AllatFaj(a).Szin();
  for (int32_t p : NovenySorrend) {
    if (!VanNovenyFaj(p) || !NovenyFaj(p).Tkp()) continue;
    const uint32_t slot = racs_.NovenySlotok(p)[cella];
    if (slot == 0) continue;
    // The first plant decides, even at mass 0: a lower one never shows through.
    const TNovenyFaj& f = NovenyFaj(p);
    return f.Egyedek[static_cast<int32_t>(slot) - 1].Tomeg > 0 ? f.Szin() : FeketeSzin;
  }
  return FeketeSzin;
}

TOkoszisztema::TNagyitoTartalom TOkoszisztema::NagyitoTartalom(int32_t sor, int32_t oszlop) const {
  TNagyitoTartalom t;
  const int64_t cella = Cella(sor, oszlop);
  for (int32_t p : NovenySorrend) {
    if (!VanNovenyFaj(p) || !NovenyFaj(p).Ngy()) continue;
    const uint32_t slot = racs_.NovenySlotok(p)[cella];
    if (slot == 0) continue;
    const TNovenyFaj& f = NovenyFaj(p);
    t.Hatter = f.Egyedek[static_cast<int32_t>(slot) - 1].Tomeg > 0 ? f.Szin() : FeketeSzin;
    break;
  }
  for (int32_t a : AllatSorrend) {
    if (!VanAllatFaj(a) || !AllatFaj(a).Ngy()) continue;
    const uint32_t slot = racs_.AllatSlotok(a)[cella];
    if (slot == 0) continue;
    const TAllatFaj& f = AllatFaj(a);
    t.VanAllat = true;
    t.Nem = f.Egyedek[static_cast<int32_t>(slot) - 1].Nem;
    t.AllatSzin = f.Szin();
    break;
  }
  return t;
}

namespace {

// The shown species of one drawing pass in drawing order, with their slot
// arrays and individuals looked up once, so a cell costs a few array reads.
struct TLathatoAllat {
  const uint32_t* slotok;
  const TAllat* egyedek;
  TSzin szin;
};
struct TLathatoNoveny {
  const uint32_t* slotok;
  const TNoveny* egyedek;
  TSzin szin;
};

struct TLathatok {
  std::vector<TLathatoAllat> terkepAllatok, nagyitoAllatok;
  std::vector<TLathatoNoveny> terkepNovenyek, nagyitoNovenyek;

  TSzin TerkepSzin(int64_t cella) const {
    for (const auto& a : terkepAllatok)
      if (a.slotok[cella] != 0) return a.szin;
    for (const auto& p : terkepNovenyek) {
      const uint32_t slot = p.slotok[cella];
      if (slot != 0) return p.egyedek[slot - 1].Tomeg > 0 ? p.szin : FeketeSzin;
    }
    return FeketeSzin;
  }
};

}  // namespace

void TOkoszisztema::Rajzol() {
  if (!vanRacs_ || !RajzolasKesz || !rajzolhat_) return;
  auto& lista = racs_.ValtozottLista();
  if (rajzolo_ == nullptr) {
    if (mindetRajzol_) {
      racs_.MindenJelolesTorlese();
    } else {
      for (int64_t c : lista) racs_.JelolesTorlese(c);
      lista.clear();
    }
    return;
  }

  TLathatok l;
  for (int32_t a : AllatSorrend) {
    if (!VanAllatFaj(a)) continue;
    const TAllatFaj& f = AllatFaj(a);
    const TLathatoAllat la{racs_.AllatSlotok(a), f.Egyedek.Elemek().data(), f.Szin()};
    if (f.Tkp()) l.terkepAllatok.push_back(la);
    if (f.Ngy()) l.nagyitoAllatok.push_back(la);
  }
  for (int32_t p : NovenySorrend) {
    if (!VanNovenyFaj(p)) continue;
    const TNovenyFaj& f = NovenyFaj(p);
    const TLathatoNoveny ln{racs_.NovenySlotok(p), f.Egyedek.Elemek().data(), f.Szin()};
    if (f.Tkp()) l.terkepNovenyek.push_back(ln);
    if (f.Ngy()) l.nagyitoNovenyek.push_back(ln);
  }
  const int64_t oldal = racs_.L();
  auto nagyito = [&](int64_t sor, int64_t oszlop, int64_t cella) {
    TNagyitoTartalom t;
    for (const auto& p : l.nagyitoNovenyek) {
      const uint32_t slot = p.slotok[cella];
      if (slot == 0) continue;
      t.Hatter = p.egyedek[slot - 1].Tomeg > 0 ? p.szin : FeketeSzin;
      break;
    }
    for (const auto& a : l.nagyitoAllatok) {
      const uint32_t slot = a.slotok[cella];
      if (slot == 0) continue;
      t.VanAllat = true;
      t.Nem = a.egyedek[slot - 1].Nem;
      t.AllatSzin = a.szin;
      break;
    }
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
    if (TkpRajzol) {
      std::vector<TSzin> sorSzinek(static_cast<size_t>(oldal));
      for (int64_t sor = 0; sor < oldal; ++sor) {
        const int64_t alap = sor * oldal;
        for (int64_t oszlop = 0; oszlop < oldal; ++oszlop)
          sorSzinek[static_cast<size_t>(oszlop)] = l.TerkepSzin(alap + oszlop);
        rajzolo_->TerkepSor(sor, sorSzinek.data(), oldal);
      }
    }
    if (NgyRajzol) {
      for (int64_t sor = std::max<int64_t>(keretFelso_, 0);
           sor < std::min<int64_t>(keretFelso_ + KeretMeret, oldal); ++sor)
        for (int64_t oszlop = std::max<int64_t>(keretBal_, 0);
             oszlop < std::min<int64_t>(keretBal_ + KeretMeret, oldal); ++oszlop)
          nagyito(sor, oszlop, sor * oldal + oszlop);
    }
    racs_.MindenJelolesTorlese();
  } else {
    for (int64_t cella : lista) {
      if (!racs_.Valtozott(cella)) continue;
      racs_.JelolesTorlese(cella);
      const int64_t sor = cella / oldal, oszlop = cella % oldal;
      if (TkpRajzol) rajzolo_->TerkepPont(oszlop, sor, l.TerkepSzin(cella));
      if (NgyRajzol && keretben(sor, oszlop)) nagyito(sor, oszlop, cella);
    }
    lista.clear();
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
