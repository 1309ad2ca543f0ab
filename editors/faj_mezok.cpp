#include "editors/faj_mezok.h"

namespace zelvaris {

namespace {

std::vector<TFajMezo> Mezok(TFajFajta fajta) {
  std::vector<TFajMezo> mezok;
  for (const TFajMezoLeiras& l : FajMezoTabla(fajta)) {
    if (l.Fajta != TMezoFajta::Szoveg && l.Fajta != TMezoFajta::Szin) mezok.push_back(l.Mezo);
  }
  return mezok;
}

}  // namespace

const std::vector<TFajMezo>& FajMezok(TFajFajta fajta) {
  static const std::vector<TFajMezo> allat = Mezok(TFajFajta::Allat);
  static const std::vector<TFajMezo> noveny = Mezok(TFajFajta::Noveny);
  return fajta == TFajFajta::Allat ? allat : noveny;
}

}  // namespace zelvaris
