#include "referencia_modell.h"

#include <algorithm>
#include <cmath>

namespace zelvaris::referencia {

// --- Generator and shuffle ------------------------------------------------------

int32_t Generator::Random(int32_t n) {
  mag_ = mag_ * 134775813u + 1u;
  const uint64_t szorzat = uint64_t{mag_} * uint64_t{static_cast<uint32_t>(n)};
  return static_cast<int32_t>(static_cast<uint32_t>(szorzat >> 32));
}

void Kever(Ids& lista, Generator& g) {
  const int32_t n = static_cast<int32_t>(lista.size());
  if (n < 2) return;
  for (int32_t i = 0; i <= n - 2; ++i) {
    const int32_t k = g.Random(n - i);
    std::swap(lista[static_cast<size_t>(i)], lista[static_cast<size_t>(i + k)]);
  }
}

// --- Rings ------------------------------------------------------------------------

namespace {
// trunc(sqrt(a^2 - b^2)) + 1 in extended precision.
int32_t F(int32_t a, int32_t b) {
  const long double d = static_cast<long double>(a) * a - static_cast<long double>(b) * b;
  return static_cast<int32_t>(std::trunc(std::sqrt(d))) + 1;
}
}  // namespace

Gyuruk::Gyuruk() { Bovit(1); }

void Gyuruk::Bovit(int32_t n) {
  while (static_cast<int32_t>(negyed_.size()) < n) SorEpitese(static_cast<int32_t>(negyed_.size()));
}

void Gyuruk::SorEpitese(int32_t r) {
  std::vector<Eltolas> q;
  if (r == 1) q.push_back({1, 1});
  if (r >= 2) {
    for (int32_t i = 1;; ++i) {
      const int32_t c = F(r, i);
      if (c < i) break;
      if (F(r - 1, i) < c - 1) {
        q.push_back({i, c});
        q.push_back({i, c - 1});
      } else {
        q.push_back({i, c});
      }
    }
    const int32_t m = static_cast<int32_t>(q.size());
    const Eltolas utolso = q.back();
    const int32_t kezd = utolso.x == utolso.y ? m - 2 : m - 1;
    for (int32_t j = kezd; j >= 0; --j) q.push_back({q[static_cast<size_t>(j)].y, q[static_cast<size_t>(j)].x});
  }
  q.push_back({r, 0});

  std::vector<Eltolas> g;
  if (r == 0) {
    g.push_back({0, 0});
  } else {
    const size_t m = q.size();
    g.resize(4 * m);
    for (size_t j = 0; j < m; ++j) {
      const auto [x, y] = q[j];
      g[j] = {x, y};
      g[m + j] = {y, -x};
      g[2 * m + j] = {-x, -y};
      g[3 * m + j] = {-y, x};
    }
  }
  const int64_t elozo = r == 0 ? 0 : korMeret_.back();
  korMeret_.push_back(r == 0 ? 1 : elozo + static_cast<int64_t>(g.size()));
  negyed_.push_back(std::move(q));
  gyuru_.push_back(std::move(g));
}

int64_t Gyuruk::Meret(int32_t r) {
  Bovit(r + 1);
  return static_cast<int64_t>(gyuru_[static_cast<size_t>(r)].size());
}

int64_t Gyuruk::KorMeret(int32_t r) {
  Bovit(r + 1);
  return korMeret_[static_cast<size_t>(r)];
}

Eltolas Gyuruk::Elem(int32_t r, int64_t i) {
  Bovit(r + 1);
  return gyuru_[static_cast<size_t>(r)].at(static_cast<size_t>(i));
}

const std::vector<Eltolas>& Gyuruk::Negyed(int32_t r) {
  Bovit(r + 1);
  return negyed_[static_cast<size_t>(r)];
}

// --- World ------------------------------------------------------------------------

Modell::Modell(uint32_t mag, int32_t l) : Gen(mag), L(l) {}

void Modell::RacsEpitese() {
  for (auto& f : AllatFajok) f.Egyedek = {};
  for (auto& f : NovenyFajok) f.Egyedek = {};
  racs_.assign(static_cast<size_t>(L), std::vector<Mezo>(static_cast<size_t>(L)));
  for (auto& sor : racs_)
    for (auto& m : sor) {
      m.Allatok.assign(AllatFajok.size(), nullptr);
      m.Novenyek.assign(NovenyFajok.size(), nullptr);
    }
  // The history and the age structure outlive a rebuild.
  AllatLetszam.resize(AllatFajok.size());
  NovenyLetszam.resize(NovenyFajok.size());
  Korfa.resize(AllatFajok.size());
  Tisztit();
}

void Modell::Atmeretez(int32_t n) {
  if (n == L) return;
  auto cellaUrites = [&](int32_t sor, int32_t oszlop) {
    Mezo& m = CellaIr(sor, oszlop);
    for (Allat* a : m.Allatok)
      if (a != nullptr) AllatTorlese(a);
    for (Noveny* p : m.Novenyek)
      if (p != nullptr) NovenyTorlese(p);
  };
  if (n < L) {
    for (int32_t sor = 0; sor < n; ++sor)
      for (int32_t oszlop = n; oszlop < L; ++oszlop) cellaUrites(sor, oszlop);
    for (int32_t sor = n; sor < L; ++sor)
      for (int32_t oszlop = 0; oszlop < L; ++oszlop) cellaUrites(sor, oszlop);
  }
  Mezo ures;
  ures.Allatok.assign(AllatFajok.size(), nullptr);
  ures.Novenyek.assign(NovenyFajok.size(), nullptr);
  racs_.resize(static_cast<size_t>(n));
  for (auto& sor : racs_) sor.resize(static_cast<size_t>(n), ures);
  L = n;
}

void Modell::MozgasHosszBeallitasa(int32_t faj, int32_t h) {
  AllatFaj& f = AllatFajok[static_cast<size_t>(faj)];
  f.MozgasHossz = h;
  int32_t r = 0;
  int64_t osszeg = 0;
  while (osszeg + Tabla.Meret(r + 1) <= h) {
    ++r;
    osszeg += Tabla.Meret(r);
  }
  f.MozgasSugar = r;
}

const Mezo& Modell::Cella(int32_t sor, int32_t oszlop) const {
  return racs_[static_cast<size_t>(sor)][static_cast<size_t>(oszlop)];
}

Mezo& Modell::CellaIr(int32_t sor, int32_t oszlop) {
  return racs_[static_cast<size_t>(sor)][static_cast<size_t>(oszlop)];
}

Mezo& Modell::Szomszed(const Allat& a, Eltolas e, int32_t& sor, int32_t& oszlop) {
  const int64_t l = L;
  sor = static_cast<int32_t>((((int64_t{a.Sor} + e.x) % l) + l) % l);
  oszlop = static_cast<int32_t>((((int64_t{a.Oszlop} + e.y) % l) + l) % l);
  return CellaIr(sor, oszlop);
}

bool Modell::VanAllatFaj(int32_t id) const { return id >= 0 && id < static_cast<int32_t>(AllatFajok.size()); }
bool Modell::VanNovenyFaj(int32_t id) const { return id >= 0 && id < static_cast<int32_t>(NovenyFajok.size()); }

bool Modell::AllatotBefogad(const Mezo& m, int32_t faj) const {
  const AllatFaj& f = AllatFajok[static_cast<size_t>(faj)];
  if (m.Allatok[static_cast<size_t>(faj)] != nullptr) return false;
  for (int32_t s : f.AllatUtkozes)
    if (VanAllatFaj(s) && m.Allatok[static_cast<size_t>(s)] != nullptr) return false;
  for (int32_t s : f.NovenyUtkozes)
    if (VanNovenyFaj(s) && m.Novenyek[static_cast<size_t>(s)] != nullptr) return false;
  return true;
}

bool Modell::NovenytBefogad(const Mezo& m, int32_t faj) const {
  const NovenyFaj& f = NovenyFajok[static_cast<size_t>(faj)];
  if (m.Novenyek[static_cast<size_t>(faj)] != nullptr) return false;
  for (int32_t s : f.NovenyUtkozes)
    if (VanNovenyFaj(s) && m.Novenyek[static_cast<size_t>(s)] != nullptr) return false;
  return true;
}

// --- Individuals --------------------------------------------------------------------

Allat& Modell::AllatLetrehozasa(int32_t faj, int32_t sor, int32_t oszlop, int32_t fajta) {
  AllatFaj& f = AllatFajok[static_cast<size_t>(faj)];
  auto a = std::make_unique<Allat>();
  a->Sor = sor;
  a->Oszlop = oszlop;
  a->FajId = faj;
  switch (fajta) {
    case 0:
      a->Eletkor = Gen.Random(f.Kor) + 1;
      a->Ehezes = Gen.Random(f.Ehes) + 1;
      if (a->Eletkor >= f.Ivarerettseg) a->Nem = Gen.Random(2) + 1;
      a->Tomeg = f.Tomeg;
      break;
    case 2:
      a->Nem = Gen.Random(2) + 1;
      a->Eletkor = f.Ivarerettseg + 1;
      a->Tomeg = f.Tomeg;
      break;
    default:
      a->Tomeg = f.Tomeg;
      break;
  }
  a->ListaIndex = f.Egyedek.Darab();
  Allat* p = a.get();
  f.Egyedek.Elemek.push_back(std::move(a));
  CellaIr(sor, oszlop).Allatok[static_cast<size_t>(faj)] = p;
  return *p;
}

Noveny& Modell::NovenyLetrehozasa(int32_t faj, int32_t sor, int32_t oszlop, int32_t fajta) {
  NovenyFaj& f = NovenyFajok[static_cast<size_t>(faj)];
  auto n = std::make_unique<Noveny>();
  n->Sor = sor;
  n->Oszlop = oszlop;
  n->FajId = faj;
  if (fajta == 0) n->Tomeg = Gen.Random(f.Tomeg) + 1;
  if (fajta == 2) n->Tomeg = f.Tomeg;
  n->ListaIndex = f.Egyedek.Darab();
  Noveny* p = n.get();
  f.Egyedek.Elemek.push_back(std::move(n));
  CellaIr(sor, oszlop).Novenyek[static_cast<size_t>(faj)] = p;
  return *p;
}

Allat& Modell::AllatBetoltese(int32_t faj, int32_t sor, int32_t oszlop) {
  return AllatLetrehozasa(faj, sor, oszlop, 3);
}

Noveny& Modell::NovenyBetoltese(int32_t faj, int32_t sor, int32_t oszlop, int32_t tomeg) {
  Noveny& n = NovenyLetrehozasa(faj, sor, oszlop, 2);
  n.Tomeg = tomeg;
  return n;
}

std::unique_ptr<Allat> Modell::AllatTorlese(Allat* a) {
  Lista<Allat>& l = AllatFajok[static_cast<size_t>(a->FajId)].Egyedek;
  const int32_t i = a->ListaIndex;
  const int32_t utolso = l.Darab() - 1;
  std::unique_ptr<Allat> kivett = std::move(l.Elemek[static_cast<size_t>(i)]);
  if (i < utolso) {
    if (l.Kurzor < l.Darab() && i < l.Kurzor) {
      // a has stepped: the last stepped animal fills its slot, the last
      // animal fills that one, so the unstepped stay behind Kurzor.
      const int32_t k = l.Kurzor - 1;
      l.Elemek[static_cast<size_t>(i)] = std::move(l.Elemek[static_cast<size_t>(k)]);
      l.Elemek[static_cast<size_t>(k)] = std::move(l.Elemek[static_cast<size_t>(utolso)]);
      l.Elemek[static_cast<size_t>(i)]->ListaIndex = i;
      l.Elemek[static_cast<size_t>(k)]->ListaIndex = k;
      l.Kurzor -= 1;
    } else {
      l.Elemek[static_cast<size_t>(i)] = std::move(l.Elemek[static_cast<size_t>(utolso)]);
      l.Elemek[static_cast<size_t>(i)]->ListaIndex = i;
    }
  }
  l.Elemek.pop_back();
  if (l.Darab() < l.Kurzor) l.Kurzor = l.Darab();
  CellaIr(kivett->Sor, kivett->Oszlop).Allatok[static_cast<size_t>(kivett->FajId)] = nullptr;
  return kivett;
}

void Modell::NovenyTorlese(Noveny* p) {
  Lista<Noveny>& l = NovenyFajok[static_cast<size_t>(p->FajId)].Egyedek;
  const int32_t i = p->ListaIndex;
  const int32_t utolso = l.Darab() - 1;
  std::unique_ptr<Noveny> kivett = std::move(l.Elemek[static_cast<size_t>(i)]);
  if (i < utolso) {
    l.Elemek[static_cast<size_t>(i)] = std::move(l.Elemek[static_cast<size_t>(utolso)]);
    l.Elemek[static_cast<size_t>(i)]->ListaIndex = i;
  }
  l.Elemek.pop_back();
  if (l.Darab() < l.Kurzor) l.Kurzor = l.Darab();
  CellaIr(kivett->Sor, kivett->Oszlop).Novenyek[static_cast<size_t>(kivett->FajId)] = nullptr;
}

// --- Placement ----------------------------------------------------------------------

void Modell::Benepesites() {
  for (size_t i = 0; i < NovenyFajok.size(); ++i) {
    const int32_t faj = static_cast<int32_t>(i);
    while (NovenyFajok[i].Egyedek.Darab() < NovenyFajok[i].PopulacioMeret) {
      const int32_t sor = Gen.Random(L);
      const int32_t oszlop = Gen.Random(L);
      if (NovenytBefogad(Cella(sor, oszlop), faj)) NovenyLetrehozasa(faj, sor, oszlop, 0);
    }
  }
  for (size_t i = 0; i < AllatFajok.size(); ++i) {
    const int32_t faj = static_cast<int32_t>(i);
    while (AllatFajok[i].Egyedek.Darab() < AllatFajok[i].PopulacioMeret) {
      const int32_t sor = Gen.Random(L);
      const int32_t oszlop = Gen.Random(L);
      if (AllatotBefogad(Cella(sor, oszlop), faj)) AllatLetrehozasa(faj, sor, oszlop, 0);
    }
  }
}

int32_t Modell::BefogadoCellak(bool noveny, int32_t faj) const {
  int32_t db = 0;
  for (const auto& sor : racs_)
    for (const Mezo& m : sor) db += (noveny ? NovenytBefogad(m, faj) : AllatotBefogad(m, faj)) ? 1 : 0;
  return db;
}

int32_t Modell::GocBevitel(bool noveny, int32_t faj, int32_t sor, int32_t oszlop) {
  Faj& f = noveny ? static_cast<Faj&>(NovenyFajok[static_cast<size_t>(faj)])
                  : static_cast<Faj&>(AllatFajok[static_cast<size_t>(faj)]);
  auto darab = [&] {
    return noveny ? NovenyFajok[static_cast<size_t>(faj)].Egyedek.Darab()
                  : AllatFajok[static_cast<size_t>(faj)].Egyedek.Darab();
  };
  auto befogad = [&] {
    return noveny ? NovenytBefogad(Cella(sor, oszlop), faj) : AllatotBefogad(Cella(sor, oszlop), faj);
  };
  int64_t k = 1, q = 1, p = 1, r = 2;
  auto lepes = [&] {
    if (q >= p + 1 && q <= p + r - 1) {
      oszlop = oszlop == L - 1 ? 0 : oszlop + 1;
    } else if (q >= p + r && q <= p + 2 * r - 1) {
      sor = sor == L - 1 ? 0 : sor + 1;
    } else if (q >= p + 2 * r && q <= p + 3 * r - 1) {
      oszlop = oszlop == 0 ? L - 1 : oszlop - 1;
    } else if ((q >= p + 3 * r && q <= p + 4 * r - 1) || q == p) {
      sor = sor == 0 ? L - 1 : sor - 1;
    }
    q += 1;
    if (q == (r + 1) * (r + 1)) {
      k += 1;
      r = 2 * k;
      p = (2 * k - 1) * (2 * k - 1);
    }
  };
  // The tests only ask for placements that fit; the bound keeps a wrong
  // request from hanging the test instead of failing it.
  const int64_t korlat = 16 * int64_t{L} * L;
  int64_t lepesek = 0;
  int32_t elhelyezett = 0;
  while (elhelyezett < f.GocEgyedszam && darab() < L * L) {
    if (f.GocRitkitas >= 0)
      for (int64_t j = 0; j < int64_t{f.GocRitkitas} + 1; ++j) lepes();
    while (!befogad()) {
      lepes();
      if (++lepesek > korlat) return -1;
    }
    if (noveny)
      NovenyLetrehozasa(faj, sor, oszlop, 1);
    else
      AllatLetrehozasa(faj, sor, oszlop, 2);
    ++elhelyezett;
  }
  return elhelyezett;
}

void Modell::Gyogyit() {
  for (auto& f : AllatFajok)
    for (auto& a : f.Egyedek.Elemek) a->DegDozis = a->PerDozis = 0;
}

// --- Ring search ----------------------------------------------------------------------

template <typename F>
bool Modell::GyuruProba(const Allat& a, int32_t r, int64_t& elutasitas, int64_t keret, F&& hivas) {
  const int64_t n = Tabla.Meret(r);
  const int64_t s = Gen.Random(static_cast<int32_t>(n));
  auto proba = [&](int64_t i) {
    int32_t sor = 0, oszlop = 0;
    Szomszed(a, Tabla.Elem(r, i), sor, oszlop);
    if (hivas(sor, oszlop)) return true;
    elutasitas += 1;
    return false;
  };
  for (int64_t i = s; i < n && elutasitas < keret; ++i)
    if (proba(i)) return true;
  if (s > 0)
    for (int64_t i = 0; i < s && elutasitas < keret; ++i)
      if (proba(i)) return true;
  return false;
}

template <typename F>
bool Modell::Keres(const Allat& a, Irany irany, int32_t kezdo, int64_t keret, F&& hivas) {
  // The centre is fixed for the whole search: the animal moves only when a
  // callback accepts, which ends the search.
  const Allat kozep = a;
  int64_t elutasitas = 0;
  if (irany == Irany::Kifele) {
    for (int32_t r = kezdo; elutasitas < keret; ++r) {
      if (r > L - 1) {  // no ring beyond L - 1 is probed
        Stat.KifeleHatar += 1;
        return false;
      }
      if (GyuruProba(kozep, r, elutasitas, keret, hivas)) return true;
    }
    return false;
  }
  if (kezdo > L - 1) Stat.BefeleHatar += 1;
  for (int32_t r = std::min(kezdo, L - 1); r >= 1; --r)
    if (GyuruProba(kozep, r, elutasitas, keret, hivas)) return true;
  return false;
}

// --- Animal step ----------------------------------------------------------------------

void Modell::Lepes() {
  for (auto& f : AllatFajok) {
    for (auto& g : f.AllatPredak) Kever(g, Gen);
    for (auto& g : f.NovenyPredak) Kever(g, Gen);
  }
  AllatLepes();
  NovenyLepes();
  DegPermet = false;
  PermetezesVolt = false;
  Ido += 1;
}

void Modell::AllatLepes() {
  std::vector<int32_t> aktiv;
  for (size_t i = 0; i < AllatFajok.size(); ++i)
    if (AllatFajok[i].Egyedek.Darab() > 0) {
      aktiv.push_back(static_cast<int32_t>(i));
      AllatFajok[i].Egyedek.Kurzor = 0;
    }
  while (!aktiv.empty()) {
    const int32_t k = Gen.Random(static_cast<int32_t>(aktiv.size()));
    Lista<Allat>& l = AllatFajok[static_cast<size_t>(aktiv[static_cast<size_t>(k)])].Egyedek;
    if (l.Kurzor < l.Darab()) {
      Allat* a = l.Elemek[static_cast<size_t>(l.Kurzor)].get();
      if (AllatLep(a))
        AllatTorlese(a);
      else
        l.Kurzor += 1;
    } else {
      aktiv[static_cast<size_t>(k)] = aktiv.back();
      aktiv.pop_back();
    }
  }

  std::vector<float> letszam;
  for (auto& f : AllatFajok) letszam.push_back(static_cast<float>(f.Egyedek.Darab()));
  Rogzites(AllatLetszam, letszam);

  for (auto& sor : Korfa)
    for (auto& nem : sor) std::fill(nem.begin(), nem.end(), 0);
  for (size_t i = 0; i < AllatFajok.size(); ++i)
    for (auto& a : AllatFajok[i].Egyedek.Elemek) {
      if (a->Nem > 2) continue;
      const int32_t nem = a->Nem > 0 ? a->Nem - 1 : Gen.Random(2);
      const int32_t osztaly = a->Eletkor - 1;
      if (osztaly < 0) continue;
      auto& ketNem = Korfa[i];
      if (static_cast<int32_t>(ketNem[0].size()) < osztaly + 1) {
        ketNem[0].resize(static_cast<size_t>(osztaly) + 1, 0);
        ketNem[1].resize(static_cast<size_t>(osztaly) + 1, 0);
      }
      ketNem[static_cast<size_t>(nem)][static_cast<size_t>(osztaly)] += 1;
    }
}

void Modell::Rogzites(std::vector<std::vector<float>>& forras, const std::vector<float>& ertekek) {
  for (size_t i = 0; i < forras.size(); ++i) forras[i].push_back(ertekek[i]);
}

bool Modell::AllatLep(Allat* a) {
  Parosodik(*a);
  Taplalkozik(*a);
  Mozog(*a);
  Szul(*a);
  return Oregszik(*a);
}

void Modell::Parosodik(Allat& a) {
  if (a.Nem != 1) return;
  const AllatFaj& f = AllatFajok[static_cast<size_t>(a.FajId)];
  Keres(a, Irany::Kifele, 1, f.MozgasHossz, [&](int32_t sor, int32_t oszlop) {
    Allat* n = Cella(sor, oszlop).Allatok[static_cast<size_t>(a.FajId)];
    if (n == nullptr || n->Nem != 2 || n->RegenIdo != 0) return false;
    Stat.Parosodas += 1;
    n->UtodSzam = (f.Utod * 100 - f.DegUtodMinusz * a.DegDozis - f.PerUtodMinusz * a.PerDozis) / 100;
    return true;
  });
}

void Modell::Taplalkozik(Allat& a) {
  const AllatFaj& f = AllatFajok[static_cast<size_t>(a.FajId)];
  if (a.Evett != 0) {
    utolsoAllatSor_ = utolsoNovenySor_ = -1;
    return;
  }
  utolsoAllatSor_ = -1;
  talaltEtel_ = 0;

  if (!f.AllatPredak.empty()) {
    const Csoportok predak = f.AllatPredak;
    talaltAllatok_.assign(predak.size(), {});
    Keres(a, Irany::Kifele, 1, f.MozgasHossz, [&](int32_t sor, int32_t oszlop) {
      const Mezo& m = Cella(sor, oszlop);
      for (auto& t : talaltAllatok_) t.clear();
      int32_t osszeg = 0;
      for (size_t g = 0; g < predak.size(); ++g)
        for (int32_t s : predak[g]) {
          if (!VanAllatFaj(s)) continue;
          Allat* p = m.Allatok[static_cast<size_t>(s)];
          if (p != nullptr && AllatotBefogad(m, a.FajId)) {
            talaltAllatok_[g].push_back(p);
            if (g == 0) osszeg += p->Tomeg;
          }
        }
      talaltEtel_ += osszeg;
      return talaltEtel_ >= f.Jollakottsag;
    });
    // Eaten animals are kept until the meal ends, so a prey named twice is
    // recognised by its address and eaten once.
    std::vector<std::unique_ptr<Allat>> megevett;
    for (size_t g = 0; g < talaltAllatok_.size() && a.Evett < f.Jollakottsag; ++g)
      for (Allat* p : talaltAllatok_[g]) {
        if (a.Evett >= f.Jollakottsag) break;
        bool marMegevett = false;
        for (auto& m : megevett) marMegevett = marMegevett || m.get() == p;
        if (marMegevett) {
          Stat.KetszerTalaltAllat += 1;
          continue;
        }
        Stat.MegevettAllat += 1;
        utolsoAllatSor_ = p->Sor;
        utolsoAllatOszlop_ = p->Oszlop;
        a.Evett += p->Tomeg;
        a.DegDozis += p->DegDozis;
        a.PerDozis += p->PerDozis;
        megevett.push_back(AllatTorlese(p));
      }
  }

  utolsoNovenySor_ = -1;

  if (a.Evett < f.Jollakottsag && !f.NovenyPredak.empty()) {
    const Csoportok predak = f.NovenyPredak;
    talaltNovenyek_.assign(predak.size(), {});
    talaltEtel_ = a.Evett;
    Keres(a, Irany::Kifele, 1, f.MozgasHossz, [&](int32_t sor, int32_t oszlop) {
      const Mezo& m = Cella(sor, oszlop);
      for (auto& t : talaltNovenyek_) t.clear();
      int32_t osszeg = 0;
      for (size_t g = 0; g < predak.size(); ++g)
        for (int32_t s : predak[g]) {
          if (!VanNovenyFaj(s)) continue;
          Noveny* p = m.Novenyek[static_cast<size_t>(s)];
          if (p != nullptr && p->Tomeg > 0 && AllatotBefogad(m, a.FajId)) {
            talaltNovenyek_[g].push_back(p);
            if (g == 0) osszeg += p->Tomeg;
          }
        }
      talaltEtel_ += osszeg;
      return talaltEtel_ >= f.Jollakottsag;
    });
    for (size_t g = 0; g < talaltNovenyek_.size() && a.Evett < f.Jollakottsag; ++g)
      for (Noveny* p : talaltNovenyek_[g]) {
        if (a.Evett >= f.Jollakottsag) break;
        utolsoNovenySor_ = p->Sor;
        utolsoNovenyOszlop_ = p->Oszlop;
        Stat.Harapas += 1;
        const int32_t igeny = f.Jollakottsag - a.Evett;
        int32_t harapas = 0;
        if (igeny < p->Tomeg) {
          harapas = igeny;
          p->Tomeg -= igeny;
        } else {
          harapas = p->Tomeg;
          p->Tomeg = 0;
        }
        a.Evett += harapas;
        if (f.DegHatas) a.DegDozis += DegPermet ? 1 : 0;
        if (f.PerHatas) a.PerDozis += PerPermet ? 1 : 0;
      }
  }
}

void Modell::Athelyez(Allat& a, int32_t sor, int32_t oszlop) {
  CellaIr(a.Sor, a.Oszlop).Allatok[static_cast<size_t>(a.FajId)] = nullptr;
  a.Sor = sor;
  a.Oszlop = oszlop;
  CellaIr(sor, oszlop).Allatok[static_cast<size_t>(a.FajId)] = &a;
}

void Modell::Mozog(Allat& a) {
  if (utolsoAllatSor_ >= 0) {
    Athelyez(a, utolsoAllatSor_, utolsoAllatOszlop_);
    return;
  }
  if (utolsoNovenySor_ >= 0) {
    Athelyez(a, utolsoNovenySor_, utolsoNovenyOszlop_);
    return;
  }
  const AllatFaj& f = AllatFajok[static_cast<size_t>(a.FajId)];
  int32_t r = f.MozgasSugar;
  if (Tabla.KorMeret(r) - 1 < f.MozgasHossz) r += 1;
  Keres(a, Irany::Befele, r, Tabla.KorMeret(r) - 1, [&](int32_t sor, int32_t oszlop) {
    if (!AllatotBefogad(Cella(sor, oszlop), a.FajId)) return false;
    Athelyez(a, sor, oszlop);
    return true;
  });
}

void Modell::Szul(Allat& a) {
  const AllatFaj& f = AllatFajok[static_cast<size_t>(a.FajId)];
  if (a.Nem != 2 || a.VemhesIdo < f.Vemhes) return;
  const int32_t faj = a.FajId;
  Keres(a, Irany::Kifele, 1, Tabla.KorMeret(f.SzuloSugar) - 1, [&](int32_t sor, int32_t oszlop) {
    if (!AllatotBefogad(Cella(sor, oszlop), faj)) return false;
    AllatLetrehozasa(faj, sor, oszlop, 1);
    Stat.Szuletes += 1;
    a.UtodSzam -= 1;
    return a.UtodSzam == 0;
  });
  a.UtodSzam = 0;
  a.VemhesIdo = 0;
  a.RegenIdo = f.Regeneralodas;
}

bool Modell::Oregszik(Allat& a) {
  const AllatFaj& f = AllatFajok[static_cast<size_t>(a.FajId)];
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
  if (a.Eletkor == f.Ivarerettseg) a.Nem = Gen.Random(2) + 1;
  if (a.Evett < f.Jollakottsag)
    a.Ehezes += 1;
  else
    a.Ehezes = 0;
  a.Evett = 0;
  if (f.Kor - a.DegDozis * f.DegKorMinusz - a.PerDozis * f.PerKorMinusz < a.Eletkor) {
    Stat.KorHalal += 1;
    return true;
  }
  if (a.Ehezes > f.Ehes) {
    Stat.EhenHalal += 1;
    return true;
  }
  if (PermetezesVolt) {
    const bool hal = (f.DegHatas && DegPermet && Gen.Random(100) < f.DegHatasfok) ||
                     (f.PerHatas && PerPermet && Gen.Random(100) < f.PerHatasfok);
    if (hal) {
      Stat.AllatPermetHalal += 1;
      return true;
    }
  }
  return false;
}

// --- Plant step -----------------------------------------------------------------------

void Modell::NovenyLepes() {
  std::vector<int32_t> lista;
  for (size_t i = 0; i < NovenyFajok.size(); ++i)
    if (NovenyFajok[i].Egyedek.Darab() > 0) lista.push_back(static_cast<int32_t>(i));
  int32_t n = static_cast<int32_t>(lista.size());
  int32_t t = 0;
  for (int32_t id : lista) {
    NovenyFaj& f = NovenyFajok[static_cast<size_t>(id)];
    f.SorsolasTol = t;
    f.SorsolasIg = f.SorsolasTol + f.Egyedek.Darab() - 1;
    f.Egyedek.Kurzor = 0;
    t = f.SorsolasIg + 1;
  }
  for (auto& f : NovenyFajok) f.OsszTomeg = 0;
  while (n > 0) {
    const int32_t x = Gen.Random(t);
    int32_t m = -1;
    for (int32_t j = 0; j < n && m < 0; ++j) {
      const NovenyFaj& f = NovenyFajok[static_cast<size_t>(lista[static_cast<size_t>(j)])];
      if (f.SorsolasTol <= x && x <= f.SorsolasIg) m = j;
    }
    if (m < 0) continue;
    Lista<Noveny>& l = NovenyFajok[static_cast<size_t>(lista[static_cast<size_t>(m)])].Egyedek;
    if (l.Kurzor < l.Darab()) {
      Noveny* p = l.Elemek[static_cast<size_t>(l.Kurzor)].get();
      if (NovenyLep(*p))
        NovenyTorlese(p);
      else
        l.Kurzor += 1;
    } else {
      lista[static_cast<size_t>(m)] = lista[static_cast<size_t>(n - 1)];
      n -= 1;
    }
  }
  std::vector<float> tomegek;
  for (auto& f : NovenyFajok) {
    f.OsszTomegValos = static_cast<float>(f.OsszTomeg);
    tomegek.push_back(f.OsszTomegValos);
  }
  Rogzites(NovenyLetszam, tomegek);
}

bool Modell::NovenyLep(Noveny& p) {
  NovenyFaj& f = NovenyFajok[static_cast<size_t>(p.FajId)];
  if (PermetezesVolt) {
    bool hal = false;
    if (f.DegHatas && DegPermet && Gen.Random(100) < f.DegHatasfok) hal = true;
    if (f.PerHatas && PerPermet && Gen.Random(100) < f.PerHatasfok) hal = true;
    if (hal) {
      Stat.NovenyPermetHalal += 1;
      return true;
    }
  }
  bool gatolt = false;
  const Mezo& m = Cella(p.Sor, p.Oszlop);
  for (int32_t s : f.AllatGatlas)
    if (VanAllatFaj(s) && m.Allatok[static_cast<size_t>(s)] != nullptr) gatolt = true;
  if (gatolt) Stat.GatoltNoveny += 1;
  if (!gatolt && p.Tomeg < f.Tomeg) {
    p.Tomeg += f.Novekmeny;
    if (f.DegHatas) p.Tomeg -= (f.Novekmeny * f.DegNovMinusz) / 100;
    if (f.PerHatas) p.Tomeg -= (f.Novekmeny * f.PerNovMinusz) / 100;
    if (p.Tomeg > f.Tomeg) p.Tomeg = f.Tomeg;
    if (p.Tomeg < 0) p.Tomeg = 0;
  }
  f.OsszTomeg += p.Tomeg;
  return false;
}

}  // namespace zelvaris::referencia
