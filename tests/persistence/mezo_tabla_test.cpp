// Every field of the species-field table through a species record: the
// records carry the fields in the formats' order, a full record brings each
// one back, and a species file brings back the ones it holds and clears,
// switches on or keeps the others.

#include <gtest/gtest.h>

#include "persistence/faj_fajl.h"
#include "perzisztencia_segedek.h"
#include "tests/teszt_mezok.h"

namespace zelvaris {
namespace {

std::string Nevek(TFajFajta fajta, bool rovid) {
  std::string s;
  for (const TFajMezoLeiras& l : FajMezoTabla(fajta)) {
    if (!rovid || l.RovidSor != 0) s += std::string(s.empty() ? "" : " ") + std::string(l.Nev);
  }
  return s;
}

TEST(FieldTable, TheRecordsHoldTheFieldsInTheFormatsOrder) {
  const std::string kozos =
      "Nev Szin PopulacioMeret DegHatas PerHatas GocEgyedszam GocRitkitas DegHatasfok "
      "PerHatasfok Tkp Ngy ";
  EXPECT_EQ(Nevek(TFajFajta::Allat, false),
            kozos +
                "NovenyPredak AllatPredak NovenyUtkozes AllatUtkozes Tomeg Kor Vemhes "
                "Ivarerettseg Regeneralodas Utod SzuloSugar Ehes Jollakottsag MozgasHossz "
                "DegUtodMinusz DegKorMinusz PerUtodMinusz PerKorMinusz");
  EXPECT_EQ(Nevek(TFajFajta::Allat, true),
            "Nev Szin Tomeg Kor Vemhes Ivarerettseg Regeneralodas Utod SzuloSugar Ehes "
            "Jollakottsag MozgasHossz");
  EXPECT_EQ(Nevek(TFajFajta::Noveny, false),
            kozos + "NovenyUtkozes AllatGatlas Novekmeny Tomeg DegNovMinusz PerNovMinusz");
  EXPECT_EQ(Nevek(TFajFajta::Noveny, true), "Nev Szin Novekmeny Tomeg");
}

class FieldTableRecords : public ::testing::TestWithParam<TFajFajta> {
 protected:
  teszt::TIdeiglenes d;
  TVeletlen veletlen{1};
  TKeresoTabla tabla;
  TOkoszisztema forras{veletlen, tabla};
  TOkoszisztema cel{veletlen, tabla};

  bool Allat() const { return GetParam() == TFajFajta::Allat; }
  TElolenyFaj& Uj(TOkoszisztema& oko) {
    if (Allat()) return oko.UjAllatFaj("");
    return oko.UjNovenyFaj("");
  }
  void Iras(TSorIro& iro, const TElolenyFaj& faj, bool teljes) {
    if (Allat()) return AllatfajIrasa(iro, static_cast<const TAllatFaj&>(faj), teljes);
    NovenyfajIrasa(iro, static_cast<const TNovenyFaj&>(faj), teljes);
  }
  void Olvasas(TSorOlvaso& olvaso, TElolenyFaj& faj, bool teljes) {
    if (Allat()) return AllatfajOlvasasa(olvaso, static_cast<TAllatFaj&>(faj), teljes);
    NovenyfajOlvasasa(olvaso, static_cast<TNovenyFaj&>(faj), teljes);
  }
};

TEST_P(FieldTableRecords, AFullRecordBringsBackEveryField) {
  const TFajFajta fajta = GetParam();
  TElolenyFaj& f = Uj(forras);
  teszt::MintaBeallitas(f, fajta);
  TSorIro iro;
  Iras(iro, f, true);
  EXPECT_EQ(teszt::Sorok(iro.Tartalom()).size(), Allat() ? 29u : 17u);

  TElolenyFaj& g = Uj(cel);
  TSorOlvaso olvaso("rekord", iro.Tartalom());
  Olvasas(olvaso, g, true);
  for (const TFajMezoLeiras& l : FajMezoTabla(fajta)) {
    EXPECT_EQ(l.Olvas(g), teszt::MintaErtek(l)) << l.Nev;
  }
}

TEST_P(FieldTableRecords, ASpeciesFileBringsBackItsFieldsAndClearsOrKeepsTheRest) {
  const TFajFajta fajta = GetParam();
  TElolenyFaj& f = Uj(forras);
  teszt::MintaBeallitas(f, fajta);
  TElolenyFaj& g = Uj(cel);
  teszt::MintaBeallitas(g, fajta, 100);
  const auto fajl = d / "faj";
  if (Allat()) {
    AllatfajMentese(fajl, static_cast<TAllatFaj&>(f));
    AllatfajBetoltese(fajl, static_cast<TAllatFaj&>(g));
  } else {
    NovenyfajMentese(fajl, static_cast<TNovenyFaj&>(f));
    NovenyfajBetoltese(fajl, static_cast<TNovenyFaj&>(g));
  }
  const std::string megmarad =
      Allat() ? " DegHatasfok PerHatasfok " : " DegHatasfok PerHatasfok NovenyUtkozes AllatGatlas ";
  for (const TFajMezoLeiras& l : FajMezoTabla(fajta)) {
    const std::string nev = " " + std::string(l.Nev) + " ";
    TMezoErtek vart;
    if (l.RovidSor != 0) {
      vart = teszt::MintaErtek(l);
    } else if (megmarad.find(nev) != std::string::npos) {
      vart = teszt::MintaErtek(l, 100);
    } else if (nev == " Tkp " || nev == " Ngy ") {
      vart = int32_t{1};
    } else if (l.Fajta == TMezoFajta::Lista) {
      vart = TIdLista();
    } else if (l.Fajta == TMezoFajta::Csoportok) {
      vart = TCsoportok();
    } else {
      vart = int32_t{0};
    }
    EXPECT_EQ(l.Olvas(g), vart) << l.Nev;
  }
}

INSTANTIATE_TEST_SUITE_P(BothKinds, FieldTableRecords,
                         ::testing::Values(TFajFajta::Allat, TFajFajta::Noveny),
                         [](const auto& i) { return i.param == TFajFajta::Allat ? "Animal" : "Plant"; });

}  // namespace
}  // namespace zelvaris
