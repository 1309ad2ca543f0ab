#pragma once
// The benchmarks' standard world: two plants, two grazers and a predator.
// `arany` scales the start populations of the side-300 version.

#include <cstdint>

#include "core/okoszisztema.h"

namespace zelvaris::bench {

inline void ProbaVilag(TOkoszisztema& o, double arany) {
  const TSzin novenySzinek[] = {Rgb(40, 150, 40), Rgb(150, 220, 80)};
  const char* novenyek[] = {"fű", "here"};
  for (int i = 0; i < 2; ++i) {
    TNovenyFaj& p = o.UjNovenyFaj(novenyek[i]);
    p.SetSzin(novenySzinek[i]);
    p.Tomeg = 30;
    p.Novekmeny = 3;
    p.PopulacioMeret = static_cast<int32_t>(20000 * arany);
  }
  o.NovenyFaj(1).AllatGatlas = {2};
  auto legelo = [&](const char* nev, TSzin szin, int32_t db, int32_t tomeg) -> TAllatFaj& {
    TAllatFaj& f = o.UjAllatFaj(nev);
    f.SetSzin(szin);
    f.PopulacioMeret = static_cast<int32_t>(db * arany);
    f.SetTomeg(tomeg);
    f.Kor = 80;
    f.Vemhes = 5;
    f.Ivarerettseg = 10;
    f.Regeneralodas = 4;
    f.SzuloSugar = 2;
    f.Utod = 3;
    f.Ehes = 8;
    f.Jollakottsag = 10;
    f.SetMozgasHossz(20);
    f.Predak.SetNovenyPredak({{0, 1}});
    return f;
  };
  legelo("nyúl", Rgb(230, 230, 230), 3500, 5);
  legelo("szarvas", Rgb(200, 130, 40), 2000, 12).NovenyUtkozes = {1};
  TAllatFaj& roka = o.UjAllatFaj("róka");
  roka.SetSzin(Rgb(230, 30, 30));
  roka.PopulacioMeret = static_cast<int32_t>(500 * arany);
  roka.SetTomeg(10);
  roka.Kor = 150;
  roka.Vemhes = 8;
  roka.Ivarerettseg = 20;
  roka.Regeneralodas = 6;
  roka.SzuloSugar = 1;
  roka.Utod = 3;
  roka.Ehes = 15;
  roka.Jollakottsag = 5;
  roka.SetMozgasHossz(45);
  roka.Predak.SetAllatPredak({{0}, {1}});
}

}  // namespace zelvaris::bench
