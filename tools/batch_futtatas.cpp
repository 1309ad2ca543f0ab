#include "tools/batch_futtatas.h"

#include <memory>

#include "core/hibak.h"
#include "core/okoszisztema.h"
#include "persistence/fajl_hiba.h"
#include "persistence/fajlnevek.h"
#include "persistence/pillanatkep.h"
#include "persistence/sorozat_csv.h"
#include "tools/haladas.h"
#include "tools/vilag_betoltes.h"

namespace zelvaris {

std::unique_ptr<TOkoszisztema> BetoltesJelentve(const TBatchBeallitas& b,
                                                std::span<const TBeallitando> ertekek,
                                                bool alkalmaz, TVeletlen& veletlen,
                                                TKeresoTabla& tabla, std::ostream& hiba, int& kod) {
  try {
    kod = kSikeres;
    return VilagBetoltese(b.Fajl, ertekek, alkalmaz, veletlen, tabla, hiba);
  } catch (const THasznalatHiba& e) {
    hiba << "zelvaris-batch: " << e.what() << '\n';
    kod = kHasznalatiHiba;
  } catch (const TMemoriaHiba& e) {
    hiba << b.Fajl.string() << ": " << e.what() << '\n';
    kod = kFajlHiba;
  } catch (const THiba& e) {
    hiba << e.what() << '\n';
    kod = kFajlHiba;
  }
  return nullptr;
}

int LepesekEsKimenetek(TOkoszisztema& oko, const TBatchBeallitas& b, std::ostream& hiba) {
  std::unique_ptr<THaladas> haladas;
  if (b.Haladas) haladas = std::make_unique<THaladas>(hiba, b.Lepesek);
  for (int32_t i = 1; i <= b.Lepesek; ++i) {
    for (const TPermetezes& p : b.Permetezesek) {
      if (p.Lepes != i) continue;
      if (p.Perzisztens) {
        oko.PerPermetezes();
      } else {
        oko.DegPermetezes();
      }
    }
    oko.Lepes();
    if (haladas) haladas->Lepett(oko, i);
  }
  if (haladas) haladas->Vege(oko, b.Lepesek);

  // Each output is attempted even when another failed: nothing the run made
  // is thrown away because of an unrelated file.
  int eredmeny = kSikeres;
  auto Kimenet = [&](const auto& iras) {
    try {
      iras();
    } catch (const THiba& e) {
      hiba << e.what() << '\n';
      eredmeny = kFajlHiba;
    }
  };
  if (b.Pillanatkep) Kimenet([&] { OkoPillMentese(oko, OkoPillNev(*b.Pillanatkep)); });
  if (b.Sorozat) Kimenet([&] { SorozatMentese(oko, *b.Sorozat); });
  if (b.Dozisok)
    Kimenet([&] { SorozatMentese(DozisOszlopok(oko), oko.AllatDozis.Hossz(), *b.Dozisok); });
  return eredmeny;
}

int BatchFuttatas(const TBatchBeallitas& b, std::ostream& hiba) {
  TVeletlen veletlen;
  if (b.Mag) {
    veletlen.MagBeallitasa(*b.Mag);
  } else {
    hiba << "seed: " << veletlen.OrabolVetes() << '\n';
  }
  TKeresoTabla tabla;
  int kod = kSikeres;
  const auto oko = BetoltesJelentve(b, RogzitettErtekek(b), true, veletlen, tabla, hiba, kod);
  if (!oko) return kod;
  const int eredmeny = LepesekEsKimenetek(*oko, b, hiba);
  hiba << "final seed: " << veletlen.Mag() << '\n';
  return eredmeny;
}

}  // namespace zelvaris
