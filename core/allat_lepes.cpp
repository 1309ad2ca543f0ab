// The step's frame and its animal half: the order in which animals act, the
// ring search they all use, and the five phases of an animal's own step.

#include <algorithm>
#include <limits>

#include "core/okoszisztema.h"

namespace zelvaris {

// The ring search and the animal phases; a friend of the ecosystem so the hot
// loops reach the grid's slot arrays directly.
class TAllatLepesek {
 public:
  explicit TAllatLepesek(TOkoszisztema& o) : o_(o), l_(o.l_) {}

  // Rings beyond L - 1 would wrap onto cells already seen (ring L even holds
  // the animal's own cell), so no search goes past ring L - 1.
  int32_t LegnagyobbGyuru() const { return l_ - 1; }

  // The cell at row sor and column oszlop, each at most one side length
  // outside the world, wrapped around onto it.
  int64_t Korbe(int64_t sor, int64_t oszlop) const {
    const int64_t l = l_;
    if (sor >= l) sor -= l; else if (sor < 0) sor += l;
    if (oszlop >= l) oszlop -= l; else if (oszlop < 0) oszlop += l;
    return sor * l + oszlop;
  }

  // Whether every cell within radius r of (sor, oszlop) lies in the world
  // without wrapping.
  bool Belul(int32_t sor, int32_t oszlop, int32_t r) const {
    return sor >= r && oszlop >= r && int64_t{sor} + r < l_ && int64_t{oszlop} + r < l_;
  }

  // Probes ring r from a random start index, wrapping within the ring.
  template <typename Cb>
  bool GyuruProba(int32_t sor, int32_t oszlop, int32_t r, int64_t& elutasitas, int64_t keret,
                  Cb&& cb) {
    const int64_t meret = o_.tabla_.GyuruMeret(r);
    const int32_t s = o_.veletlen_.Random(static_cast<int32_t>(meret));
    if (r >= 1 && r <= TGyuruLepesek::kLegnagyobbGyuru)
      return KisGyuruProba(sor, oszlop, r, s, elutasitas, keret, cb);
    const auto& negyed = o_.tabla_.Negyed(r);
    const TEltolas* elemek = negyed.data();
    const auto m = static_cast<int64_t>(negyed.size());
    const int64_t l = l_;
    const bool belul = Belul(sor, oszlop, r);
    const int64_t alap = int64_t{sor} * l + oszlop;
    // Entries tol..ig-1 of the quadrant list turned q quarter turns: the
    // turn (x, y) -> (y, -x) applied q times, as row and column factors.
    auto negyedResz = [&](int32_t q, int64_t tol, int64_t ig) {
      const int64_t sx = q == 0 ? 1 : (q == 2 ? -1 : 0), sy = q == 1 ? 1 : (q == 3 ? -1 : 0);
      const int64_t ox = q == 1 ? -1 : (q == 3 ? 1 : 0), oy = q == 0 ? 1 : (q == 2 ? -1 : 0);
      for (int64_t k = tol; k < ig && elutasitas < keret; ++k) {
        const TEltolas e = elemek[k];
        const int64_t dx = sx * e.x + sy * e.y, dy = ox * e.x + oy * e.y;
        int64_t cella;
        if (belul) {
          cella = alap + dx * l + dy;
        } else {
          cella = Korbe(sor + dx, oszlop + dy);
        }
        ++o_.probak_;
        if (cb(cella)) return true;
        ++elutasitas;
      }
      return false;
    };
    auto szakasz = [&](int64_t tol, int64_t ig) {
      while (tol < ig && elutasitas < keret) {
        const int32_t q = (tol >= m) + (tol >= 2 * m) + (tol >= 3 * m);
        const int64_t vege = std::min<int64_t>((q + 1) * m, ig);
        if (negyedResz(q, tol - q * m, vege - q * m)) return true;
        tol = vege;
      }
      return false;
    };
    if (szakasz(s, meret)) return true;
    if (elutasitas < keret && s > 0) return szakasz(0, s);
    return false;
  }

