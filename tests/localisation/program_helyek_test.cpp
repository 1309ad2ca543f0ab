// Where the program's data, settings and the user's files are: beside the
// program (build tree, portable copy), or per user once installed or when
// the program directory cannot be written.

#include "localisation/program_helyek.h"

#include <gtest/gtest.h>

#include "localisation/beallitasok.h"
#include "localisation/ini_fajl.h"
#include "localisation/nyelvkezelo.h"
#include "tests/teszt_fajlok.h"

using namespace zelvaris;
using zelvaris::teszt::Beolvas;
using zelvaris::teszt::Kiir;
namespace fs = std::filesystem;

namespace {

class ProgramHelyekTeszt : public ::testing::Test {
 protected:
  ProgramHelyekTeszt() { fs::create_directories(Otthon()); }

  fs::path Otthon() const { return gyoker_ / "otthon"; }
  fs::path Konfig() const { return gyoker_ / "konfig"; }
  fs::path Adat() const { return gyoker_ / "adat"; }
  TFelhasznaloiKornyezet Kornyezet() const { return {Konfig().string(), Adat().string(), Otthon().string()}; }

  // An installed tree: prefix/bin and prefix/share/zelvaris with examples.
  fs::path Telepites() {
    const fs::path elotag = gyoker_ / "usr";
    fs::create_directories(elotag / "bin");
    const fs::path adat = elotag / "share" / "zelvaris";
    fs::create_directories(adat / "languages");
    fs::create_directories(adat / "allat");
    Kiir(adat / "allat" / "fox.allat", "4.6\nRoka\n");
    Kiir(adat / "allat" / "rabbit.allat", "4.6\nNyul\n");
    return elotag / "bin";
  }

  teszt::TIdeiglenesKonyvtar gyoker_;
};

}  // namespace

TEST_F(ProgramHelyekTeszt, ProgramMellettMindenOttMarad) {
  const fs::path program = gyoker_ / "build" / "bin";
  fs::create_directories(program / "languages");
  // A per-user settings file belongs to an installed program, not to this copy.
  fs::create_directories(Konfig() / "zelvaris");
  Kiir(Konfig() / "zelvaris" / "defaultcfg.LIni", "");

  const TProgramHelyek helyek(program, Kornyezet());
  EXPECT_TRUE(helyek.ProgramMellett());
  EXPECT_EQ(helyek.AdatKonyvtar(), program);
  EXPECT_EQ(helyek.BeallitasKonyvtar(), program);
  EXPECT_TRUE(helyek.ElsoInditas());
  EXPECT_EQ(helyek.FajlKonyvtar("allat"), program / "allat");
  EXPECT_EQ(helyek.MentesKonyvtar(), program);
  EXPECT_FALSE(fs::exists(program / "allat"));
  EXPECT_FALSE(fs::exists(Adat()));

  Kiir(program / "defaultcfg.LIni", "");
  EXPECT_FALSE(TProgramHelyek(program, Kornyezet()).ElsoInditas());
}

// Without any data beside it (the tests' fresh program directories), a
// writable program directory keeps everything as before.
TEST_F(ProgramHelyekTeszt, AdatNelkulIsAProgramMellett) {
  const TProgramHelyek helyek(gyoker_.Utvonal(), Kornyezet());
  EXPECT_TRUE(helyek.ProgramMellett());
  EXPECT_EQ(helyek.AdatKonyvtar(), gyoker_.Utvonal());
}

