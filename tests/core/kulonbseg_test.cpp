// Differential test: random small worlds run through the core and through the
// plain reference model of referencia_modell.h; after every step the two must
// agree on every individual, the plant totals, the recorded sources, the prey
// group orders and the generator's seed.
//
// ZELVARIS_KULONBSEG_MAGOK=n runs n worlds per variant instead of the default.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/fajok.h"
#include "core/kereso_tabla.h"
#include "core/okoszisztema.h"
#include "core/veletlen.h"
#include "referencia_modell.h"

namespace zelvaris {
namespace {

namespace ref = referencia;

// --- Random world descriptions ------------------------------------------------------

class Kocka {
 public:
  explicit Kocka(uint32_t mag) : g_(mag) {}
  int32_t Be(int32_t tol, int32_t ig) {
    if (ig <= tol) return tol;
    const uint64_t n = static_cast<uint64_t>(int64_t{ig} - tol + 1);
    return static_cast<int32_t>(tol + static_cast<int64_t>(g_() % n));
  }
  // Now and then a value at the edge of 32 bits, so overflow is compared too.
  int32_t Szelso(int32_t szokasos) {
    if (!Esely(4)) return szokasos;
    static constexpr int32_t szelsok[] = {2147483647, -2147483647 - 1, 1 << 30, 100000000, -7};
    return szelsok[Be(0, 4)];
  }
  bool Esely(int32_t szazalek) { return Be(0, 99) < szazalek; }

