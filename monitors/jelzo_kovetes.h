#pragma once
// The sprays window and the display settings follow the species through the
// push hub alike: a registered species joins their lists, a rename and a
// flag set elsewhere reach their entries, a new ecosystem empties them; a
// flag the user sets in one of their lists reaches every other view of it.

#include <optional>

#include "app/faj_kozpont.h"
#include "monitors/kijelzes_fajlista.h"

namespace zelvaris {

// The flag a species field is, if it is one of the four.
inline std::optional<TFajJelzo> FajJelzo(TFajMezo mezo) {
  switch (mezo) {
    case TFajMezo::Tkp: return TFajJelzo::Tkp;
    case TFajMezo::Ngy: return TFajJelzo::Ngy;
    case TFajMezo::DegHatas: return TFajJelzo::DegHatas;
    case TFajMezo::PerHatas: return TFajJelzo::PerHatas;
    default: return std::nullopt;
  }
}

inline TFajMezo JelzoMezo(TFajJelzo jelzo) {
  switch (jelzo) {
    case TFajJelzo::Tkp: return TFajMezo::Tkp;
    case TFajJelzo::Ngy: return TFajMezo::Ngy;
    case TFajJelzo::DegHatas: return TFajMezo::DegHatas;
    case TFajJelzo::PerHatas: return TFajMezo::PerHatas;
  }
  return TFajMezo::Tkp;
}

// Called from the window's constructor; the window offers AllatHozzaad,
// NovenyHozzaad, Atnevezes, JelzoIgazitas, JelzoMindIgazitasa, Torles and
// the signal JelzokValtoztak.
template <typename TAblak>
void FajListakKovetese(TFajKozpont& kozpont, TBejegyzesiSor sor, TAblak& ablak) {
  kozpont.BejegyzesFeliratkozas(sor, &ablak, [&ablak](TFajFajta f, int32_t id) {
    if (f == TFajFajta::Allat) {
      ablak.AllatHozzaad(id);
    } else {
      ablak.NovenyHozzaad(id);
    }
  });
  QObject::connect(&kozpont, &TFajKozpont::Atnevezve, &ablak, [&ablak](TFajFajta f, int32_t id) {
    ablak.Atnevezes(f == TFajFajta::Allat, id);
  });
  QObject::connect(&kozpont, &TFajKozpont::MezoValtozott, &ablak,
                   [&ablak](TFajFajta f, int32_t id, TFajMezo mezo) {
                     if (const auto j = FajJelzo(mezo))
                       ablak.JelzoIgazitas(f == TFajFajta::Allat, *j, id);
                   });
  QObject::connect(&kozpont, &TFajKozpont::JelzoValtozott, &ablak,
                   [&ablak](TFajFajta f, TFajMezo mezo) {
                     if (const auto j = FajJelzo(mezo))
                       ablak.JelzoMindIgazitasa(f == TFajFajta::Allat, *j);
                   });
  QObject::connect(&kozpont, &TFajKozpont::Urites, &ablak, [&ablak] { ablak.Torles(); });
  QObject::connect(&ablak, &TAblak::JelzokValtoztak, &kozpont, [&kozpont](bool allat, TFajJelzo j) {
    kozpont.JelzoMindenFajra(allat ? TFajFajta::Allat : TFajFajta::Noveny, JelzoMezo(j));
  });
}

}  // namespace zelvaris