TEST_F(ProgramHelyekTeszt, TelepitettProgramFelhasznaloiMappakbaIr) {
  const fs::path bin = Telepites();
  const TProgramHelyek helyek(bin, Kornyezet());
  // bin/ is writable here, yet an installed program keeps nothing there.
  EXPECT_FALSE(helyek.ProgramMellett());
  EXPECT_EQ(helyek.AdatKonyvtar(), gyoker_ / "usr" / "share" / "zelvaris");
  EXPECT_TRUE(helyek.ElsoInditas());

  // The settings go to the per-user folder, created for the first write.
  TNyelvkezelo nyelv(helyek.AdatKonyvtar());
  TBeallitasok beallitasok(helyek.BeallitasKonyvtar());
  beallitasok.SetServerIP("10.1.2.3");
  EXPECT_EQ(beallitasok.BeallitasokIrasa(nyelv), std::nullopt);
  EXPECT_EQ(IniBetoltes(Konfig() / "zelvaris" / "defaultcfg.LIni").Olvas("SERVER", "ServerIP", ""), "10.1.2.3");
  EXPECT_FALSE(fs::exists(bin / "defaultcfg.LIni"));
  EXPECT_FALSE(TProgramHelyek(bin, Kornyezet()).ElsoInditas());

  // The dialogs' folder is created with copies of the examples; a kind
  // without examples gets an empty folder.
  const fs::path allat = helyek.FajlKonyvtar("allat");
  EXPECT_EQ(allat, Adat() / "zelvaris" / "allat");
  EXPECT_EQ(Beolvas(allat / "fox.allat"), "4.6\nRoka\n");
  EXPECT_TRUE(fs::exists(allat / "rabbit.allat"));
  EXPECT_TRUE(fs::is_directory(helyek.FajlKonyvtar("okopill")));
  EXPECT_TRUE(fs::is_empty(Adat() / "zelvaris" / "okopill"));
  // Only the finished folder is left behind.
  int bejegyzes = 0;
  for ([[maybe_unused]] const auto& b : fs::directory_iterator(Adat() / "zelvaris")) ++bejegyzes;
  EXPECT_EQ(bejegyzes, 2);

  // What the user removed or changed stays so.
  fs::remove(allat / "fox.allat");
  Kiir(allat / "rabbit.allat", "sajat");
  helyek.FajlKonyvtar("allat");
  EXPECT_FALSE(fs::exists(allat / "fox.allat"));
  EXPECT_EQ(Beolvas(allat / "rabbit.allat"), "sajat");
  EXPECT_EQ(helyek.MentesKonyvtar(), Otthon());
}

TEST_F(ProgramHelyekTeszt, IrhatatlanProgramKonyvtarAtviszi) {
  const fs::path program = gyoker_ / "hordozhato";
  fs::create_directories(program / "okocfg");
  Kiir(program / "okocfg" / "meadow.okocfg", "4.6\n");
  Kiir(program / "defaultcfg.LIni", "[LANGUAGE]\r\ndefaultlanguage=English.lng\r\n");
  teszt::TIrasvedettKonyvtar vedett(program);
  if (!vedett.Irasvedett()) GTEST_SKIP() << "the directory cannot be made read-only here";

  const TProgramHelyek helyek(program, Kornyezet());
  EXPECT_FALSE(helyek.ProgramMellett());
  EXPECT_EQ(helyek.AdatKonyvtar(), program);
  // The settings beside the program were there: not a first start, and
  // the user's copy starts from them.
  EXPECT_FALSE(helyek.ElsoInditas());
  const fs::path beallitas = helyek.BeallitasKonyvtar() / "defaultcfg.LIni";
  EXPECT_EQ(beallitas, Konfig() / "zelvaris" / "defaultcfg.LIni");
  EXPECT_EQ(IniBetoltes(beallitas).Olvas("LANGUAGE", "defaultlanguage", ""), "English.lng");
  EXPECT_TRUE(fs::exists(helyek.FajlKonyvtar("okocfg") / "meadow.okocfg"));
}

TEST_F(ProgramHelyekTeszt, XdgAlapertekekEsRelativValtozok) {
  const fs::path bin = Telepites();
  const TProgramHelyek helyek(bin, {"relativ/konfig", "", Otthon().string()});
  EXPECT_EQ(helyek.BeallitasKonyvtar(), Otthon() / ".config" / "zelvaris");
  EXPECT_EQ(helyek.FajlKonyvtar("noveny"), Otthon() / ".local" / "share" / "zelvaris" / "noveny");

  // No home and no usable variable: no per-user place, so the program
  // directory as before (a failed save says so at close).
  const TProgramHelyek otthonNelkul(bin, {"", "", ""});
  EXPECT_TRUE(otthonNelkul.ProgramMellett());
  EXPECT_EQ(otthonNelkul.BeallitasKonyvtar(), bin);
}

TEST(ElsoInditasNyelve, ANyelvSzerintHaVanIlyenFajl) {
  const std::vector<std::string> mind = {"Deutsch.lng", "English.lng", "Magyar.lng"};
  EXPECT_EQ(ElsoInditasNyelve(mind, true), "Magyar.lng");
  EXPECT_EQ(ElsoInditasNyelve(mind, false), "English.lng");
  EXPECT_EQ(ElsoInditasNyelve({"English.lng"}, true), "");
  EXPECT_EQ(ElsoInditasNyelve({"english.lng"}, false), "");
}
