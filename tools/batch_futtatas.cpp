#include "tools/batch_futtatas.h"

#include <algorithm>
#include <fstream>
#include <memory>

#include "core/hibak.h"
#include "core/okoszisztema.h"
#include "persistence/fajl_hiba.h"
#include "persistence/fajlnevek.h"
#include "persistence/konfiguracio.h"
#include "persistence/pillanatkep.h"
#include "tools/csv_iro.h"
#include "tools/haladas.h"

namespace zelvaris {

namespace {

std::unique_ptr<TOkoszisztema> Betoltes(const std::filesystem::path& fajl, TVeletlen& veletlen,
                                        TKeresoTabla& tabla, std::ostream& hiba) {
  if (PontosKiterjesztes(fajl, kOkoCfgKiterjesztes)) {
    auto oko = OkoCfgBetoltese(fajl, veletlen, tabla);
    for (const THiany& h : oko->Alkalmaz()) {
      const std::string nev = h.Allat ? oko->AllatFaj(h.FajId).MegjelenitettNev()
                                      : oko->NovenyFaj(h.FajId).MegjelenitettNev();
      hiba << "warning: " << nev << ": only " << h.Elhelyezett << " of the " << h.Kert
           << " start individuals fit into the world\n";
    }
    return oko;
  }
  if (PontosKiterjesztes(fajl, kOkoPillKiterjesztes)) return OkoPillBetoltese(fajl, veletlen, tabla);
  throw TFajlHiba(fajl, "not a configuration (.okocfg) or a snapshot (.okopill)");
}

void SorozatMentese(const TOkoszisztema& oko, const std::filesystem::path& fajl) {
  std::ofstream ki(fajl, std::ios::binary | std::ios::trunc);
  if (!ki) throw TFajlHiba(fajl, "cannot be created");
  SorozatIrasa(oko, ki);
  ki.close();
  if (!ki) throw TFajlHiba(fajl, "could not be written completely");
}

}  // namespace

void SorozatIrasa(const TOkoszisztema& oko, std::ostream& ki) {
  TCsvIro csv(ki);
  csv.Mezo("step");
  for (int32_t i = 0; i < oko.NovenyFajokSzama(); ++i) csv.Mezo(oko.NovenyFaj(i).MegjelenitettNev());
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i) csv.Mezo(oko.AllatFaj(i).MegjelenitettNev());
  csv.SorVege();
  // Both tables gain a column in every step; a world without species of one
  // kind still counts its steps there.
  const int32_t hossz = std::min(oko.NovenyLetszam.Hossz(), oko.AllatLetszam.Hossz());
  for (int32_t k = 1; k <= hossz; ++k) {
    csv.Mezo(std::to_string(k));
    for (int32_t i = 0; i < oko.NovenyFajokSzama(); ++i) csv.Szam(oko.NovenyLetszam.Ertek(i, k - 1));
    for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i) csv.Szam(oko.AllatLetszam.Ertek(i, k - 1));
    csv.SorVege();
  }
}

int BatchFuttatas(const TBatchBeallitas& b, std::ostream& hiba) {
  TVeletlen veletlen;
  if (b.Mag) {
    veletlen.MagBeallitasa(*b.Mag);
  } else {
    hiba << "seed: " << veletlen.OrabolVetes() << '\n';
  }
  TKeresoTabla tabla;

  std::unique_ptr<TOkoszisztema> oko;
  try {
    oko = Betoltes(b.Fajl, veletlen, tabla, hiba);
  } catch (const TMemoriaHiba& e) {
    hiba << b.Fajl.string() << ": " << e.what() << '\n';
    return kFajlHiba;
  } catch (const THiba& e) {
    hiba << e.what() << '\n';
    return kFajlHiba;
  }

  std::unique_ptr<THaladas> haladas;
  if (b.Haladas) haladas = std::make_unique<THaladas>(hiba, b.Lepesek);
  for (int32_t i = 1; i <= b.Lepesek; ++i) {
    oko->Lepes();
    if (haladas) haladas->Lepett(*oko, i);
  }
  if (haladas) haladas->Vege(*oko, b.Lepesek);

  // Each output is attempted even when another failed: nothing the run made
  // is thrown away because of an unrelated file.
  int eredmeny = kSikeres;
  if (b.Pillanatkep) {
    try {
      OkoPillMentese(*oko, OkoPillNev(*b.Pillanatkep));
    } catch (const THiba& e) {
      hiba << e.what() << '\n';
      eredmeny = kFajlHiba;
    }
  }
  if (b.Sorozat) {
    try {
      SorozatMentese(*oko, *b.Sorozat);
    } catch (const THiba& e) {
      hiba << e.what() << '\n';
      eredmeny = kFajlHiba;
    }
  }
  hiba << "final seed: " << veletlen.Mag() << '\n';
  return eredmeny;
}

}  // namespace zelvaris
