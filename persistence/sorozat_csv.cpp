#include "persistence/sorozat_csv.h"

#include <algorithm>
#include <sstream>

#include "core/okoszisztema.h"
#include "persistence/atomi_mentes.h"
#include "persistence/csv_iro.h"

namespace zelvaris {

std::vector<TSorozatOszlop> SorozatOszlopok(const TOkoszisztema& oko) {
  std::vector<TSorozatOszlop> oszlopok;
  for (int32_t i = 0; i < oko.NovenyFajokSzama(); ++i)
    oszlopok.push_back({oko.NovenyFaj(i).MegjelenitettNev(), &oko.NovenyLetszam, i});
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i)
    oszlopok.push_back({oko.AllatFaj(i).MegjelenitettNev(), &oko.AllatLetszam, i});
  return oszlopok;
}

std::vector<TSorozatOszlop> DozisOszlopok(const TOkoszisztema& oko) {
  std::vector<TSorozatOszlop> oszlopok;
  const TDozisForras& d = oko.AllatDozis;
  for (int32_t i = 0; i < oko.AllatFajokSzama(); ++i) {
    const std::string nev = oko.AllatFaj(i).MegjelenitettNev();
    oszlopok.push_back({nev + " deg mean", &d.DegAtlag, i});
    oszlopok.push_back({nev + " deg max", &d.DegMax, i});
    oszlopok.push_back({nev + " per mean", &d.PerAtlag, i});
    oszlopok.push_back({nev + " per max", &d.PerMax, i});
  }
  return oszlopok;
}

std::vector<TSorozatOszlop> DozisAtlagOszlopok(const TOkoszisztema& oko) {
  std::vector<TSorozatOszlop> oszlopok;
  for (const TSorozatOszlop& o : DozisOszlopok(oko))
    if (o.Forras == &oko.AllatDozis.DegAtlag || o.Forras == &oko.AllatDozis.PerAtlag) oszlopok.push_back(o);
  return oszlopok;
}

int32_t RogzitettLepesek(const TOkoszisztema& oko) {
  // Both tables gain a column in every step; a world without species of one
  // kind still counts its steps there.
  return std::min(oko.NovenyLetszam.Hossz(), oko.AllatLetszam.Hossz());
}

void SorozatIrasa(std::span<const TSorozatOszlop> oszlopok, int32_t lepesek, std::ostream& ki) {
  TCsvIro csv(ki);
  csv.Mezo("step");
  for (const TSorozatOszlop& o : oszlopok) csv.Mezo(o.Nev);
  csv.SorVege();
  for (int32_t k = 1; k <= lepesek; ++k) {
    csv.Mezo(std::to_string(k));
    for (const TSorozatOszlop& o : oszlopok) csv.Szam(o.Forras->Ertek(o.Sor, k - 1));
    csv.SorVege();
  }
}

void SorozatIrasa(const TOkoszisztema& oko, std::ostream& ki) {
  SorozatIrasa(SorozatOszlopok(oko), RogzitettLepesek(oko), ki);
}

void SorozatMentese(std::span<const TSorozatOszlop> oszlopok, int32_t lepesek,
                    const std::filesystem::path& fajl) {
  std::ostringstream tartalom;
  SorozatIrasa(oszlopok, lepesek, tartalom);
  AtomiMentes(fajl, tartalom.str());
}

void SorozatMentese(const TOkoszisztema& oko, const std::filesystem::path& fajl) {
  SorozatMentese(SorozatOszlopok(oko), RogzitettLepesek(oko), fajl);
}

}  // namespace zelvaris
