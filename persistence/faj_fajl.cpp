#include "persistence/faj_fajl.h"

#include "persistence/faj_rekord.h"

namespace zelvaris {

void AllatfajIrasa(TSorIro& iro, const TAllatFaj& faj, bool teljes) {
  RekordIrasa(iro, AllatRekord(faj), teljes);
}

void AllatfajOlvasasa(TSorOlvaso& olvaso, TAllatFaj& faj, bool teljes) {
  TFajRekord rekord = AllatRekord(faj);
  RekordOlvasasa(olvaso, rekord, teljes);
  RekordBeallitasa(rekord, faj);
}

void NovenyfajIrasa(TSorIro& iro, const TNovenyFaj& faj, bool teljes) {
  RekordIrasa(iro, NovenyRekord(faj), teljes);
}

void NovenyfajOlvasasa(TSorOlvaso& olvaso, TNovenyFaj& faj, bool teljes) {
  TFajRekord rekord = NovenyRekord(faj);
  RekordOlvasasa(olvaso, rekord, teljes);
  RekordBeallitasa(rekord, faj);
}

void AllatfajMentese(const std::filesystem::path& fajl, const TAllatFaj& faj) {
  TSorIro iro;
  iro.Szoveg(kAktualisVerzio);
  AllatfajIrasa(iro, faj, false);
  AtomiMentes(fajl, iro.Tartalom());
}

void AllatfajBetoltese(const std::filesystem::path& fajl, TAllatFaj& faj) {
  TSorOlvaso olvaso = TSorOlvaso::Megnyitas(fajl);
  olvaso.NyersSor();
  AllatfajOlvasasa(olvaso, faj, false);
}

void NovenyfajMentese(const std::filesystem::path& fajl, const TNovenyFaj& faj) {
  TSorIro iro;
  iro.Szoveg(kAktualisVerzio);
  NovenyfajIrasa(iro, faj, false);
  AtomiMentes(fajl, iro.Tartalom());
}

void NovenyfajBetoltese(const std::filesystem::path& fajl, TNovenyFaj& faj) {
  TSorOlvaso olvaso = TSorOlvaso::Megnyitas(fajl);
  olvaso.NyersSor();
  NovenyfajOlvasasa(olvaso, faj, false);
}

}  // namespace zelvaris
