// The plant half of the step: a weighted draw over the species by their
// populations at the start of the step, each species' plants in list order.

#include "core/okoszisztema.h"

#include <utility>

namespace zelvaris {

void TOkoszisztema::NovenyLepes() {
  sorsolasLista_.clear();
  int32_t kovetkezo = 0;
  for (auto& f : novenyFajok_) {
    if (f->Egyedek.Darab() <= 0) continue;
    f->SorsolasTol = kovetkezo;
    f->SorsolasIg = f->SorsolasTol + f->Egyedek.Darab() - 1;
    kovetkezo = f->SorsolasIg + 1;
    f->Egyedek.Kurzor = 0;
    sorsolasLista_.push_back(f.get());
  }
  const int32_t osszes = kovetkezo;
  for (auto& f : novenyFajok_) f->OsszTomeg = 0;

  size_t n = sorsolasLista_.size();
  while (n > 0) {
    const int32_t x = veletlen_.Random(osszes);
    size_t m = 0;
    while (m < n && (x < sorsolasLista_[m]->SorsolasTol || x > sorsolasLista_[m]->SorsolasIg)) ++m;
    if (m == n) continue;  // the slice of a species already done
    TNovenyFaj& f = *sorsolasLista_[m];
    if (f.Egyedek.Kurzor < f.Egyedek.Darab()) {
      const int32_t i = f.Egyedek.Kurzor;
      // A plant a few places on reads its cell at random: ask for it now.
      constexpr int32_t kElore = 16;
      if (i + kElore < f.Egyedek.Darab()) {
        const TNoveny& kesobb = std::as_const(f.Egyedek)[i + kElore];
        const int64_t c = Cella(kesobb.Sor, kesobb.Oszlop);
        __builtin_prefetch(racs_.NovenyTomegek(f.Id()) + c, 1);
        if (!f.AllatGatlas.empty()) __builtin_prefetch(racs_.Foglaltsag() + c);
        for (int32_t a : f.AllatGatlas)
          if (VanAllatFaj(a) && TRacs::AllatBit(a) == 0) __builtin_prefetch(racs_.AllatSlotok(a) + c);
      }
      if (NovenyLep(f, i)) {
        NovenyTorlese(f.Id(), i);
      } else {
        f.Egyedek.Kurzor += 1;
      }
    } else {
      sorsolasLista_[m] = sorsolasLista_[n - 1];
      n -= 1;
    }
  }
  for (auto& f : novenyFajok_) f->OsszTomegValos = static_cast<float>(f->OsszTomeg);
  NovenyFelvetel();
}

bool TOkoszisztema::NovenyLep(TNovenyFaj& f, int32_t i) {
  if (PermetezesVolt) {
    bool hal = false;
    if (f.DegHatas && DegPermet && veletlen_.Random(100) < f.DegHatasfok) hal = true;
    if (f.PerHatas && PerPermet && veletlen_.Random(100) < f.PerHatasfok) hal = true;
    if (hal) return true;
  }
  TNoveny& p = f.Egyedek.Elem(i);
  const int64_t cella = Cella(p.Sor, p.Oszlop);
  bool gatolt = false;
  for (int32_t a : f.AllatGatlas) {
    if (!VanAllatFaj(a)) continue;
    const uint32_t bit = TRacs::AllatBit(a);
    if (bit != 0 ? (racs_.Foglaltsag()[cella] & bit) != 0 : racs_.AllatSlotok(a)[cella] != 0) {
      gatolt = true;
      break;
    }
  }
  if (!gatolt && p.Tomeg < f.Tomeg) {
    const bool voltTomege = p.Tomeg > 0;
    p.Tomeg += f.Novekmeny;
    if (f.DegHatas) p.Tomeg -= (f.Novekmeny * f.DegNovMinusz) / 100;
    if (f.PerHatas) p.Tomeg -= (f.Novekmeny * f.PerNovMinusz) / 100;
    if (p.Tomeg > f.Tomeg) p.Tomeg = f.Tomeg;
    if (p.Tomeg < 0) p.Tomeg = 0;
    // A plant looks the same at every positive mass: only a change to or
    // from 0 changes its cell's look.
    if ((p.Tomeg > 0) != voltTomege) racs_.Jelol(cella);
    racs_.TomegBeallitasa(f.Id(), cella, p.Tomeg);
  }
  f.OsszTomeg += p.Tomeg;
  return false;
}

void TOkoszisztema::NovenyFelvetel() {
  NovenyLetszam.HosszBeallitasa(NovenyLetszam.Hossz() + 1);
  const int32_t oszlop = NovenyLetszam.Hossz() - 1;
  for (auto& f : novenyFajok_) NovenyLetszam.ErtekBeallitasa(f->Id(), oszlop, f->OsszTomegValos);
}

}  // namespace zelvaris
