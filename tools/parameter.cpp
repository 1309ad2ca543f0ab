#include "tools/parameter.h"

#include <charconv>
#include <limits>
#include <vector>

#include "core/okoszisztema.h"
#include "tools/hasznalati_hiba.h"

namespace zelvaris {

namespace {

constexpr int64_t kLegkisebbOldal = 50;
constexpr int64_t kLegnagyobbOldal = 2'000'000'000;

struct TErtek {
  int32_t Egesz = 0;
  std::string_view Szoveg;
};

template <typename F>
struct TMezo {
  std::string_view Nev;
  TErtekFajta Fajta;
  void (*Beallit)(F&, const TErtek&);
};

// Lines 1 to 11, common to both kinds' full record.
template <typename F>
std::vector<TMezo<F>> KozosMezok() {
  return {
      {"Nev", TErtekFajta::Szoveg, [](F& f, const TErtek& e) { f.SetNev(std::string(e.Szoveg)); }},
      {"Szin", TErtekFajta::Egesz, [](F& f, const TErtek& e) { f.SetSzin(e.Egesz); }},
      {"PopulacioMeret", TErtekFajta::Egesz,
       [](F& f, const TErtek& e) { f.PopulacioMeret = e.Egesz; }},
      {"DegHatas", TErtekFajta::Logikai, [](F& f, const TErtek& e) { f.DegHatas = e.Egesz == 1; }},
      {"PerHatas", TErtekFajta::Logikai, [](F& f, const TErtek& e) { f.PerHatas = e.Egesz == 1; }},
      {"GocEgyedszam", TErtekFajta::Egesz, [](F& f, const TErtek& e) { f.GocEgyedszam = e.Egesz; }},
      {"GocRitkitas", TErtekFajta::Egesz, [](F& f, const TErtek& e) { f.GocRitkitas = e.Egesz; }},
      {"DegHatasfok", TErtekFajta::Egesz, [](F& f, const TErtek& e) { f.DegHatasfok = e.Egesz; }},
      {"PerHatasfok", TErtekFajta::Egesz, [](F& f, const TErtek& e) { f.PerHatasfok = e.Egesz; }},
      {"Tkp", TErtekFajta::Logikai, [](F& f, const TErtek& e) { f.SetTkp(e.Egesz == 1); }},
      {"Ngy", TErtekFajta::Logikai, [](F& f, const TErtek& e) { f.SetNgy(e.Egesz == 1); }},
  };
}

// In the order of the full records' lines.
const std::vector<TMezo<TAllatFaj>>& AllatMezok() {
  using F = TAllatFaj;
  static const std::vector<TMezo<F>> mezok = [] {
    std::vector<TMezo<F>> m = KozosMezok<F>();
    m.insert(
        m.end(),
        {
            {"NovenyPredak", TErtekFajta::Csoportok,
             [](F& f, const TErtek& e) { f.Predak.SetNovenyPredak(SzovegbolCsoportok(e.Szoveg)); }},
            {"AllatPredak", TErtekFajta::Csoportok,
             [](F& f, const TErtek& e) { f.Predak.SetAllatPredak(SzovegbolCsoportok(e.Szoveg)); }},
            {"NovenyUtkozes", TErtekFajta::Lista,
             [](F& f, const TErtek& e) { f.NovenyUtkozes = SzovegbolLista(e.Szoveg); }},
            {"AllatUtkozes", TErtekFajta::Lista,
             [](F& f, const TErtek& e) { f.AllatUtkozes = SzovegbolLista(e.Szoveg); }},
            {"Tomeg", TErtekFajta::Egesz, [](F& f, const TErtek& e) { f.SetTomeg(e.Egesz); }},
            {"Kor", TErtekFajta::Egesz, [](F& f, const TErtek& e) { f.Kor = e.Egesz; }},
            {"Vemhes", TErtekFajta::Egesz, [](F& f, const TErtek& e) { f.Vemhes = e.Egesz; }},
            {"Ivarerettseg", TErtekFajta::Egesz,
             [](F& f, const TErtek& e) { f.Ivarerettseg = e.Egesz; }},
            {"Regeneralodas", TErtekFajta::Egesz,
             [](F& f, const TErtek& e) { f.Regeneralodas = e.Egesz; }},
            {"Utod", TErtekFajta::Egesz, [](F& f, const TErtek& e) { f.Utod = e.Egesz; }},
            {"SzuloSugar", TErtekFajta::Egesz,
             [](F& f, const TErtek& e) { f.SzuloSugar = e.Egesz; }},
            {"Ehes", TErtekFajta::Egesz, [](F& f, const TErtek& e) { f.Ehes = e.Egesz; }},
            {"Jollakottsag", TErtekFajta::Egesz,
             [](F& f, const TErtek& e) { f.Jollakottsag = e.Egesz; }},
            {"MozgasHossz", TErtekFajta::Egesz,
             [](F& f, const TErtek& e) { f.SetMozgasHossz(e.Egesz); }},
            {"DegUtodMinusz", TErtekFajta::Egesz,
             [](F& f, const TErtek& e) { f.DegUtodMinusz = e.Egesz; }},
            {"DegKorMinusz", TErtekFajta::Egesz,
             [](F& f, const TErtek& e) { f.DegKorMinusz = e.Egesz; }},
            {"PerUtodMinusz", TErtekFajta::Egesz,
             [](F& f, const TErtek& e) { f.PerUtodMinusz = e.Egesz; }},
            {"PerKorMinusz", TErtekFajta::Egesz,
             [](F& f, const TErtek& e) { f.PerKorMinusz = e.Egesz; }},
        });
    return m;
  }();
  return mezok;
}

const std::vector<TMezo<TNovenyFaj>>& NovenyMezok() {
  using F = TNovenyFaj;
  static const std::vector<TMezo<F>> mezok = [] {
    std::vector<TMezo<F>> m = KozosMezok<F>();
    m.insert(
        m.end(),
        {
            {"NovenyUtkozes", TErtekFajta::Lista,
             [](F& f, const TErtek& e) { f.NovenyUtkozes = SzovegbolLista(e.Szoveg); }},
            {"AllatGatlas", TErtekFajta::Lista,
             [](F& f, const TErtek& e) { f.AllatGatlas = SzovegbolLista(e.Szoveg); }},
            {"Novekmeny", TErtekFajta::Egesz, [](F& f, const TErtek& e) { f.Novekmeny = e.Egesz; }},
            {"Tomeg", TErtekFajta::Egesz, [](F& f, const TErtek& e) { f.Tomeg = e.Egesz; }},
            {"DegNovMinusz", TErtekFajta::Egesz,
             [](F& f, const TErtek& e) { f.DegNovMinusz = e.Egesz; }},
            {"PerNovMinusz", TErtekFajta::Egesz,
             [](F& f, const TErtek& e) { f.PerNovMinusz = e.Egesz; }},
        });
    return m;
  }();
  return mezok;
}

template <typename F>
const TMezo<F>* MezoKeresese(const std::vector<TMezo<F>>& mezok, std::string_view nev) {
  for (const auto& m : mezok)
    if (m.Nev == nev) return &m;
  return nullptr;
}

template <typename F>
std::string MezoNevek(const std::vector<TMezo<F>>& mezok) {
  std::string s;
  for (const auto& m : mezok) s += (s.empty() ? "" : ", ") + std::string(m.Nev);
  return s;
}

std::string_view FajtaNev(TParameterFajta f) {
  return f == TParameterFajta::Allat ? "animal" : "plant";
}

// An optional minus sign and decimal digits; anything else is refused.
bool EgeszOlvasasa(std::string_view s, int64_t& ertek) {
  const size_t szamjegyek = s.starts_with('-') ? 1 : 0;
  if (s.size() == szamjegyek ||
      s.find_first_not_of("0123456789", szamjegyek) != std::string_view::npos)
    return false;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), ertek);
  return r.ec == std::errc{} && r.ptr == s.data() + s.size();
}

}  // namespace

