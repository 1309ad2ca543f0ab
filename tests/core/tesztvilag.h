#pragma once
// Small worlds built in code for the core's tests.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/okoszisztema.h"
#include "tests/teszt_rajzolo.h"

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
  const TNoveny& Noveny(int32_t faj, int32_t sor, int32_t oszlop, int32_t tomeg) {
    const int32_t i = oko.NovenyLetrehozasa(faj, sor, oszlop, TLetrehozas::Felnott);
    oko.NovenyTomegBeallitasa(faj, i, tomeg);
    return std::as_const(oko.NovenyFaj(faj).Egyedek)[i];
  }
};

// Each individual in its cell slot and at its list index; the slots hold
// exactly the listed individuals (so at most one per species per cell), and
// every cell's plant masses are those of the plants standing there.
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
      for (int32_t p = 0; p < o.NovenyFajokSzama(); ++p) {
        const TNoveny* n = o.NovenyAMezon(s, c, p);
        novenyek[p] += n != nullptr;
        ASSERT_EQ(o.NovenyTomegAMezon(s, c, p), n != nullptr ? n->Tomeg : 0) << "plant " << p << " at " << s << "," << c;
      }
    }
  for (int32_t a = 0; a < o.AllatFajokSzama(); ++a) ASSERT_EQ(allatok[a], o.AllatFaj(a).Egyedek.Darab());
  for (int32_t p = 0; p < o.NovenyFajokSzama(); ++p) ASSERT_EQ(novenyek[p], o.NovenyFaj(p).Egyedek.Darab());
}

// Two plants, two grazers and a predator with sprays' effects, inhibitions,
// collisions and a prey Id that names no species.
inline void GazdagVilag(TVilag& v) {
  TNovenyFaj& fu = v.Noveny("fű", 20, 3);
  fu.PopulacioMeret = 1500;
  fu.AllatGatlas = {2};
  TNovenyFaj& bokor = v.Noveny("bokor", 60, 2);
  bokor.PopulacioMeret = 300;
  bokor.NovenyUtkozes = {0};
  bokor.DegHatas = true;
  bokor.DegNovMinusz = 40;
  auto legelo = [&](const char* nev, int32_t db) -> TAllatFaj& {
    TAllatFaj& f = v.oko.UjAllatFaj(nev);
    f.PopulacioMeret = db;
    f.SetTomeg(4);
    f.Kor = 60;
    f.Vemhes = 4;
    f.Ivarerettseg = 8;
    f.Regeneralodas = 3;
    f.SzuloSugar = 2;
    f.Utod = 4;
    f.Ehes = 6;
    f.Jollakottsag = 6;
    f.SetMozgasHossz(20);
    f.Predak.SetNovenyPredak({{0, 1}, {1}});
    return f;
  };
  TAllatFaj& nyul = legelo("nyúl", 120);
  nyul.DegHatas = true;
  nyul.DegHatasfok = 30;
  nyul.DegKorMinusz = 2;
  TAllatFaj& szarvas = legelo("szarvas", 60);
  szarvas.NovenyUtkozes = {1};
  szarvas.PerHatas = true;
  szarvas.PerUtodMinusz = 20;
  TAllatFaj& roka = v.oko.UjAllatFaj("róka");
  roka.PopulacioMeret = 20;
  roka.SetTomeg(10);
  roka.Kor = 120;
  roka.Vemhes = 6;
  roka.Ivarerettseg = 15;
  roka.Regeneralodas = 5;
  roka.SzuloSugar = 1;
  roka.Utod = 3;
  roka.Ehes = 12;
  roka.Jollakottsag = 8;
  roka.SetMozgasHossz(45);
  roka.Predak.SetAllatPredak({{0, 1, 0}, {1, 9}});
  roka.AllatUtkozes = {1};
}

}  // namespace zelvaris::teszt
