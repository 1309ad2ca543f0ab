#include "localisation/nyelvkezelo.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "localisation/nyelvi_kulcsok.h"
#include "persistence/kodlap.h"
#include "tests/teszt_fajlok.h"

using namespace zelvaris;

namespace {

// The main window as the loader sees it: captions and hints by component,
// starting with the built-in texts.
class THamisFoAblak : public TFoAblakSzovegek {
 public:
  THamisFoAblak() {
    for (const TNyelviKulcs& k : MindenNyelviKulcs()) {
      if (k.Fajta == TKulcsFajta::MenuFelirat || k.Fajta == TKulcsFajta::AkcioFelirat) {
        feliratok[std::string(k.Komponens())] = std::string(k.Magyar);
      } else if (k.Fajta == TKulcsFajta::AkcioTipp) {
        tippek[std::string(k.Komponens())] = std::string(k.Magyar);
      }
    }
    feliratok["Act_StartStop"] = "Start";
  }
  std::string Felirat(std::string_view k) const override { return feliratok.at(std::string(k)); }
  void SetFelirat(std::string_view k, const std::string& s) override {
    feliratok.at(std::string(k)) = s;
  }
  std::string Tipp(std::string_view k) const override { return tippek.at(std::string(k)); }
  void SetTipp(std::string_view k, const std::string& s) override { tippek.at(std::string(k)) = s; }
  void SetAblakCim(const std::string& cim) override { ablakCim = cim; }

  std::map<std::string, std::string> feliratok;
  std::map<std::string, std::string> tippek;
  std::string ablakCim = "Zelvaris";
};

class NyelvkezeloTeszt : public ::testing::Test {
 protected:
  NyelvkezeloTeszt() : nyelv_(konyvtar_.Utvonal()) {
    std::filesystem::create_directory(nyelv_.NyelvKonyvtar());
    nyelv_.SetFoAblak(&fo_);
  }
  // Language files are written in UTF-8 here and stored in the code page.
  void Nyelv(const std::string& nev, const std::string& tartalom) {
    teszt::Kiir(nyelv_.NyelvKonyvtar() / nev, KodlapraAlakit(tartalom));
  }
  std::vector<std::string> Tablaszovegek() const {
    std::vector<std::string> s;
    for (const TNyelviKulcs& k : NyelviKulcsok()) {
      if (k.Fajta == TKulcsFajta::Ablak) s.push_back(nyelv_.Szoveg(k.Kulcs));
    }
    return s;
  }

  teszt::TIdeiglenesKonyvtar konyvtar_;
  THamisFoAblak fo_;
  TNyelvkezelo nyelv_;
};

}  // namespace

TEST_F(NyelvkezeloTeszt, KezdetbenABeepitettSzovegek) {
  EXPECT_EQ(nyelv_.Szoveg("caLbl_Kor"), "Életkor");
  EXPECT_EQ(nyelv_.Szoveg("cg2Btn_AktualisKeres"), "Kereső");
  EXPECT_EQ(nyelv_.ProgramCim(), "Zelvaris");
  EXPECT_EQ(nyelv_.StartFelirat(), "Start");
  EXPECT_EQ(nyelv_.StopFelirat(), "Stop");
  EXPECT_EQ(nyelv_.AktualisNyelv(), "");
  EXPECT_THROW(nyelv_.Szoveg("cAct_Tovabb"), std::out_of_range);
}

TEST_F(NyelvkezeloTeszt, EgyetlenKulcsCsakAztAszovegetValtoztatja) {
  Nyelv("Egy.lng", "[ACTIONS]\ncAct_Tovabb=Next\n");
  const auto feliratok = fo_.feliratok;
  const auto tippek = fo_.tippek;
  const auto tabla = Tablaszovegek();

  nyelv_.NyelvBetoltese("Egy.lng");

  auto vart = feliratok;
  vart["Act_Tovabb"] = "Next";
  EXPECT_EQ(fo_.feliratok, vart);
  EXPECT_EQ(fo_.tippek, tippek);
  EXPECT_EQ(Tablaszovegek(), tabla);
  EXPECT_EQ(fo_.ablakCim, "Zelvaris");
  EXPECT_EQ(nyelv_.AktualisNyelv(), "Egy.lng");
}

