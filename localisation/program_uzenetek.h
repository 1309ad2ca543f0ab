#pragma once
// The window program's own texts that no window design fixes a key for: its
// messages, the file dialogs' titles and filters, a few captions. Each is a
// key of the language table's EXTRAS section with its built-in Hungarian
// text; %1 .. %9 stand for the values a message is given.

#include "core/uzenet.h"

namespace zelvaris {

// Messages.
inline constexpr TUzenetMinta kNemEgeszUzenet{"cxMsg_NemEgesz", "„%1” nem érvényes egész szám."};
inline constexpr TUzenetMinta kUjFajNemFerUzenet{
    "cxMsg_UjFajNemFer",
    "Az új faj nem fér el a memóriában: a(z) %1 oldalhosszú világ minden cellájában helyet kellene "
    "kapnia (kb. %2 MB kellene, %3 MB szabad). Az ökoszisztéma nem változott."};
inline constexpr TUzenetMinta kNincsMemoriaUzenet{"cxMsg_NincsMemoria", "Nincs elég memória a művelethez."};
inline constexpr TUzenetMinta kIsmeretlenHibaUzenet{"cxMsg_IsmeretlenHiba", "Ismeretlen hiba történt."};
inline constexpr TUzenetMinta kNemNyithatoFajtaUzenet{"cxMsg_NemNyithatoFajta",
                                                       "csak .okocfg és .okopill fájl nyitható meg"};
inline constexpr TUzenetMinta kOkoCfgKiterjesztesUzenet{
    "cxMsg_OkoCfgKiterjesztes", "a konfiguráció kiterjesztése .okocfg kell legyen"};
inline constexpr TUzenetMinta kOkoPillKiterjesztesUzenet{
    "cxMsg_OkoPillKiterjesztes", "a pillanatkép kiterjesztése .okopill kell legyen"};
inline constexpr TUzenetMinta kNincsKepUzenet{"cxMsg_NincsKep", "nincs menthető kép."};
inline constexpr TUzenetMinta kNemPngUzenet{"cxMsg_NemPng", "a kép nem alakítható PNG-vé (%1)."};
inline constexpr TUzenetMinta kMarLetezikUzenet{"cxMsg_MarLetezik", "%1 már létezik. Felülírja?"};
inline constexpr TUzenetMinta kSzerverNemIndultUzenet{
    "cxMsg_SzerverNemIndult", "A szerver nem indult el: a %1-es port nem nyitható meg (%2)."};
inline constexpr TUzenetMinta kTulHosszuSorUzenet{"cxMsg_TulHosszuSor",
                                                   "túl hosszú sor, a kapcsolat bontva"};
inline constexpr TUzenetMinta kNemTeljesSorUzenet{"cxMsg_NemTeljesSor",
                                                   "nem küldött teljes sort, a kapcsolat bontva"};
inline constexpr TUzenetMinta kSzerverMegszunteteseUzenet{"cxMsg_SzerverMegszuntetese",
                                                           "Biztosan megszünteted a szervert?"};
inline constexpr TUzenetMinta kKapcsolodasSikeresUzenet{"cxMsg_KapcsolodasSikeres", "Kapcsolódás sikeres!"};
inline constexpr TUzenetMinta kKapcsolodasSikertelenUzenet{"cxMsg_KapcsolodasSikertelen",
                                                            "Kapcsolódás sikertelen!"};
// The server log's line of an announced name and of a name that asks for permission.
inline constexpr TUzenetMinta kKapcsolodottUzenet{"cxMsg_Kapcsolodott", "%1 kapcsolódott"};
inline constexpr TUzenetMinta kEngedelytKerUzenet{"cxMsg_EngedelytKer", "%1 engedélyt kér"};
inline constexpr TUzenetMinta kKimaradtSorokUzenet{"cxMsg_KimaradtSorok", "… %1 sor kimaradt a naplóból"};
inline constexpr TUzenetMinta kKimaradtJelentkezokUzenet{
    "cxMsg_KimaradtJelentkezok", "… %1 korábbi jelentkező kimaradt a listából"};

// Captions and file dialogs.
inline constexpr TUzenetMinta kSzinGombSzoveg{"cxBtn_Szin", "Szín"};
inline constexpr TUzenetMinta kUjOkoszGombSzoveg{"cxBtn_UjOkosz", "Új ökosz."};
inline constexpr TUzenetMinta kGrafikonIdoSzoveg{"cxLbl_GrafikonIdo", "Idő"};
inline constexpr TUzenetMinta kAllatBetoltesSzoveg{"cxCap_AllatBetoltes", "Állatfaj betöltése"};
inline constexpr TUzenetMinta kAllatMentesSzoveg{"cxCap_AllatMentes", "Állatfaj mentése"};
inline constexpr TUzenetMinta kNovenyBetoltesSzoveg{"cxCap_NovenyBetoltes", "Növényfaj betöltése"};
inline constexpr TUzenetMinta kNovenyMentesSzoveg{"cxCap_NovenyMentes", "Növényfaj mentése"};
inline constexpr TUzenetMinta kSzinValasztasSzoveg{"cxCap_SzinValasztas", "Szín választása"};
inline constexpr TUzenetMinta kOkoMegnyitasSzoveg{"cxCap_OkoMegnyitas",
                                                   "Ökoszisztéma konfiguráció megnyitása"};
inline constexpr TUzenetMinta kOkoMentesSzoveg{"cxCap_OkoMentes", "Ökoszisztéma konfiguráció mentése"};
inline constexpr TUzenetMinta kAllatSzuro{"cxFlt_Allat", "Állatfaj (*.allat)"};
inline constexpr TUzenetMinta kNovenySzuro{"cxFlt_Noveny", "Növényfaj (*.noveny)"};
inline constexpr TUzenetMinta kOkoCfgSzuro{"cxFlt_OkoCfg", "Öko konfig. (*.okocfg)"};
inline constexpr TUzenetMinta kOkoPillSzuro{"cxFlt_OkoPill", "Öko konfig. + állás (*.okopill)"};
inline constexpr TUzenetMinta kPngSzuro{"cxFlt_Png", "PNG kép (*.png)"};

}  // namespace zelvaris
