#pragma once
// The example species and worlds shipped beside the program. A species
// template holds what a species file stores (name, colour, biology); a world
// adds what ties the species to one ecosystem (start counts, preys, forbidden
// species, sprays).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/okoszisztema.h"

namespace zelvaris {

struct TNovenyMinta {
  std::string Nev;
  std::string Fajlnev;  // without extension
  TSzin Szin;
  int32_t Novekmeny;    // mass units per step
  int32_t Tomeg;        // maximum mass
};

struct TAllatMinta {
  std::string Nev;
  std::string Fajlnev;
  TSzin Szin;
  int32_t Tomeg;         // food value of one individual
  int32_t Kor;           // lifespan, steps
  int32_t Vemhes;        // pregnancy, steps
  int32_t Ivarerettseg;  // age of maturity, steps
  int32_t Regeneralodas; // rest after a birth, steps
  int32_t Utod;          // young per litter
  int32_t SzuloSugar;    // radius the young are placed in
  int32_t Ehes;          // unsated steps survived
  int32_t Jollakottsag;  // food per step
  int32_t MozgasHossz;   // cells searched per search
};

const std::vector<TNovenyMinta>& NovenyMintak();
const std::vector<TAllatMinta>& AllatMintak();
const TNovenyMinta& NovenyMinta(std::string_view fajlnev);
const TAllatMinta& AllatMinta(std::string_view fajlnev);

void NovenyBeallitasa(TNovenyFaj& faj, const TNovenyMinta& minta);
void AllatBeallitasa(TAllatFaj& faj, const TAllatMinta& minta);

struct TPeldaVilag {
  std::string Fajlnev;
  std::function<void(TOkoszisztema&)> Epites;  // on a fresh, empty ecosystem
};

// The meadow first, then the sprayed meadow, the pesticide chain and the large world.
const std::vector<TPeldaVilag>& PeldaVilagok();

inline constexpr std::string_view kRetFajlnev = "meadow";
inline constexpr std::string_view kPermetFajlnev = "pesticide";
inline constexpr uint32_t kPillanatkepMag = 2024;
inline constexpr int32_t kPillanatkepLepesek = 400;

}  // namespace zelvaris
