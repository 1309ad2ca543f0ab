#include "core/faj_mezo_tabla.h"

#include <array>
#include <stdexcept>
#include <type_traits>

namespace zelvaris {

namespace {

using M = TFajMezo;
using K = TMezoFajta;
using H = TRovidHiany;

// A field stored as a plain member: `Tag` points at it.
template <typename T>
struct TTag;
template <typename O, typename T>
struct TTag<T O::*> {
  using Osztaly = O;
  using Tipus = T;
};

template <auto Tag>
TMezoErtek TagOlvasas(const TElolenyFaj& faj) {
  using T = TTag<decltype(Tag)>;
  const auto& o = static_cast<const typename T::Osztaly&>(faj);
  if constexpr (std::is_same_v<typename T::Tipus, bool>) {
    return int32_t{o.*Tag ? 1 : 0};
  } else {
    return o.*Tag;
  }
}

template <auto Tag>
void TagBeallitas(TElolenyFaj& faj, const TMezoErtek& ertek) {
  using T = TTag<decltype(Tag)>;
  auto& o = static_cast<typename T::Osztaly&>(faj);
  if constexpr (std::is_same_v<typename T::Tipus, bool>) {
    o.*Tag = std::get<int32_t>(ertek) != 0;
  } else {
    o.*Tag = std::get<typename T::Tipus>(ertek);
  }
}

// A field behind a getter and a setter.
template <typename T>
struct TOlvaso;
template <typename O, typename R>
struct TOlvaso<R (O::*)() const> {
  using Osztaly = O;
  using Tipus = std::remove_cvref_t<R>;
};

template <auto Olvaso>
TMezoErtek MuveletOlvasas(const TElolenyFaj& faj) {
  using T = TOlvaso<decltype(Olvaso)>;
  const auto& o = static_cast<const typename T::Osztaly&>(faj);
  if constexpr (std::is_same_v<typename T::Tipus, bool>) {
    return int32_t{(o.*Olvaso)() ? 1 : 0};
  } else {
    return (o.*Olvaso)();
  }
}

template <auto Olvaso, auto Beallito>
void MuveletBeallitas(TElolenyFaj& faj, const TMezoErtek& ertek) {
  using T = TOlvaso<decltype(Olvaso)>;
  auto& o = static_cast<typename T::Osztaly&>(faj);
  if constexpr (std::is_same_v<typename T::Tipus, bool>) {
    (o.*Beallito)(std::get<int32_t>(ertek) != 0);
  } else {
    (o.*Beallito)(std::get<typename T::Tipus>(ertek));
  }
}

template <auto Tag>
constexpr TFajMezoLeiras TagMezo(M mezo, std::string_view nev, K fajta, int teljes, int rovid,
                                 H hiany = H::Torles) {
  return {mezo, nev, fajta, teljes, rovid, hiany, false, &TagOlvasas<Tag>, &TagBeallitas<Tag>};
}

template <auto Olvaso, auto Beallito>
constexpr TFajMezoLeiras MuveletMezo(M mezo, std::string_view nev, K fajta, int teljes, int rovid,
                                     H hiany = H::Torles, bool rajzol = false) {
  return {mezo,   nev,   fajta, teljes, rovid, hiany, rajzol, &MuveletOlvasas<Olvaso>,
          &MuveletBeallitas<Olvaso, Beallito>};
}

// Replacing a prey list prepares the prey table again.
TMezoErtek NovenyPredakOlvasas(const TElolenyFaj& faj) {
  return static_cast<const TAllatFaj&>(faj).Predak.NovenyPredak();
}
void NovenyPredakBeallitas(TElolenyFaj& faj, const TMezoErtek& ertek) {
  static_cast<TAllatFaj&>(faj).Predak.SetNovenyPredak(std::get<TCsoportok>(ertek));
}
TMezoErtek AllatPredakOlvasas(const TElolenyFaj& faj) {
  return static_cast<const TAllatFaj&>(faj).Predak.AllatPredak();
}
void AllatPredakBeallitas(TElolenyFaj& faj, const TMezoErtek& ertek) {
  static_cast<TAllatFaj&>(faj).Predak.SetAllatPredak(std::get<TCsoportok>(ertek));
}

using E = TElolenyFaj;
using A = TAllatFaj;
using N = TNovenyFaj;

// Lines 1 to 11, the same in both kinds' records; a short record holds the
// first two and drops what ties a species to one ecosystem.
template <size_t Sajat>
constexpr std::array<TFajMezoLeiras, 11 + Sajat> KozosUtan(
    const std::array<TFajMezoLeiras, Sajat>& sajat) {
  std::array<TFajMezoLeiras, 11 + Sajat> t = {{
      MuveletMezo<&E::Nev, &E::SetNev>(M::Nev, "Nev", K::Szoveg, 1, 1),
      MuveletMezo<&E::Szin, &E::SetSzin>(M::Szin, "Szin", K::Szin, 2, 2, H::Torles, true),
      TagMezo<&E::PopulacioMeret>(M::PopulacioMeret, "PopulacioMeret", K::Egesz, 3, 0),
      TagMezo<&E::DegHatas>(M::DegHatas, "DegHatas", K::Logikai, 4, 0),
      TagMezo<&E::PerHatas>(M::PerHatas, "PerHatas", K::Logikai, 5, 0),
      TagMezo<&E::GocEgyedszam>(M::GocEgyedszam, "GocEgyedszam", K::Egesz, 6, 0),
      TagMezo<&E::GocRitkitas>(M::GocRitkitas, "GocRitkitas", K::Egesz, 7, 0),
      TagMezo<&E::DegHatasfok>(M::DegHatasfok, "DegHatasfok", K::Egesz, 8, 0, H::Megmarad),
      TagMezo<&E::PerHatasfok>(M::PerHatasfok, "PerHatasfok", K::Egesz, 9, 0, H::Megmarad),
      MuveletMezo<&E::Tkp, &E::SetTkp>(M::Tkp, "Tkp", K::Logikai, 10, 0, H::Igaz, true),
      MuveletMezo<&E::Ngy, &E::SetNgy>(M::Ngy, "Ngy", K::Logikai, 11, 0, H::Igaz, true),
  }};
  for (size_t i = 0; i < Sajat; ++i) t[11 + i] = sajat[i];
  return t;
}

// Utod stands before SzuloSugar; the short record keeps the biology (lines
// 16 to 25) and clears the prey groups, the forbidden lists and the spray
// reductions.
constexpr auto kAllatMezok = KozosUtan<18>({{
    {M::NovenyPredak, "NovenyPredak", K::Csoportok, 12, 0, H::Torles, false, &NovenyPredakOlvasas,
     &NovenyPredakBeallitas},
    {M::AllatPredak, "AllatPredak", K::Csoportok, 13, 0, H::Torles, false, &AllatPredakOlvasas,
     &AllatPredakBeallitas},
    TagMezo<&A::NovenyUtkozes>(M::NovenyUtkozes, "NovenyUtkozes", K::Lista, 14, 0),
    TagMezo<&A::AllatUtkozes>(M::AllatUtkozes, "AllatUtkozes", K::Lista, 15, 0),
    // Through the setter: every living animal has the species' mass.
    MuveletMezo<&A::Tomeg, &A::SetTomeg>(M::Tomeg, "Tomeg", K::Egesz, 16, 3),
    TagMezo<&A::Kor>(M::Kor, "Kor", K::Egesz, 17, 4),
    TagMezo<&A::Vemhes>(M::Vemhes, "Vemhes", K::Egesz, 18, 5),
    TagMezo<&A::Ivarerettseg>(M::Ivarerettseg, "Ivarerettseg", K::Egesz, 19, 6),
    TagMezo<&A::Regeneralodas>(M::Regeneralodas, "Regeneralodas", K::Egesz, 20, 7),
    TagMezo<&A::Utod>(M::Utod, "Utod", K::Egesz, 21, 8),
    TagMezo<&A::SzuloSugar>(M::SzuloSugar, "SzuloSugar", K::Egesz, 22, 9),
    TagMezo<&A::Ehes>(M::Ehes, "Ehes", K::Egesz, 23, 10),
    TagMezo<&A::Jollakottsag>(M::Jollakottsag, "Jollakottsag", K::Egesz, 24, 11),
    // The radius is not stored: the setter derives it.
    MuveletMezo<&A::MozgasHossz, &A::SetMozgasHossz>(M::MozgasHossz, "MozgasHossz", K::Egesz, 25, 12),
    TagMezo<&A::DegUtodMinusz>(M::DegUtodMinusz, "DegUtodMinusz", K::Egesz, 26, 0),
    TagMezo<&A::DegKorMinusz>(M::DegKorMinusz, "DegKorMinusz", K::Egesz, 27, 0),
    TagMezo<&A::PerUtodMinusz>(M::PerUtodMinusz, "PerUtodMinusz", K::Egesz, 28, 0),
    TagMezo<&A::PerKorMinusz>(M::PerKorMinusz, "PerKorMinusz", K::Egesz, 29, 0),
}});

// A short plant record keeps Novekmeny and Tomeg, leaves the two lists as
// they were and clears the growth reductions.
constexpr auto kNovenyMezok = KozosUtan<6>({{
    TagMezo<&N::NovenyUtkozes>(M::NovenyUtkozes, "NovenyUtkozes", K::Lista, 12, 0, H::Megmarad),
    TagMezo<&N::AllatGatlas>(M::AllatGatlas, "AllatGatlas", K::Lista, 13, 0, H::Megmarad),
    TagMezo<&N::Novekmeny>(M::Novekmeny, "Novekmeny", K::Egesz, 14, 3),
    TagMezo<&N::Tomeg>(M::Tomeg, "Tomeg", K::Egesz, 15, 4),
    TagMezo<&N::DegNovMinusz>(M::DegNovMinusz, "DegNovMinusz", K::Egesz, 16, 0),
    TagMezo<&N::PerNovMinusz>(M::PerNovMinusz, "PerNovMinusz", K::Egesz, 17, 0),
}});

// The lines run 1, 2, 3 … in both records, a field appears once, and only
// a flag can be switched on by a short record.
template <size_t Db>
constexpr bool Rendben(const std::array<TFajMezoLeiras, Db>& t) {
  int rovid = 0;
  for (size_t i = 0; i < Db; ++i) {
    if (t[i].TeljesSor != static_cast<int>(i) + 1) return false;
    if (t[i].RovidSor != 0 && t[i].RovidSor != ++rovid) return false;
    if (t[i].Hiany == H::Igaz && t[i].Fajta != K::Logikai) return false;
    for (size_t j = 0; j < i; ++j) {
      if (t[j].Mezo == t[i].Mezo || t[j].Nev == t[i].Nev) return false;
    }
  }
  return true;
}
static_assert(Rendben(kAllatMezok) && kAllatMezok.size() == 29);
static_assert(Rendben(kNovenyMezok) && kNovenyMezok.size() == 17);

[[noreturn]] void IsmeretlenMezo() { throw std::logic_error("a mező nem tartozik ehhez a fajtához"); }

const TFajMezoLeiras& Leiras(TFajFajta fajta, TFajMezo mezo) {
  const TFajMezoLeiras* l = MezoLeiras(fajta, mezo);
  if (l == nullptr) IsmeretlenMezo();
  return *l;
}

bool Szamszeru(TMezoFajta f) { return f == K::Egesz || f == K::Logikai || f == K::Szin; }
bool Listas(TMezoFajta f) { return f == K::Lista || f == K::Csoportok; }

}  // namespace

std::span<const TFajMezoLeiras> FajMezoTabla(TFajFajta fajta) {
  if (fajta == TFajFajta::Allat) return kAllatMezok;
  return kNovenyMezok;
}

const TFajMezoLeiras* MezoLeiras(TFajFajta fajta, TFajMezo mezo) {
  for (const TFajMezoLeiras& l : FajMezoTabla(fajta)) {
    if (l.Mezo == mezo) return &l;
  }
  return nullptr;
}

const TFajMezoLeiras* MezoKeresese(TFajFajta fajta, std::string_view nev) {
  for (const TFajMezoLeiras& l : FajMezoTabla(fajta)) {
    if (l.Nev == nev) return &l;
  }
  return nullptr;
}

std::optional<TMezoErtek> RovidHianyErteke(const TFajMezoLeiras& l) {
  switch (l.Hiany) {
    case H::Megmarad: return std::nullopt;
    case H::Igaz: return int32_t{1};
    case H::Torles: break;
  }
  switch (l.Fajta) {
    case K::Szoveg: return std::string();
    case K::Lista: return TIdLista();
    case K::Csoportok: return TCsoportok();
    default: return int32_t{0};
  }
}

TFajErtekek TFajErtekek::Kivetel(const TElolenyFaj& faj, TFajFajta fajta) {
  TFajErtekek e{fajta, {}};
  for (const TFajMezoLeiras& l : FajMezoTabla(fajta)) e.Ertekek.push_back(l.Olvas(faj));
  return e;
}

const TMezoErtek& TFajErtekek::Ertek(TFajMezo mezo) const {
  const TFajMezoLeiras& l = Leiras(Fajta, mezo);
  return Ertekek.at(static_cast<size_t>(&l - FajMezoTabla(Fajta).data()));
}

std::string TFajErtekek::MegjelenitettNev(int32_t id) const {
  return std::get<std::string>(Ertek(M::Nev)) + " (" + std::to_string(id) + ")";
}

bool TFajErtekek::LathatoValtozas(const TElolenyFaj& faj) const {
  const auto tabla = FajMezoTabla(Fajta);
  for (size_t i = 0; i < tabla.size(); ++i) {
    if (tabla[i].Rajzol && tabla[i].Olvas(faj) != Ertekek.at(i)) return true;
  }
  return false;
}

void TFajErtekek::Beallitas(TElolenyFaj& faj) const {
  const auto tabla = FajMezoTabla(Fajta);
  for (size_t i = 0; i < tabla.size(); ++i) tabla[i].Beallit(faj, Ertekek.at(i));
}

std::string ErtekSzovegge(TMezoFajta fajta, const TMezoErtek& ertek) {
  switch (fajta) {
    case K::Szoveg: return std::get<std::string>(ertek);
    case K::Lista: return ListaSzovegge(std::get<TIdLista>(ertek));
    case K::Csoportok: return CsoportokSzovegge(std::get<TCsoportok>(ertek));
    default: return std::to_string(std::get<int32_t>(ertek));
  }
}

TMezoErtek SzovegbolErtek(TMezoFajta fajta, std::string_view szoveg) {
  switch (fajta) {
    case K::Szoveg: return std::string(szoveg);
    case K::Lista: return SzovegbolLista(szoveg);
    case K::Csoportok: return SzovegbolCsoportok(szoveg);
    default: throw std::logic_error("egy szám nem listaszövegből olvasandó");
  }
}

int32_t MezoErtek(const TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo) {
  const TFajMezoLeiras& l = Leiras(fajta, mezo);
  if (!Szamszeru(l.Fajta)) IsmeretlenMezo();
  return std::get<int32_t>(l.Olvas(faj));
}

void MezoBeallitas(TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo, int32_t ertek) {
  const TFajMezoLeiras& l = Leiras(fajta, mezo);
  if (!Szamszeru(l.Fajta)) IsmeretlenMezo();
  l.Beallit(faj, ertek);
}

std::string ListaMezoSzoveg(const TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo) {
  const TFajMezoLeiras& l = Leiras(fajta, mezo);
  if (!Listas(l.Fajta)) IsmeretlenMezo();
  return ErtekSzovegge(l.Fajta, l.Olvas(faj));
}

void ListaMezoBeallitas(TElolenyFaj& faj, TFajFajta fajta, TFajMezo mezo, std::string_view szoveg) {
  const TFajMezoLeiras& l = Leiras(fajta, mezo);
  if (!Listas(l.Fajta)) IsmeretlenMezo();
  l.Beallit(faj, SzovegbolErtek(l.Fajta, szoveg));
}

}  // namespace zelvaris
