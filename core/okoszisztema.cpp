#include "core/okoszisztema.h"

#include <algorithm>
#include <cmath>

#include "core/hibak.h"
#include "core/memoria.h"

namespace zelvaris {

TOkoszisztema::TOkoszisztema(TVeletlen& veletlen, TKeresoTabla& tabla)
    : veletlen_(veletlen), tabla_(tabla) {}

TOkoszisztema::~TOkoszisztema() { RajzolasKesz = false; }

void TOkoszisztema::UjFajMemoriaEllenorzes() const {
  if (!vanRacs_) return;
  const std::optional<uint64_t> szabad = elerhetoMemoria_ ? elerhetoMemoria_ : ElerhetoMemoria();
  const double kell = 4.0 * static_cast<double>(racs_.Cellak());
  if (!szabad || kell <= static_cast<double>(*szabad)) return;
  throw TMemoriaHiba("Az új faj nem fér el a memóriában: minden cellának kell egy új hely (kb. " +
                         std::to_string(static_cast<int64_t>(kell / 1048576.0)) + " MB), de csak " +
                         std::to_string(static_cast<int64_t>(*szabad / 1048576.0)) + " MB szabad.",
                     0);
}

TAllatFaj& TOkoszisztema::UjAllatFaj(const std::string& nev) {
  UjFajMemoriaEllenorzes();
  const auto id = AllatFajokSzama();
  allatFajok_.push_back(std::make_unique<TAllatFaj>(this, id));
  allatFajok_.back()->SetNev(nev);
  AllatSorrend.push_back(id);
  if (vanRacs_) racs_.AllatFajHozzaadasa();
  AllatLetszam.SorokBeallitasa(id + 1);
  Korfa.SorokBeallitasa(id + 1);
  AllatDozis.SorokBeallitasa(id + 1);
  return *allatFajok_.back();
}

TNovenyFaj& TOkoszisztema::UjNovenyFaj(const std::string& nev) {
  UjFajMemoriaEllenorzes();
  const auto id = NovenyFajokSzama();
  novenyFajok_.push_back(std::make_unique<TNovenyFaj>(this, id));
  novenyFajok_.back()->SetNev(nev);
  NovenySorrend.push_back(id);
  if (vanRacs_) racs_.NovenyFajHozzaadasa();
  NovenyLetszam.SorokBeallitasa(id + 1);
  return *novenyFajok_.back();
}

// --- Admission and cells -------------------------------------------------------

void TOkoszisztema::AllatTiltoSlotok(const TAllatFaj& faj, std::vector<const uint32_t*>& ide) const {
  ide.clear();
  ide.push_back(racs_.AllatSlotok(faj.Id()));
  for (int32_t a : faj.AllatUtkozes)
    if (VanAllatFaj(a)) ide.push_back(racs_.AllatSlotok(a));
  for (int32_t p : faj.NovenyUtkozes)
    if (VanNovenyFaj(p)) ide.push_back(racs_.NovenySlotok(p));
}

bool TOkoszisztema::AllatotBefogadCella(int64_t cella, const TAllatFaj& faj) const {
  std::vector<const uint32_t*> tiltok;
  AllatTiltoSlotok(faj, tiltok);
  return Szabad(tiltok, cella);
}

bool TOkoszisztema::NovenytBefogadCella(int64_t cella, const TNovenyFaj& faj) const {
  if (racs_.NovenySlotok(faj.Id())[cella] != 0) return false;
  for (int32_t p : faj.NovenyUtkozes)
    if (VanNovenyFaj(p) && racs_.NovenySlotok(p)[cella] != 0) return false;
  return true;
}

bool TOkoszisztema::AllatotBefogad(int32_t sor, int32_t oszlop, int32_t faj) const {
  return AllatotBefogadCella(Cella(sor, oszlop), AllatFaj(faj));
}

bool TOkoszisztema::NovenytBefogad(int32_t sor, int32_t oszlop, int32_t faj) const {
  return NovenytBefogadCella(Cella(sor, oszlop), NovenyFaj(faj));
}

int32_t TOkoszisztema::AllatIndexAMezon(int32_t sor, int32_t oszlop, int32_t faj) const {
  if (!vanRacs_ || !VanAllatFaj(faj)) return -1;
  return static_cast<int32_t>(racs_.AllatSlotok(faj)[Cella(sor, oszlop)]) - 1;
}

int32_t TOkoszisztema::NovenyIndexAMezon(int32_t sor, int32_t oszlop, int32_t faj) const {
  if (!vanRacs_ || !VanNovenyFaj(faj)) return -1;
  return static_cast<int32_t>(racs_.NovenySlotok(faj)[Cella(sor, oszlop)]) - 1;
}

const TAllat* TOkoszisztema::AllatAMezon(int32_t sor, int32_t oszlop, int32_t faj) const {
  const int32_t i = AllatIndexAMezon(sor, oszlop, faj);
  return i < 0 ? nullptr : &AllatFaj(faj).Egyedek[i];
}

const TNoveny* TOkoszisztema::NovenyAMezon(int32_t sor, int32_t oszlop, int32_t faj) const {
  const int32_t i = NovenyIndexAMezon(sor, oszlop, faj);
  return i < 0 ? nullptr : &NovenyFaj(faj).Egyedek[i];
}

bool TOkoszisztema::Valtozott(int32_t sor, int32_t oszlop) const {
  return vanRacs_ && racs_.Valtozott(Cella(sor, oszlop));
}

// --- Individuals -------------------------------------------------------------

void TOkoszisztema::AllatHelyezese(int32_t faj, const TAllat& allat) {
  const int64_t cella = Cella(allat.Sor, allat.Oszlop);
  racs_.Jelol(cella);
  const int32_t index = AllatFaj(faj).Egyedek.Hozzaad(allat);
  racs_.AllatSlotok(faj)[cella] = static_cast<uint32_t>(index) + 1;
}

void TOkoszisztema::NovenyHelyezese(int32_t faj, const TNoveny& noveny) {
  const int64_t cella = Cella(noveny.Sor, noveny.Oszlop);
  racs_.Jelol(cella);
  const int32_t index = NovenyFaj(faj).Egyedek.Hozzaad(noveny);
  racs_.NovenySlotok(faj)[cella] = static_cast<uint32_t>(index) + 1;
}

int32_t TOkoszisztema::AllatLetrehozasa(int32_t faj, int32_t sor, int32_t oszlop,
                                       TLetrehozas fajta) {
  const TAllatFaj& f = AllatFaj(faj);
  TAllat a;
  a.Sor = sor;
  a.Oszlop = oszlop;
  a.Tomeg = f.Tomeg();
  switch (fajta) {
    case TLetrehozas::Veletlen:
      a.Eletkor = veletlen_.Random(f.Kor) + 1;
      a.Ehezes = veletlen_.Random(f.Ehes) + 1;
      if (a.Eletkor >= f.Ivarerettseg) a.Nem = veletlen_.Random(2) + 1;
      break;
    case TLetrehozas::Felnott:
      a.Nem = veletlen_.Random(2) + 1;
      a.Eletkor = f.Ivarerettseg + 1;
      break;
    case TLetrehozas::Ujszulott:
    case TLetrehozas::Betoltott:
      break;
  }
  AllatHelyezese(faj, a);
  return AllatFaj(faj).Egyedek.Darab() - 1;
}

int32_t TOkoszisztema::NovenyLetrehozasa(int32_t faj, int32_t sor, int32_t oszlop,
                                        TLetrehozas fajta) {
  const TNovenyFaj& f = NovenyFaj(faj);
  TNoveny p;
  p.Sor = sor;
  p.Oszlop = oszlop;
  switch (fajta) {
    case TLetrehozas::Veletlen:
      p.Tomeg = veletlen_.Random(f.Tomeg) + 1;
      break;
    case TLetrehozas::Ujszulott:
      p.Tomeg = 0;
      break;
    case TLetrehozas::Felnott:
    case TLetrehozas::Betoltott:
      p.Tomeg = f.Tomeg;
      break;
  }
  NovenyHelyezese(faj, p);
  return NovenyFaj(faj).Egyedek.Darab() - 1;
}

void TOkoszisztema::AllatTorlese(int32_t faj, int32_t index) {
  auto& lista = AllatFaj(faj).Egyedek;
  uint32_t* slotok = racs_.AllatSlotok(faj);
  const int64_t cella = Cella(lista[index].Sor, lista[index].Oszlop);
  lista.Kivesz(index, true, [&](int32_t j) {
    slotok[Cella(lista[j].Sor, lista[j].Oszlop)] = static_cast<uint32_t>(j) + 1;
  });
  slotok[cella] = 0;
  racs_.Jelol(cella);
}

void TOkoszisztema::NovenyTorlese(int32_t faj, int32_t index) {
  auto& lista = NovenyFaj(faj).Egyedek;
  uint32_t* slotok = racs_.NovenySlotok(faj);
  const int64_t cella = Cella(lista[index].Sor, lista[index].Oszlop);
  lista.Kivesz(index, false, [&](int32_t j) {
    slotok[Cella(lista[j].Sor, lista[j].Oszlop)] = static_cast<uint32_t>(j) + 1;
  });
  slotok[cella] = 0;
  racs_.Jelol(cella);
}

void TOkoszisztema::CellaUrites(int64_t cella) {
  for (int32_t a = 0; a < AllatFajokSzama(); ++a) {
    const uint32_t slot = racs_.AllatSlotok(a)[cella];
    if (slot != 0) AllatTorlese(a, static_cast<int32_t>(slot) - 1);
  }
  for (int32_t p = 0; p < NovenyFajokSzama(); ++p) {
    const uint32_t slot = racs_.NovenySlotok(p)[cella];
    if (slot != 0) NovenyTorlese(p, static_cast<int32_t>(slot) - 1);
  }
}

// --- Lifecycle ---------------------------------------------------------------

void TOkoszisztema::MemoriaEllenorzes(int64_t ujL, int64_t egyedBajt) const {
  const std::optional<uint64_t> szabad = elerhetoMemoria_ ? elerhetoMemoria_ : ElerhetoMemoria();
  if (!szabad) return;
  const double cellankent =
      TRacs::BajtCellankent(AllatFajokSzama() + NovenyFajokSzama()) + kepBajtCellankent_;
  // The grid held now is given back before the new one is built.
  const double regi = vanRacs_ ? cellankent * static_cast<double>(racs_.Cellak()) : 0.0;
  const double van = static_cast<double>(*szabad) + regi;
  const double kell = cellankent * static_cast<double>(ujL) * static_cast<double>(ujL) +
                      static_cast<double>(egyedBajt);
  if (kell <= van) return;
  const double maradek = std::max(0.0, van - static_cast<double>(egyedBajt));
  const auto legnagyobb = static_cast<int64_t>(std::floor(std::sqrt(maradek / cellankent)));
  throw TMemoriaHiba("A(z) " + std::to_string(ujL) +
                         " oldalhosszú ökoszisztéma nem fér el a memóriában (kb. " +
                         std::to_string(static_cast<int64_t>(kell / 1048576.0)) + " MB kellene, " +
                         std::to_string(static_cast<int64_t>(van / 1048576.0)) +
                         " MB szabad). A legnagyobb oldalhossz, ami most elfér: " +
                         std::to_string(legnagyobb) + ".",
                     legnagyobb);
}

int64_t TOkoszisztema::BefogadoCellak(bool allat, int32_t faj) const {
  const int64_t cellak = racs_.Cellak();
  int64_t n = 0;
  if (allat) {
    std::vector<const uint32_t*> tiltok;
    AllatTiltoSlotok(AllatFaj(faj), tiltok);
    for (int64_t c = 0; c < cellak; ++c) n += Szabad(tiltok, c) ? 1 : 0;
  } else {
    const TNovenyFaj& f = NovenyFaj(faj);
    for (int64_t c = 0; c < cellak; ++c) n += NovenytBefogadCella(c, f) ? 1 : 0;
  }
  return n;
}

std::vector<THiany> TOkoszisztema::Alkalmaz() {
  const int64_t oldal = std::max<int32_t>(l_, 0);
  const int64_t cellak = oldal * oldal;
  int64_t egyedBajt = 0;
  if (Benepesit) {
    for (const auto& f : allatFajok_)
      egyedBajt += std::clamp<int64_t>(f->PopulacioMeret, 0, cellak) * int64_t{sizeof(TAllat)};
    for (const auto& f : novenyFajok_)
      egyedBajt += std::clamp<int64_t>(f->PopulacioMeret, 0, cellak) * int64_t{sizeof(TNoveny)};
  }
  MemoriaEllenorzes(oldal, egyedBajt);

  vanRacs_ = true;
  RajzolasKesz = false;
  keretBal_ = 0;
  keretFelso_ = 0;
  if (rajzolo_ != nullptr) rajzolo_->KepekUjraepitese(oldal, true);
  AllatFajUrit();
  NovenyFajUrit();
  rajzolhat_ = true;
  TkpRajzol = true;
  NgyRajzol = true;
  racs_.Epites(oldal, AllatFajokSzama(), NovenyFajokSzama());
  Tisztit();

  std::vector<THiany> hianyok;
  if (Benepesit) {
    // Places until the count reaches the start count or no cell admits the
    // species any more; the draws are those of an unbounded placement
    // whenever the start count fits.
    auto elhelyez = [&](bool allat, int32_t id, TElolenyFaj& f, auto& egyedek,
                        const std::vector<int32_t>& tiltottAllatok,
                        const std::vector<int32_t>& tiltottNovenyek) {
      const int32_t kert = f.PopulacioMeret;
      const int32_t kezdo = egyedek.Darab();
      if (kert <= kezdo) return;
      int64_t foglaltKorlat = kezdo;
      for (int32_t a : tiltottAllatok)
        if (VanAllatFaj(a)) foglaltKorlat += AllatFaj(a).Egyedek.Darab();
      for (int32_t p : tiltottNovenyek)
        if (VanNovenyFaj(p)) foglaltKorlat += NovenyFaj(p).Egyedek.Darab();
      int64_t cel = kert;
      if (int64_t{kert} - kezdo > cellak - foglaltKorlat)
        cel = std::min<int64_t>(kert, kezdo + BefogadoCellak(allat, id));
      while (egyedek.Darab() < cel) {
        const int32_t sor = veletlen_.Random(l_);
        const int32_t oszlop = veletlen_.Random(l_);
        if (allat) {
          if (AllatotBefogad(sor, oszlop, id)) AllatLetrehozasa(id, sor, oszlop, TLetrehozas::Veletlen);
        } else {
          if (NovenytBefogad(sor, oszlop, id)) NovenyLetrehozasa(id, sor, oszlop, TLetrehozas::Veletlen);
        }
      }
      if (cel < kert) hianyok.push_back({allat, id, kert, egyedek.Darab()});
    };
    static const std::vector<int32_t> nincs;
    for (auto& f : novenyFajok_) elhelyez(false, f->Id(), *f, f->Egyedek, nincs, f->NovenyUtkozes);
    for (auto& f : allatFajok_)
      elhelyez(true, f->Id(), *f, f->Egyedek, f->AllatUtkozes, f->NovenyUtkozes);
  }
  RajzolasKesz = true;
  Ujrarajzol();
  return hianyok;
}

void TOkoszisztema::Atmeretez(int32_t n) {
  if (n == l_) return;
  if (!vanRacs_) {
    l_ = n;
    return;
  }
  const int64_t ujL = std::max<int32_t>(n, 0);
  const int64_t regiL = racs_.L();
  if (ujL > regiL) {
    // Old and new arrays live side by side while the cells are copied.
    MemoriaEllenorzes(ujL, 0);
  }
  if (ujL < regiL) {
    for (int64_t sor = 0; sor < ujL; ++sor)
      for (int64_t oszlop = ujL; oszlop < regiL; ++oszlop) CellaUrites(sor * regiL + oszlop);
    for (int64_t sor = ujL; sor < regiL; ++sor)
      for (int64_t oszlop = 0; oszlop < regiL; ++oszlop) CellaUrites(sor * regiL + oszlop);
  }
  racs_.Atmeretezes(ujL);
  l_ = n;
  if (rajzolo_ != nullptr) rajzolo_->KepekUjraepitese(ujL, false);
  Ujrarajzol();
}

// Destroys every individual of the species, last first, clearing their cells.
template <typename Fajok, typename Slotok>
void TOkoszisztema::FajokUritese(Fajok& fajok, Slotok slotok) {
  for (auto& f : fajok) {
    if (vanRacs_ && racs_.L() > 0) {
      uint32_t* s = slotok(f->Id());
      for (int32_t i = f->Egyedek.Darab() - 1; i >= 0; --i) {
        const int64_t cella = Cella(f->Egyedek[i].Sor, f->Egyedek[i].Oszlop);
        s[cella] = 0;
        racs_.Jelol(cella);
      }
    }
    f->Egyedek.Urites();
  }
  Rajzol();
}

void TOkoszisztema::AllatFajUrit() {
  FajokUritese(allatFajok_, [this](int32_t id) { return racs_.AllatSlotok(id); });
}

void TOkoszisztema::NovenyFajUrit() {
  FajokUritese(novenyFajok_, [this](int32_t id) { return racs_.NovenySlotok(id); });
}

void TOkoszisztema::OkoUrit() {
  RajzolasKesz = false;
  AllatFajUrit();
  NovenyFajUrit();
  Tisztit();
  RajzolasKesz = true;
  Rajzol();
}

// --- Seed points ---------------------------------------------------------------

namespace {

// The square spiral around a start cell: up 1, right 1, down 2, left 2, up 2;
// then up 1, right 3, down 4, left 4, up 4; ... Ring k takes 8k moves.
class TSpiral {
 public:
  TSpiral(int64_t sor, int64_t oszlop, int64_t l) : sor_(sor), oszlop_(oszlop), l_(l) {}
  int64_t Sor() const { return sor_; }
  int64_t Oszlop() const { return oszlop_; }

