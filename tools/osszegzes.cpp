#include "tools/osszegzes.h"

#include <sstream>

#include "persistence/csv_iro.h"
#include "persistence/sorozat_csv.h"

namespace zelvaris {

namespace {

// The first recorded step (from 1) at which the row was 0, or 0 for none.
int32_t ElsoNulla(const TLetszamForras& forras, int32_t sor, int32_t lepesek) {
  for (int32_t k = 0; k < lepesek; ++k)
    if (forras.Ertek(sor, k) == 0.0f) return k + 1;
  return 0;
}

// Summed as the plant step sums it (32-bit, wrapping), so it equals the last
// recorded value after a step and is meaningful before any.
float NovenyTomeg(const TNovenyFaj& f) {
  uint32_t osszeg = 0;
  for (int32_t i = 0; i < f.Egyedek.Darab(); ++i)
    osszeg += static_cast<uint32_t>(f.Egyedek[i].Tomeg);
  return static_cast<float>(static_cast<int32_t>(osszeg));
}

}  // namespace

std::string OsszegzesFejlec(const TOkoszisztema& oko, const TBatchBeallitas& b) {
  std::ostringstream ki;
  TCsvIro csv(ki);
  for (const char* nev : {"run", "replicate", "seed"}) csv.Mezo(nev);
  for (const TSopresLeiras& s : b.Sopresek) csv.Mezo(s.Parameter.Szoveg);
  csv.Mezo("steps");
  for (int32_t i = 0; i < oko.NovenyFajokSzama(); ++i)
    csv.Mezo(oko.NovenyFaj(i).MegjelenitettNev());
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i) csv.Mezo(oko.AllatFaj(i).MegjelenitettNev());
  for (int32_t i = 0; i < oko.NovenyFajokSzama(); ++i)
    csv.Mezo(oko.NovenyFaj(i).MegjelenitettNev() + " first 0");
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i)
    csv.Mezo(oko.AllatFaj(i).MegjelenitettNev() + " first 0");
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i)
    csv.Mezo(oko.AllatFaj(i).MegjelenitettNev() + " per mean");
  csv.Mezo("final seed");
  csv.SorVege();
  return ki.str();
}

std::string OsszegzesSor(const TOkoszisztema& oko, const TBatchBeallitas& b, const TFutasTerv& f,
                         uint32_t vegsoMag) {
  std::ostringstream ki;
  TCsvIro csv(ki);
  csv.Mezo(std::to_string(f.Index));
  csv.Mezo(std::to_string(f.Ismetles));
  csv.Mezo(std::to_string(f.Mag));
  for (int32_t v : f.Ertekek) csv.Mezo(std::to_string(v));
  csv.Mezo(std::to_string(b.Lepesek));
  for (int32_t i = 0; i < oko.NovenyFajokSzama(); ++i) csv.Szam(NovenyTomeg(oko.NovenyFaj(i)));
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i)
    csv.Mezo(std::to_string(oko.AllatFaj(i).Egyedek.Darab()));
  const int32_t lepesek = RogzitettLepesek(oko);
  auto Elso = [&](const TLetszamForras& forras, int32_t sor) {
    const int32_t k = ElsoNulla(forras, sor, lepesek);
    csv.Mezo(k > 0 ? std::to_string(k) : "");
  };
  for (int32_t i = 0; i < oko.NovenyFajokSzama(); ++i) Elso(oko.NovenyLetszam, i);
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i) Elso(oko.AllatLetszam, i);
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i) csv.Szam(DozisAllapot(oko.AllatFaj(i)).PerAtlag);
  csv.Mezo(std::to_string(vegsoMag));
  csv.SorVege();
  return ki.str();
}

}  // namespace zelvaris