  // GyuruProba for a small ring from its whole-ring lists.
  template <typename Cb>
  bool KisGyuruProba(int32_t sor, int32_t oszlop, int32_t r, int32_t s, int64_t& elutasitas,
                     int64_t keret, Cb& cb) {
    const TGyuruLepesek::TGyuru& g = o_.gyuruLepesek_.Gyuru(o_.tabla_, r, l_);
    const auto meret = static_cast<int32_t>(g.lepesek.size());
    const int64_t l = l_;
    auto szakasz = [&](int32_t tol, int32_t ig) {
      if (Belul(sor, oszlop, r)) {
        const int64_t alap = int64_t{sor} * l + oszlop;
        const int64_t* lepesek = g.lepesek.data();
        for (int32_t j = tol; j < ig && elutasitas < keret; ++j) {
          ++o_.probak_;
          if (cb(alap + lepesek[j])) return true;
          ++elutasitas;
        }
        return false;
      }
      const TEltolas* eltolasok = g.eltolasok.data();
      for (int32_t j = tol; j < ig && elutasitas < keret; ++j) {
        ++o_.probak_;
        if (cb(Korbe(int64_t{sor} + eltolasok[j].x, int64_t{oszlop} + eltolasok[j].y))) return true;
        ++elutasitas;
      }
      return false;
    };
    if (szakasz(s, meret)) return true;
    if (elutasitas < keret && s > 0) return szakasz(0, s);
    return false;
  }

  template <typename Cb>
  bool Kifele(int32_t sor, int32_t oszlop, int64_t keret, Cb&& cb) {
    int64_t elutasitas = 0;
    for (int32_t r = 1; elutasitas < keret && r <= LegnagyobbGyuru(); ++r)
      if (GyuruProba(sor, oszlop, r, elutasitas, keret, cb)) return true;
    return false;
  }

  template <typename Cb>
  bool Befele(int32_t sor, int32_t oszlop, int32_t kezdoGyuru, int64_t keret, Cb&& cb) {
    int64_t elutasitas = 0;
    for (int32_t r = std::min(kezdoGyuru, LegnagyobbGyuru()); r >= 1; --r)
      if (GyuruProba(sor, oszlop, r, elutasitas, keret, cb)) return true;
    return false;
  }

  // Cells within radius r, centre excluded, as a search budget; a disc too
  // large for 32 bits gives the largest 32-bit budget.
  int64_t KorKeret(int32_t r) {
    constexpr int64_t legtobb = std::numeric_limits<int32_t>::max();
    return std::min(o_.tabla_.KorMeretKorlatos(r, legtobb) - 1, legtobb);
  }

  // Whether a cell admits the stepping animal's species.
  bool Befogad(int64_t cella) const { return TOkoszisztema::Szabad(tiltott_, cella); }

  bool Lep(TAllatFaj& f, int32_t i) {
    o_.AllatTiltoSlotok(f, tiltott_);
    Parosodik(f, i);
    Taplalkozik(f, i);
    Mozog(f, i);
    Szul(f, i);
    return Oregszik(f, i);
  }

  void Parosodik(TAllatFaj& f, int32_t i) {
    const TAllat& him = f.Egyedek[i];
    if (him.Nem != 1) return;
    const int32_t deg = him.DegDozis, per = him.PerDozis;
    const uint32_t* slotok = o_.racs_.AllatSlotok(f.Id());
    Kifele(him.Sor, him.Oszlop, f.MozgasHossz(), [&](int64_t cella) {
      const uint32_t slot = slotok[cella];
      if (slot == 0) return false;
      TAllat& nosteny = f.Egyedek[static_cast<int32_t>(slot) - 1];
      if (nosteny.Nem != 2 || nosteny.RegenIdo != 0) return false;
      nosteny.UtodSzam = (f.Utod * 100 - f.DegUtodMinusz * deg - f.PerUtodMinusz * per) / 100;
      return true;
    });
  }

