#pragma once
// Plant and animal species: their parameters, their individuals and (animals)
// their prey table. A new species has every number 0 and empty lists; only the
// colour, the display flags, the name and the Id are set.

#include <cstdint>
#include <string>
#include <vector>

#include "core/egyedek.h"
#include "core/listak.h"
#include "core/szin.h"

namespace zelvaris {

class TOkoszisztema;

class TElolenyFaj {
 public:
  TElolenyFaj(TOkoszisztema* okoszisztema, int32_t id, TSzin szin);
  TElolenyFaj(const TElolenyFaj&) = delete;
  TElolenyFaj& operator=(const TElolenyFaj&) = delete;

  TOkoszisztema* Okoszisztema() const { return okoszisztema_; }
  int32_t Id() const { return id_; }

  const std::string& Nev() const { return nev_; }
  // Line breaks become blanks: a name is one line in every file.
  void SetNev(const std::string& nev);
  // "Name (Id)", the form every species list shows.
  std::string MegjelenitettNev() const;

  // Colour and display flags: a real change redraws the whole map.
  TSzin Szin() const { return szin_; }
  void SetSzin(TSzin szin);
  bool Tkp() const { return tkp_; }
  void SetTkp(bool tkp);
  bool Ngy() const { return ngy_; }
  void SetNgy(bool ngy);

  int32_t SorsolasTol = 0;
  int32_t SorsolasIg = 0;
  int32_t PopulacioMeret = 0;
  int32_t DegHatasfok = 0;
  int32_t PerHatasfok = 0;
  bool DegHatas = false;
  bool PerHatas = false;
  int32_t GocEgyedszam = 0;
  int32_t GocRitkitas = 0;

 private:
  void Ujrarajzolas();
  TOkoszisztema* okoszisztema_;
  int32_t id_;
  std::string nev_;
  TSzin szin_;
  bool tkp_ = true;
  bool ngy_ = true;
};

// The prey groups of an animal species and the scratch lists of the prey
// search. Members of one group are of equal rank and are shuffled at the
// start of every step; the order of the groups never changes.
class TPredaTar {
 public:
  explicit TPredaTar(int32_t fajId) : fajId_(fajId) {}
  int32_t FajId() const { return fajId_; }

  const TCsoportok& NovenyPredak() const { return novenyPredak_; }
  const TCsoportok& AllatPredak() const { return allatPredak_; }
  // Replacing a list prepares the table again (group lengths, scratch lists).
  void SetNovenyPredak(TCsoportok csoportok);
  void SetAllatPredak(TCsoportok csoportok);
  // The shuffle works on the stored groups in place.
  TCsoportok& NovenyPredakKevereshez() { return novenyPredak_; }
  TCsoportok& AllatPredakKevereshez() { return allatPredak_; }

  // Scratch of the prey search: per group, the species Ids whose individual
  // was found in the cell last examined (all found preys stand in that cell).
  std::vector<TIdLista> TalaltNovenyek;
  std::vector<TIdLista> TalaltAllatok;

 private:
  int32_t fajId_;
  TCsoportok novenyPredak_;
  TCsoportok allatPredak_;
};

class TAllatFaj : public TElolenyFaj {
 public:
  TAllatFaj(TOkoszisztema* okoszisztema, int32_t id);

  int32_t MozgasHossz() const { return mozgasHossz_; }
  int32_t MozgasSugar() const { return mozgasSugar_; }
  // Stores the budget and derives the largest radius whose rings fit in it.
  void SetMozgasHossz(int32_t h);
  // Stores the radius and sets the budget to every cell within it.
  void SetMozgasSugar(int32_t r);
  // How many cells of the next ring the budget reaches into.
  int32_t MozgasPlusz() const;

  TIdLista NovenyUtkozes;
  TIdLista AllatUtkozes;
  TPredaTar Predak;
  // Every animal of the species has the species' mass (a snapshot stores
  // none), so setting it sets every living animal's too.
  int32_t Tomeg() const { return tomeg_; }
  void SetTomeg(int32_t tomeg);
  int32_t Kor = 0;
  int32_t Vemhes = 0;
  int32_t Ivarerettseg = 0;
  int32_t Regeneralodas = 0;
  int32_t SzuloSugar = 0;
  int32_t Utod = 0;
  int32_t Ehes = 0;
  int32_t Jollakottsag = 0;
  int32_t DegUtodMinusz = 0;
  int32_t DegKorMinusz = 0;
  int32_t PerUtodMinusz = 0;
  int32_t PerKorMinusz = 0;

  TElolenyList<TAllat> Egyedek;

 private:
  int32_t mozgasHossz_ = 0;
  int32_t mozgasSugar_ = 0;
  int32_t tomeg_ = 0;
};

class TNovenyFaj : public TElolenyFaj {
 public:
  TNovenyFaj(TOkoszisztema* okoszisztema, int32_t id);

  int32_t OsszTomeg = 0;
  float OsszTomegValos = 0.0f;
  TIdLista AllatGatlas;
  TIdLista NovenyUtkozes;
  int32_t Novekmeny = 0;
  int32_t Tomeg = 0;
  int32_t DegNovMinusz = 0;
  int32_t PerNovMinusz = 0;

  TElolenyList<TNoveny> Egyedek;
};

}  // namespace zelvaris
