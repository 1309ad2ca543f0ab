#pragma once
// The one table of species fields. Each stored field of a plant or an animal
// species is named here once: the name the files and the batch program's
// --set use, its kind, its lines in the full and the short species record,
// what a short record does to it when it does not hold it, and how to read
// it from a species and set it through the species' own setters (so that a
// setter that compares first or redraws the map still does). The record
// reader and writer, --set and the editors all walk this table.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/fajok.h"

namespace zelvaris {

enum class TFajFajta { Allat, Noveny };

// Every stored field of either kind. The movement budget stands for the
// radius too: setting one derives the other.
enum class TFajMezo {
  Nev,
  Szin,
  PopulacioMeret,
  DegHatas,
  PerHatas,
  GocEgyedszam,
  GocRitkitas,
  DegHatasfok,
  PerHatasfok,
  Tkp,
  Ngy,
  NovenyPredak,
  AllatPredak,
  NovenyUtkozes,
  AllatUtkozes,
  AllatGatlas,
  Tomeg,
  Novekmeny,
  Kor,
  Vemhes,
  Ivarerettseg,
  Regeneralodas,
  Utod,
  SzuloSugar,
  Ehes,
  Jollakottsag,
  MozgasHossz,
  DegUtodMinusz,
  DegKorMinusz,
  PerUtodMinusz,
  PerKorMinusz,
  DegNovMinusz,
  PerNovMinusz,
};

// A field's kind is also the kind of its record line.
enum class TMezoFajta { Egesz, Logikai, Szin, Szoveg, Lista, Csoportok };

// A field's value: numbers, flags (0 or 1) and colours as integers, the name
// as text, species lists and prey groups as lists.
using TMezoErtek = std::variant<int32_t, std::string, TIdLista, TCsoportok>;

// What a short record does to a field it does not hold.
enum class TRovidHiany {
  Torles,    // 0, false or an empty list
  Igaz,      // a flag switched on
  Megmarad,  // the species keeps its value
};

struct TFajMezoLeiras {
  TFajMezo Mezo;
  std::string_view Nev;
  TMezoFajta Fajta;
  int TeljesSor;  // line in the full record, from 1
  int RovidSor;   // line in the short record, from 1; 0: not there
  TRovidHiany Hiany;
  // Setting a different value redraws the whole map.
  bool Rajzol;
  TMezoErtek (*Olvas)(const TElolenyFaj& faj);
  void (*Beallit)(TElolenyFaj& faj, const TMezoErtek& ertek);
};

// The fields of a kind in the order of its full record.
std::span<const TFajMezoLeiras> FajMezoTabla(TFajFajta fajta);
// Null when the kind has no such field.
const TFajMezoLeiras* MezoLeiras(TFajFajta fajta, TFajMezo mezo);
const TFajMezoLeiras* MezoKeresese(TFajFajta fajta, std::string_view nev);

// The value a short record gives a field it does not hold; none when the
// species keeps its own.
std::optional<TMezoErtek> RovidHianyErteke(const TFajMezoLeiras& leiras);

// Every stored field of one species as values, in table order: a file is
// read into this first, and the species takes it only when it is complete.
struct TFajErtekek {
  TFajFajta Fajta = TFajFajta::Allat;
  std::vector<TMezoErtek> Ertekek;

  static TFajErtekek Kivetel(const TElolenyFaj& faj, TFajFajta fajta);
  const TMezoErtek& Ertek(TFajMezo mezo) const;
  // "Name (Id)", as the species would show it.
  std::string MegjelenitettNev(int32_t id) const;
  // Whether taking the values would change the colour or a display flag.
  bool LathatoValtozas(const TElolenyFaj& faj) const;
  // Every field through its setter, in table order; the species must be of
  // the values' kind.
  void Beallitas(TElolenyFaj& faj) const;
};

// Text kinds (name, lists, prey groups) as their editors and --set write
// them, and back: lists through the Id-list conversions.
std::string ErtekSzovegge(TMezoFajta fajta, const TMezoErtek& ertek);
TMezoErtek SzovegbolErtek(TMezoFajta fajta, std::string_view szoveg);

// Numbers and flags by field; a field of another kind, or of no field of the
// species' kind, is a logic_error.
int32_t MezoErtek(const TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo);
void MezoBeallitas(TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo, int32_t ertek);
// The text form of a list field, and replacing it from text (a prey list
// prepares the prey table again).
std::string ListaMezoSzoveg(const TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo);
void ListaMezoBeallitas(TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo, std::string_view szoveg);

}  // namespace zelvaris
