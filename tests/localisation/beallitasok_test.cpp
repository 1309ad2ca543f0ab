#include "localisation/beallitasok.h"

#include <gtest/gtest.h>

#include "localisation/nyelv_fajlok.h"
#include "localisation/nyelvkezelo.h"
#include "persistence/kodlap.h"
#include "tests/teszt_fajlok.h"

using namespace zelvaris;
using zelvaris::teszt::Beolvas;
using zelvaris::teszt::Kiir;

namespace {

class BeallitasokTeszt : public ::testing::Test {
 protected:
  BeallitasokTeszt() : nyelv_(konyvtar_.Utvonal()), beallitasok_(konyvtar_.Utvonal()) {
    std::filesystem::create_directory(nyelv_.NyelvKonyvtar());
  }
  teszt::TIdeiglenesKonyvtar konyvtar_;
  TNyelvkezelo nyelv_;
  TBeallitasok beallitasok_;
};

}  // namespace

TEST_F(BeallitasokTeszt, ElsoFutasMindketSzakasszalHozzaLetre) {
  beallitasok_.BeallitasokOlvasasa(nyelv_);
  EXPECT_EQ(beallitasok_.ServerIP(), "");
  EXPECT_EQ(nyelv_.AktualisNyelv(), "");
  EXPECT_EQ(beallitasok_.BeallitasokIrasa(nyelv_), std::nullopt);
  EXPECT_EQ(Beolvas(konyvtar_.Utvonal() / "defaultcfg.LIni"),
            "[SERVER]\r\nServerIP=\r\n[LANGUAGE]\r\ndefaultlanguage=\r\n");
}

TEST_F(BeallitasokTeszt, AMentettNyelvetKovetkezoIndulaskorBetolti) {
  Kiir(nyelv_.NyelvKonyvtar() / "Deutsch.lng", "[MAP]\r\ncmForm_Tkp=Karte\r\n");
  nyelv_.NyelvBetoltese("Deutsch.lng");
  beallitasok_.SetServerIP("192.168.1.5");
  ASSERT_EQ(beallitasok_.BeallitasokIrasa(nyelv_), std::nullopt);

  TNyelvkezelo ujNyelv(konyvtar_.Utvonal());
  TBeallitasok ujBeallitasok(konyvtar_.Utvonal());
  ujBeallitasok.BeallitasokOlvasasa(ujNyelv);
  EXPECT_EQ(ujBeallitasok.ServerIP(), "192.168.1.5");
  EXPECT_EQ(ujNyelv.AktualisNyelv(), "Deutsch.lng");
  EXPECT_EQ(ujNyelv.Szoveg("cmForm_Tkp"), "Karte");
}

TEST_F(BeallitasokTeszt, IrasMegtartjaAFajlMasReszeit) {
  Kiir(beallitasok_.FajlUtvonal(),
       KodlapraAlakit("; kézi megjegyzés\r\n[server]\r\nserverip=1.2.3.4\r\nPort=6000\r\n"
                      "[Egyéb]\r\nx=y\r\n"));
  beallitasok_.BeallitasokOlvasasa(nyelv_);
  EXPECT_EQ(beallitasok_.ServerIP(), "1.2.3.4");
  beallitasok_.SetServerIP("szerver.helyi");
  ASSERT_EQ(beallitasok_.BeallitasokIrasa(nyelv_), std::nullopt);
  EXPECT_EQ(KodlaprolAlakit(Beolvas(beallitasok_.FajlUtvonal())),
            "; kézi megjegyzés\r\n[server]\r\nServerIP=szerver.helyi\r\nPort=6000\r\n"
            "[Egyéb]\r\nx=y\r\n[LANGUAGE]\r\ndefaultlanguage=\r\n");
}