 private:
  std::mt19937 g_;
};

struct NovenyParam {
  int32_t Tomeg, Novekmeny, DegNovMinusz, PerNovMinusz, DegHatasfok, PerHatasfok, PopulacioMeret;
  bool DegHatas, PerHatas;
  TIdLista AllatGatlas, NovenyUtkozes;
};

struct AllatParam {
  int32_t MozgasHossz, Tomeg, Kor, Vemhes, Ivarerettseg, Regeneralodas, SzuloSugar, Utod, Ehes,
      Jollakottsag, DegUtodMinusz, DegKorMinusz, PerUtodMinusz, PerKorMinusz, DegHatasfok,
      PerHatasfok, PopulacioMeret;
  bool DegHatas, PerHatas;
  TIdLista NovenyUtkozes, AllatUtkozes;
  TCsoportok NovenyPredak, AllatPredak;
};

struct Vilag {
  int32_t L;
  std::vector<NovenyParam> Novenyek;
  std::vector<AllatParam> Allatok;
};

TIdLista Lista(Kocka& k, int32_t legtobb, int32_t felso) {
  TIdLista l;
  const int32_t n = k.Be(0, legtobb);
  for (int32_t i = 0; i < n; ++i) l.push_back(k.Be(0, felso));
  return l;
}

TCsoportok Csoportok(Kocka& k, int32_t felso) {
  TCsoportok c;
  const int32_t n = k.Be(0, 3);
  for (int32_t i = 0; i < n; ++i) {
    TIdLista g;
    const int32_t m = k.Be(1, 3);
    for (int32_t j = 0; j < m; ++j) g.push_back(k.Be(0, felso));
    c.push_back(g);
  }
  return c;
}

// Worlds small enough that every search stays inside the world, plus a share
// of tiny worlds whose searches run into ring L - 1. With sokFaj, more
// species than the grid's occupancy word has bits for.
Vilag VeletlenVilag(Kocka& k, bool sokFaj) {
  Vilag v;
  const int32_t meret = k.Be(0, 99);
  v.L = meret < 15 ? k.Be(3, 7) : meret < 90 ? k.Be(12, 28) : k.Be(29, 40);
  const int32_t cellak = v.L * v.L;
  const int32_t nn = sokFaj ? k.Be(9, 11) : k.Be(1, 3);
  const int32_t na = sokFaj ? k.Be(17, 19) : k.Be(1, 4);
  for (int32_t i = 0; i < nn; ++i) {
    NovenyParam p{};
    p.Tomeg = k.Szelso(k.Esely(5) ? 0 : k.Be(1, 40));
    p.Novekmeny = k.Szelso(k.Be(-2, 8));
    p.DegNovMinusz = k.Szelso(k.Be(0, 120));
    p.PerNovMinusz = k.Be(0, 120);
    p.DegHatas = k.Esely(30);
    p.PerHatas = k.Esely(30);
    p.DegHatasfok = k.Szelso(k.Be(0, 100));
    p.PerHatasfok = k.Be(0, 100);
    p.AllatGatlas = Lista(k, 2, na + 1);
    p.NovenyUtkozes = k.Esely(30) ? Lista(k, 1, nn) : TIdLista{};
    p.PopulacioMeret = cellak * k.Be(0, 12) / 100;
    v.Novenyek.push_back(p);
  }
  for (int32_t i = 0; i < na; ++i) {
    AllatParam p{};
    const int32_t mh = k.Be(0, 9);
    p.MozgasHossz = mh == 0 ? 0 : mh == 1 ? 8 : mh == 2 ? 19 : mh == 3 ? 60 : k.Be(1, 60);
    if (v.L < 8 && k.Esely(50)) p.MozgasHossz = k.Be(20, 60);
    p.Tomeg = k.Szelso(k.Be(0, 15));
    p.Kor = k.Esely(5) ? 0 : k.Be(5, 50);
    p.Vemhes = k.Esely(15) ? 0 : k.Be(1, 5);
    p.Ivarerettseg = k.Esely(15) ? 0 : k.Be(1, 6);
    p.Regeneralodas = k.Szelso(k.Be(0, 4));
    p.SzuloSugar = k.Be(0, 3);
    p.Utod = k.Szelso(k.Be(-1, 6));
    p.Ehes = k.Szelso(k.Be(0, 8));
    p.Jollakottsag = k.Szelso(k.Esely(10) ? 0 : k.Be(1, 25));
    p.DegUtodMinusz = k.Szelso(k.Be(0, 100));
    p.DegKorMinusz = k.Szelso(k.Be(0, 5));
    p.PerUtodMinusz = k.Be(0, 100);
    p.PerKorMinusz = k.Be(0, 5);
    p.DegHatas = k.Esely(30);
    p.PerHatas = k.Esely(30);
    p.DegHatasfok = k.Be(0, 100);
    p.PerHatasfok = k.Szelso(k.Be(0, 100));
    p.NovenyUtkozes = k.Esely(30) ? Lista(k, 2, nn) : TIdLista{};
    p.AllatUtkozes = k.Esely(30) ? Lista(k, 2, na) : TIdLista{};
    p.AllatPredak = Csoportok(k, na + 1);
    p.NovenyPredak = Csoportok(k, nn + 1);
    p.PopulacioMeret = cellak * k.Be(0, 8) / 100;
    v.Allatok.push_back(p);
  }
  return v;
}

// --- The two worlds side by side ------------------------------------------------------

class Par {
 public:
  Par(uint32_t mag, const Vilag& v) : veletlen_(mag), oko_(veletlen_, tabla_), modell_(mag, v.L) {
    oko_.Atmeretez(v.L);
    for (size_t i = 0; i < v.Novenyek.size(); ++i) {
      const NovenyParam& p = v.Novenyek[i];
      TNovenyFaj& f = oko_.UjNovenyFaj("N" + std::to_string(i));
      f.Tomeg = p.Tomeg;
      f.Novekmeny = p.Novekmeny;
      f.DegNovMinusz = p.DegNovMinusz;
      f.PerNovMinusz = p.PerNovMinusz;
      f.DegHatas = p.DegHatas;
      f.PerHatas = p.PerHatas;
      f.DegHatasfok = p.DegHatasfok;
      f.PerHatasfok = p.PerHatasfok;
      f.AllatGatlas = p.AllatGatlas;
      f.NovenyUtkozes = p.NovenyUtkozes;
      f.PopulacioMeret = p.PopulacioMeret;
      ref::NovenyFaj m;
      m.Tomeg = p.Tomeg;
      m.Novekmeny = p.Novekmeny;
      m.DegNovMinusz = p.DegNovMinusz;
      m.PerNovMinusz = p.PerNovMinusz;
      m.DegHatas = p.DegHatas;
      m.PerHatas = p.PerHatas;
      m.DegHatasfok = p.DegHatasfok;
      m.PerHatasfok = p.PerHatasfok;
      m.AllatGatlas = p.AllatGatlas;
      m.NovenyUtkozes = p.NovenyUtkozes;
      m.PopulacioMeret = p.PopulacioMeret;
      modell_.NovenyFajok.push_back(std::move(m));
    }
    for (size_t i = 0; i < v.Allatok.size(); ++i) {
      const AllatParam& p = v.Allatok[i];
      TAllatFaj& f = oko_.UjAllatFaj("A" + std::to_string(i));
      f.SetMozgasHossz(p.MozgasHossz);
      f.SetTomeg(p.Tomeg);
      f.Kor = p.Kor;
      f.Vemhes = p.Vemhes;
      f.Ivarerettseg = p.Ivarerettseg;
      f.Regeneralodas = p.Regeneralodas;
      f.SzuloSugar = p.SzuloSugar;
      f.Utod = p.Utod;
      f.Ehes = p.Ehes;
      f.Jollakottsag = p.Jollakottsag;
      f.DegUtodMinusz = p.DegUtodMinusz;
      f.DegKorMinusz = p.DegKorMinusz;
      f.PerUtodMinusz = p.PerUtodMinusz;
      f.PerKorMinusz = p.PerKorMinusz;
      f.DegHatas = p.DegHatas;
      f.PerHatas = p.PerHatas;
      f.DegHatasfok = p.DegHatasfok;
      f.PerHatasfok = p.PerHatasfok;
      f.NovenyUtkozes = p.NovenyUtkozes;
      f.AllatUtkozes = p.AllatUtkozes;
      f.Predak.SetAllatPredak(p.AllatPredak);
      f.Predak.SetNovenyPredak(p.NovenyPredak);
      f.PopulacioMeret = p.PopulacioMeret;
      ref::AllatFaj m;
      m.Tomeg = p.Tomeg;
      m.Kor = p.Kor;
      m.Vemhes = p.Vemhes;
      m.Ivarerettseg = p.Ivarerettseg;
      m.Regeneralodas = p.Regeneralodas;
      m.SzuloSugar = p.SzuloSugar;
      m.Utod = p.Utod;
      m.Ehes = p.Ehes;
      m.Jollakottsag = p.Jollakottsag;
      m.DegUtodMinusz = p.DegUtodMinusz;
      m.DegKorMinusz = p.DegKorMinusz;
      m.PerUtodMinusz = p.PerUtodMinusz;
      m.PerKorMinusz = p.PerKorMinusz;
      m.DegHatas = p.DegHatas;
      m.PerHatas = p.PerHatas;
      m.DegHatasfok = p.DegHatasfok;
      m.PerHatasfok = p.PerHatasfok;
      m.NovenyUtkozes = p.NovenyUtkozes;
      m.AllatUtkozes = p.AllatUtkozes;
      m.AllatPredak = p.AllatPredak;
      m.NovenyPredak = p.NovenyPredak;
      m.PopulacioMeret = p.PopulacioMeret;
      modell_.AllatFajok.push_back(std::move(m));
      modell_.MozgasHosszBeallitasa(static_cast<int32_t>(i), p.MozgasHossz);
    }
  }

