#include "persistence/oko_leiras.h"

#include <numeric>
#include <string>

#include "persistence/kodlap.h"
#include "persistence/rajzolas_szunet.h"

namespace zelvaris {

namespace {

enum class TElrendezes { V44, V46 };

// Compared byte for byte: "4.6 " or "4,6" is an unknown version.
TElrendezes VerzioOlvasasa(TSorOlvaso& o) {
  const int32_t sor = o.SorSzam();
  const std::string verzio = o.NyersSor();
  if (verzio == "4.4") return TElrendezes::V44;
  if (verzio == "4.5" || verzio == "4.6") return TElrendezes::V46;
  o.Hiba(TUzenet(kIsmeretlenValtozatUzenet, {KodlaprolAlakit(verzio)}), sor);
}

bool JoOldalhossz(int32_t l) { return l >= kLegkisebbOldal && l <= kLegnagyobbOldal; }

TUzenet RosszOldalhossz(int32_t l) { return TUzenet(kRosszOldalhosszUzenet, {std::to_string(l)}); }

int32_t OldalhosszOlvasasa(TSorOlvaso& o) {
  const int32_t l = o.Egesz();
  if (!JoOldalhossz(l)) o.Hiba(RosszOldalhossz(l), o.UtolsoSor());
  return l;
}

void SorrendekOlvasasa(TSorOlvaso& o, TOkoLeiras& l) {
  l.AllatSorrend = o.Lista();
  l.NovenySorrend = o.Lista();
}

void FajokOlvasasa(TSorOlvaso& o, TOkoLeiras& l) {
  const int32_t np = o.Egesz();
  for (int32_t i = 0; i < np; ++i) {
    TFajRekord r{TFajFajta::Noveny, {}};
    RekordOlvasasa(o, r, true);
    l.Novenyek.push_back(std::move(r));
  }
  const int32_t na = o.Egesz();
  for (int32_t i = 0; i < na; ++i) {
    TFajRekord r{TFajFajta::Allat, {}};
    RekordOlvasasa(o, r, true);
    l.Allatok.push_back(std::move(r));
  }
}

TIdLista Azonossag(size_t n) {
  TIdLista lista(n);
  std::iota(lista.begin(), lista.end(), 0);
  return lista;
}

}  // namespace

TOkoLeiras OkoLeirasOlvasasa(TSorOlvaso& o, bool permetekkel) {
  TOkoLeiras l;
  const TElrendezes elrendezes = VerzioOlvasasa(o);
  l.L = OldalhosszOlvasasa(o);
  if (permetekkel) {
    l.PermetezesVolt = o.Logikai();
    l.DegPermet = o.Logikai();
    l.PerPermet = o.Logikai();
  }
  if (elrendezes == TElrendezes::V44) {
    SorrendekOlvasasa(o, l);
    FajokOlvasasa(o, l);
    l.AllatSorrend = Azonossag(l.Allatok.size());
    l.NovenySorrend = Azonossag(l.Novenyek.size());
  } else {
    FajokOlvasasa(o, l);
    SorrendekOlvasasa(o, l);
  }
  return l;
}

void OkoLeirasIrasa(TSorIro& i, const TOkoszisztema& oko, bool permetekkel,
                    const std::filesystem::path& cel) {
  if (!JoOldalhossz(oko.L()))
    throw TFajlHiba(cel, TUzenet(kNemMenthetoUzenet, {RosszOldalhossz(oko.L())}));
  i.Szoveg(kAktualisVerzio);
  i.Egesz(oko.L());
  if (permetekkel) {
    i.Logikai(oko.PermetezesVolt);
    i.Logikai(oko.DegPermet);
    i.Logikai(oko.PerPermet);
  }
  i.Egesz(oko.NovenyFajokSzama());
  for (int32_t f = 0; f < oko.NovenyFajokSzama(); ++f)
    RekordIrasa(i, NovenyRekord(oko.NovenyFaj(f)), true);
  i.Egesz(oko.AllatFajokSzama());
  for (int32_t f = 0; f < oko.AllatFajokSzama(); ++f)
    RekordIrasa(i, AllatRekord(oko.AllatFaj(f)), true);
  i.Lista(oko.AllatSorrend);
  i.Lista(oko.NovenySorrend);
}

std::unique_ptr<TOkoszisztema> OkoEpitese(const TOkoLeiras& l, TVeletlen& veletlen,
                                          TKeresoTabla& tabla) {
  auto oko = std::make_unique<TOkoszisztema>(veletlen, tabla);
  {
    TRajzolasSzunet szunet(oko.get(), true);
    oko->Atmeretez(l.L);
    for (const TFajRekord& r : l.Novenyek) RekordBeallitasa(r, oko->UjNovenyFaj(""));
    for (const TFajRekord& r : l.Allatok) RekordBeallitasa(r, oko->UjAllatFaj(""));
    // Stored as read: an entry naming no species is skipped where the orders are walked.
    oko->AllatSorrend = l.AllatSorrend;
    oko->NovenySorrend = l.NovenySorrend;
  }
  return oko;
}

}  // namespace zelvaris
