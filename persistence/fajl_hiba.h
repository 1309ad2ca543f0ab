#pragma once
// The one error of the file layer. Its message names the file and says what
// is wrong, with the line number where there is one ("tavasz.okocfg, 12. sor:
// ..."); the patterns of the layer's messages are listed here.

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/hibak.h"

namespace zelvaris {

inline constexpr TUzenetMinta kFajlHibaUzenet{"cxMsg_FajlHiba", "%1: %2"};
inline constexpr TUzenetMinta kFajlSorHibaUzenet{"cxMsg_FajlSorHiba", "%1, %2. sor: %3"};

inline constexpr TUzenetMinta kFajlCsonkaUzenet{
    "cxMsg_FajlCsonka",
    "a fájl csonka: %1 sor után véget ér, pedig még adatnak kellene következnie."};
inline constexpr TUzenetMinta kErvenytelenSzamUzenet{"cxMsg_ErvenytelenSzam",
                                                      "érvénytelen szám: „%1”."};
inline constexpr TUzenetMinta kTulnagyAzonositoUzenet{"cxMsg_TulnagyAzonosito",
                                                       "a(z) %1 faj-azonosító túl nagy"};
inline constexpr TUzenetMinta kIsmeretlenValtozatUzenet{
    "cxMsg_IsmeretlenValtozat",
    "ismeretlen fájlváltozat („%1”); a program a 4.4, 4.5 és 4.6 változatú fájlokat tudja "
    "beolvasni."};
inline constexpr TUzenetMinta kRosszOldalhosszUzenet{
    "cxMsg_RosszOldalhossz", "az oldalhossz (%1) kívül esik az 50 és 2 000 000 000 közötti tartományon."};
inline constexpr TUzenetMinta kNemMenthetoUzenet{"cxMsg_NemMentheto", "a fájl nem menthető: %1"};
inline constexpr TUzenetMinta kMentesiHibaUzenet{
    "cxMsg_MentesiHiba", "a fájl nem menthető (%1); a korábbi fájl, ha volt, változatlan maradt."};
inline constexpr TUzenetMinta kNemNyithatoUzenet{"cxMsg_NemNyithato", "a fájl nem nyitható meg (%1)."};
inline constexpr TUzenetMinta kNemOlvashatoUzenet{"cxMsg_NemOlvashato", "a fájl nem olvasható (%1)."};
inline constexpr TUzenetMinta kAdatfajlHibaUzenet{"cxMsg_AdatfajlHiba",
                                                   "Nem sikerült beolvasni az .okodat fájlt: %1"};
inline constexpr TUzenetMinta kAdatfajlNevUzenet{"cxMsg_AdatfajlNev",
                                                  "az adatfájl neve („%1”) nem egyszerű fájlnév."};
inline constexpr TUzenetMinta kAllatfajUzenet{"cxMsg_Allatfaj", "állatfaj %1"};
inline constexpr TUzenetMinta kNovenyfajUzenet{"cxMsg_Novenyfaj", "növényfaj %1"};
inline constexpr TUzenetMinta kHianyzoEgyedszamUzenet{
    "cxMsg_HianyzoEgyedszam", "az adatfájl túl rövid: hiányzik a(z) %1 egyedszáma."};
inline constexpr TUzenetMinta kNegativEgyedszamUzenet{"cxMsg_NegativEgyedszam",
                                                       "a(z) %1 egyedszáma negatív (%2)."};
inline constexpr TUzenetMinta kRovidAdatfajlUzenet{
    "cxMsg_RovidAdatfajl", "az adatfájl túl rövid: a(z) %1 %2 egyedének adatai nem férnek bele."};
inline constexpr TUzenetMinta kRacsonKivulUzenet{
    "cxMsg_RacsonKivul",
    "a(z) %1 %2. egyedének helye (sor %3, oszlop %4) kívül esik a %5 oldalú rácson."};
inline constexpr TUzenetMinta kFoglaltCellaUzenet{
    "cxMsg_FoglaltCella",
    "a(z) %1 %2. egyedének cellájában (sor %3, oszlop %4) már áll egy egyed ugyanebből a fajból."};

class TFajlHiba : public THiba {
 public:
  // sor 0: the problem belongs to no single line.
  TFajlHiba(const std::filesystem::path& fajl, TUzenet leiras, int32_t sor = 0)
      : THiba(Uzenet(fajl, leiras, sor)), fajl_(fajl), leiras_(std::move(leiras)), sor_(sor) {}

  const std::filesystem::path& Fajl() const { return fajl_; }
  // What is wrong, without the file's name.
  const TUzenet& LeirasUzenet() const { return leiras_; }
  std::string Leiras() const { return leiras_.Szoveg(); }
  int32_t Sor() const { return sor_; }

 private:
  static TUzenet Uzenet(const std::filesystem::path& fajl, const TUzenet& leiras, int32_t sor) {
    if (sor > 0) return TUzenet(kFajlSorHibaUzenet, {fajl.string(), std::to_string(sor), leiras});
    return TUzenet(kFajlHibaUzenet, {fajl.string(), leiras});
  }

  std::filesystem::path fajl_;
  TUzenet leiras_;
  int32_t sor_;
};

}  // namespace zelvaris