  void Taplalkozik(TAllatFaj& f, int32_t i) {
    TAllat& a = f.Egyedek[i];
    if (a.Evett != 0) {
      // Another animal's meal must not steer this one's move.
      o_.utolsoAllatPredaMezo_ = -1;
      o_.utolsoNovenyPredaMezo_ = -1;
      return;
    }
    TPredaTar& p = f.Predak;
    o_.utolsoAllatPredaMezo_ = -1;
    o_.TalaltEtel = 0;
    if (!p.AllatPredak().empty()) {
      for (auto& t : p.TalaltAllatok) t.clear();
      o_.KeresesMod = 0;
      int64_t etkezoCella = -1;
      PredakElokeszitese(p.AllatPredak(), true);
      Kifele(a.Sor, a.Oszlop, f.MozgasHossz(), [&](int64_t cella) {
        etkezoCella = cella;
        return Gyujt(f, cella, p.TalaltAllatok, true);
      });
      for (size_t g = 0; g < p.TalaltAllatok.size() && a.Evett < f.Jollakottsag; ++g) {
        for (int32_t s : p.TalaltAllatok[g]) {
          if (a.Evett >= f.Jollakottsag) break;
          const uint32_t slot = o_.racs_.AllatSlotok(s)[etkezoCella];
          if (slot == 0) continue;  // named twice and already eaten in this meal
          const TAllat& preda = o_.AllatFaj(s).Egyedek[static_cast<int32_t>(slot) - 1];
          o_.utolsoAllatPredaMezo_ = etkezoCella;
          a.Evett += preda.Tomeg;
          a.DegDozis += preda.DegDozis;
          a.PerDozis += preda.PerDozis;
          o_.AllatTorlese(s, static_cast<int32_t>(slot) - 1);
        }
      }
    }
    o_.utolsoNovenyPredaMezo_ = -1;
    if (a.Evett < f.Jollakottsag && !p.NovenyPredak().empty()) {
      for (auto& t : p.TalaltNovenyek) t.clear();
      o_.KeresesMod = 1;
      o_.TalaltEtel = a.Evett;
      int64_t etkezoCella = -1;
      PredakElokeszitese(p.NovenyPredak(), false);
      Kifele(a.Sor, a.Oszlop, f.MozgasHossz(), [&](int64_t cella) {
        etkezoCella = cella;
        return Gyujt(f, cella, p.TalaltNovenyek, false);
      });
      for (size_t g = 0; g < p.TalaltNovenyek.size() && a.Evett < f.Jollakottsag; ++g) {
        for (int32_t s : p.TalaltNovenyek[g]) {
          if (a.Evett >= f.Jollakottsag) break;
          const uint32_t slot = o_.racs_.NovenySlotok(s)[etkezoCella];
          TNoveny& noveny = o_.NovenyFaj(s).Egyedek[static_cast<int32_t>(slot) - 1];
          o_.utolsoNovenyPredaMezo_ = etkezoCella;
          const int32_t szukseg = f.Jollakottsag - a.Evett;
          int32_t falat;
          if (szukseg < noveny.Tomeg) {
            falat = szukseg;
            noveny.Tomeg -= szukseg;
          } else {
            falat = noveny.Tomeg;
            noveny.Tomeg = 0;
          }
          if (falat > 0 && noveny.Tomeg == 0) o_.racs_.Jelol(etkezoCella);
          a.Evett += falat;
          if (f.DegHatas) a.DegDozis += o_.DegPermet ? 1 : 0;
          if (f.PerHatas) a.PerDozis += o_.PerPermet ? 1 : 0;
        }
      }
    }
  }

  // The prey members of one kind, flattened once per search: group, species
  // and where its slots and individuals are. Ids that name no species are
  // left out here, so the probes never look them up.
  struct TPredaElem {
    size_t csoport;
    int32_t faj;
    const uint32_t* slotok;
    const TElolenyList<TAllat>* allatok;
    const TElolenyList<TNoveny>* novenyek;
  };

  void PredakElokeszitese(const TCsoportok& csoportok, bool allatok) {
    predak_.clear();
    for (size_t g = 0; g < csoportok.size(); ++g) {
      for (int32_t s : csoportok[g]) {
        if (allatok ? !o_.VanAllatFaj(s) : !o_.VanNovenyFaj(s)) continue;
        if (allatok) {
          predak_.push_back({g, s, o_.racs_.AllatSlotok(s), &o_.AllatFaj(s).Egyedek, nullptr});
        } else {
          predak_.push_back({g, s, o_.racs_.NovenySlotok(s), nullptr, &o_.NovenyFaj(s).Egyedek});
        }
      }
    }
    vanTalalt_ = true;
  }