  TOkoszisztema& Oko() { return oko_; }
  ref::Modell& Modell() { return modell_; }

  // Alkalmaz in both; with benepesit the start populations are drawn.
  void Alkalmaz(bool benepesit) {
    oko_.Benepesit = benepesit;
    oko_.Alkalmaz();
    modell_.RacsEpitese();
    if (benepesit) modell_.Benepesites();
  }

  // Loaded individuals in random free cells (forbidden lists are not
  // consulted: a snapshot may hold any arrangement).
  void Betoltes(Kocka& k, const Vilag& v) {
    const int32_t cellak = v.L * v.L;
    for (size_t i = 0; i < v.Novenyek.size(); ++i) {
      const int32_t faj = static_cast<int32_t>(i);
      const int32_t db = cellak * k.Be(2, 30) / 100;
      for (int32_t j = 0; j < db; ++j) {
        const int32_t sor = k.Be(0, v.L - 1), oszlop = k.Be(0, v.L - 1);
        if (modell_.Cella(sor, oszlop).Novenyek[i] != nullptr) continue;
        const int32_t tomeg = k.Esely(10) ? k.Be(-20, -1) : k.Be(0, std::max(0, v.Novenyek[i].Tomeg));
        const int32_t idx = oko_.NovenyLetrehozasa(faj, sor, oszlop, TLetrehozas::Felnott);
        oko_.NovenyTomegBeallitasa(faj, idx, tomeg);
        modell_.NovenyBetoltese(faj, sor, oszlop, tomeg);
      }
    }
    for (size_t i = 0; i < v.Allatok.size(); ++i) {
      const int32_t faj = static_cast<int32_t>(i);
      const AllatParam& p = v.Allatok[i];
      const int32_t db = cellak * k.Be(1, 12) / 100 + k.Be(0, 2);
      for (int32_t j = 0; j < db; ++j) {
        const int32_t sor = k.Be(0, v.L - 1), oszlop = k.Be(0, v.L - 1);
        if (modell_.Cella(sor, oszlop).Allatok[i] != nullptr) continue;
        const int32_t idx = oko_.AllatLetrehozasa(faj, sor, oszlop, TLetrehozas::Betoltott);
        ref::Allat& m = modell_.AllatBetoltese(faj, sor, oszlop);
        TAllat& a = oko_.AllatFaj(faj).Egyedek[idx];
        a.Tomeg = k.Esely(90) ? p.Tomeg : k.Be(0, 20);
        a.Nem = k.Esely(3) ? 3 : k.Be(0, 2);
        a.Eletkor = k.Be(0, std::max(0, p.Kor));
        a.Evett = k.Esely(80) ? 0 : k.Be(1, 5);
        a.Ehezes = k.Be(0, std::max(0, p.Ehes));
        a.VemhesIdo = k.Be(0, p.Vemhes + 1);
        a.UtodSzam = k.Esely(50) ? 0 : k.Be(-1, std::max(0, p.Utod));
        a.RegenIdo = k.Be(0, 3);
        a.DegDozis = k.Be(0, 3);
        a.PerDozis = k.Be(0, 3);
        m.Tomeg = a.Tomeg;
        m.Nem = a.Nem;
        m.Eletkor = a.Eletkor;
        m.Evett = a.Evett;
        m.Ehezes = a.Ehezes;
        m.VemhesIdo = a.VemhesIdo;
        m.UtodSzam = a.UtodSzam;
        m.RegenIdo = a.RegenIdo;
        m.DegDozis = a.DegDozis;
        m.PerDozis = a.PerDozis;
      }
    }
  }

