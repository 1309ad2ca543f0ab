#include "editors/uj_faj_kotesek.h"

#include <optional>

#include "app/faj_kozpont.h"
#include "monitors/form_kijelzes.h"
#include "monitors/form_permetek.h"

namespace zelvaris {

namespace {

std::optional<TFajJelzo> Jelzo(TFajMezo mezo) {
  switch (mezo) {
    case TFajMezo::Tkp: return TFajJelzo::Tkp;
    case TFajMezo::Ngy: return TFajJelzo::Ngy;
    case TFajMezo::DegHatas: return TFajJelzo::DegHatas;
    case TFajMezo::PerHatas: return TFajJelzo::PerHatas;
    default: return std::nullopt;
  }
}

TFajMezo Mezo(TFajJelzo jelzo) {
  switch (jelzo) {
    case TFajJelzo::Tkp: return TFajMezo::Tkp;
    case TFajJelzo::Ngy: return TFajMezo::Ngy;
    case TFajJelzo::DegHatas: return TFajMezo::DegHatas;
    case TFajJelzo::PerHatas: return TFajMezo::PerHatas;
  }
  return TFajMezo::Tkp;
}

TFajFajta Fajta(bool allat) { return allat ? TFajFajta::Allat : TFajFajta::Noveny; }

// Both windows offer the same operations; only their flags differ.
template <typename TAblak>
void Feliratkozas(TFajKozpont& kozpont, TAblak& ablak) {
  QObject::connect(&kozpont, &TFajKozpont::Bejegyezve, &ablak, [&ablak](TFajFajta f, int32_t id) {
    if (f == TFajFajta::Allat) {
      ablak.AllatHozzaad(id);
    } else {
      ablak.NovenyHozzaad(id);
    }
  });
  QObject::connect(&kozpont, &TFajKozpont::Atnevezve, &ablak,
                   [&ablak](TFajFajta f, int32_t id) { ablak.Atnevezes(f == TFajFajta::Allat, id); });
  QObject::connect(&kozpont, &TFajKozpont::MezoValtozott, &ablak, [&ablak](TFajFajta f, int32_t id, TFajMezo mezo) {
    if (const auto j = Jelzo(mezo)) ablak.JelzoIgazitas(f == TFajFajta::Allat, *j, id);
  });
  QObject::connect(&kozpont, &TFajKozpont::JelzoValtozott, &ablak, [&ablak](TFajFajta f, TFajMezo mezo) {
    if (const auto j = Jelzo(mezo)) ablak.JelzoMindIgazitasa(f == TFajFajta::Allat, *j);
  });
  QObject::connect(&kozpont, &TFajKozpont::Urites, &ablak, [&ablak] { ablak.Torles(); });
  QObject::connect(&ablak, &TAblak::JelzokValtoztak, &kozpont,
                   [&kozpont](bool allat, TFajJelzo j) { kozpont.JelzoMindenFajra(Fajta(allat), Mezo(j)); });
}

}  // namespace

void PermetekFeliratkozas(TFajKozpont& kozpont, TForm_Permetek& permetek) { Feliratkozas(kozpont, permetek); }

void KijelzesFeliratkozas(TFajKozpont& kozpont, TForm_Kijelzes& kijelzes) { Feliratkozas(kozpont, kijelzes); }

}  // namespace zelvaris