  // Collects the preys standing in one cell; the found lists always describe
  // the last cell probed. Group-0 food adds up over all probed cells. Most
  // probed cells hold no prey at all; they are settled here without a call.
  bool Gyujt(const TAllatFaj& f, int64_t cella, std::vector<TIdLista>& talalt, bool allatok) {
    bool vanPreda = false;
    for (const TPredaElem& e : predak_) vanPreda |= e.slotok[cella] != 0;
    if (vanTalalt_) {
      for (auto& t : talalt) t.clear();
      vanTalalt_ = false;
    }
    if (!vanPreda) return o_.TalaltEtel >= f.Jollakottsag;
    return CellaGyujtese(f, cella, talalt, allatok);
  }

  bool CellaGyujtese(const TAllatFaj& f, int64_t cella, std::vector<TIdLista>& talalt, bool allatok) {
    int32_t osszeg = 0;
    bool befogadVizsgalva = false;
    for (const TPredaElem& e : predak_) {
      const uint32_t slot = e.slotok[cella];
      if (slot == 0) continue;
      const int32_t index = static_cast<int32_t>(slot) - 1;
      int32_t tomeg;
      if (allatok) {
        tomeg = (*e.allatok)[index].Tomeg;
      } else {
        tomeg = (*e.novenyek)[index].Tomeg;
        if (tomeg <= 0) continue;
      }
      // The eater's admission does not depend on the prey: a closed cell
      // yields nothing at all.
      if (!befogadVizsgalva) {
        if (!Befogad(cella)) break;
        befogadVizsgalva = true;
      }
      talalt[e.csoport].push_back(e.faj);
      vanTalalt_ = true;
      if (e.csoport == 0) osszeg += tomeg;
    }
    o_.TalaltEtel += osszeg;
    return o_.TalaltEtel >= f.Jollakottsag;
  }

  void Atlep(TAllatFaj& f, int32_t i, int64_t ujCella) {
    TAllat& a = f.Egyedek[i];
    uint32_t* slotok = o_.racs_.AllatSlotok(f.Id());
    const int64_t regiCella = o_.Cella(a.Sor, a.Oszlop);
    slotok[regiCella] = 0;
    slotok[ujCella] = static_cast<uint32_t>(i) + 1;
    a.Sor = static_cast<int32_t>(ujCella / l_);
    a.Oszlop = static_cast<int32_t>(ujCella % l_);
    o_.racs_.Jelol(regiCella);
    o_.racs_.Jelol(ujCella);
  }

  void Mozog(TAllatFaj& f, int32_t i) {
    if (o_.utolsoAllatPredaMezo_ >= 0) {
      Atlep(f, i, o_.utolsoAllatPredaMezo_);
      return;
    }
    if (o_.utolsoNovenyPredaMezo_ >= 0) {
      Atlep(f, i, o_.utolsoNovenyPredaMezo_);
      return;
    }
    constexpr int64_t legtobb = std::numeric_limits<int32_t>::max();
    int32_t r = f.MozgasSugar();
    if (o_.tabla_.KorMeretKorlatos(r, legtobb + 1) - 1 < f.MozgasHossz()) r += 1;
    const int32_t kezdo = std::min(r, LegnagyobbGyuru());
    const TAllat& a = f.Egyedek[i];
    Befele(a.Sor, a.Oszlop, kezdo, KorKeret(kezdo), [&](int64_t cella) {
      if (!Befogad(cella)) return false;
      Atlep(f, i, cella);
      return true;
    });
  }

  void Szul(TAllatFaj& f, int32_t i) {
    {
      const TAllat& anya = f.Egyedek[i];
      if (anya.Nem != 2 || anya.VemhesIdo < f.Vemhes) return;
      const int32_t sugar = std::min(f.SzuloSugar, LegnagyobbGyuru());
      const int32_t sor = anya.Sor, oszlop = anya.Oszlop;
      Kifele(sor, oszlop, KorKeret(sugar), [&](int64_t cella) {
        if (!Befogad(cella)) return false;
        o_.AllatLetrehozasa(f.Id(), static_cast<int32_t>(cella / l_),
                            static_cast<int32_t>(cella % l_), TLetrehozas::Ujszulott);
        // The list may have grown: reach the mother again by her index.
        TAllat& m = f.Egyedek[i];
        m.UtodSzam -= 1;
        return m.UtodSzam == 0;
      });
    }
    TAllat& anya = f.Egyedek[i];
    anya.UtodSzam = 0;
    anya.VemhesIdo = 0;
    anya.RegenIdo = f.Regeneralodas;
  }

