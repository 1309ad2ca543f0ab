#pragma once
// Species records: a species' stored fields, one line each, in the order of
// the species-field table. The full record holds every field and belongs to
// configurations and snapshots; the short record holds the name, the colour
// and the biology and is the body of a species file. Files are read into a
// value holder first and the species takes it only when it is complete, so a
// file that fails halfway changes nothing.

#include "core/faj_mezo_tabla.h"
#include "persistence/sorfajl.h"

namespace zelvaris {

using TFajRekord = TFajErtekek;

TFajRekord AllatRekord(const TAllatFaj& faj);
TFajRekord NovenyRekord(const TNovenyFaj& faj);

// Reading starts from the record's current values: a field the short record
// neither holds nor clears keeps its value there.
void RekordOlvasasa(TSorOlvaso& olvaso, TFajRekord& rekord, bool teljes);
void RekordIrasa(TSorIro& iro, const TFajRekord& rekord, bool teljes);

// Puts the record into the species with the map's drawing held back, then
// redraws the map once if the colour or a display flag changed.
void RekordBeallitasa(const TFajRekord& rekord, TAllatFaj& faj);
void RekordBeallitasa(const TFajRekord& rekord, TNovenyFaj& faj);

}  // namespace zelvaris
