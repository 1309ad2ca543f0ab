#include "app/faj_mezok.h"

#include <stdexcept>

#include "core/listak.h"

namespace zelvaris {

namespace {

// Templates so that one table serves reading (const) and writing.
template <typename A>
auto AllatMezo(A& a, TFajMezo mezo) -> decltype(&a.Kor) {
  switch (mezo) {
    case TFajMezo::PopulacioMeret: return &a.PopulacioMeret;
    case TFajMezo::DegHatasfok: return &a.DegHatasfok;
    case TFajMezo::PerHatasfok: return &a.PerHatasfok;
    case TFajMezo::Kor: return &a.Kor;
    case TFajMezo::Vemhes: return &a.Vemhes;
    case TFajMezo::Ivarerettseg: return &a.Ivarerettseg;
    case TFajMezo::Regeneralodas: return &a.Regeneralodas;
    case TFajMezo::Utod: return &a.Utod;
    case TFajMezo::SzuloSugar: return &a.SzuloSugar;
    case TFajMezo::Ehes: return &a.Ehes;
    case TFajMezo::Jollakottsag: return &a.Jollakottsag;
    case TFajMezo::DegKorMinusz: return &a.DegKorMinusz;
    case TFajMezo::DegUtodMinusz: return &a.DegUtodMinusz;
    case TFajMezo::PerKorMinusz: return &a.PerKorMinusz;
    case TFajMezo::PerUtodMinusz: return &a.PerUtodMinusz;
    default: return nullptr;
  }
}

template <typename N>
auto NovenyMezo(N& n, TFajMezo mezo) -> decltype(&n.Tomeg) {
  switch (mezo) {
    case TFajMezo::PopulacioMeret: return &n.PopulacioMeret;
    case TFajMezo::DegHatasfok: return &n.DegHatasfok;
    case TFajMezo::PerHatasfok: return &n.PerHatasfok;
    case TFajMezo::Tomeg: return &n.Tomeg;
    case TFajMezo::Novekmeny: return &n.Novekmeny;
    case TFajMezo::DegNovMinusz: return &n.DegNovMinusz;
    case TFajMezo::PerNovMinusz: return &n.PerNovMinusz;
    default: return nullptr;
  }
}

[[noreturn]] void IsmeretlenMezo() { throw std::logic_error("a mező nem tartozik ehhez a fajtához"); }

}  // namespace

const std::vector<TFajMezo>& FajMezok(TFajFajta fajta) {
  using M = TFajMezo;
  static const std::vector<TFajMezo> allat = {
      M::PopulacioMeret, M::Tomeg, M::Kor, M::Vemhes, M::Ivarerettseg, M::Regeneralodas,
      M::Utod, M::SzuloSugar, M::Ehes, M::Jollakottsag, M::DegKorMinusz, M::DegUtodMinusz,
      M::PerKorMinusz, M::PerUtodMinusz, M::Mozgas, M::DegHatasfok, M::PerHatasfok,
      M::NovenyPredak, M::AllatPredak, M::NovenyUtkozes, M::AllatUtkozes, M::DegHatas,
      M::PerHatas, M::Tkp, M::Ngy};
  static const std::vector<TFajMezo> noveny = {
      M::PopulacioMeret, M::Tomeg, M::Novekmeny, M::DegHatasfok, M::PerHatasfok,
      M::DegNovMinusz, M::PerNovMinusz, M::NovenyUtkozes, M::AllatGatlas, M::DegHatas,
      M::PerHatas, M::Tkp, M::Ngy};
  return fajta == TFajFajta::Allat ? allat : noveny;
}

int32_t MezoErtek(const TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo) {
  switch (mezo) {
    case TFajMezo::DegHatas: return faj.DegHatas ? 1 : 0;
    case TFajMezo::PerHatas: return faj.PerHatas ? 1 : 0;
    case TFajMezo::Tkp: return faj.Tkp() ? 1 : 0;
    case TFajMezo::Ngy: return faj.Ngy() ? 1 : 0;
    default: break;
  }
  if (fajta == TFajFajta::Allat) {
    const auto& a = static_cast<const TAllatFaj&>(faj);
    if (mezo == TFajMezo::Tomeg) return a.Tomeg();
    if (mezo == TFajMezo::Mozgas) return a.MozgasHossz();
    if (const int32_t* p = AllatMezo(a, mezo)) return *p;
  } else if (const int32_t* p = NovenyMezo(static_cast<const TNovenyFaj&>(faj), mezo)) {
    return *p;
  }
  IsmeretlenMezo();
}

void MezoBeallitas(TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo, int32_t ertek) {
  switch (mezo) {
    case TFajMezo::DegHatas: faj.DegHatas = ertek != 0; return;
    case TFajMezo::PerHatas: faj.PerHatas = ertek != 0; return;
    case TFajMezo::Tkp: faj.SetTkp(ertek != 0); return;
    case TFajMezo::Ngy: faj.SetNgy(ertek != 0); return;
    default: break;
  }
  if (fajta == TFajFajta::Allat) {
    auto& a = static_cast<TAllatFaj&>(faj);
    // Through the setter: the mass of every living animal follows.
    if (mezo == TFajMezo::Tomeg) return a.SetTomeg(ertek);
    if (mezo == TFajMezo::Mozgas) return a.SetMozgasHossz(ertek);
    if (int32_t* p = AllatMezo(a, mezo)) {
      *p = ertek;
      return;
    }
  } else if (int32_t* p = NovenyMezo(static_cast<TNovenyFaj&>(faj), mezo)) {
    *p = ertek;
    return;
  }
  IsmeretlenMezo();
}

bool CsoportosLista(TFajMezo mezo) {
  return mezo == TFajMezo::NovenyPredak || mezo == TFajMezo::AllatPredak;
}

std::string ListaMezoSzoveg(const TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo) {
  if (fajta == TFajFajta::Allat) {
    const auto& a = static_cast<const TAllatFaj&>(faj);
    switch (mezo) {
      case TFajMezo::NovenyPredak: return CsoportokSzovegge(a.Predak.NovenyPredak());
      case TFajMezo::AllatPredak: return CsoportokSzovegge(a.Predak.AllatPredak());
      case TFajMezo::NovenyUtkozes: return ListaSzovegge(a.NovenyUtkozes);
      case TFajMezo::AllatUtkozes: return ListaSzovegge(a.AllatUtkozes);
      default: break;
    }
  } else {
    const auto& n = static_cast<const TNovenyFaj&>(faj);
    if (mezo == TFajMezo::NovenyUtkozes) return ListaSzovegge(n.NovenyUtkozes);
    if (mezo == TFajMezo::AllatGatlas) return ListaSzovegge(n.AllatGatlas);
  }
  IsmeretlenMezo();
}

void ListaMezoBeallitas(TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo, const std::string& szoveg) {
  if (fajta == TFajFajta::Allat) {
    auto& a = static_cast<TAllatFaj&>(faj);
    switch (mezo) {
      case TFajMezo::NovenyPredak: return a.Predak.SetNovenyPredak(SzovegbolCsoportok(szoveg));
      case TFajMezo::AllatPredak: return a.Predak.SetAllatPredak(SzovegbolCsoportok(szoveg));
      case TFajMezo::NovenyUtkozes: a.NovenyUtkozes = SzovegbolLista(szoveg); return;
      case TFajMezo::AllatUtkozes: a.AllatUtkozes = SzovegbolLista(szoveg); return;
      default: break;
    }
  } else {
    auto& n = static_cast<TNovenyFaj&>(faj);
    if (mezo == TFajMezo::NovenyUtkozes) {
      n.NovenyUtkozes = SzovegbolLista(szoveg);
      return;
    }
    if (mezo == TFajMezo::AllatGatlas) {
      n.AllatGatlas = SzovegbolLista(szoveg);
      return;
    }
  }
  IsmeretlenMezo();
}

}  // namespace zelvaris
