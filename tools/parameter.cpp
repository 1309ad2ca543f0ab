#include "tools/parameter.h"

#include <charconv>
#include <limits>

#include "core/okoszisztema.h"
#include "tools/hasznalati_hiba.h"

namespace zelvaris {

namespace {

constexpr int64_t kLegkisebbOldal = 50;
constexpr int64_t kLegnagyobbOldal = 2'000'000'000;

TFajFajta FajFajta(TParameterFajta f) {
  return f == TParameterFajta::Allat ? TFajFajta::Allat : TFajFajta::Noveny;
}

std::string MezoNevek(TFajFajta fajta) {
  std::string s;
  for (const TFajMezoLeiras& m : FajMezoTabla(fajta)) s += (s.empty() ? "" : ", ") + std::string(m.Nev);
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
  if (ErtekFajta == TMezoFajta::Logikai) return 0;
  return std::numeric_limits<int32_t>::min();
}

int64_t TParameter::Legnagyobb() const {
  if (Fajta == TParameterFajta::Oldal) return kLegnagyobbOldal;
  if (ErtekFajta == TMezoFajta::Logikai) return 1;
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
  const TFajFajta fajFajta = FajFajta(p.Fajta);
  const TFajMezoLeiras* m = MezoKeresese(fajFajta, p.Mezo);
  if (m == nullptr) {
    throw THasznalatHiba("unknown parameter \"" + p.Szoveg + "\": " +
                         (fajFajta == TFajFajta::Allat ? "an animal" : "a plant") +
                         " species has no field \"" + p.Mezo + "\" (fields: " +
                         MezoNevek(fajFajta) + ")");
  }
  p.ErtekFajta = m->Fajta;
  return p;
}

void ErtekEllenorzese(const TParameter& p, std::string_view ertek) {
  if (!p.Soporheto()) {
    // Names and lists are one line of their file; a line break would split it.
    if (ertek.find_first_of("\r\n") != std::string_view::npos)
      throw THasznalatHiba(p.Szoveg + ": the value must be a single line");
    // Read on, such an Id would wrap into the Id of some other species.
    const std::string tul = p.ErtekFajta == TMezoFajta::Szoveg ? "" : TulnagySzam(ertek);
    if (!tul.empty()) throw THasznalatHiba(p.Szoveg + ": the species Id " + tul + " is beyond 32 bits");
    return;
  }
  int64_t szam = 0;
  if (!EgeszOlvasasa(ertek, szam)) {
    throw THasznalatHiba(p.Szoveg + " needs a whole number, not \"" + std::string(ertek) + "\"");
  }
  if (szam < p.Legkisebb() || szam > p.Legnagyobb()) {
    const bool harmincketBit =
        p.Fajta != TParameterFajta::Oldal && p.ErtekFajta != TMezoFajta::Logikai;
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
  int64_t szam = 0;
  if (p.Soporheto()) EgeszOlvasasa(ertek, szam);
  if (p.Fajta == TParameterFajta::Oldal) {
    oko.Atmeretez(static_cast<int32_t>(szam));
    return;
  }
  const TFajFajta fajta = FajFajta(p.Fajta);
  TElolenyFaj& faj = fajta == TFajFajta::Allat ? static_cast<TElolenyFaj&>(oko.AllatFaj(fajId))
                                               : oko.NovenyFaj(fajId);
  const TMezoErtek e =
      p.Soporheto() ? TMezoErtek(static_cast<int32_t>(szam)) : SzovegbolErtek(p.ErtekFajta, ertek);
  MezoKeresese(fajta, p.Mezo)->Beallit(faj, e);
}

}  // namespace zelvaris
