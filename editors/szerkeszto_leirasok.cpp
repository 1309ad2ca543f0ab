// The field tables of the two species editors and of the all-animals
// window's panels: every control with its label, range, step, colour, refill
// rule and the species field it edits.

#include <array>

#include "editors/allat_panel.h"
#include "editors/form_allat.h"
#include "editors/form_noveny.h"
#include "localisation/program_uzenetek.h"
#include "persistence/fajlnevek.h"

namespace zelvaris {

namespace {

using F = TSorLeiras::TFajta;
using M = TFajMezo;

constexpr int64_t kMax = 2'000'000'000;
constexpr int64_t kMin32 = -2'147'483'647 - 1;
constexpr int64_t kMax32 = 2'147'483'647;

// Field colours: species lists, durations in steps, masses, the rest.
constexpr QRgb kOkker = 0xFFD6BB69;
constexpr QRgb kZold = 0xFFC4E39D;
constexpr QRgb kSarga = 0xFFFFFF80;
constexpr QRgb kFeher = 0xFFFFFFFF;
constexpr QRgb kNarancs = 0xFFFF8000;

TSorLeiras Spin(const char* vezerlo, const char* cimke, int doboz, M mezo, int64_t minimum,
                int64_t maximum, int64_t lepes, QRgb szin, bool visszatoltes = true) {
  return {F::Spin, vezerlo, cimke, nullptr, doboz, mezo, minimum, maximum, lepes, szin, visszatoltes};
}

TSorLeiras Lista(const char* vezerlo, const char* cimke, int doboz, M mezo) {
  return {F::Lista, vezerlo, cimke, nullptr, doboz, mezo, 0, 0, 1, kOkker, true};
}

TSorLeiras Jelzo(const char* vezerlo, int doboz, M mezo) {
  return {F::Jelzo, vezerlo, nullptr, nullptr, doboz, mezo};
}

}  // namespace

const TSzerkesztoLeiras& AllatSzerkesztoLeiras() {
  static const TSzerkesztoLeiras leiras{
      TFajFajta::Allat,
      "ca",
      "Form_Allat",
      "CmB_AllatFaj",
      &kAllatBetoltesSzoveg,
      &kAllatMentesSzoveg,
      nullptr,
      QStringLiteral(":/ikonok/allat_megnyitas.svg"),
      QStringLiteral(":/ikonok/allat_mentes.svg"),
      &kAllatSzuro,
      "allat",
      kAllatKiterjesztes,
      QPoint(669, 74),
      QSize(209, 552),
      {{"GB_Azon", true, true, 39, 64},
       {"GB_okokh", true, true, 39, 129},
       {"GB_EletSzap", true, true, 135, 161},
       {"GB_Tapl", true, true, 39, 88},
       {"GB_Mozgas", true, true, 39, 65},
       {"GB_Deg", true, false, 13, 107},
       {"GB_Per", true, false, 13, 107},
       {"GB_Kijelzes", false, true, 32, 32}},
      {
          {F::Azonosito, "E_Id", nullptr, "ID:", 0, M::Szin},
          {F::Nev, "E_Nev", "Lbl_Nev", nullptr, 0, M::Nev},
          Lista("E_NovenyPredak", "Lbl_NovenyPredak", 1, M::NovenyPredak),
          Lista("E_AllatPredak", "Lbl_AllatPredak", 1, M::AllatPredak),
          Lista("E_NovenyUtkozes", "Lbl_NovenyUtkozes", 1, M::NovenyUtkozes),
          Lista("E_AllatUtkozes", "Lbl_AllatUtkozes", 1, M::AllatUtkozes),
          Spin("SpE_Startdb", "Lbl_PopulacioMeret", 1, M::PopulacioMeret, 0, kMax, 50, kFeher),
          Spin("SpE_Kor", "Lbl_Kor", 2, M::Kor, 0, kMax, 10, kZold),
          Spin("SpE_Vemhes", "Lbl_Vemhes", 2, M::Vemhes, 0, kMax, 1, kZold),
          Spin("SpE_Ivarerettseg", "Lbl_Ivarerett", 2, M::Ivarerettseg, 0, kMax, 1, kZold),
          Spin("SpE_Regeneralodas", "Lbl_Regeneralodas", 2, M::Regeneralodas, 0, kMax, 1, kZold),
          Spin("SpE_Utod", "Lbl_Utod", 2, M::Utod, 0, kMax, 1, kFeher),
          Spin("SpE_SzuloSugar", "Lbl_SzuloSugar", 2, M::SzuloSugar, 0, kMax, 1, kFeher),
          Spin("SpE_Ehes", "Lbl_Ehes", 3, M::Ehes, 0, kMax, 1, kZold),
          Spin("SpE_Jollakottsag", "Lbl_Jollakottsag", 3, M::Jollakottsag, 0, kMax, 1, kSarga),
          Spin("SpE_Tomeg", "Lbl_Tomeg", 3, M::Tomeg, 0, kMax, 1, kSarga),
          Spin("SpE_MozgasSugar", "Lbl_MozgasSugar", 4, M::MozgasHossz, 0, kLegnagyobbMozgasSugar, 1, kFeher),
          Spin("SpE_MozgasHossz", "Lbl_MozgasHossz", 4, M::MozgasHossz, 0, kMax, 1, kFeher),
          {F::MozgasPlusz, "E_MozgasPlusz", nullptr, "+", 4, M::MozgasHossz},
          Jelzo("ChB_DegHatas", 5, M::DegHatas),
          Spin("SpE_DegHatasfok", "Lbl_DegHatasfok", 5, M::DegHatasfok, 0, 100, 1, kFeher, false),
          Spin("SpE_DegKorMinusz", "Lbl_DegKorMinusz", 5, M::DegKorMinusz, 0, kMax, 1, kZold),
          Spin("SpE_DegUtodMinusz", "Lbl_DegUtodMinusz", 5, M::DegUtodMinusz, 0, kMax, 1, kFeher),
          Jelzo("ChB_PerHatas", 6, M::PerHatas),
          Spin("SpE_Perhatasfok", "Lbl_PerHatasfok", 6, M::PerHatasfok, 0, 100, 1, kFeher, false),
          Spin("SpE_PerKorMinusz", "Lbl_PerKorMinusz", 6, M::PerKorMinusz, 0, kMax, 1, kZold),
          Spin("SpE_PerUtodMinusz", "Lbl_PerUtodMinusz", 6, M::PerUtodMinusz, 0, kMax, 1, kFeher),
          Jelzo("ChB_Tkp", 7, M::Tkp),
          Jelzo("ChB_Ngy", 7, M::Ngy),
      }};
  return leiras;
}

const TSzerkesztoLeiras& NovenySzerkesztoLeiras() {
  static const TSzerkesztoLeiras leiras{
      TFajFajta::Noveny,
      "cn",
      "Form_Noveny",
      "CmB_NovenyFaj",
      &kNovenyBetoltesSzoveg,
      &kNovenyMentesSzoveg,
      &kSzinValasztasSzoveg,
      QStringLiteral(":/ikonok/noveny_megnyitas.svg"),
      QStringLiteral(":/ikonok/noveny_mentes.svg"),
      &kNovenySzuro,
      "noveny",
      kNovenyKiterjesztes,
      QPoint(218, 421),
      QSize(209, 369),
      {{"GB_Azon", true, true, 39, 64},
       {"GB_okokh", true, true, 39, 85},
       {"GB_Jell", false, true, 64, 64},
       {"GB_Deg", true, false, 13, 84},
       {"GB_Per", true, false, 13, 84},
       {"GB_Kijelzes", false, true, 32, 32}},
      {
          {F::Azonosito, "E_Id", nullptr, "ID:", 0, M::Szin},
          {F::Nev, "E_Nev", "Lbl_Nev", nullptr, 0, M::Nev},
          Spin("SpE_Startdb", "Lbl_PopulacioMeret", 1, M::PopulacioMeret, kMin32, kMax32, 50, kFeher),
          Lista("E_NovenyUtkozes", "Lbl_NovenyUtkozes", 1, M::NovenyUtkozes),
          Lista("E_AllatGatlas", "Lbl_AllatGatlas", 1, M::AllatGatlas),
          Spin("SpE_Tomeg", "Lbl_Tomeg", 2, M::Tomeg, kMin32, kMax32, 1, kSarga),
          Spin("SpE_Novekmeny", "Lbl_Novekmeny", 2, M::Novekmeny, kMin32, kMax32, 1, kSarga),
          Jelzo("ChB_DegHatas", 3, M::DegHatas),
          Spin("SpE_DegHatasfok", "Lbl_DegHatasfok", 3, M::DegHatasfok, 0, 100, 5, kFeher, false),
          Spin("SpE_DegNovMinusz", "Lbl_DegNovMinusz", 3, M::DegNovMinusz, 0, 100, 5, kFeher),
          Jelzo("ChB_PerHatas", 4, M::PerHatas),
          Spin("SpE_PerHatasfok", "Lbl_PerHatasfok", 4, M::PerHatasfok, 0, 100, 5, kFeher, false),
          Spin("SpE_PerNovMinusz", "Lbl_PerNovMinusz", 4, M::PerNovMinusz, 0, 100, 5, kFeher),
          Jelzo("ChB_Tkp", 5, M::Tkp),
          Jelzo("ChB_Ngy", 5, M::Ngy),
      }};
  return leiras;
}

std::span<const TPanelSorLeiras> AllatPanelSorok() {
  using P = TPanelSorLeiras::TFajta;
  static constexpr std::array<TPanelSorLeiras, TAllatPanel::kSorokSzama> sorok = {{
      {P::Nev, "E_Nev", "Név", M::Nev, 0, 0, kFeher},
      {P::Azonosito, "E_Id", "", M::Szin, 0, 0, kFeher},
      {P::Lista, "E_NovenyPredak", "Növényprédák", M::NovenyPredak, 0, 0, kOkker},
      {P::Lista, "E_AllatPredak", "Állatprédák", M::AllatPredak, 0, 0, kOkker},
      {P::Lista, "E_NovenyUtkozes", "Ütköző növényfajok", M::NovenyUtkozes, 0, 0, kOkker},
      {P::Lista, "E_AllatUtkozes", "Ütköző állatfajok", M::AllatUtkozes, 0, 0, kOkker},
      {P::Spin, "SpE_Startdb", "Populációméret", M::PopulacioMeret, 0, 50, kFeher},
      {P::Spin, "SpE_Tomeg", "Tömeg", M::Tomeg, 10, 1, kSarga},
      {P::Spin, "SpE_Kor", "Életkor", M::Kor, 500, 10, kZold},
      {P::Spin, "SpE_Vemhes", "Vemhesség", M::Vemhes, 10, 1, kZold},
      {P::Spin, "SpE_Ivarerettseg", "Ivarérettség", M::Ivarerettseg, 10, 1, kZold},
      {P::Spin, "SpE_Regeneralodas", "Regenerálódás", M::Regeneralodas, 10, 1, kZold},
      {P::Spin, "SpE_Utod", "Utód", M::Utod, 8, 1, kFeher},
      {P::Spin, "SpE_SzuloSugar", "Szülősugár", M::SzuloSugar, 2, 1, kFeher},
      {P::Spin, "SpE_Ehes", "Éhségtűrés", M::Ehes, 2, 1, kZold},
      {P::Spin, "SpE_Jollakottsag", "Jóllakottság", M::Jollakottsag, 5, 1, kSarga},
      {P::Sugar, "SpE_MozgasSugar", "Mozgássugár", M::MozgasHossz, 3, 1, kFeher},
      {P::Jelzo, "ChB_DegHatas", "Deg. hatás", M::DegHatas, 0, 0, kFeher},
      {P::Spin, "SpE_DegKorMinusz", "Deg. korcsökkenés", M::DegKorMinusz, 0, 1, kNarancs},
      {P::Spin, "SpE_DegUtodMinusz", "Deg. utódcsökkenés", M::DegUtodMinusz, 0, 1, kNarancs},
      {P::Jelzo, "ChB_PerHatas", "Per. hatás", M::PerHatas, 0, 0, kFeher},
      {P::Spin, "SpE_PerKorMinusz", "Per. korcsökkenés", M::PerKorMinusz, 0, 1, kNarancs},
      {P::Spin, "SpE_PerUtodMinusz", "Per. utódcsökkenés", M::PerUtodMinusz, 0, 1, kNarancs},
      {P::Jelzo, "ChB_Tkp", "Térképen", M::Tkp, 0, 0, kFeher},
      {P::Jelzo, "ChB_Ngy", "Nagyítón", M::Ngy, 0, 0, kFeher},
  }};
  return sorok;
}

}  // namespace zelvaris
