#pragma once
// A species' stored parameters as plain values. Files are read into a record
// first and the record is put into the species only when it is complete, so
// a file that fails halfway changes nothing. The line order of the full and
// the short record is fixed by the formats; see faj_rekord.cpp.

#include <cstdint>
#include <string>

#include "core/fajok.h"
#include "persistence/sorfajl.h"

namespace zelvaris {

// Lines 1 to 11, the same in both kinds' records.
struct TFajRekord {
  std::string Nev;
  TSzin Szin = FeketeSzin;
  int32_t PopulacioMeret = 0;
  bool DegHatas = false;
  bool PerHatas = false;
  int32_t GocEgyedszam = 0;
  int32_t GocRitkitas = 0;
  int32_t DegHatasfok = 0;
  int32_t PerHatasfok = 0;
  bool Tkp = true;
  bool Ngy = true;
};

struct TAllatRekord : TFajRekord {
  TAllatRekord() { Szin = FeherSzin; }
  TCsoportok NovenyPredak;
  TCsoportok AllatPredak;
  TIdLista NovenyUtkozes;
  TIdLista AllatUtkozes;
  int32_t Tomeg = 0;
  int32_t Kor = 0;
  int32_t Vemhes = 0;
  int32_t Ivarerettseg = 0;
  int32_t Regeneralodas = 0;
  int32_t Utod = 0;
  int32_t SzuloSugar = 0;
  int32_t Ehes = 0;
  int32_t Jollakottsag = 0;
  int32_t MozgasHossz = 0;
  int32_t DegUtodMinusz = 0;
  int32_t DegKorMinusz = 0;
  int32_t PerUtodMinusz = 0;
  int32_t PerKorMinusz = 0;
};

struct TNovenyRekord : TFajRekord {
  TNovenyRekord() { Szin = ZoldSzin; }
  TIdLista NovenyUtkozes;
  TIdLista AllatGatlas;
  int32_t Novekmeny = 0;
  int32_t Tomeg = 0;
  int32_t DegNovMinusz = 0;
  int32_t PerNovMinusz = 0;
};

TAllatRekord AllatRekord(const TAllatFaj& faj);
TNovenyRekord NovenyRekord(const TNovenyFaj& faj);

// Reading starts from the record's current values: a short record leaves the
// fields it does not clear (DegHatasfok, PerHatasfok; for plants also the two
// lists) as they were.
void AllatRekordOlvasasa(TSorOlvaso& olvaso, TAllatRekord& rekord, bool teljes);
void NovenyRekordOlvasasa(TSorOlvaso& olvaso, TNovenyRekord& rekord, bool teljes);
void AllatRekordIrasa(TSorIro& iro, const TAllatRekord& rekord, bool teljes);
void NovenyRekordIrasa(TSorIro& iro, const TNovenyRekord& rekord, bool teljes);

// Puts the record into the species with the map's drawing held back, then
// redraws the map once if the colour or a display flag changed.
void RekordBeallitasa(const TAllatRekord& rekord, TAllatFaj& faj);
void RekordBeallitasa(const TNovenyRekord& rekord, TNovenyFaj& faj);

}  // namespace zelvaris
