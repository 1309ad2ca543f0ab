#pragma once
// Small worlds built in code for the core's tests.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/okoszisztema.h"
#include "core/rajzolo.h"

namespace zelvaris::teszt {

struct TVilag {
  explicit TVilag(int32_t l = 50, uint32_t mag = 1) : veletlen(mag), oko(veletlen, tabla) {
    oko.Atmeretez(l);
  }
  TVeletlen veletlen;
  TKeresoTabla tabla;
  TOkoszisztema oko;

  // A species that neither moves, eats, breeds nor dies within a test's steps.
  TAllatFaj& NyugodtAllat(const std::string& nev) {
    TAllatFaj& f = oko.UjAllatFaj(nev);
    f.SetTomeg(1);
    f.Kor = 1000000;
    f.Ehes = 1000000;
    f.Vemhes = 1000000;
    return f;
  }
  TNovenyFaj& Noveny(const std::string& nev, int32_t tomeg = 10, int32_t novekmeny = 1) {
    TNovenyFaj& f = oko.UjNovenyFaj(nev);
    f.Tomeg = tomeg;
    f.Novekmeny = novekmeny;
    return f;
  }
  void Epit() {
    oko.Benepesit = false;
    oko.Alkalmaz();
    oko.Benepesit = true;
  }
  TAllat& Allat(int32_t faj, int32_t sor, int32_t oszlop) {
    const int32_t i = oko.AllatLetrehozasa(faj, sor, oszlop, TLetrehozas::Betoltott);
    return oko.AllatFaj(faj).Egyedek[i];
  }
  TNoveny& Noveny(int32_t faj, int32_t sor, int32_t oszlop, int32_t tomeg) {
    const int32_t i = oko.NovenyLetrehozasa(faj, sor, oszlop, TLetrehozas::Felnott);
    TNoveny& p = oko.NovenyFaj(faj).Egyedek[i];
    p.Tomeg = tomeg;
    return p;
  }
};

// Each individual in its cell slot and at its list index; the slots hold
// exactly the listed individuals (so at most one per species per cell).
inline void InvariansokEllenorzese(const TOkoszisztema& o) {
  const int32_t l = o.L();
  for (int32_t a = 0; a < o.AllatFajokSzama(); ++a) {
    const auto& lista = o.AllatFaj(a).Egyedek;
    ASSERT_LE(lista.Kurzor, lista.Darab());
    for (int32_t i = 0; i < lista.Darab(); ++i)
      ASSERT_EQ(o.AllatIndexAMezon(lista[i].Sor, lista[i].Oszlop, a), i) << "animal " << a << " #" << i;
  }
  for (int32_t p = 0; p < o.NovenyFajokSzama(); ++p) {
    const auto& lista = o.NovenyFaj(p).Egyedek;
    for (int32_t i = 0; i < lista.Darab(); ++i)
      ASSERT_EQ(o.NovenyIndexAMezon(lista[i].Sor, lista[i].Oszlop, p), i) << "plant " << p << " #" << i;
  }
  std::vector<int32_t> allatok(o.AllatFajokSzama()), novenyek(o.NovenyFajokSzama());
  for (int32_t s = 0; s < l; ++s)
    for (int32_t c = 0; c < l; ++c) {
      for (int32_t a = 0; a < o.AllatFajokSzama(); ++a) allatok[a] += o.AllatIndexAMezon(s, c, a) >= 0;
      for (int32_t p = 0; p < o.NovenyFajokSzama(); ++p) novenyek[p] += o.NovenyIndexAMezon(s, c, p) >= 0;
    }
  for (int32_t a = 0; a < o.AllatFajokSzama(); ++a) ASSERT_EQ(allatok[a], o.AllatFaj(a).Egyedek.Darab());
  for (int32_t p = 0; p < o.NovenyFajokSzama(); ++p) ASSERT_EQ(novenyek[p], o.NovenyFaj(p).Egyedek.Darab());
}

// Records what the ecosystem draws.
struct TNaploRajzolo : TRajzolo {
  int teljes = 0, reszleges = 0, ujraepites = 0;
  int64_t pontok = 0, negyzetek = 0;
  void KepekUjraepitese(int64_t, bool) override { ++ujraepites; }
  void RajzolasKezdete(bool mindet) override { ++(mindet ? teljes : reszleges); }
  void RajzolasVege() override {}
  void TerkepPont(int64_t, int64_t, TSzin) override { ++pontok; }
  void NagyitoNegyzet(int32_t, int32_t, TSzin, bool, int32_t, TSzin) override { ++negyzetek; }
};

}  // namespace zelvaris::teszt
