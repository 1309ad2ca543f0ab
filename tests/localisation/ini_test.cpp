#include <gtest/gtest.h>

#include <string>

#include "localisation/ini_fajl.h"
#include "localisation/ini_tartalom.h"
#include "persistence/kodlap.h"
#include "tests/teszt_fajlok.h"

using namespace zelvaris;
using zelvaris::teszt::Beolvas;
using zelvaris::teszt::Kiir;

TEST(IniTartalom, NevekKisNagybetuTolFuggetlenul) {
  // Test texts are written in UTF-8; the files are in the code page.
  const TIniTartalom ini(KodlapraAlakit("[MAIN MENU]\r\ncMM_Fajl=&File\r\n[Állat]\r\nNÉV=x\r\n"));
  EXPECT_EQ(ini.Olvas("main menu", "CMM_FAJL", "-"), "&File");
  EXPECT_EQ(ini.Olvas("Main Menu", "cmm_fajl", "-"), "&File");
  // Accented letters of the code page fold too.
  EXPECT_EQ(ini.Olvas("ÁLLAT", "név", "-"), "x");
  EXPECT_EQ(ini.Olvas("MAIN MENU", "cMM_Mod", "alap"), "alap");
  EXPECT_EQ(ini.Olvas("NINCS", "cMM_Fajl", "alap"), "alap");
}

TEST(IniTartalom, ErtekekBeolvasasa) {
  const TIniTartalom ini(KodlapraAlakit(
      "elotte=nem szamit\n"
      "[S]\n"
      "  a  =   szóközök körül  \t\n"
      "b=\n"
      "c=\"  idézőjelben  \"\n"
      "d='egyes'\n"
      "e=\"csak eleje\n"
      "; f=megjegyzés\n"
      "sor egyenlőségjel nélkül\n"
      "g=egy=kettő\n"
      "a=második\n"
      "[s]\n"
      "h=második szakaszban\n"));
  EXPECT_EQ(ini.Olvas("S", "a", "-"), "szóközök körül");
  EXPECT_EQ(ini.Olvas("S", "b", "-"), "");  // present but empty: no default
  EXPECT_EQ(ini.Olvas("S", "c", "-"), "  idézőjelben  ");
  EXPECT_EQ(ini.Olvas("S", "d", "-"), "egyes");
  EXPECT_EQ(ini.Olvas("S", "e", "-"), "\"csak eleje");
  EXPECT_EQ(ini.Olvas("S", "; f", "-"), "-");
  EXPECT_EQ(ini.Olvas("S", "g", "-"), "egy=kettő");
  // The first key and the first section of a name count.
  EXPECT_EQ(ini.Olvas("S", "h", "-"), "-");
  EXPECT_EQ(ini.Olvas("", "elotte", "-"), "-");
}

TEST(IniTartalom, KodlapEsUtf8Bom) {
  const TIniTartalom kodlap("[S]\r\nk=\xC1rv\xEDzt\xFBr\xF5\r\n");
  EXPECT_EQ(kodlap.Olvas("S", "k", ""), "Árvíztűrő");
  const TIniTartalom utf8("\xEF\xBB\xBF[S]\nk=Árvíztűrő\n");
  EXPECT_EQ(utf8.Olvas("S", "k", ""), "Árvíztűrő");
}

TEST(IniTartalom, ErtekHossza2047Karakter) {
  const std::string pont2047(2047, 'x');
  const TIniTartalom ini("[S]\nrovid=" + pont2047 + "\nhosszu=" + pont2047 + "yz\n" +
                         "ekezetes=" + std::string(2046, 'a') + "\xF5\xF5\n");
  EXPECT_EQ(ini.Olvas("S", "rovid", ""), pont2047);
  EXPECT_EQ(ini.Olvas("S", "hosszu", ""), pont2047);
  // Counted in characters: the cut falls after the first "ő".
  EXPECT_EQ(ini.Olvas("S", "ekezetes", ""), std::string(2046, 'a') + "ő");
}

