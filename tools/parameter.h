#pragma once
// What a batch run may set before it starts: a species field, written
// "animal:ID.Field" or "plant:ID.Field" (ID the species' Id, or its name when
// exactly one species of that kind bears it; Field a line of the full species
// record), or the side length "L". Values are written as the files hold them:
// integers in decimal, flags as 0 or 1, species lists and prey groups as
// their list text ("2, 0, 7", "3/4, 1").

#include <cstdint>
#include <string>
#include <string_view>

#include "core/faj_mezo_tabla.h"

namespace zelvaris {

class TOkoszisztema;

enum class TParameterFajta { Oldal, Allat, Noveny };

struct TParameter {
  std::string Szoveg;  // as written on the command line
  TParameterFajta Fajta = TParameterFajta::Oldal;
  std::string Faj;  // the ID part
  std::string Mezo;
  TMezoFajta ErtekFajta = TMezoFajta::Egesz;

  // Integers, colours and flags can be swept; names and lists cannot.
  bool Soporheto() const {
    return ErtekFajta == TMezoFajta::Egesz || ErtekFajta == TMezoFajta::Szin ||
           ErtekFajta == TMezoFajta::Logikai;
  }
  // The values a sweepable parameter accepts.
  int64_t Legkisebb() const;
  int64_t Legnagyobb() const;
};

// Throws THasznalatHiba naming the problem (unknown kind or field).
TParameter ParameterErtelmezese(std::string_view szoveg);
// Checks a value's form and range; throws THasznalatHiba.
void ErtekEllenorzese(const TParameter& p, std::string_view ertek);

// The species Id the parameter names in this ecosystem (-1 for L); throws
// THasznalatHiba for an unknown or ambiguous species.
int32_t FajFeloldasa(const TOkoszisztema& oko, const TParameter& p);
// Sets a checked value through the field's own setter (a mass also reaches
// the living animals, a movement budget derives its radius).
void ParameterBeallitasa(TOkoszisztema& oko, const TParameter& p, int32_t fajId,
                         std::string_view ertek);

}  // namespace zelvaris