int64_t TParameter::Legkisebb() const {
  if (Fajta == TParameterFajta::Oldal) return kLegkisebbOldal;
  if (ErtekFajta == TErtekFajta::Logikai) return 0;
  return std::numeric_limits<int32_t>::min();
}

int64_t TParameter::Legnagyobb() const {
  if (Fajta == TParameterFajta::Oldal) return kLegnagyobbOldal;
  if (ErtekFajta == TErtekFajta::Logikai) return 1;
  return std::numeric_limits<int32_t>::max();
}

TParameter ParameterErtelmezese(std::string_view szoveg) {
  TParameter p;
  p.Szoveg = std::string(szoveg);
  if (szoveg == "L") return p;
  const auto kettospont = szoveg.find(':');
  const auto pont = szoveg.rfind('.');
  if (kettospont == std::string_view::npos || pont == std::string_view::npos || pont < kettospont)
    throw THasznalatHiba("unknown parameter \"" + p.Szoveg +
                         "\" (write L, animal:ID.Field or plant:ID.Field)");
  const std::string_view fajta = szoveg.substr(0, kettospont);
  if (fajta == "animal") {
    p.Fajta = TParameterFajta::Allat;
  } else if (fajta == "plant") {
    p.Fajta = TParameterFajta::Noveny;
  } else {
    throw THasznalatHiba("unknown parameter \"" + p.Szoveg +
                         "\": the kind must be animal or plant");
  }
  p.Faj = std::string(szoveg.substr(kettospont + 1, pont - kettospont - 1));
  p.Mezo = std::string(szoveg.substr(pont + 1));
  if (p.Faj.empty()) throw THasznalatHiba("parameter \"" + p.Szoveg + "\" names no species");
  if (p.Fajta == TParameterFajta::Allat) {
    const auto* m = MezoKeresese(AllatMezok(), p.Mezo);
    if (m == nullptr)
      throw THasznalatHiba("unknown parameter \"" + p.Szoveg +
                           "\": an animal species has no field \"" + p.Mezo +
                           "\" (fields: " + MezoNevek(AllatMezok()) + ")");
    p.ErtekFajta = m->Fajta;
  } else {
    const auto* m = MezoKeresese(NovenyMezok(), p.Mezo);
    if (m == nullptr)
      throw THasznalatHiba("unknown parameter \"" + p.Szoveg +
                           "\": a plant species has no field \"" + p.Mezo +
                           "\" (fields: " + MezoNevek(NovenyMezok()) + ")");
    p.ErtekFajta = m->Fajta;
  }
  return p;
}

