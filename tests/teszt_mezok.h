#pragma once
// Sample values for walking the species-field table: each field of a kind
// gets a value no other field of the kind holds and a new species lacks, so a
// route that reads or writes the wrong field shows.

#include <string>

#include "core/faj_mezo_tabla.h"

namespace zelvaris::teszt {

// `eltolas` gives a second, different set (flags: the same, they have two values).
inline TMezoErtek MintaErtek(const TFajMezoLeiras& l, int32_t eltolas = 0) {
  const int32_t i = l.TeljesSor + eltolas;
  switch (l.Fajta) {
    case TMezoFajta::Logikai: return int32_t{l.Hiany == TRovidHiany::Igaz ? 0 : 1};
    case TMezoFajta::Szoveg: return "Faj " + std::to_string(i);
    case TMezoFajta::Lista: return TIdLista{i, i + 1};
    case TMezoFajta::Csoportok: return TCsoportok{{i}, {i + 1, i + 2}};
    default: return int32_t{1000 + 7 * i};
  }
}

inline void MintaBeallitas(TElolenyFaj& faj, TFajFajta fajta, int32_t eltolas = 0) {
  for (const TFajMezoLeiras& l : FajMezoTabla(fajta)) l.Beallit(faj, MintaErtek(l, eltolas));
}

}  // namespace zelvaris::teszt