  // False, without moving, once the next move would enter ring L + 1: by
  // then the spiral has covered the whole wrap-around world.
  bool Lepes() {
    if (k_ > l_) return false;
    if (q_ >= p_ + 1 && q_ <= p_ + r_ - 1) {
      oszlop_ = (oszlop_ + 1) % l_;
    } else if (q_ >= p_ + r_ && q_ <= p_ + 2 * r_ - 1) {
      sor_ = (sor_ + 1) % l_;
    } else if (q_ >= p_ + 2 * r_ && q_ <= p_ + 3 * r_ - 1) {
      oszlop_ = (oszlop_ + l_ - 1) % l_;
    } else {
      sor_ = (sor_ + l_ - 1) % l_;
    }
    q_ += 1;
    if (q_ == (r_ + 1) * (r_ + 1)) {
      k_ += 1;
      r_ = 2 * k_;
      p_ = (2 * k_ - 1) * (2 * k_ - 1);
    }
    return true;
  }

 private:
  int64_t sor_, oszlop_, l_;
  int64_t k_ = 1, q_ = 1, p_ = 1, r_ = 2;
};

}  // namespace

int32_t TOkoszisztema::GocBevitel() {
  if (!vanRacs_ || l_ <= 0) return 0;
  const bool allat = GocFajta == 0;
  if (allat ? !VanAllatFaj(GocFaj) : !VanNovenyFaj(GocFaj)) return 0;
  TElolenyFaj& faj = allat ? static_cast<TElolenyFaj&>(AllatFaj(GocFaj))
                           : static_cast<TElolenyFaj&>(NovenyFaj(GocFaj));
  auto darab = [&] {
    return allat ? AllatFaj(GocFaj).Egyedek.Darab() : NovenyFaj(GocFaj).Egyedek.Darab();
  };
  auto befogad = [&](const TSpiral& s) {
    return allat ? AllatotBefogad(static_cast<int32_t>(s.Sor()), static_cast<int32_t>(s.Oszlop()), GocFaj)
                 : NovenytBefogad(static_cast<int32_t>(s.Sor()), static_cast<int32_t>(s.Oszlop()), GocFaj);
  };
  const int64_t l = l_;
  const int64_t gy = ((int64_t{GocY} % l) + l) % l;
  const int64_t gx = ((int64_t{GocX} % l) + l) % l;
  TSpiral spiral(gy, gx, l);
  int32_t elhelyezett = 0;
  bool vege = false;
  while (!vege && elhelyezett < faj.GocEgyedszam && darab() < l * l) {
    if (faj.GocRitkitas >= 0) {
      for (int64_t i = 0; i <= faj.GocRitkitas && !vege; ++i) vege = !spiral.Lepes();
    }
    while (!vege && !befogad(spiral)) vege = !spiral.Lepes();
    if (vege) break;
    const auto sor = static_cast<int32_t>(spiral.Sor());
    const auto oszlop = static_cast<int32_t>(spiral.Oszlop());
    if (allat) {
      AllatLetrehozasa(GocFaj, sor, oszlop, TLetrehozas::Felnott);
    } else {
      NovenyLetrehozasa(GocFaj, sor, oszlop, TLetrehozas::Ujszulott);
    }
    ++elhelyezett;
  }
  Rajzol();
  return elhelyezett;
}

}  // namespace zelvaris
