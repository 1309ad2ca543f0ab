#include "core/okoszisztema.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "core/hibak.h"
#include "core/memoria.h"

namespace zelvaris {

TOkoszisztema::TOkoszisztema(TVeletlen& veletlen, TKeresoTabla& tabla)
    : veletlen_(veletlen), tabla_(tabla) {}

TOkoszisztema::~TOkoszisztema() { RajzolasKesz = false; }

void TOkoszisztema::UjFajMemoriaEllenorzes(bool allat) const {
  if (!vanRacs_) return;
  const std::optional<uint64_t> szabad = elerhetoMemoria_ ? elerhetoMemoria_ : ElerhetoMemoria();
  const double kell = TRacs::UjFajBajtCellankent(allat) * static_cast<double>(racs_.Cellak());
  if (!szabad || kell <= static_cast<double>(*szabad)) return;
  throw TMemoriaHiba(TUzenet(kUjFajMemoriaUzenet,
                             {std::to_string(static_cast<int64_t>(kell / 1048576.0)),
                              std::to_string(static_cast<int64_t>(*szabad / 1048576.0))}),
                     0);
}

TAllatFaj& TOkoszisztema::UjAllatFaj(const std::string& nev) {
  UjFajMemoriaEllenorzes(true);
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
  UjFajMemoriaEllenorzes(false);
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

template <>
bool TOkoszisztema::BefogadCella<TAllat>(int64_t cella, int32_t faj) const {
  std::vector<const uint32_t*> tiltok;
  AllatTiltoSlotok(AllatFaj(faj), tiltok);
  return Szabad(tiltok, cella);
}

template <>
bool TOkoszisztema::BefogadCella<TNoveny>(int64_t cella, int32_t faj) const {
  if (racs_.NovenySlotok(faj)[cella] != 0) return false;
  for (int32_t p : NovenyFaj(faj).NovenyUtkozes)
    if (VanNovenyFaj(p) && racs_.NovenySlotok(p)[cella] != 0) return false;
  return true;
}

bool TOkoszisztema::AllatotBefogad(int32_t sor, int32_t oszlop, int32_t faj) const {
  return BefogadCella<TAllat>(Cella(sor, oszlop), faj);
}

bool TOkoszisztema::NovenytBefogad(int32_t sor, int32_t oszlop, int32_t faj) const {
  return BefogadCella<TNoveny>(Cella(sor, oszlop), faj);
}

int32_t TOkoszisztema::AllatIndexAMezon(int32_t sor, int32_t oszlop, int32_t faj) const {
  if (!vanRacs_ || !VanAllatFaj(faj)) return -1;
  return static_cast<int32_t>(racs_.AllatSlotok(faj)[Cella(sor, oszlop)]) - 1;
}

int32_t TOkoszisztema::NovenyIndexAMezon(int32_t sor, int32_t oszlop, int32_t faj) const {
  if (!vanRacs_ || !VanNovenyFaj(faj)) return -1;
  return static_cast<int32_t>(racs_.NovenySlotok(faj)[Cella(sor, oszlop)]) - 1;
}

int32_t TOkoszisztema::NovenyTomegAMezon(int32_t sor, int32_t oszlop, int32_t faj) const {
  if (!vanRacs_ || !VanNovenyFaj(faj)) return 0;
  return racs_.NovenyTomegek(faj)[Cella(sor, oszlop)];
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

template <>
TElolenyList<TAllat>& TOkoszisztema::Lista<TAllat>(int32_t faj) {
  return AllatFaj(faj).Egyedek;
}

template <>
TElolenyList<TNoveny>& TOkoszisztema::Lista<TNoveny>(int32_t faj) {
  return NovenyFaj(faj).Egyedek;
}

template <>
uint32_t* TOkoszisztema::Slotok<TAllat>(int32_t faj) {
  return racs_.AllatSlotok(faj);
}

template <>
uint32_t* TOkoszisztema::Slotok<TNoveny>(int32_t faj) {
  return racs_.NovenySlotok(faj);
}

template <typename T>
int32_t TOkoszisztema::Helyezes(int32_t faj, const T& e) {
  const int64_t cella = Cella(e.Sor, e.Oszlop);
  racs_.Jelol(cella);
  const int32_t index = Lista<T>(faj).Hozzaad(e);
  const auto slot = static_cast<uint32_t>(index) + 1;
  if constexpr (std::is_same_v<T, TNoveny>) {
    racs_.NovenyBe(faj, cella, slot, e.Tomeg);
  } else {
    racs_.AllatBe(faj, cella, slot);
  }
  return index;
}

template <typename T>
void TOkoszisztema::Torles(int32_t faj, int32_t index) {
  auto& lista = Lista<T>(faj);
  uint32_t* slotok = Slotok<T>(faj);
  const int64_t cella = Cella(lista[index].Sor, lista[index].Oszlop);
  lista.Kivesz(index, std::is_same_v<T, TAllat>, [&](int32_t j) {
    slotok[Cella(lista[j].Sor, lista[j].Oszlop)] = static_cast<uint32_t>(j) + 1;
  });
  if constexpr (std::is_same_v<T, TNoveny>) {
    racs_.NovenyKi(faj, cella);
  } else {
    racs_.AllatKi(faj, cella);
  }
  racs_.Jelol(cella);
}

void TOkoszisztema::NovenyTomegBeallitasa(int32_t faj, int32_t index, int32_t tomeg) {
  TNoveny& p = NovenyFaj(faj).Egyedek.Elem(index);
  if (p.Tomeg == tomeg) return;
  const int64_t cella = Cella(p.Sor, p.Oszlop);
  // Only a change to or from 0 changes the cell's look.
  if ((p.Tomeg > 0) != (tomeg > 0)) racs_.Jelol(cella);
  p.Tomeg = tomeg;
  racs_.TomegBeallitasa(faj, cella, tomeg);
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
  return Helyezes(faj, a);
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
  return Helyezes(faj, p);
}

void TOkoszisztema::AllatTorlese(int32_t faj, int32_t index) { Torles<TAllat>(faj, index); }

void TOkoszisztema::NovenyTorlese(int32_t faj, int32_t index) { Torles<TNoveny>(faj, index); }

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
      TRacs::BajtCellankent(AllatFajokSzama(), NovenyFajokSzama()) + kepBajtCellankent_;
  // The grid held now is given back before the new one is built.
  const double regi = vanRacs_ ? cellankent * static_cast<double>(racs_.Cellak()) : 0.0;
  const double van = static_cast<double>(*szabad) + regi;
  const double kell = cellankent * static_cast<double>(ujL) * static_cast<double>(ujL) +
                      static_cast<double>(egyedBajt);
  if (kell <= van) return;
  const double maradek = std::max(0.0, van - static_cast<double>(egyedBajt));
  const auto legnagyobb = static_cast<int64_t>(std::floor(std::sqrt(maradek / cellankent)));
  throw TMemoriaHiba(TUzenet(kOldalMemoriaUzenet,
                             {std::to_string(ujL), std::to_string(static_cast<int64_t>(kell / 1048576.0)),
                              std::to_string(static_cast<int64_t>(van / 1048576.0)),
                              std::to_string(legnagyobb)}),
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
    for (int64_t c = 0; c < cellak; ++c) n += BefogadCella<TNoveny>(c, faj) ? 1 : 0;
  }
  return n;
}

template <>
int32_t TOkoszisztema::Letrehozas<TAllat>(int32_t faj, int32_t sor, int32_t oszlop, TLetrehozas fajta) {
  return AllatLetrehozasa(faj, sor, oszlop, fajta);
}

template <>
int32_t TOkoszisztema::Letrehozas<TNoveny>(int32_t faj, int32_t sor, int32_t oszlop, TLetrehozas fajta) {
  return NovenyLetrehozasa(faj, sor, oszlop, fajta);
}

// Places until the count reaches the start count or no cell admits the
// species any more; the draws are those of an unbounded placement whenever
// the start count fits.
template <typename T>
void TOkoszisztema::KezdoNepesseg(int32_t id, std::vector<THiany>& hianyok) {
  constexpr bool allat = std::is_same_v<T, TAllat>;
  const auto& egyedek = Lista<T>(id);
  const int32_t kert = allat ? AllatFaj(id).PopulacioMeret : NovenyFaj(id).PopulacioMeret;
  const int32_t kezdo = egyedek.Darab();
  if (kert <= kezdo) return;
  int64_t foglaltKorlat = kezdo;
  if constexpr (allat) {
    for (int32_t a : AllatFaj(id).AllatUtkozes)
      if (VanAllatFaj(a)) foglaltKorlat += AllatFaj(a).Egyedek.Darab();
  }
  const TIdLista& tiltottNovenyek = allat ? AllatFaj(id).NovenyUtkozes : NovenyFaj(id).NovenyUtkozes;
  for (int32_t p : tiltottNovenyek)
    if (VanNovenyFaj(p)) foglaltKorlat += NovenyFaj(p).Egyedek.Darab();
  int64_t cel = kert;
  if (int64_t{kert} - kezdo > racs_.Cellak() - foglaltKorlat)
    cel = std::min<int64_t>(kert, kezdo + BefogadoCellak(allat, id));
  // The arrays that must be empty in an admitting cell, looked up once.
  std::vector<const uint32_t*> tiltok;
  if constexpr (allat) {
    AllatTiltoSlotok(AllatFaj(id), tiltok);
  } else {
    tiltok.push_back(racs_.NovenySlotok(id));
    for (int32_t p : tiltottNovenyek)
      if (VanNovenyFaj(p)) tiltok.push_back(racs_.NovenySlotok(p));
  }
  while (egyedek.Darab() < cel) {
    const int32_t sor = veletlen_.Random(l_);
    const int32_t oszlop = veletlen_.Random(l_);
    if (Szabad(tiltok, Cella(sor, oszlop))) Letrehozas<T>(id, sor, oszlop, TLetrehozas::Veletlen);
  }
  if (cel < kert) hianyok.push_back({allat, id, kert, egyedek.Darab()});
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
    for (auto& f : novenyFajok_) KezdoNepesseg<TNoveny>(f->Id(), hianyok);
    for (auto& f : allatFajok_) KezdoNepesseg<TAllat>(f->Id(), hianyok);
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

// Destroys every individual of every species of one kind, last first,
// clearing their cells.
template <typename T>
void TOkoszisztema::FajokUritese() {
  const int32_t fajok = std::is_same_v<T, TAllat> ? AllatFajokSzama() : NovenyFajokSzama();
  for (int32_t faj = 0; faj < fajok; ++faj) {
    auto& egyedek = Lista<T>(faj);
    if (vanRacs_ && racs_.L() > 0) {
      for (int32_t i = egyedek.Darab() - 1; i >= 0; --i) {
        const int64_t cella = Cella(egyedek[i].Sor, egyedek[i].Oszlop);
        if constexpr (std::is_same_v<T, TNoveny>) {
          racs_.NovenyKi(faj, cella);
        } else {
          racs_.AllatKi(faj, cella);
        }
        racs_.Jelol(cella);
      }
    }
    egyedek.Urites();
  }
  Rajzol();
}

void TOkoszisztema::AllatFajUrit() { FajokUritese<TAllat>(); }

void TOkoszisztema::NovenyFajUrit() { FajokUritese<TNoveny>(); }

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

template <typename T>
int32_t TOkoszisztema::GocElhelyezes(const TGocKeres& keres) {
  constexpr bool allat = std::is_same_v<T, TAllat>;
  const TElolenyFaj& faj = allat ? static_cast<const TElolenyFaj&>(AllatFaj(keres.Faj))
                                 : static_cast<const TElolenyFaj&>(NovenyFaj(keres.Faj));
  const auto& egyedek = Lista<T>(keres.Faj);
  const int64_t l = l_;
  TSpiral spiral(((int64_t{keres.Y} % l) + l) % l, ((int64_t{keres.X} % l) + l) % l, l);
  auto befogad = [&] { return BefogadCella<T>(spiral.Sor() * l + spiral.Oszlop(), keres.Faj); };
  int32_t elhelyezett = 0;
  bool vege = false;
  while (!vege && elhelyezett < faj.GocEgyedszam && egyedek.Darab() < l * l) {
    if (faj.GocRitkitas >= 0) {
      for (int64_t i = 0; i <= faj.GocRitkitas && !vege; ++i) vege = !spiral.Lepes();
    }
    while (!vege && !befogad()) vege = !spiral.Lepes();
    if (vege) break;
    Letrehozas<T>(keres.Faj, static_cast<int32_t>(spiral.Sor()), static_cast<int32_t>(spiral.Oszlop()),
                  allat ? TLetrehozas::Felnott : TLetrehozas::Ujszulott);
    ++elhelyezett;
  }
  return elhelyezett;
}

int32_t TOkoszisztema::GocBevitel(TGocKeres keres) {
  if (!vanRacs_ || l_ <= 0) return 0;
  int32_t elhelyezett = 0;
  if (keres.Fajta == 0) {
    if (!VanAllatFaj(keres.Faj)) return 0;
    elhelyezett = GocElhelyezes<TAllat>(keres);
  } else {
    if (!VanNovenyFaj(keres.Faj)) return 0;
    elhelyezett = GocElhelyezes<TNoveny>(keres);
  }
  Rajzol();
  return elhelyezett;
}

}  // namespace zelvaris
