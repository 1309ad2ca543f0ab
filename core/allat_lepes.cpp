// The step's frame and its animal half: the order in which animals act, the
// ring search they all use, and the five phases of an animal's own step.

#include <algorithm>
#include <limits>
#include <type_traits>

#include "core/okoszisztema.h"

namespace zelvaris {

// The ring search and the animal phases; a friend of the ecosystem so the hot
// loops reach the grid's slot arrays directly.
class TAllatLepesek {
 public:
  explicit TAllatLepesek(TOkoszisztema& o)
      : o_(o),
        l_(o.l_),
        naplo_(o.probaNaplo_),
        foglaltsag_(o.racs_.Foglaltsag()),
        kisRacs_(static_cast<double>(o.racs_.Cellak()) *
                     TRacs::BajtCellankent(o.AllatFajokSzama(), o.NovenyFajokSzama()) <=
                 kKisRacsBajt) {}

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

  // One probe: the callback's answer for a cell, counted (and logged for the
  // benchmarks when asked).
  template <typename Cb>
  bool Proba(int64_t cella, Cb& cb) {
    ++o_.probak_;
    if (naplo_ != nullptr) naplo_->push_back(cella);
    return cb(cella);
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
        if (Proba(cella, cb)) return true;
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
          if (Proba(alap + lepesek[j], cb)) return true;
          ++elutasitas;
        }
        return false;
      }
      const TEltolas* eltolasok = g.eltolasok.data();
      for (int32_t j = tol; j < ig && elutasitas < keret; ++j) {
        if (Proba(Korbe(int64_t{sor} + eltolasok[j].x, int64_t{oszlop} + eltolasok[j].y), cb)) return true;
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

  // Whether a cell admits the stepping animal's species: the bits of the
  // species it must not meet, then the arrays of those without a bit.
  bool Befogad(int64_t cella) const {
    return (foglaltsag_[cella] & faj_->tiltoBitek) == 0 && TOkoszisztema::Szabad(faj_->tiltoTombok, cella);
  }

  // What a species' step needs from the grid, gathered once per step (the
  // species and their lists of avoided species do not change within it):
  // the admission test, and the grid arrays the step reads around an animal's
  // cell and how far around, so the cells of each species' next animal can be
  // asked for while other animals step; on a large world nearly every one of
  // those reads would otherwise wait for memory.
  struct TFajAdatok {
    uint32_t tiltoBitek = 0;
    std::vector<const uint32_t*> tiltoTombok;
    std::vector<const uint32_t*> elotoltendo;
    int32_t elotoltesSugar = 1;
  };

  void FajokElokeszitese() {
    const auto fajok = static_cast<size_t>(o_.AllatFajokSzama());
    fajAdatok_.assign(fajok, {});
    std::vector<const uint32_t*> tiltott;
    for (size_t id = 0; id < fajok; ++id) {
      const TAllatFaj& f = o_.AllatFaj(static_cast<int32_t>(id));
      TFajAdatok& d = fajAdatok_[id];
      auto tilto = [&](uint32_t bit, const uint32_t* tomb) {
        d.tiltoBitek |= bit;
        if (bit == 0) d.tiltoTombok.push_back(tomb);
      };
      tilto(TRacs::AllatBit(f.Id()), o_.racs_.AllatSlotok(f.Id()));
      for (int32_t a : f.AllatUtkozes)
        if (o_.VanAllatFaj(a)) tilto(TRacs::AllatBit(a), o_.racs_.AllatSlotok(a));
      for (int32_t p : f.NovenyUtkozes)
        if (o_.VanNovenyFaj(p)) tilto(TRacs::NovenyBit(p), o_.racs_.NovenySlotok(p));
      auto& tombok = d.elotoltendo;
      tombok = d.tiltoTombok;
      tombok.push_back(foglaltsag_);
      tombok.push_back(o_.racs_.AllatSlotok(f.Id()));
      for (const auto& csoport : f.Predak.AllatPredak())
        for (int32_t s : csoport)
          if (o_.VanAllatFaj(s)) tombok.push_back(o_.racs_.AllatSlotok(s));
      for (const auto& csoport : f.Predak.NovenyPredak())
        for (int32_t s : csoport)
          if (o_.VanNovenyFaj(s)) tombok.push_back(reinterpret_cast<const uint32_t*>(o_.racs_.NovenyTomegek(s)));
      std::sort(tombok.begin(), tombok.end());
      tombok.erase(std::unique(tombok.begin(), tombok.end()), tombok.end());
      // The searches of a step reach the ring where the move budget runs out
      // (the move itself starts one ring out when the radius falls short).
      d.elotoltesSugar = std::clamp(MozgasKezdoGyuru(f), 1, 3);
    }
  }

  // Inlined by force: out of line, the compiler finds a function that only
  // reads and prefetches free of effects and drops every call to it.
  [[gnu::always_inline]] void Elotoltes(const TAllatFaj& f) {
    // A grid that stays in the caches gains nothing from it.
    if (kisRacs_) return;
    constexpr int32_t kElore = 4;
    const auto& egyedek = f.Egyedek;
    if (egyedek.Kurzor + kElore >= egyedek.Darab()) return;
    const TAllat& a = egyedek[egyedek.Kurzor + kElore];
    const TFajAdatok& d = fajAdatok_[static_cast<size_t>(f.Id())];
    const int32_t r = d.elotoltesSugar;
    if (!Belul(a.Sor, a.Oszlop, r)) return;
    const int64_t kozep = o_.Cella(a.Sor, a.Oszlop);
    for (const uint32_t* t : d.elotoltendo) {
      for (int64_t dr = -r; dr <= r; ++dr) {
        const uint32_t* sor = t + kozep + dr * l_;
        __builtin_prefetch(sor - r);
        __builtin_prefetch(sor + r);
      }
    }
  }

  bool Lep(TAllatFaj& f, int32_t i) {
    faj_ = &fajAdatok_[static_cast<size_t>(f.Id())];
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
    const uint32_t bit = TRacs::AllatBit(f.Id());
    Kifele(him.Sor, him.Oszlop, f.MozgasHossz(), [&](int64_t cella) {
      if (bit != 0 && (foglaltsag_[cella] & bit) == 0) return false;
      const uint32_t slot = slotok[cella];
      if (slot == 0) return false;
      TAllat& nosteny = f.Egyedek[static_cast<int32_t>(slot) - 1];
      if (nosteny.Nem != 2 || nosteny.RegenIdo != 0) return false;
      nosteny.UtodSzam = (f.Utod * 100 - f.DegUtodMinusz * deg - f.PerUtodMinusz * per) / 100;
      return true;
    });
  }

  void Taplalkozik(TAllatFaj& f, int32_t i) {
    // Another animal's meal must not steer this one's move.
    o_.utolsoAllatPredaMezo_ = -1;
    o_.utolsoNovenyPredaMezo_ = -1;
    if (f.Egyedek[i].Evett != 0) return;
    Etkezes<TAllat>(f, i, o_.utolsoAllatPredaMezo_);
    if (f.Egyedek[i].Evett < f.Jollakottsag) Etkezes<TNoveny>(f, i, o_.utolsoNovenyPredaMezo_);
  }

  // One meal of one prey kind: a search that collects the preys of the last
  // probed cell, then eating them group by group until sated. A prey animal
  // is eaten whole; a plant is bitten as far as needed and stays at mass 0.
  template <typename T>
  void Etkezes(TAllatFaj& f, int32_t i, int64_t& utolsoMezo) {
    constexpr bool allatok = std::is_same_v<T, TAllat>;
    TPredaTar& p = f.Predak;
    const TCsoportok& csoportok = allatok ? p.AllatPredak() : p.NovenyPredak();
    std::vector<TIdLista>& talalt = allatok ? p.TalaltAllatok : p.TalaltNovenyek;
    if (csoportok.empty()) return;
    // Eating destroys only other species' animals: the eater stays in place.
    TAllat& a = f.Egyedek[i];
    for (auto& t : talalt) t.clear();
    talaltEtel_ = a.Evett;
    int64_t etkezoCella = -1;
    PredakElokeszitese(csoportok, allatok);
    if (allatok || !kisRacs_) {
      Kifele(a.Sor, a.Oszlop, f.MozgasHossz(), [&](int64_t cella) {
        etkezoCella = cella;
        return Gyujt(f, cella, talalt, allatok);
      });
    } else {
      // Whether a cell holds plant food is close to a coin toss, so on a grid
      // that stays in the caches the probes only add up group-0 food without
      // branching on it; the found lists are made once, for the cell the
      // search stopped at. On a larger grid reading every probed cell's
      // masses costs more memory traffic than the mispredictions it saves.
      const int32_t jollakottsag = f.Jollakottsag;
      Kifele(a.Sor, a.Oszlop, f.MozgasHossz(), [&](int64_t cella) {
        etkezoCella = cella;
        return NovenyEtel(cella, jollakottsag);
      });
      if (etkezoCella >= 0) Gyujt(f, etkezoCella, talalt, false);
    }
    for (size_t g = 0; g < talalt.size() && a.Evett < f.Jollakottsag; ++g) {
      for (int32_t s : talalt[g]) {
        if (a.Evett >= f.Jollakottsag) break;
        if constexpr (allatok) {
          const uint32_t slot = o_.racs_.AllatSlotok(s)[etkezoCella];
          if (slot == 0) continue;  // named twice and already eaten in this meal
          const TAllat& preda = o_.AllatFaj(s).Egyedek[static_cast<int32_t>(slot) - 1];
          utolsoMezo = etkezoCella;
          a.Evett += preda.Tomeg;
          a.DegDozis += preda.DegDozis;
          a.PerDozis += preda.PerDozis;
          o_.AllatTorlese(s, static_cast<int32_t>(slot) - 1);
        } else {
          // The bite changes the mass the grid keeps; the plant's own record
          // follows at the end of the animal half, all bitten plants at once.
          int32_t tomeg = o_.racs_.NovenyTomegek(s)[etkezoCella];
          utolsoMezo = etkezoCella;
          const int32_t szukseg = f.Jollakottsag - a.Evett;
          int32_t falat;
          if (szukseg < tomeg) {
            falat = szukseg;
            tomeg -= szukseg;
          } else {
            falat = tomeg;
            tomeg = 0;
          }
          o_.racs_.TomegBeallitasa(s, etkezoCella, tomeg);
          if (falat > 0 && tomeg == 0) o_.racs_.Jelol(etkezoCella);
          o_.harapottNovenyek_.push_back({s, etkezoCella});
          a.Evett += falat;
          if (f.DegHatas) a.DegDozis += o_.DegPermet ? 1 : 0;
          if (f.PerHatas) a.PerDozis += o_.PerPermet ? 1 : 0;
        }
      }
    }
  }

  // The prey members of one kind, flattened once per search: group, species,
  // the species' occupancy bit (an animal's slot, a plant with mass; 0 for a
  // species without one) and the grid array that tells whether the cell
  // holds food of it (an animal's slot, a plant's mass). Ids that name no
  // species are left out here, so the probes never look them up.
  struct TPredaElem {
    size_t csoport;
    int32_t faj;
    uint32_t bit;
    const uint32_t* jelek;
    const TElolenyList<TAllat>* allatok;
  };

  void PredakElokeszitese(const TCsoportok& csoportok, bool allatok) {
    predak_.clear();
    predaBitek_ = 0;
    bitNelkuliPredak_.clear();
    elsoCsoportTomegek_.clear();
    for (size_t g = 0; g < csoportok.size(); ++g) {
      for (int32_t s : csoportok[g]) {
        if (allatok ? !o_.VanAllatFaj(s) : !o_.VanNovenyFaj(s)) continue;
        const TPredaElem e =
            allatok ? TPredaElem{g, s, TRacs::AllatBit(s), o_.racs_.AllatSlotok(s), &o_.AllatFaj(s).Egyedek}
                    : TPredaElem{g, s, TRacs::TomegBit(s),
                                 reinterpret_cast<const uint32_t*>(o_.racs_.NovenyTomegek(s)), nullptr};
        predak_.push_back(e);
        predaBitek_ |= e.bit;
        if (e.bit == 0) bitNelkuliPredak_.push_back(e.jelek);
        if (!allatok && g == 0) elsoCsoportTomegek_.push_back(o_.racs_.NovenyTomegek(s));
      }
    }
    vanTalalt_ = true;
  }

  // Group-0 plant food in a cell that admits the eater, added to what the
  // search has seen; whether that is enough.
  bool NovenyEtel(int64_t cella, int32_t jollakottsag) {
    const bool befogad = Befogad(cella);
    int32_t etel = 0;
    for (const int32_t* t : elsoCsoportTomegek_) {
      const int32_t m = t[cella];
      etel += m > 0 ? m : 0;
    }
    talaltEtel_ += befogad ? etel : 0;
    return talaltEtel_ >= jollakottsag;
  }

  // Collects the preys standing in one cell; the found lists always describe
  // the last cell probed. Group-0 food adds up over all probed cells. Most
  // probed cells hold no prey, or do not admit the eater (which then yields
  // nothing at all); the cell's occupancy word settles them without a call.
  bool Gyujt(const TAllatFaj& f, int64_t cella, std::vector<TIdLista>& talalt, bool allatok) {
    const uint32_t foglalt = foglaltsag_[cella];
    bool vanPreda = (foglalt & predaBitek_) != 0;
    for (const uint32_t* t : bitNelkuliPredak_) vanPreda |= t[cella] != 0;
    if (vanTalalt_) {
      for (auto& t : talalt) t.clear();
      vanTalalt_ = false;
    }
    if (!vanPreda || !Befogad(cella)) return talaltEtel_ >= f.Jollakottsag;
    return allatok ? CellaGyujtese<true>(f, cella, foglalt, talalt)
                   : CellaGyujtese<false>(f, cella, foglalt, talalt);
  }

  template <bool allatok>
  bool CellaGyujtese(const TAllatFaj& f, int64_t cella, uint32_t foglalt, std::vector<TIdLista>& talalt) {
    int32_t osszeg = 0;
    for (const TPredaElem& e : predak_) {
      if (e.bit != 0 && (foglalt & e.bit) == 0) continue;
      int32_t tomeg;
      if constexpr (allatok) {
        const uint32_t slot = e.jelek[cella];
        if (slot == 0) continue;
        tomeg = (*e.allatok)[static_cast<int32_t>(slot) - 1].Tomeg;
      } else {
        // Only a plant with mass is food; the grid holds 0 for no plant.
        tomeg = static_cast<int32_t>(e.jelek[cella]);
        if (tomeg <= 0) continue;
      }
      talalt[e.csoport].push_back(e.faj);
      vanTalalt_ = true;
      if (e.csoport == 0) osszeg += tomeg;
    }
    talaltEtel_ += osszeg;
    return talaltEtel_ >= f.Jollakottsag;
  }

  void Atlep(TAllatFaj& f, int32_t i, int64_t ujCella) {
    TAllat& a = f.Egyedek[i];
    const int64_t regiCella = o_.Cella(a.Sor, a.Oszlop);
    o_.racs_.AllatKi(f.Id(), regiCella);
    o_.racs_.AllatBe(f.Id(), ujCella, static_cast<uint32_t>(i) + 1);
    a.Sor = static_cast<int32_t>(ujCella / l_);
    a.Oszlop = static_cast<int32_t>(ujCella % l_);
    o_.racs_.Jelol(regiCella);
    o_.racs_.Jelol(ujCella);
  }

  // The ring a move search starts from: the movement radius, one more when
  // the disc within it holds fewer cells than the move budget.
  int32_t MozgasKezdoGyuru(const TAllatFaj& f) {
    constexpr int64_t legtobb = std::numeric_limits<int32_t>::max();
    int32_t r = f.MozgasSugar();
    if (o_.tabla_.KorMeretKorlatos(r, legtobb + 1) - 1 < f.MozgasHossz()) r += 1;
    return r;
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
    const int32_t kezdo = std::min(MozgasKezdoGyuru(f), LegnagyobbGyuru());
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
  std::vector<int64_t>* naplo_;
  const uint32_t* foglaltsag_;
  // A grid of at most this size stays mostly in the second- and third-level
  // caches: there the branch-free meal probe pays and prefetching does not
  // (measured on sides 300 and 2,000).
  static constexpr double kKisRacsBajt = 8.0 * 1024 * 1024;
  const bool kisRacs_;
  std::vector<TPredaElem> predak_;
  uint32_t predaBitek_ = 0;
  std::vector<const uint32_t*> bitNelkuliPredak_;
  std::vector<const int32_t*> elsoCsoportTomegek_;
  std::vector<TFajAdatok> fajAdatok_;
  const TFajAdatok* faj_ = nullptr;
  bool vanTalalt_ = false;
  // Group-0 food seen so far by the prey search (from what was already eaten).
  int32_t talaltEtel_ = 0;
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
  lepesek.FajokElokeszitese();
  for (const TAllatFaj* f : aktivFajok_) lepesek.Elotoltes(*f);
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
      lepesek.Elotoltes(f);
    } else {
      aktivFajok_[static_cast<size_t>(k)] = aktivFajok_.back();
      aktivFajok_.pop_back();
    }
  }
  HarapottNovenyekFrissitese();
  AllatFelvetel();
}

void TOkoszisztema::HarapottNovenyekFrissitese() {
  for (const auto& [faj, cella] : harapottNovenyek_) {
    const uint32_t slot = racs_.NovenySlotok(faj)[cella];
    NovenyFaj(faj).Egyedek.Elem(static_cast<int32_t>(slot) - 1).Tomeg = racs_.NovenyTomegek(faj)[cella];
  }
  harapottNovenyek_.clear();
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
