#include "persistence/pillanatkep.h"

#include <unordered_set>
#include <vector>

#include "persistence/atomi_mentes.h"
#include "persistence/binaris.h"
#include "persistence/kodlap.h"
#include "persistence/oko_leiras.h"

namespace zelvaris {

namespace {

constexpr int64_t kNovenyRekordok = 3;   // Sor, Oszlop, Tomeg
constexpr int64_t kAllatRekordok = 11;   // Sor, Oszlop, Nem .. PerDozis

struct TEgyedek {
  std::vector<std::vector<TNoveny>> Novenyek;
  std::vector<std::vector<TAllat>> Allatok;
};

TUzenet FajNeve(const TFajRekord& rekord, size_t id) {
  return TUzenet(rekord.Fajta == TFajFajta::Allat ? kAllatfajUzenet : kNovenyfajUzenet,
                 {rekord.MegjelenitettNev(static_cast<int32_t>(id))});
}

std::string Szam(int64_t n) { return std::to_string(n); }

// The data file holds, for each plant species and then each animal species
// in Id order, the count and then the individuals' records.
class TAdatOlvaso {
 public:
  TAdatOlvaso(const std::filesystem::path& fajl, std::string_view bajtok, int32_t l)
      : fajl_(fajl), b_(bajtok), l_(l) {}

  template <typename T, typename Kitolto>
  std::vector<T> Faj(const TUzenet& faj, int64_t rekordok, Kitolto kitolt) {
    if (b_.Maradek() < 1) Hiba(TUzenet(kHianyzoEgyedszamUzenet, {faj}));
    const int32_t n = b_.Kovetkezo();
    if (n < 0) Hiba(TUzenet(kNegativEgyedszamUzenet, {faj, Szam(n)}));
    if (b_.Maradek() < rekordok * n) Hiba(TUzenet(kRovidAdatfajlUzenet, {faj, Szam(n)}));
    std::vector<T> egyedek(static_cast<size_t>(n));
    std::unordered_set<int64_t> cellak;
    cellak.reserve(static_cast<size_t>(n));
    for (int32_t k = 0; k < n; ++k) {
      T& e = egyedek[static_cast<size_t>(k)];
      e.Sor = b_.Kovetkezo();
      e.Oszlop = b_.Kovetkezo();
      kitolt(e, b_);
      if (e.Sor < 0 || e.Sor >= l_ || e.Oszlop < 0 || e.Oszlop >= l_) {
        Hiba(TUzenet(kRacsonKivulUzenet, {faj, Szam(k + 1), Szam(e.Sor), Szam(e.Oszlop), Szam(l_)}));
      }
      if (!cellak.insert(int64_t{e.Sor} * l_ + e.Oszlop).second) {
        Hiba(TUzenet(kFoglaltCellaUzenet, {faj, Szam(k + 1), Szam(e.Sor), Szam(e.Oszlop)}));
      }
    }
    return egyedek;
  }