  bool Oregszik(TAllatFaj& f, int32_t i) {
    TAllat& a = f.Egyedek[i];
    a.Eletkor += 1;
    if (a.RegenIdo > 0) a.RegenIdo -= 1;
    if (a.UtodSzam > 0) {
      if (a.Ehezes < a.Eletkor) {
        a.VemhesIdo += 1;
      } else {
        a.UtodSzam = 0;
        a.VemhesIdo = 0;
      }
    }
    if (a.Eletkor == f.Ivarerettseg) {
      a.Nem = o_.veletlen_.Random(2) + 1;
      // The magnifier shows the sex, and an animal that did not move this
      // step would otherwise keep its juvenile symbol.
      o_.racs_.Jelol(o_.Cella(a.Sor, a.Oszlop));
    }
    if (a.Evett < f.Jollakottsag) {
      a.Ehezes += 1;
    } else {
      a.Ehezes = 0;
    }
    a.Evett = 0;
    if (f.Kor - a.DegDozis * f.DegKorMinusz - a.PerDozis * f.PerKorMinusz < a.Eletkor) return true;
    if (a.Ehezes > f.Ehes) return true;
    if (o_.PermetezesVolt) {
      if (f.DegHatas && o_.DegPermet && o_.veletlen_.Random(100) < f.DegHatasfok) return true;
      if (f.PerHatas && o_.PerPermet && o_.veletlen_.Random(100) < f.PerHatasfok) return true;
    }
    return false;
  }

 private:
  TOkoszisztema& o_;
  int32_t l_;
  std::vector<TPredaElem> predak_;
  std::vector<const uint32_t*> tiltott_;
  bool vanTalalt_ = false;
};

void TOkoszisztema::Lepes() {
  for (auto& f : allatFajok_) {
    for (auto& csoport : f->Predak.AllatPredakKevereshez()) Kever(csoport, veletlen_);
    for (auto& csoport : f->Predak.NovenyPredakKevereshez()) Kever(csoport, veletlen_);
  }
  AllatLepes();
  NovenyLepes();
  DegPermet = false;
  PermetezesVolt = false;
  Rajzol();
  Ido += 1;
}

void TOkoszisztema::AllatLepes() {
  aktivFajok_.clear();
  for (auto& f : allatFajok_) {
    if (f->Egyedek.Darab() > 0) {
      aktivFajok_.push_back(f.get());
      f->Egyedek.Kurzor = 0;
    }
  }
  TAllatLepesek lepesek(*this);
  while (!aktivFajok_.empty()) {
    const int32_t k = veletlen_.Random(static_cast<int32_t>(aktivFajok_.size()));
    TAllatFaj& f = *aktivFajok_[static_cast<size_t>(k)];
    if (f.Egyedek.Kurzor < f.Egyedek.Darab()) {
      const int32_t i = f.Egyedek.Kurzor;
      if (lepesek.Lep(f, i)) {
        AllatTorlese(f.Id(), i);
      } else {
        f.Egyedek.Kurzor += 1;
      }
    } else {
      aktivFajok_[static_cast<size_t>(k)] = aktivFajok_.back();
      aktivFajok_.pop_back();
    }
  }
  AllatFelvetel();
}

void TOkoszisztema::AllatFelvetel() {
  AllatLetszam.HosszBeallitasa(AllatLetszam.Hossz() + 1);
  const int32_t oszlop = AllatLetszam.Hossz() - 1;
  for (auto& f : allatFajok_)
    AllatLetszam.ErtekBeallitasa(f->Id(), oszlop, static_cast<float>(f->Egyedek.Darab()));
  Korfa.Alaphelyzet();
  for (auto& f : allatFajok_) {
    for (const TAllat& a : f->Egyedek.Elemek()) {
      if (a.Nem > 2) continue;  // only a hand-made file holds such a sex
      if (a.Nem > 0) {
        Korfa.Hozzaad(f->Id(), a.Nem - 1, a.Eletkor);
      } else {
        Korfa.Hozzaad(f->Id(), veletlen_.Random(2), a.Eletkor);
      }
    }
  }
  AllatDozis.Felvetel(*this);
}

}  // namespace zelvaris
