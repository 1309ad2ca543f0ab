#include "persistence/faj_rekord.h"

#include <stdexcept>

#include "persistence/rajzolas_szunet.h"

namespace zelvaris {

namespace {

TMezoErtek SorOlvasasa(TSorOlvaso& o, TMezoFajta fajta) {
  switch (fajta) {
    case TMezoFajta::Egesz: return o.Egesz();
    case TMezoFajta::Logikai: return int32_t{o.Logikai() ? 1 : 0};
    case TMezoFajta::Szin: return o.Szin();
    case TMezoFajta::Szoveg: return o.Szoveg();
    case TMezoFajta::Lista: return o.Lista();
    case TMezoFajta::Csoportok: return o.Csoportok();
  }
  throw std::logic_error("ismeretlen sorfajta");
}

void SorIrasa(TSorIro& i, TMezoFajta fajta, const TMezoErtek& e) {
  switch (fajta) {
    case TMezoFajta::Egesz: return i.Egesz(std::get<int32_t>(e));
    case TMezoFajta::Logikai: return i.Logikai(std::get<int32_t>(e) != 0);
    case TMezoFajta::Szin: return i.Szin(std::get<int32_t>(e));
    case TMezoFajta::Szoveg: return i.Szoveg(std::get<std::string>(e));
    case TMezoFajta::Lista: return i.Lista(std::get<TIdLista>(e));
    case TMezoFajta::Csoportok: return i.Csoportok(std::get<TCsoportok>(e));
  }
}

void Beallitas(const TFajRekord& r, TFajFajta fajta, TElolenyFaj& faj) {
  if (r.Fajta != fajta) throw std::logic_error("a rekord másik fajtájú fajé");
  TRajzolasSzunet szunet(faj.Okoszisztema());
  if (r.LathatoValtozas(faj)) szunet.Valtozas();
  r.Beallitas(faj);
}

}  // namespace

TFajRekord AllatRekord(const TAllatFaj& faj) { return TFajRekord::Kivetel(faj, TFajFajta::Allat); }

TFajRekord NovenyRekord(const TNovenyFaj& faj) {
  return TFajRekord::Kivetel(faj, TFajFajta::Noveny);
}

void RekordOlvasasa(TSorOlvaso& o, TFajRekord& r, bool teljes) {
  const auto tabla = FajMezoTabla(r.Fajta);
  r.Ertekek.resize(tabla.size());
  for (size_t i = 0; i < tabla.size(); ++i) {
    if (teljes || tabla[i].RovidSor != 0) {
      r.Ertekek[i] = SorOlvasasa(o, tabla[i].Fajta);
    } else if (auto ertek = RovidHianyErteke(tabla[i])) {
      r.Ertekek[i] = std::move(*ertek);
    }
  }
}

void RekordIrasa(TSorIro& i, const TFajRekord& r, bool teljes) {
  const auto tabla = FajMezoTabla(r.Fajta);
  for (size_t k = 0; k < tabla.size(); ++k) {
    if (teljes || tabla[k].RovidSor != 0) SorIrasa(i, tabla[k].Fajta, r.Ertekek.at(k));
  }
}

void RekordBeallitasa(const TFajRekord& r, TAllatFaj& faj) { Beallitas(r, TFajFajta::Allat, faj); }

void RekordBeallitasa(const TFajRekord& r, TNovenyFaj& faj) {
  Beallitas(r, TFajFajta::Noveny, faj);
}

}  // namespace zelvaris
