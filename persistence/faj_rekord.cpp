#include "persistence/faj_rekord.h"

#include "core/okoszisztema.h"

namespace zelvaris {

namespace {

// Holds back the ecosystem's drawing while setters that redraw the map run,
// then draws once if anything visible changed.
class TRajzolasSzunet {
 public:
  explicit TRajzolasSzunet(TOkoszisztema* oko) : oko_(oko) {
    if (oko_ != nullptr) {
      volt_ = oko_->RajzolasKesz;
      oko_->RajzolasKesz = false;
    }
  }
  ~TRajzolasSzunet() {
    if (oko_ == nullptr) return;
    oko_->RajzolasKesz = volt_;
    if (volt_ && Valtozott) oko_->Ujrarajzol();
  }
  TRajzolasSzunet(const TRajzolasSzunet&) = delete;
  TRajzolasSzunet& operator=(const TRajzolasSzunet&) = delete;
  bool Valtozott = false;

 private:
  TOkoszisztema* oko_;
  bool volt_ = false;
};

void KozosBeallitasa(const TFajRekord& r, TElolenyFaj& faj, TRajzolasSzunet& szunet) {
  szunet.Valtozott = r.Szin != faj.Szin() || r.Tkp != faj.Tkp() || r.Ngy != faj.Ngy();
  faj.SetNev(r.Nev);
  faj.SetSzin(r.Szin);
  faj.PopulacioMeret = r.PopulacioMeret;
  faj.DegHatas = r.DegHatas;
  faj.PerHatas = r.PerHatas;
  faj.GocEgyedszam = r.GocEgyedszam;
  faj.GocRitkitas = r.GocRitkitas;
  faj.DegHatasfok = r.DegHatasfok;
  faj.PerHatasfok = r.PerHatasfok;
  faj.SetTkp(r.Tkp);
  faj.SetNgy(r.Ngy);
}

// Lines 1 to 11 of both kinds' full record; the short record holds 1 and 2
// and clears what ties a species to one ecosystem.
void KozosOlvasasa(TSorOlvaso& o, TFajRekord& r, bool teljes) {
  r.Nev = o.Szoveg();
  r.Szin = o.Szin();
  if (teljes) {
    r.PopulacioMeret = o.Egesz();
    r.DegHatas = o.Logikai();
    r.PerHatas = o.Logikai();
    r.GocEgyedszam = o.Egesz();
    r.GocRitkitas = o.Egesz();
    r.DegHatasfok = o.Egesz();
    r.PerHatasfok = o.Egesz();
    r.Tkp = o.Logikai();
    r.Ngy = o.Logikai();
  } else {
    r.PopulacioMeret = 0;
    r.DegHatas = false;
    r.PerHatas = false;
    r.GocEgyedszam = 0;
    r.GocRitkitas = 0;
    r.Tkp = true;
    r.Ngy = true;
  }
}

void KozosIrasa(TSorIro& i, const TFajRekord& r, bool teljes) {
  i.Szoveg(r.Nev);
  i.Szin(r.Szin);
  if (!teljes) return;
  i.Egesz(r.PopulacioMeret);
  i.Logikai(r.DegHatas);
  i.Logikai(r.PerHatas);
  i.Egesz(r.GocEgyedszam);
  i.Egesz(r.GocRitkitas);
  i.Egesz(r.DegHatasfok);
  i.Egesz(r.PerHatasfok);
  i.Logikai(r.Tkp);
  i.Logikai(r.Ngy);
}

void KozosKivetele(TFajRekord& r, const TElolenyFaj& faj) {
  r.Nev = faj.Nev();
  r.Szin = faj.Szin();
  r.PopulacioMeret = faj.PopulacioMeret;
  r.DegHatas = faj.DegHatas;
  r.PerHatas = faj.PerHatas;
  r.GocEgyedszam = faj.GocEgyedszam;
  r.GocRitkitas = faj.GocRitkitas;
  r.DegHatasfok = faj.DegHatasfok;
  r.PerHatasfok = faj.PerHatasfok;
  r.Tkp = faj.Tkp();
  r.Ngy = faj.Ngy();
}

}  // namespace

TAllatRekord AllatRekord(const TAllatFaj& faj) {
  TAllatRekord r;
  KozosKivetele(r, faj);
  r.NovenyPredak = faj.Predak.NovenyPredak();
  r.AllatPredak = faj.Predak.AllatPredak();
  r.NovenyUtkozes = faj.NovenyUtkozes;
  r.AllatUtkozes = faj.AllatUtkozes;
  r.Tomeg = faj.Tomeg();
  r.Kor = faj.Kor;
  r.Vemhes = faj.Vemhes;
  r.Ivarerettseg = faj.Ivarerettseg;
  r.Regeneralodas = faj.Regeneralodas;
  r.Utod = faj.Utod;
  r.SzuloSugar = faj.SzuloSugar;
  r.Ehes = faj.Ehes;
  r.Jollakottsag = faj.Jollakottsag;
  r.MozgasHossz = faj.MozgasHossz();
  r.DegUtodMinusz = faj.DegUtodMinusz;
  r.DegKorMinusz = faj.DegKorMinusz;
  r.PerUtodMinusz = faj.PerUtodMinusz;
  r.PerKorMinusz = faj.PerKorMinusz;
  return r;
}

TNovenyRekord NovenyRekord(const TNovenyFaj& faj) {
  TNovenyRekord r;
  KozosKivetele(r, faj);
  r.NovenyUtkozes = faj.NovenyUtkozes;
  r.AllatGatlas = faj.AllatGatlas;
  r.Novekmeny = faj.Novekmeny;
  r.Tomeg = faj.Tomeg;
  r.DegNovMinusz = faj.DegNovMinusz;
  r.PerNovMinusz = faj.PerNovMinusz;
  return r;
}

// Full animal record, 29 lines: name, colour, start count, the two spray
// marks, the seed-point count and thinning, the two death chances, the two
// display flags, plant and animal prey groups, forbidden plants and animals,
// nine biological values (Utod before SzuloSugar), MozgasHossz and the four
// spray reductions. The short record keeps lines 1-2 and 16-25.
void AllatRekordOlvasasa(TSorOlvaso& o, TAllatRekord& r, bool teljes) {
  KozosOlvasasa(o, r, teljes);
  if (teljes) {
    r.NovenyPredak = o.Csoportok();
    r.AllatPredak = o.Csoportok();
    r.NovenyUtkozes = o.Lista();
    r.AllatUtkozes = o.Lista();
  } else {
    r.NovenyPredak.clear();
    r.AllatPredak.clear();
    r.NovenyUtkozes.clear();
    r.AllatUtkozes.clear();
  }
  r.Tomeg = o.Egesz();
  r.Kor = o.Egesz();
  r.Vemhes = o.Egesz();
  r.Ivarerettseg = o.Egesz();
  r.Regeneralodas = o.Egesz();
  r.Utod = o.Egesz();
  r.SzuloSugar = o.Egesz();
  r.Ehes = o.Egesz();
  r.Jollakottsag = o.Egesz();
  r.MozgasHossz = o.Egesz();
  if (teljes) {
    r.DegUtodMinusz = o.Egesz();
    r.DegKorMinusz = o.Egesz();
    r.PerUtodMinusz = o.Egesz();
    r.PerKorMinusz = o.Egesz();
  } else {
    r.DegUtodMinusz = 0;
    r.DegKorMinusz = 0;
    r.PerUtodMinusz = 0;
    r.PerKorMinusz = 0;
  }
}

void AllatRekordIrasa(TSorIro& i, const TAllatRekord& r, bool teljes) {
  KozosIrasa(i, r, teljes);
  if (teljes) {
    i.Csoportok(r.NovenyPredak);
    i.Csoportok(r.AllatPredak);
    i.Lista(r.NovenyUtkozes);
    i.Lista(r.AllatUtkozes);
  }
  i.Egesz(r.Tomeg);
  i.Egesz(r.Kor);
  i.Egesz(r.Vemhes);
  i.Egesz(r.Ivarerettseg);
  i.Egesz(r.Regeneralodas);
  i.Egesz(r.Utod);
  i.Egesz(r.SzuloSugar);
  i.Egesz(r.Ehes);
  i.Egesz(r.Jollakottsag);
  i.Egesz(r.MozgasHossz);
  if (teljes) {
    i.Egesz(r.DegUtodMinusz);
    i.Egesz(r.DegKorMinusz);
    i.Egesz(r.PerUtodMinusz);
    i.Egesz(r.PerKorMinusz);
  }
}

// Full plant record, 17 lines: lines 1-11 as for animals, forbidden plants,
// inhibiting animals, Novekmeny, Tomeg and the two growth reductions. The
// short record keeps lines 1-2 and 14-15; it leaves the two lists alone.
void NovenyRekordOlvasasa(TSorOlvaso& o, TNovenyRekord& r, bool teljes) {
  KozosOlvasasa(o, r, teljes);
  if (teljes) {
    r.NovenyUtkozes = o.Lista();
    r.AllatGatlas = o.Lista();
  }
  r.Novekmeny = o.Egesz();
  r.Tomeg = o.Egesz();
  if (teljes) {
    r.DegNovMinusz = o.Egesz();
    r.PerNovMinusz = o.Egesz();
  } else {
    r.DegNovMinusz = 0;
    r.PerNovMinusz = 0;
  }
}

void NovenyRekordIrasa(TSorIro& i, const TNovenyRekord& r, bool teljes) {
  KozosIrasa(i, r, teljes);
  if (teljes) {
    i.Lista(r.NovenyUtkozes);
    i.Lista(r.AllatGatlas);
  }
  i.Egesz(r.Novekmeny);
  i.Egesz(r.Tomeg);
  if (teljes) {
    i.Egesz(r.DegNovMinusz);
    i.Egesz(r.PerNovMinusz);
  }
}

void RekordBeallitasa(const TAllatRekord& r, TAllatFaj& faj) {
  TRajzolasSzunet szunet(faj.Okoszisztema());
  KozosBeallitasa(r, faj, szunet);
  faj.Predak.SetNovenyPredak(r.NovenyPredak);
  faj.Predak.SetAllatPredak(r.AllatPredak);
  faj.NovenyUtkozes = r.NovenyUtkozes;
  faj.AllatUtkozes = r.AllatUtkozes;
  faj.SetTomeg(r.Tomeg);
  faj.Kor = r.Kor;
  faj.Vemhes = r.Vemhes;
  faj.Ivarerettseg = r.Ivarerettseg;
  faj.Regeneralodas = r.Regeneralodas;
  faj.Utod = r.Utod;
  faj.SzuloSugar = r.SzuloSugar;
  faj.Ehes = r.Ehes;
  faj.Jollakottsag = r.Jollakottsag;
  faj.SetMozgasHossz(r.MozgasHossz);
  faj.DegUtodMinusz = r.DegUtodMinusz;
  faj.DegKorMinusz = r.DegKorMinusz;
  faj.PerUtodMinusz = r.PerUtodMinusz;
  faj.PerKorMinusz = r.PerKorMinusz;
}

void RekordBeallitasa(const TNovenyRekord& r, TNovenyFaj& faj) {
  TRajzolasSzunet szunet(faj.Okoszisztema());
  KozosBeallitasa(r, faj, szunet);
  faj.NovenyUtkozes = r.NovenyUtkozes;
  faj.AllatGatlas = r.AllatGatlas;
  faj.Novekmeny = r.Novekmeny;
  faj.Tomeg = r.Tomeg;
  faj.DegNovMinusz = r.DegNovMinusz;
  faj.PerNovMinusz = r.PerNovMinusz;
}

}  // namespace zelvaris