  // A seed point of a random species, if it fits: when no cell admits the
  // species the core stops the placement by a bound of its own. Returns a
  // description of a disagreement, or empty.
  std::string Goc(Kocka& k) {
    const bool noveny = k.Esely(50);
    const int32_t szam = noveny ? oko_.NovenyFajokSzama() : oko_.AllatFajokSzama();
    const int32_t faj = k.Be(0, szam - 1);
    const int32_t l = oko_.L();
    const int32_t darab = noveny ? oko_.NovenyFaj(faj).Egyedek.Darab() : oko_.AllatFaj(faj).Egyedek.Darab();
    const int32_t egyedszam = k.Be(0, 10);
    if (darab + egyedszam > l * l / 4 || modell_.BefogadoCellak(noveny, faj) < egyedszam) return {};
    const int32_t ritkitas = k.Be(-1, 2);
    const int32_t sor = k.Be(0, l - 1), oszlop = k.Be(0, l - 1);
    TElolenyFaj& f = noveny ? static_cast<TElolenyFaj&>(oko_.NovenyFaj(faj))
                            : static_cast<TElolenyFaj&>(oko_.AllatFaj(faj));
    f.GocEgyedszam = egyedszam;
    f.GocRitkitas = ritkitas;
    ref::Faj& mf = noveny ? static_cast<ref::Faj&>(modell_.NovenyFajok[static_cast<size_t>(faj)])
                          : static_cast<ref::Faj&>(modell_.AllatFajok[static_cast<size_t>(faj)]);
    mf.GocEgyedszam = egyedszam;
    mf.GocRitkitas = ritkitas;
    const int32_t a = oko_.GocBevitel({.Fajta = uint8_t(noveny ? 1 : 0), .X = oszlop, .Y = sor, .Faj = faj});
    const int32_t b = modell_.GocBevitel(noveny, faj, sor, oszlop);
    if (a != b) {
      std::ostringstream s;
      s << "seed point of " << (noveny ? "plant" : "animal") << " species " << faj << " at (" << sor << ","
        << oszlop << ") count " << egyedszam << " thinning " << ritkitas << ": core placed " << a
        << ", model " << b;
      return s.str();
    }
    return {};
  }

