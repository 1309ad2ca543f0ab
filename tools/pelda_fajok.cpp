#include "tools/pelda_fajok.h"

#include <stdexcept>

namespace zelvaris {

const std::vector<TNovenyMinta>& NovenyMintak() {
  // Name, file, colour, growth per step, maximum mass.
  static const std::vector<TNovenyMinta> mintak = {
      {"Grass", "grass", Rgb(96, 176, 48), 1, 30},
      {"Bramble", "bramble", Rgb(40, 90, 40), 1, 40},
      {"Clover", "clover", Rgb(150, 200, 90), 2, 20},
      {"Hazel", "hazel", Rgb(120, 100, 40), 1, 80},
  };
  return mintak;
}

const std::vector<TAllatMinta>& AllatMintak() {
  // Name, file, colour, mass, lifespan, pregnancy, maturity, rest, litter,
  // birth radius, hunger tolerance, food per step, search budget.
  static const std::vector<TAllatMinta> mintak = {
      {"Rabbit", "rabbit", Rgb(200, 170, 130), 6, 120, 8, 15, 5, 4, 2, 6, 8, 24},
      {"Mouse", "mouse", Rgb(150, 150, 150), 2, 60, 5, 8, 3, 4, 2, 7, 4, 24},
      {"Fox", "fox", Rgb(230, 100, 20), 20, 300, 20, 40, 20, 2, 2, 20, 2, 200},
      {"Deer", "deer", Rgb(140, 90, 50), 40, 400, 30, 60, 30, 1, 2, 12, 20, 48},
      {"Hawk", "hawk", Rgb(90, 60, 40), 5, 250, 15, 35, 20, 2, 3, 15, 2, 300},
      {"Vole", "vole", Rgb(110, 80, 60), 2, 50, 4, 7, 3, 5, 2, 3, 2, 16},
  };
  return mintak;
}

const TNovenyMinta& NovenyMinta(std::string_view fajlnev) {
  for (const auto& m : NovenyMintak())
    if (m.Fajlnev == fajlnev) return m;
  throw std::invalid_argument("no plant template " + std::string(fajlnev));
}

const TAllatMinta& AllatMinta(std::string_view fajlnev) {
  for (const auto& m : AllatMintak())
    if (m.Fajlnev == fajlnev) return m;
  throw std::invalid_argument("no animal template " + std::string(fajlnev));
}

void NovenyBeallitasa(TNovenyFaj& faj, const TNovenyMinta& m) {
  faj.SetNev(m.Nev);
  faj.SetSzin(m.Szin);
  faj.Novekmeny = m.Novekmeny;
  faj.Tomeg = m.Tomeg;
}

void AllatBeallitasa(TAllatFaj& faj, const TAllatMinta& m) {
  faj.SetNev(m.Nev);
  faj.SetSzin(m.Szin);
  faj.SetTomeg(m.Tomeg);
  faj.Kor = m.Kor;
  faj.Vemhes = m.Vemhes;
  faj.Ivarerettseg = m.Ivarerettseg;
  faj.Regeneralodas = m.Regeneralodas;
  faj.Utod = m.Utod;
  faj.SzuloSugar = m.SzuloSugar;
  faj.Ehes = m.Ehes;
  faj.Jollakottsag = m.Jollakottsag;
  faj.SetMozgasHossz(m.MozgasHossz);
}

namespace {

TNovenyFaj& Noveny(TOkoszisztema& oko, std::string_view fajlnev, int32_t darab) {
  TNovenyFaj& f = oko.UjNovenyFaj("");
  NovenyBeallitasa(f, NovenyMinta(fajlnev));
  f.PopulacioMeret = darab;
  return f;
}

TAllatFaj& Allat(TOkoszisztema& oko, std::string_view fajlnev, int32_t darab) {
  TAllatFaj& f = oko.UjAllatFaj("");
  AllatBeallitasa(f, AllatMinta(fajlnev));
  f.PopulacioMeret = darab;
  return f;
}

// Plants 0 grass, 1 bramble; animals 0 rabbit, 1 mouse, 2 fox. Rabbits
// feed and shelter in the bramble thickets, where foxes cannot hunt. While
// rabbits are few the bramble feeds them all and they stay hidden; as they
// multiply they strip it and spill onto the open grass, where the foxes catch
// them. The foxes boom, the rabbits fall back into the regrown thickets and
// the foxes starve down, a few carried over by the mice of the grass (their
// second choice) until the rabbits come out again. Foxes must eat before they
// can breed (hunger kills them before maturity), so they cannot outlast a
// famine by breeding alone.
void Ret(TOkoszisztema& oko, int32_t szorzo) {
  oko.Atmeretez(300 * szorzo);
  const int32_t terulet = szorzo * szorzo;
  Noveny(oko, "grass", 8000 * terulet);
  Noveny(oko, "bramble", 12000 * terulet);
  TAllatFaj& nyul = Allat(oko, "rabbit", 1500 * terulet);
  nyul.Predak.SetNovenyPredak({{1}, {0}});
  TAllatFaj& eger = Allat(oko, "mouse", 1500 * terulet);
  eger.Predak.SetNovenyPredak({{0}});
  TAllatFaj& roka = Allat(oko, "fox", 40 * terulet);
  roka.Predak.SetAllatPredak({{0}, {1}});
  roka.NovenyUtkozes = {1};
}

}  // namespace

const std::vector<TPeldaVilag>& PeldaVilagok() {
  static const std::vector<TPeldaVilag> vilagok = {
      {std::string(kRetFajlnev), [](TOkoszisztema& oko) { Ret(oko, 1); }},
      {"meadow-sprays",
       [](TOkoszisztema& oko) {
         Ret(oko, 1);
         // The degradable spray kills a fifth of the mice and slows the
         // bramble; the persistent one builds up in the grazers and reaches
         // the foxes through their prey, shortening their lives and litters.
         TNovenyFaj& szeder = oko.NovenyFaj(1);
         szeder.DegHatas = true;
         szeder.DegHatasfok = 5;
         szeder.DegNovMinusz = 30;
         TAllatFaj& nyul = oko.AllatFaj(0);
         nyul.PerHatas = true;
         nyul.PerHatasfok = 10;
         nyul.PerKorMinusz = 2;
         nyul.PerUtodMinusz = 5;
         TAllatFaj& eger = oko.AllatFaj(1);
         eger.DegHatas = true;
         eger.DegHatasfok = 20;
         eger.DegKorMinusz = 3;
         eger.DegUtodMinusz = 10;
         TAllatFaj& roka = oko.AllatFaj(2);
         roka.PerHatas = true;
         roka.PerHatasfok = 2;
         roka.PerKorMinusz = 1;
         roka.PerUtodMinusz = 2;
       }},
      {std::string(kPermetFajlnev),
       [](TOkoszisztema& oko) {
         // Grass and bramble, rabbits, foxes: a chain short enough to follow
         // a spray along. Only the rabbits take the sprays up from the
         // plants. A degradable spray kills half of them and they grow back
         // within about a hundred steps. A persistent one doses every rabbit
         // by one for each bite until cleaned; the foxes are not sprayed at
         // all, yet every rabbit they eat hands them its whole dose, so a fox
         // soon carries many times a rabbit's dose and its litters shrink to
         // nothing: the foxes dwindle over a few hundred steps while the
         // rabbits hardly notice.
         oko.Atmeretez(200);
         Noveny(oko, "grass", 3500);
         Noveny(oko, "bramble", 5500);
         TAllatFaj& nyul = Allat(oko, "rabbit", 900);
         nyul.Predak.SetNovenyPredak({{1}, {0}});
         nyul.DegHatas = true;
         nyul.DegHatasfok = 50;
         nyul.PerHatas = true;
         TAllatFaj& roka = Allat(oko, "fox", 50);
         roka.Predak.SetAllatPredak({{0}});
         roka.NovenyUtkozes = {1};
         roka.PerUtodMinusz = 1;
       }},
      {"large-world",
       [](TOkoszisztema& oko) {
         // The meadow on a world of side 1,200 (sixteen times the area),
         // with clover and hazel, deer browsing the hazel and hawks hunting
         // mice and voles from above.
         Ret(oko, 4);
         Noveny(oko, "clover", 60000);
         Noveny(oko, "hazel", 40000);
         TAllatFaj& szarvas = Allat(oko, "deer", 800);
         szarvas.Predak.SetNovenyPredak({{3}, {2, 0}});
         TAllatFaj& pocok = Allat(oko, "vole", 8000);
         pocok.Predak.SetNovenyPredak({{2}, {0}});
         TAllatFaj& heja = Allat(oko, "hawk", 300);
         heja.Predak.SetAllatPredak({{1, 4}});
         heja.AllatUtkozes = {2};
       }},
  };
  return vilagok;
}

}  // namespace zelvaris
