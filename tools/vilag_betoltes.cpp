#include "tools/vilag_betoltes.h"

#include <set>
#include <tuple>

#include "persistence/fajl_hiba.h"
#include "persistence/fajlnevek.h"
#include "persistence/konfiguracio.h"
#include "persistence/pillanatkep.h"

namespace zelvaris {

std::vector<TBeallitando> RogzitettErtekek(const TBatchBeallitas& b) {
  std::vector<TBeallitando> ertekek;
  for (const TErtekAdas& e : b.Ertekek) ertekek.push_back({&e.Parameter, e.Ertek});
  return ertekek;
}

std::unique_ptr<TOkoszisztema> VilagBetoltese(const std::filesystem::path& fajl,
                                              std::span<const TBeallitando> ertekek, bool alkalmaz,
                                              TVeletlen& veletlen, TKeresoTabla& tabla,
                                              std::ostream& hiba) {
  const bool konfiguracio = PontosKiterjesztes(fajl, kOkoCfgKiterjesztes);
  if (!konfiguracio && !PontosKiterjesztes(fajl, kOkoPillKiterjesztes))
    throw TFajlHiba(fajl, "not a configuration (.okocfg) or a snapshot (.okopill)");
  auto oko = konfiguracio ? OkoCfgBetoltese(fajl, veletlen, tabla)
                          : OkoPillBetoltese(fajl, veletlen, tabla);

  std::vector<int32_t> fajok;
  std::set<std::tuple<TParameterFajta, int32_t, std::string>> latott;
  for (const TBeallitando& e : ertekek) {
    const TParameter& p = *e.Parameter;
    fajok.push_back(FajFeloldasa(*oko, p));
    if (!latott.emplace(p.Fajta, fajok.back(), p.Mezo).second)
      throw THasznalatHiba(p.Szoveg + " is set twice (by --set or --sweep)");
  }
  for (size_t i = 0; i < ertekek.size(); ++i)
    ParameterBeallitasa(*oko, *ertekek[i].Parameter, fajok[i], ertekek[i].Ertek);

  if (konfiguracio && alkalmaz) {
    for (const THiany& h : oko->Alkalmaz()) {
      const std::string nev = h.Allat ? oko->AllatFaj(h.FajId).MegjelenitettNev()
                                      : oko->NovenyFaj(h.FajId).MegjelenitettNev();
      hiba << "warning: " << nev << ": only " << h.Elhelyezett << " of the " << h.Kert
           << " start individuals fit into the world\n";
    }
  }
  return oko;
}

}  // namespace zelvaris