  // First disagreement between the two worlds, or empty.
  std::string Kulonbseg() {
    std::ostringstream s;
    auto ne = [&](const std::string& hol, auto core, auto modell) {
      if (core == modell) return false;
      s << hol << ": core " << core << ", model " << modell;
      return true;
    };
    if (ne("Ido", oko_.Ido, modell_.Ido)) return s.str();
    for (int32_t i = 0; i < oko_.NovenyFajokSzama(); ++i) {
      const TNovenyFaj& f = oko_.NovenyFaj(i);
      const ref::NovenyFaj& m = modell_.NovenyFajok[static_cast<size_t>(i)];
      const std::string faj = "plant species " + std::to_string(i);
      if (ne(faj + " Darab", f.Egyedek.Darab(), m.Egyedek.Darab())) return s.str();
      for (int32_t j = 0; j < f.Egyedek.Darab(); ++j) {
        const TNoveny& a = f.Egyedek[j];
        const ref::Noveny& b = *m.Egyedek.Elemek[static_cast<size_t>(j)];
        const std::string hol = faj + " index " + std::to_string(j) + " ";
        if (ne(hol + "Sor", a.Sor, b.Sor) || ne(hol + "Oszlop", a.Oszlop, b.Oszlop) ||
            ne(hol + "Tomeg", a.Tomeg, b.Tomeg))
          return s.str();
      }
      if (ne(faj + " OsszTomeg", f.OsszTomeg, m.OsszTomeg) ||
          ne(faj + " OsszTomegValos", f.OsszTomegValos, m.OsszTomegValos) ||
          ne(faj + " SorsolasTol", f.SorsolasTol, m.SorsolasTol) ||
          ne(faj + " SorsolasIg", f.SorsolasIg, m.SorsolasIg))
        return s.str();
    }
    for (int32_t i = 0; i < oko_.AllatFajokSzama(); ++i) {
      const TAllatFaj& f = oko_.AllatFaj(i);
      const ref::AllatFaj& m = modell_.AllatFajok[static_cast<size_t>(i)];
      const std::string faj = "animal species " + std::to_string(i);
      if (ne(faj + " MozgasSugar", f.MozgasSugar(), m.MozgasSugar)) return s.str();
      if (f.Predak.AllatPredak() != m.AllatPredak || f.Predak.NovenyPredak() != m.NovenyPredak) {
        s << faj << ": prey group order differs: core " << CsoportokSzovegge(f.Predak.AllatPredak()) << " | "
          << CsoportokSzovegge(f.Predak.NovenyPredak()) << ", model " << CsoportokSzovegge(m.AllatPredak)
          << " | " << CsoportokSzovegge(m.NovenyPredak);
        return s.str();
      }
      if (ne(faj + " Darab", f.Egyedek.Darab(), m.Egyedek.Darab())) return s.str();
      for (int32_t j = 0; j < f.Egyedek.Darab(); ++j) {
        const TAllat& a = f.Egyedek[j];
        const ref::Allat& b = *m.Egyedek.Elemek[static_cast<size_t>(j)];
        const std::string hol = faj + " index " + std::to_string(j) + " ";
        if (ne(hol + "Sor", a.Sor, b.Sor) || ne(hol + "Oszlop", a.Oszlop, b.Oszlop) ||
            ne(hol + "Tomeg", a.Tomeg, b.Tomeg) || ne(hol + "Nem", a.Nem, b.Nem) ||
            ne(hol + "Eletkor", a.Eletkor, b.Eletkor) || ne(hol + "Evett", a.Evett, b.Evett) ||
            ne(hol + "Ehezes", a.Ehezes, b.Ehezes) || ne(hol + "VemhesIdo", a.VemhesIdo, b.VemhesIdo) ||
            ne(hol + "UtodSzam", a.UtodSzam, b.UtodSzam) || ne(hol + "RegenIdo", a.RegenIdo, b.RegenIdo) ||
            ne(hol + "DegDozis", a.DegDozis, b.DegDozis) || ne(hol + "PerDozis", a.PerDozis, b.PerDozis))
          return s.str();
      }
    }
    const bool lepett = !modell_.AllatLetszam.empty() ? !modell_.AllatLetszam[0].empty()
                                                     : !modell_.NovenyLetszam.empty() && !modell_.NovenyLetszam[0].empty();
    if (lepett) {
      const int32_t ah = oko_.AllatLetszam.Hossz();
      if (ne("AllatLetszam Hossz", ah, static_cast<int32_t>(modell_.AllatLetszam[0].size()))) return s.str();
      for (size_t i = 0; i < modell_.AllatLetszam.size(); ++i)
        if (ne("AllatLetszam row " + std::to_string(i), oko_.AllatLetszam.Ertek(static_cast<int32_t>(i), ah - 1),
               modell_.AllatLetszam[i].back()))
          return s.str();
      const int32_t nh = oko_.NovenyLetszam.Hossz();
      if (ne("NovenyLetszam Hossz", nh, static_cast<int32_t>(modell_.NovenyLetszam[0].size()))) return s.str();
      for (size_t i = 0; i < modell_.NovenyLetszam.size(); ++i)
        if (ne("NovenyLetszam row " + std::to_string(i), oko_.NovenyLetszam.Ertek(static_cast<int32_t>(i), nh - 1),
               modell_.NovenyLetszam[i].back()))
          return s.str();
      for (size_t i = 0; i < modell_.Korfa.size(); ++i) {
        const int32_t sor = static_cast<int32_t>(i);
        const auto& k = modell_.Korfa[i];
        if (ne("Korfa row " + std::to_string(i) + " length", oko_.Korfa.Hossz(sor),
               static_cast<int32_t>(k[0].size())))
          return s.str();
        for (int32_t nem = 0; nem < 2; ++nem)
          for (int32_t c = 0; c < oko_.Korfa.Hossz(sor); ++c)
            if (ne("Korfa row " + std::to_string(i) + " sex " + std::to_string(nem) + " class " + std::to_string(c),
                   oko_.Korfa.Ertek(sor, nem, c), k[static_cast<size_t>(nem)][static_cast<size_t>(c)]))
              return s.str();
      }
    }
    if (ne("generator seed", veletlen_.Mag(), modell_.Gen.Mag())) return s.str();
    return {};
  }