TEST(IniTartalom, IrasCsakAKulcsSoratValtoztatja) {
  TIniTartalom ini(KodlapraAlakit(
      "; fejléc megjegyzés\n"
      "[Első]\n"
      "Kulcs = régi\n"
      "Masik=marad\n"
      "\n"
      "[Második]\n"
      "x=1\n"
      "; megjegyzés a végén\n"
      "\n"));
  ini.Ir("első", "KULCS", "új érték");
  ini.Ir("Első", "Harmadik", "3");
  ini.Ir("Második", "y", "2");
  ini.Ir("Új szakasz", "z", "sor\r\ntörés");
  EXPECT_EQ(KodlaprolAlakit(ini.Fajl()),
            "; fejléc megjegyzés\r\n"
            "[Első]\r\n"
            "KULCS=új érték\r\n"
            "Masik=marad\r\n"
            "Harmadik=3\r\n"
            "\r\n"
            "[Második]\r\n"
            "x=1\r\n"
            "; megjegyzés a végén\r\n"
            "y=2\r\n"
            "\r\n"
            "[Új szakasz]\r\n"
            "z=sor  törés\r\n");
  EXPECT_EQ(ini.Olvas("ELSŐ", "kulcs", ""), "új érték");
  EXPECT_EQ((ini.Kulcsok("első")), (std::vector<std::string>{"KULCS", "Masik", "Harmadik"}));
}

TEST(IniTartalom, KodlapbanIr) {
  TIniTartalom ini;
  ini.Ir("S", "k", "tűrő 中");
  EXPECT_EQ(ini.Fajl(), "[S]\r\nk=t\xFBr\xF5 ?\r\n");
}

class IniFajlTeszt : public ::testing::Test {
 protected:
  teszt::TIdeiglenesKonyvtar konyvtar_;
  std::filesystem::path Fajl() const { return konyvtar_.Utvonal() / "proba.ini"; }
};

TEST_F(IniFajlTeszt, HianyzoFajlAlapertekeketAd) {
  TIniFajl ini(Fajl());
  EXPECT_EQ(ini.Olvas("S", "k", "alap"), "alap");
  EXPECT_FALSE(std::filesystem::exists(Fajl()));
}

TEST_F(IniFajlTeszt, IrasLetrehozzaEsMegtartjaAMasSorokat) {
  TIniFajl uj(Fajl());
  ASSERT_TRUE(uj.Ir("S", "k", "első")) << uj.Hiba();
  EXPECT_EQ(Beolvas(Fajl()), "[S]\r\nk=els\xF5\r\n");

  // Someone else edits the file between; a write starts from the disk.
  Kiir(Fajl(), KodlapraAlakit("; kézzel\n[S]\nk=első\n[T]\nm=1\n"));
  ASSERT_TRUE(uj.Ir("s", "K", "második"));
  EXPECT_EQ(Beolvas(Fajl()), "; k\xE9zzel\r\n[S]\r\nK=m\xE1sodik\r\n[T]\r\nm=1\r\n");
  EXPECT_EQ(uj.Olvas("T", "m", ""), "1");
  EXPECT_EQ(TIniFajl(Fajl()).Olvas("S", "k", ""), "második");
}

TEST_F(IniFajlTeszt, SikertelenIrasNemHagyFelbeMaradtFajlt) {
  Kiir(Fajl(), KodlapraAlakit("[S]\r\nk=régi\r\n"));
  const std::string elotte = Beolvas(Fajl());
  {
    teszt::TIrasvedettKonyvtar vedett(konyvtar_.Utvonal());
    if (!vedett.Irasvedett()) GTEST_SKIP() << "the directory cannot be made read-only here";
    TIniFajl ini(Fajl());
    EXPECT_FALSE(ini.Ir("S", "k", "új"));
    EXPECT_NE(ini.Hiba(), "");
    EXPECT_EQ(ini.Olvas("S", "k", ""), "régi");
  }
  EXPECT_EQ(Beolvas(Fajl()), elotte);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(konyvtar_.Utvonal()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(IniFajlTeszt, OlvashatatlanFajltNemIrFelul) {
  // A directory in place of the file cannot be read as one.
  std::filesystem::create_directory(Fajl());
  TIniFajl ini(Fajl());
  EXPECT_EQ(ini.Olvas("S", "k", "alap"), "alap");
  EXPECT_FALSE(ini.Ir("S", "k", "új"));
  EXPECT_TRUE(std::filesystem::is_directory(Fajl()));
}

TEST_F(IniFajlTeszt, NemletezoKonyvtarbaIrasHiba) {
  TIniFajl ini(konyvtar_.Utvonal() / "nincs" / "proba.ini");
  EXPECT_FALSE(ini.Ir("S", "k", "v"));
  EXPECT_NE(ini.Hiba().find("proba.ini"), std::string::npos);
}
