#pragma once
// The species fields an editor or a panel can change, and the one place that
// reads and writes them by name. The push hub and the field tables of both
// editors speak in these terms, so a view never needs to know how a field is
// stored in the species.

#include <cstdint>
#include <string>
#include <vector>

#include "core/fajok.h"

namespace zelvaris {

enum class TFajFajta { Allat, Noveny };

enum class TFajMezo {
  // Numbers of both kinds.
  PopulacioMeret,
  Tomeg,
  DegHatasfok,
  PerHatasfok,
  // Animal numbers.
  Kor,
  Vemhes,
  Ivarerettseg,
  Regeneralodas,
  Utod,
  SzuloSugar,
  Ehes,
  Jollakottsag,
  DegKorMinusz,
  DegUtodMinusz,
  PerKorMinusz,
  PerUtodMinusz,
  // Budget and radius move together: one push for both and the derived count.
  Mozgas,
  // Plant numbers.
  Novekmeny,
  DegNovMinusz,
  PerNovMinusz,
  // Lists.
  NovenyPredak,
  AllatPredak,
  NovenyUtkozes,
  AllatUtkozes,
  AllatGatlas,
  // Flags.
  DegHatas,
  PerHatas,
  Tkp,
  Ngy,
};

// Every field of the kind, in push order (a full refresh walks it).
const std::vector<TFajMezo>& FajMezok(TFajFajta fajta);

// Numbers and flags by field. The movement field reads and writes the budget;
// reading a list field is an error.
int32_t MezoErtek(const TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo);
void MezoBeallitas(TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo, int32_t ertek);

// The text form of a list field, as its editor shows it.
std::string ListaMezoSzoveg(const TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo);
// Replaces a list field from parsed text; the prey table is prepared again.
void ListaMezoBeallitas(TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo, const std::string& szoveg);
bool CsoportosLista(TFajMezo mezo);

}  // namespace zelvaris