 private:
  TVeletlen veletlen_;
  TKeresoTabla tabla_;
  TOkoszisztema oko_;
  ref::Modell modell_;
};

std::string VilagLeirasa(const Vilag& v) {
  std::ostringstream s;
  s << "L " << v.L;
  for (size_t i = 0; i < v.Novenyek.size(); ++i) {
    const NovenyParam& p = v.Novenyek[i];
    s << "\n  plant " << i << ": Tomeg " << p.Tomeg << " Novekmeny " << p.Novekmeny << " Deg/PerNovMinusz "
      << p.DegNovMinusz << "/" << p.PerNovMinusz << " Deg/PerHatas " << p.DegHatas << "/" << p.PerHatas
      << " fok " << p.DegHatasfok << "/" << p.PerHatasfok << " AllatGatlas [" << ListaSzovegge(p.AllatGatlas)
      << "] NovenyUtkozes [" << ListaSzovegge(p.NovenyUtkozes) << "]";
  }
  for (size_t i = 0; i < v.Allatok.size(); ++i) {
    const AllatParam& p = v.Allatok[i];
    s << "\n  animal " << i << ": MozgasHossz " << p.MozgasHossz << " Tomeg " << p.Tomeg << " Kor " << p.Kor
      << " Vemhes " << p.Vemhes << " Ivarerettseg " << p.Ivarerettseg << " Regen " << p.Regeneralodas
      << " SzuloSugar " << p.SzuloSugar << " Utod " << p.Utod << " Ehes " << p.Ehes << " Jollakottsag "
      << p.Jollakottsag << " Deg/PerHatas " << p.DegHatas << "/" << p.PerHatas << " NovenyUtkozes ["
      << ListaSzovegge(p.NovenyUtkozes) << "] AllatUtkozes [" << ListaSzovegge(p.AllatUtkozes)
      << "] AllatPredak [" << CsoportokSzovegge(p.AllatPredak) << "] NovenyPredak ["
      << CsoportokSzovegge(p.NovenyPredak) << "]";
  }
  return s.str();
}

enum class Indulas { Betoltve, Benepesitve, Gocokkal };

// Runs one random world for the given number of steps; returns the first
// disagreement with its place, or empty.
std::string Futtatas(uint32_t mag, Indulas indulas, int32_t lepesek, bool sokFaj, ref::Statisztika& stat) {
  Kocka k(mag * 2654435761u + static_cast<uint32_t>(indulas));
  const Vilag v = VeletlenVilag(k, sokFaj);
  Par par(mag, v);
  par.Alkalmaz(indulas == Indulas::Benepesitve);
  if (indulas == Indulas::Betoltve) par.Betoltes(k, v);
  auto hiba = [&](int32_t lepes, const std::string& mi) {
    std::ostringstream s;
    s << "seed " << mag << ", " << (lepes < 0 ? std::string("after setup") : "after step " + std::to_string(lepes))
      << ": " << mi << "\n world: " << VilagLeirasa(v);
    return s.str();
  };
  if (indulas == Indulas::Gocokkal)
    for (int32_t i = 0; i < 4; ++i)
      if (std::string h = par.Goc(k); !h.empty()) return hiba(-1, h);
  if (std::string h = par.Kulonbseg(); !h.empty()) return hiba(-1, h);

  for (int32_t lepes = 1; lepes <= lepesek; ++lepes) {
    if (k.Esely(8)) {
      par.Oko().DegPermetezes();
      par.Modell().DegPermetezes();
    }
    if (k.Esely(5)) {
      par.Oko().PerPermetezes();
      par.Modell().PerPermetezes();
    }
    if (k.Esely(4)) {
      par.Oko().Tisztit();
      par.Modell().Tisztit();
    }
    if (k.Esely(3)) {
      par.Oko().Gyogyit();
      par.Modell().Gyogyit();
    }
    if (indulas == Indulas::Benepesitve && k.Esely(3)) par.Alkalmaz(true);
    if (indulas == Indulas::Betoltve && k.Esely(3)) {
      const int32_t n = k.Be(3, 40);
      par.Oko().Atmeretez(n);
      par.Modell().Atmeretez(n);
      if (std::string h = par.Kulonbseg(); !h.empty()) return hiba(lepes, "after resizing to " + std::to_string(n) + ": " + h);
    }
    if (indulas == Indulas::Gocokkal && k.Esely(10))
      if (std::string h = par.Goc(k); !h.empty()) return hiba(lepes, h);
    par.Oko().Lepes();
    par.Modell().Lepes();
    if (std::string h = par.Kulonbseg(); !h.empty()) return hiba(lepes, h);
  }
  const ref::Statisztika& s = par.Modell().Stat;
  stat.Parosodas += s.Parosodas;
  stat.Szuletes += s.Szuletes;
  stat.MegevettAllat += s.MegevettAllat;
  stat.KetszerTalaltAllat += s.KetszerTalaltAllat;
  stat.Harapas += s.Harapas;
  stat.AllatPermetHalal += s.AllatPermetHalal;
  stat.NovenyPermetHalal += s.NovenyPermetHalal;
  stat.KorHalal += s.KorHalal;
  stat.EhenHalal += s.EhenHalal;
  stat.KifeleHatar += s.KifeleHatar;
  stat.BefeleHatar += s.BefeleHatar;
  stat.GatoltNoveny += s.GatoltNoveny;
  return {};
}

int32_t MagokSzama(int32_t alap) {
  if (const char* e = std::getenv("ZELVARIS_KULONBSEG_MAGOK")) return std::max(1, std::atoi(e));
  return alap;
}

ref::Statisztika Sorozat(Indulas indulas, int32_t alap, int32_t lepesek, bool sokFaj = false) {
  ref::Statisztika stat;
  const int32_t n = MagokSzama(alap);
  for (int32_t mag = 1; mag <= n; ++mag) {
    const std::string h = Futtatas(static_cast<uint32_t>(mag), indulas, lepesek, sokFaj, stat);
    if (!h.empty()) {
      ADD_FAILURE() << h;
      break;
    }
  }
  return stat;
}

// --- Tests ------------------------------------------------------------------------------

TEST(Kulonbseg, ReferenceRingsHaveTheKnownSizes) {
  ref::Gyuruk g;
  const int64_t meret[] = {1, 8, 12, 24, 36, 52, 36, 40, 68, 60, 72, 64};
  const int64_t kor[] = {1, 9, 21, 45, 81, 133, 169, 209, 277, 337, 409, 473};
  for (int32_t r = 0; r < 12; ++r) {
    EXPECT_EQ(g.Meret(r), meret[r]) << r;
    EXPECT_EQ(g.KorMeret(r), kor[r]) << r;
  }
}

TEST(Kulonbseg, SearchTableMatchesTheReferenceRings) {
  ref::Gyuruk g;
  TKeresoTabla t;
  for (int32_t r = 0; r <= 150; ++r) {
    ASSERT_EQ(t.GyuruMeret(r), g.Meret(r)) << "ring " << r;
    ASSERT_EQ(t.KorMeret(r), g.KorMeret(r)) << "ring " << r;
    for (int64_t i = 0; i < g.Meret(r); ++i) {
      const TEltolas a = t.Elem(r, i);
      const ref::Eltolas b = g.Elem(r, i);
      ASSERT_TRUE(a.x == b.x && a.y == b.y) << "ring " << r << " entry " << i << ": core (" << a.x << "," << a.y
                                            << "), model (" << b.x << "," << b.y << ")";
    }
  }
}

TEST(Kulonbseg, GeneratorAndShuffleMatch) {
  TVeletlen v(12345);
  ref::Generator g(12345);
  for (int32_t n : {0, 1, 2, 7, 100, 1000000, 2147483647, -1, -100}) {
    for (int32_t i = 0; i < 50; ++i) ASSERT_EQ(v.Random(n), g.Random(n)) << n;
  }
  TIdLista a{5, 1, 9, 9, 3, 0, 7};
  ref::Ids b = a;
  Kever(a, v);
  ref::Kever(b, g);
  EXPECT_EQ(a, b);
  EXPECT_EQ(v.Mag(), g.Mag());
}

TEST(Kulonbseg, LoadedWorldsStepAlike) {
  const ref::Statisztika s = Sorozat(Indulas::Betoltve, 200, 60);
  // The comparison is worth only as much as the rules the worlds reach.
  EXPECT_GT(s.Parosodas, 0);
  EXPECT_GT(s.Szuletes, 0);
  EXPECT_GT(s.MegevettAllat, 0);
  EXPECT_GT(s.KetszerTalaltAllat, 0);
  EXPECT_GT(s.Harapas, 0);
  EXPECT_GT(s.AllatPermetHalal, 0);
  EXPECT_GT(s.NovenyPermetHalal, 0);
  EXPECT_GT(s.KorHalal, 0);
  EXPECT_GT(s.EhenHalal, 0);
  EXPECT_GT(s.KifeleHatar, 0);
  EXPECT_GT(s.BefeleHatar, 0);
  EXPECT_GT(s.GatoltNoveny, 0);
  std::cout << "mated " << s.Parosodas << ", born " << s.Szuletes << ", eaten " << s.MegevettAllat << " (+"
            << s.KetszerTalaltAllat << " found twice), bites " << s.Harapas << ", spray deaths "
            << s.AllatPermetHalal << "/" << s.NovenyPermetHalal << ", age/hunger deaths " << s.KorHalal << "/"
            << s.EhenHalal << ", searches cut at ring L-1 " << s.KifeleHatar << " out, " << s.BefeleHatar
            << " in, inhibited growths " << s.GatoltNoveny << "\n";
}

TEST(Kulonbseg, PopulatedWorldsStepAlike) { Sorozat(Indulas::Benepesitve, 80, 40); }

TEST(Kulonbseg, SeedPointWorldsStepAlike) { Sorozat(Indulas::Gocokkal, 60, 40); }

TEST(Kulonbseg, WorldsWithManySpeciesStepAlike) {
  const ref::Statisztika s = Sorozat(Indulas::Betoltve, 12, 30, true);
  EXPECT_GT(s.MegevettAllat, 0);
  EXPECT_GT(s.Harapas, 0);
  EXPECT_GT(s.GatoltNoveny, 0);
}

}  // namespace
}  // namespace zelvaris