TEST_F(BeallitasokTeszt, NemletezoNyelvNeveMegmaradEsVisszairodik) {
  Kiir(beallitasok_.FajlUtvonal(), "[LANGUAGE]\r\ndefaultlanguage=Klingon.lng\r\n");
  beallitasok_.BeallitasokOlvasasa(nyelv_);
  EXPECT_EQ(nyelv_.AktualisNyelv(), "Klingon.lng");
  EXPECT_EQ(nyelv_.Szoveg("cmForm_Tkp"), "Térkép");
  ASSERT_EQ(beallitasok_.BeallitasokIrasa(nyelv_), std::nullopt);
  EXPECT_NE(Beolvas(beallitasok_.FajlUtvonal()).find("defaultlanguage=Klingon.lng\r\n"),
            std::string::npos);
}

TEST_F(BeallitasokTeszt, IrhatatlanKonyvtarUzenetetAdEsAFajlMarad) {
  Kiir(beallitasok_.FajlUtvonal(), "[SERVER]\r\nServerIP=regi\r\n");
  const std::string elotte = Beolvas(beallitasok_.FajlUtvonal());
  beallitasok_.SetServerIP("uj");
  {
    teszt::TIrasvedettKonyvtar vedett(konyvtar_.Utvonal());
    if (!vedett.Irasvedett()) GTEST_SKIP() << "the directory cannot be made read-only here";
    EXPECT_EQ(beallitasok_.BeallitasokIrasa(nyelv_),
              "Nem sikerült a konfigurációt menteni, valószínűleg hozzáférési jogkorlátozás "
              "miatt.");
  }
  EXPECT_EQ(Beolvas(beallitasok_.FajlUtvonal()), elotte);
}

TEST_F(BeallitasokTeszt, HianyzoProgramKonyvtarUzenetetAd) {
  TBeallitasok sehol(konyvtar_.Utvonal() / "nincs");
  EXPECT_EQ(sehol.BeallitasokIrasa(nyelv_), std::string(kBeallitasMentesiHiba));
}

TEST_F(BeallitasokTeszt, NyelvFajlokNevSzerint) {
  for (const char* nev : {"Magyar.lng", "English.lng", "Deutsch.LNG", "jegyzet.txt", "lng"}) {
    Kiir(nyelv_.NyelvKonyvtar() / nev, "");
  }
  std::filesystem::create_directory(nyelv_.NyelvKonyvtar() / "Mappa.lng");
  EXPECT_EQ(NyelvFajlokListazasa(konyvtar_.Utvonal()),
            (std::vector<std::string>{"Deutsch.LNG", "English.lng", "Magyar.lng"}));
  EXPECT_EQ(NyelvMenuFelirat("English.lng"), "English");
  EXPECT_EQ(NyelvMenuFelirat("Deutsch.LNG"), "Deutsch");
  EXPECT_TRUE(NyelvFajlokListazasa(konyvtar_.Utvonal() / "nincs").empty());
}

// A language name that is a path reads nothing outside languages/ and loads
// no language; a later plain name still loads.
TEST_F(BeallitasokTeszt, UtvonalasNyelvnevetNemToltBe) {
  Kiir(konyvtar_.Utvonal() / "x", "[MAP]\r\ncmForm_Tkp=Kivul\r\n");
  std::filesystem::create_directory(nyelv_.NyelvKonyvtar() / "a");
  Kiir(nyelv_.NyelvKonyvtar() / "a" / "b.lng", "[MAP]\r\ncmForm_Tkp=Alkonyvtar\r\n");
  for (const char* nev : {"../x", "..\\x", "/etc/passwd", "a/b.lng", "..", ".", "languages/../../x"}) {
    Kiir(beallitasok_.FajlUtvonal(), std::string("[LANGUAGE]\r\ndefaultlanguage=") + nev + "\r\n");
    beallitasok_.BeallitasokOlvasasa(nyelv_);
    EXPECT_EQ(nyelv_.AktualisNyelv(), "") << nev;
    EXPECT_EQ(nyelv_.Szoveg("cmForm_Tkp"), "Térkép") << nev;
  }
  EXPECT_FALSE(EgyszeruFajlNev(std::string_view("x\0y", 3)));
  Kiir(nyelv_.NyelvKonyvtar() / "..x.lng", "[MAP]\r\ncmForm_Tkp=Pontos\r\n");
  nyelv_.NyelvBetoltese("..x.lng");
  EXPECT_EQ(nyelv_.Szoveg("cmForm_Tkp"), "Pontos");
}