TEST_F(NyelvkezeloTeszt, SzakaszEsKulcsMasBetumerettel) {
  Nyelv("Kis.lng",
        "[main menu]\nCMM_FAJL=&File\n[animal form]\nCALBL_KOR=Age\n[Main Form]\ncform_fo=Tortoise\n");
  nyelv_.SetCimElotag("vilag.okocfg - ");
  nyelv_.NyelvBetoltese("Kis.lng");
  EXPECT_EQ(fo_.feliratok["MM_Fajl"], "&File");
  EXPECT_EQ(nyelv_.Szoveg("caLbl_Kor"), "Age");
  EXPECT_EQ(nyelv_.ProgramCim(), "Tortoise");
  EXPECT_EQ(fo_.ablakCim, "vilag.okocfg - Tortoise");
}

TEST_F(NyelvkezeloTeszt, HianyzoKulcsAzElozoNyelvSzovegetTartja) {
  Nyelv("A.lng", "[ANIMAL FORM]\ncaLbl_Kor=Age\ncaLbl_Nev=Name\n[VIEW]\nhAct_KezelotElorehoz=Controller\n");
  Nyelv("B.lng", "[ANIMAL FORM]\ncaLbl_Nev=Nom\n");
  nyelv_.NyelvBetoltese("A.lng");
  nyelv_.NyelvBetoltese("B.lng");
  EXPECT_EQ(nyelv_.Szoveg("caLbl_Kor"), "Age");
  EXPECT_EQ(nyelv_.Szoveg("caLbl_Nev"), "Nom");
  EXPECT_EQ(fo_.tippek["Act_KezelotElorehoz"], "Controller");
}

TEST_F(NyelvkezeloTeszt, HianyzoStopSzovegAzElozotTartja) {
  Nyelv("Csak1.lng", "[ACTIONS]\nc1Act_StartStop=Indít\n");
  nyelv_.NyelvBetoltese("Csak1.lng");
  EXPECT_EQ(nyelv_.StartFelirat(), "Indít");
  EXPECT_EQ(nyelv_.StopFelirat(), "Stop");
}

// The signal comes once per load, when every text is in place.
TEST_F(NyelvkezeloTeszt, UgyanazANyelvUjraNemOlvas) {
  Nyelv("Egy.lng", "[ACTIONS]\ncAct_Tovabb=Next\n[MAP]\ncmForm_Tkp=Map\n");
  int hivasok = 0;
  nyelv_.SetBetoltesJelzo([&] {
    ++hivasok;
    EXPECT_EQ(fo_.feliratok["Act_Tovabb"], "Next");
    EXPECT_EQ(nyelv_.Szoveg("cmForm_Tkp"), "Map");
  });
  nyelv_.NyelvBetoltese("Egy.lng");
  EXPECT_EQ(hivasok, 1);
  Nyelv("Egy.lng", "[ACTIONS]\ncAct_Tovabb=Onward\n");
  nyelv_.NyelvBetoltese("Egy.lng");
  EXPECT_EQ(fo_.feliratok["Act_Tovabb"], "Next");
  EXPECT_EQ(hivasok, 1);
}

TEST_F(NyelvkezeloTeszt, HianyzoFajlSemmitNemValtoztatDeANevetMegjegyzi) {
  const auto feliratok = fo_.feliratok;
  const auto tabla = Tablaszovegek();
  nyelv_.NyelvBetoltese("Nincs.lng");
  EXPECT_EQ(nyelv_.AktualisNyelv(), "Nincs.lng");
  EXPECT_EQ(fo_.feliratok, feliratok);
  EXPECT_EQ(Tablaszovegek(), tabla);
  EXPECT_EQ(fo_.ablakCim, "Zelvaris");
}

TEST_F(NyelvkezeloTeszt, FoAblakNelkulATablaValtozik) {
  TNyelvkezelo fejetlen(konyvtar_.Utvonal());
  Nyelv("A.lng", "[ZOOM]\nczForm_Ngy=Magnifier\n[ACTIONS]\nc2Act_StartStop=Halt\n");
  fejetlen.NyelvBetoltese("A.lng");
  EXPECT_EQ(fejetlen.Szoveg("czForm_Ngy"), "Magnifier");
  EXPECT_EQ(fejetlen.StopFelirat(), "Halt");
}

TEST(CsukhatoFelirat, AJelMarad) {
  EXPECT_EQ(CsukhatoFelirat("identification", "azonosítás (+)"), "identification (+)");
  EXPECT_EQ(CsukhatoFelirat("mozgás", "movement (-)"), "mozgás (-)");
  EXPECT_EQ(CsukhatoFelirat("x", "(-)"), "x(-)");
}
