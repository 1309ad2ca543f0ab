#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "localisation/nyelvkezelo.h"
#include "localisation/program_uzenetek.h"
#include "persistence/sorfajl.h"
#include "tests/teszt_fajlok.h"

using namespace zelvaris;

namespace {

const std::filesystem::path kAdatKonyvtar = std::filesystem::path(ZELVARIS_SOURCE_DIR) / "data";

TFajlHiba SzamHiba() {
  TSorOlvaso o("cfg.okocfg", "4.6\r\nx\r\n");
  o.NyersSor();
  try {
    o.Egesz();
  } catch (const TFajlHiba& h) {
    return h;
  }
  ADD_FAILURE() << "no error";
  return TFajlHiba("", "");
}

}  // namespace

// The file layer's errors and the program's messages follow the language; a
// language file that lacks their keys leaves the built-in Hungarian texts.
TEST(Uzenetek, AzAngolTablaAngolulAHianyzoKulcsMagyarulMarad) {
  const TFajlHiba hiba = SzamHiba();
  const TUzenet nemEgesz(kNemEgeszUzenet, {"99999999999"});

  TNyelvkezelo angol(kAdatKonyvtar);
  angol.NyelvBetoltese("English.lng");
  EXPECT_EQ(HibaSzovege(hiba, angol.Tabla()), "cfg.okocfg, line 2: invalid number: \"x\".");
  EXPECT_EQ(angol.Tabla().Uzenet(nemEgesz), "\"99999999999\" is not a valid integer.");
  EXPECT_EQ(HibaSzovege(std::bad_alloc(), angol.Tabla()),
            "There is not enough memory for this operation.");

  teszt::TIdeiglenesKonyvtar konyvtar;
  std::filesystem::create_directories(konyvtar.Utvonal() / "languages");
  teszt::Kiir(konyvtar.Utvonal() / "languages" / "Regi.lng", "[ECOFORM]\r\nceLbl_Ido=Time\r\n");
  TNyelvkezelo regi(konyvtar.Utvonal());
  regi.NyelvBetoltese("Regi.lng");
  EXPECT_EQ(HibaSzovege(hiba, regi.Tabla()), "cfg.okocfg, 2. sor: érvénytelen szám: „x”.");
  EXPECT_EQ(HibaSzovege(hiba, regi.Tabla()), hiba.what());
  EXPECT_EQ(regi.Tabla().Uzenet(nemEgesz), "„99999999999” nem érvényes egész szám.");
}

// A value is put in as it stands, even one that looks like a mark.
TEST(Uzenetek, ErtekekEgyszerHelyettesitve) {
  EXPECT_EQ(MintaKitoltese("%2 és %1%", {"%2", "b"}), "b és %2%");
  EXPECT_EQ(MintaKitoltese("%3!", {"a"}), "!");
}
