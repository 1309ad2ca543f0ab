#include "core/okoszisztema.h"

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

void TOkoszisztema::CellaRajzolasa(int64_t cella) {
  const auto sor = static_cast<int32_t>(cella / racs_.L());
  const auto oszlop = static_cast<int32_t>(cella % racs_.L());
  if (TkpRajzol) rajzolo_->TerkepPont(oszlop, sor, TerkepSzin(sor, oszlop));
  if (NgyRajzol && oszlop >= keretBal_ && oszlop <= keretBal_ + KeretMeret - 1 &&
      sor >= keretFelso_ && sor <= keretFelso_ + KeretMeret - 1) {
    const TNagyitoTartalom t = NagyitoTartalom(sor, oszlop);
    rajzolo_->NagyitoNegyzet(static_cast<int32_t>(oszlop - keretBal_),
                             static_cast<int32_t>(sor - keretFelso_), t.Hatter, t.VanAllat, t.Nem,
                             t.AllatSzin);
  }
}

void TOkoszisztema::Rajzol() {
  if (!vanRacs_ || !RajzolasKesz || !rajzolhat_) return;
  if (mindetRajzol_) {
    if (rajzolo_ != nullptr) {
      rajzolo_->RajzolasKezdete(true);
      const int64_t cellak = racs_.Cellak();
      for (int64_t c = 0; c < cellak; ++c) CellaRajzolasa(c);
      rajzolo_->RajzolasVege();
    }
    racs_.MindenJelolesTorlese();
    return;
  }
  auto& lista = racs_.ValtozottLista();
  if (rajzolo_ != nullptr) {
    rajzolo_->RajzolasKezdete(false);
    for (int64_t c : lista)
      if (racs_.Valtozott(c)) CellaRajzolasa(c);
    rajzolo_->RajzolasVege();
  }
  for (int64_t c : lista) racs_.JelolesTorlese(c);
  lista.clear();
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