 private:
  [[noreturn]] void Hiba(TUzenet leiras) const { throw TFajlHiba(fajl_, std::move(leiras)); }
  const std::filesystem::path& fajl_;
  TBinarisOlvaso b_;
  int32_t l_;
};

TEgyedek AdatfajlOlvasasa(const std::filesystem::path& fajl, const TOkoLeiras& l) {
  std::string bajtok;
  try {
    bajtok = FajlBeolvasasa(fajl);
  } catch (const TFajlHiba& h) {
    throw TFajlHiba(fajl, TUzenet(kAdatfajlHibaUzenet, {h.LeirasUzenet()}));
  }
  TAdatOlvaso olvaso(fajl, bajtok, l.L);
  TEgyedek e;
  for (size_t i = 0; i < l.Novenyek.size(); ++i) {
    e.Novenyek.push_back(olvaso.Faj<TNoveny>(
        FajNeve(l.Novenyek[i], i), kNovenyRekordok,
        [](TNoveny& p, TBinarisOlvaso& b) { p.Tomeg = b.Kovetkezo(); }));
  }
  for (size_t i = 0; i < l.Allatok.size(); ++i) {
    e.Allatok.push_back(olvaso.Faj<TAllat>(
        FajNeve(l.Allatok[i], i), kAllatRekordok, [](TAllat& a, TBinarisOlvaso& b) {
          a.Nem = b.Kovetkezo();
          a.Eletkor = b.Kovetkezo();
          a.Evett = b.Kovetkezo();
          a.Ehezes = b.Kovetkezo();
          a.VemhesIdo = b.Kovetkezo();
          a.UtodSzam = b.Kovetkezo();
          a.RegenIdo = b.Kovetkezo();
          a.DegDozis = b.Kovetkezo();
          a.PerDozis = b.Kovetkezo();
        }));
  }
  return e;
}

// Only a plain name is taken: a name with a directory part could make the
// loader read a file anywhere.
bool EgyszeruFajlnev(const std::string& nev) {
  return !nev.empty() && nev != "." && nev != ".." &&
         nev.find_first_of(std::string_view("/\\\0", 3)) == std::string::npos;
}

}  // namespace

std::unique_ptr<TOkoszisztema> OkoPillBetoltese(const std::filesystem::path& fajl,
                                                TVeletlen& veletlen, TKeresoTabla& tabla,
                                                TRajzolo* rajzolo) {
  TSorOlvaso olvaso = TSorOlvaso::Megnyitas(fajl);
  const TOkoLeiras leiras = OkoLeirasOlvasasa(olvaso, true);
  const std::string datNev = olvaso.Szoveg();
  if (!EgyszeruFajlnev(datNev)) {
    olvaso.Hiba(TUzenet(kAdatfajlNevUzenet, {datNev}), olvaso.UtolsoSor());
  }
  const TEgyedek egyedek = AdatfajlOlvasasa(fajl.parent_path() / datNev, leiras);

  auto oko = OkoEpitese(leiras, veletlen, tabla);
  oko->RajzoloBeallitasa(rajzolo);
  oko->Benepesit = false;
  oko->Alkalmaz();
  oko->Benepesit = true;
  // Alkalmaz cleared the flags; the stored ones act in the next step.
  oko->PermetezesVolt = leiras.PermetezesVolt;
  oko->DegPermet = leiras.DegPermet;
  oko->PerPermet = leiras.PerPermet;
  for (int32_t f = 0; f < oko->NovenyFajokSzama(); ++f) {
    const auto& lista = egyedek.Novenyek[static_cast<size_t>(f)];
    auto& cel = oko->NovenyFaj(f).Egyedek;
    cel.Tartalek(lista.size());
    for (const TNoveny& p : lista) {
      const int32_t i = oko->NovenyLetrehozasa(f, p.Sor, p.Oszlop, TLetrehozas::Felnott);
      oko->NovenyTomegBeallitasa(f, i, p.Tomeg);
    }
  }
  for (int32_t f = 0; f < oko->AllatFajokSzama(); ++f) {
    const auto& lista = egyedek.Allatok[static_cast<size_t>(f)];
    auto& cel = oko->AllatFaj(f).Egyedek;
    cel.Tartalek(lista.size());
    for (const TAllat& a : lista) {
      const int32_t i = oko->AllatLetrehozasa(f, a.Sor, a.Oszlop, TLetrehozas::Betoltott);
      TAllat& uj = cel[i];
      uj.Nem = a.Nem;
      uj.Eletkor = a.Eletkor;
      uj.Evett = a.Evett;
      uj.Ehezes = a.Ehezes;
      uj.VemhesIdo = a.VemhesIdo;
      uj.UtodSzam = a.UtodSzam;
      uj.RegenIdo = a.RegenIdo;
      uj.DegDozis = a.DegDozis;
      uj.PerDozis = a.PerDozis;
    }
  }
  oko->Ujrarajzol();
  return oko;
}

void OkoPillMentese(const TOkoszisztema& oko, const std::filesystem::path& fajl) {
  // The name as it will read back from the code page, so that a character
  // the code page lacks cannot part the snapshot from its data file.
  const std::string datNev = KodlaprolAlakit(KodlapraAlakit(OkoDatNev(fajl)));

  TSorIro iro;
  OkoLeirasIrasa(iro, oko, true, fajl);
  iro.Szoveg(datNev);

  std::string adat;
  for (int32_t f = 0; f < oko.NovenyFajokSzama(); ++f) {
    const auto& lista = oko.NovenyFaj(f).Egyedek;
    BinarisEgesz(adat, lista.Darab());
    for (const TNoveny& p : lista.Elemek()) {
      BinarisEgesz(adat, p.Sor);
      BinarisEgesz(adat, p.Oszlop);
      BinarisEgesz(adat, p.Tomeg);
    }
  }
  for (int32_t f = 0; f < oko.AllatFajokSzama(); ++f) {
    const auto& lista = oko.AllatFaj(f).Egyedek;
    BinarisEgesz(adat, lista.Darab());
    for (const TAllat& a : lista.Elemek()) {
      for (int32_t ertek : {a.Sor, a.Oszlop, a.Nem, a.Eletkor, a.Evett, a.Ehezes, a.VemhesIdo,
                            a.UtodSzam, a.RegenIdo, a.DegDozis, a.PerDozis})
        BinarisEgesz(adat, ertek);
    }
  }

  TAtomiFajl pillFajl(fajl);
  TAtomiFajl datFajl(fajl.parent_path() / datNev);
  pillFajl.Ir(iro.Tartalom());
  datFajl.Ir(adat);
  datFajl.Veglegesit();
  pillFajl.Veglegesit();
}

}  // namespace zelvaris