void ErtekEllenorzese(const TParameter& p, std::string_view ertek) {
  if (!p.Soporheto()) {
    // Names and lists are one line of their file; a line break would split it.
    if (ertek.find_first_of("\r\n") != std::string_view::npos)
      throw THasznalatHiba(p.Szoveg + ": the value must be a single line");
    return;
  }
  int64_t szam = 0;
  if (!EgeszOlvasasa(ertek, szam)) {
    throw THasznalatHiba(p.Szoveg + " needs a whole number, not \"" + std::string(ertek) + "\"");
  }
  if (szam < p.Legkisebb() || szam > p.Legnagyobb()) {
    const bool harmincketBit =
        p.Fajta != TParameterFajta::Oldal && p.ErtekFajta == TErtekFajta::Egesz;
    throw THasznalatHiba(p.Szoveg + ": " + std::string(ertek) +
                         (harmincketBit ? " is beyond 32 bits" : " is out of range") + " (" +
                         std::to_string(p.Legkisebb()) + " to " + std::to_string(p.Legnagyobb()) +
                         ")");
  }
}

int32_t FajFeloldasa(const TOkoszisztema& oko, const TParameter& p) {
  if (p.Fajta == TParameterFajta::Oldal) return -1;
  const bool allat = p.Fajta == TParameterFajta::Allat;
  const int32_t db = allat ? oko.AllatFajokSzama() : oko.NovenyFajokSzama();
  const std::string fajta(FajtaNev(p.Fajta));
  int64_t id = 0;
  if (p.Faj.find_first_not_of("0123456789") == std::string::npos && EgeszOlvasasa(p.Faj, id)) {
    if (id < db) return static_cast<int32_t>(id);
    throw THasznalatHiba(p.Szoveg + ": unknown species, there is no " + fajta + " species " +
                         p.Faj + " (the file has " + std::to_string(db) + ")");
  }
  int32_t talalt = -1;
  int32_t talalatok = 0;
  for (int32_t i = 0; i < db; ++i) {
    const std::string& nev = allat ? oko.AllatFaj(i).Nev() : oko.NovenyFaj(i).Nev();
    if (nev == p.Faj) {
      talalt = i;
      ++talalatok;
    }
  }
  if (talalatok == 1) return talalt;
  if (talalatok == 0)
    throw THasznalatHiba(p.Szoveg + ": unknown species, no " + fajta + " species is named \"" +
                         p.Faj + "\"");
  throw THasznalatHiba(p.Szoveg + ": " + std::to_string(talalatok) + " " + fajta +
                       " species are named \"" + p.Faj + "\"; give the Id instead");
}

void ParameterBeallitasa(TOkoszisztema& oko, const TParameter& p, int32_t fajId,
                         std::string_view ertek) {
  TErtek e;
  e.Szoveg = ertek;
  if (p.Soporheto()) {
    int64_t szam = 0;
    EgeszOlvasasa(ertek, szam);
    e.Egesz = static_cast<int32_t>(szam);
  }
  switch (p.Fajta) {
    case TParameterFajta::Oldal:
      oko.Atmeretez(e.Egesz);
      break;
    case TParameterFajta::Allat:
      MezoKeresese(AllatMezok(), p.Mezo)->Beallit(oko.AllatFaj(fajId), e);
      break;
    case TParameterFajta::Noveny:
      MezoKeresese(NovenyMezok(), p.Mezo)->Beallit(oko.NovenyFaj(fajId), e);
      break;
  }
}

}  // namespace zelvaris
