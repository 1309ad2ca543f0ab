#include "localisation/nyelvi_kulcsok.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "localisation/ini_fajl.h"
#include "localisation/nyelv_fajlok.h"
#include "localisation/nyelvkezelo.h"
#include "persistence/kodlap.h"
#include "tests/teszt_fajlok.h"

using namespace zelvaris;

namespace {

const std::filesystem::path kAdatKonyvtar = std::filesystem::path(ZELVARIS_SOURCE_DIR) / "data";

// Sections in file order with their number of keys.
std::vector<std::pair<std::string, int>> SzakaszokEsDarabok() {
  std::vector<std::pair<std::string, int>> sz;
  for (const TNyelviKulcs& k : NyelviKulcsok()) {
    if (sz.empty() || sz.back().first != k.Szakasz) sz.emplace_back(std::string(k.Szakasz), 0);
    ++sz.back().second;
  }
  return sz;
}

}  // namespace

TEST(NyelviKulcsok, SzakaszokEsKulcsok) {
  const std::vector<std::pair<std::string, int>> vart = {
      {"MAIN FORM", 1},   {"MAIN MENU", 7},   {"WINDOWS", 20},    {"VIEW", 22},
      {"FILE", 16},       {"MODE", 6},        {"ACTIONS", 29},    {"NEW", 6},
      {"ANIMAL FORM", 36}, {"PLANT FORM", 21}, {"AGE", 8},        {"DIAGRAM", 12},
      {"ECOFORM", 3},     {"MAP", 1},         {"ZOOM", 1},        {"CONTROL", 3},
      {"RESIZE", 3},      {"PLEXUS", 6},      {"DISPLAY", 13},    {"PESTICIDE", 7},
      {"NEW ANIMAL", 3},  {"NEW PLANT", 3},   {"NEW ECOSYS", 3}};
  EXPECT_EQ(SzakaszokEsDarabok(), vart);
  EXPECT_EQ(NyelviKulcsok().size(), 230u);

  // Key names are unique even without regard to case, as files match them so.
  std::set<std::string> kisbetus;
  for (const TNyelviKulcs& k : NyelviKulcsok()) {
    std::string s(k.Kulcs);
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(kisbetus.insert(s).second) << k.Kulcs;
    EXPECT_FALSE(k.Magyar.empty()) << k.Kulcs;
  }
}

TEST(NyelviKulcsok, KomponensEsFajta) {
  EXPECT_EQ(NyelviKulcs("cAct_Tovabb")->Komponens(), "Act_Tovabb");
  EXPECT_EQ(NyelviKulcs("hAct_Tovabb")->Fajta, TKulcsFajta::AkcioTipp);
  EXPECT_EQ(NyelviKulcs("cMM_Sugo")->Komponens(), "MM_Sugo");
  EXPECT_EQ(NyelviKulcs("c2Act_StartStop")->Komponens(), "Act_StartStop");
  EXPECT_EQ(NyelviKulcs("cg1Btn_AktualisKeres")->Komponens(), "Btn_AktualisKeres");
  EXPECT_EQ(NyelviKulcs("caGB_okokh")->Komponens(), "GB_okokh");
  EXPECT_EQ(NyelviKulcs("cForm_Fo")->Fajta, TKulcsFajta::ProgramCim);
  EXPECT_EQ(NyelviKulcs("cmForm_Tkp")->Fajta, TKulcsFajta::Ablak);
  EXPECT_EQ(NyelviKulcs("cact_tovabb"), nullptr);
  EXPECT_THROW(BeepitettSzoveg("nincs"), std::out_of_range);
  EXPECT_EQ(BeepitettSzoveg("c1Act_StartStop"), "Start");
}

class SzallitottNyelv : public ::testing::TestWithParam<const char*> {};

TEST_P(SzallitottNyelv, MindenKulcsotMegadEsMastNem) {
  const std::filesystem::path fajl = kAdatKonyvtar / "languages" / GetParam();
  const std::string bajtok = teszt::Beolvas(fajl);
  ASSERT_FALSE(bajtok.empty()) << fajl;
  // CR LF line ends and the code page: no bare LF, no undefined byte.
  for (std::size_t i = 0; i < bajtok.size(); ++i) {
    if (bajtok[i] == '\n') {
      EXPECT_TRUE(i > 0 && bajtok[i - 1] == '\r') << "byte " << i;
    }
  }
  EXPECT_EQ(KodlaprolAlakit(bajtok).find("\xEF\xBF\xBD"), std::string::npos);

  const TIniTartalom ini(bajtok);
  std::map<std::string, std::set<std::string>> vart;
  for (const TNyelviKulcs& k : MindenNyelviKulcs()) {
    vart[std::string(k.Szakasz)].insert(std::string(k.Kulcs));
  }
  const std::vector<std::string> szakaszok = ini.Szakaszok();
  EXPECT_EQ(std::set<std::string>(szakaszok.begin(), szakaszok.end()).size(), szakaszok.size());
  for (const std::string& szakasz : szakaszok) {
    ASSERT_TRUE(vart.count(szakasz)) << "unknown section " << szakasz;
    const std::vector<std::string> kulcsok = ini.Kulcsok(szakasz);
    EXPECT_EQ(std::set<std::string>(kulcsok.begin(), kulcsok.end()), vart[szakasz]) << szakasz;
    EXPECT_EQ(kulcsok.size(), vart[szakasz].size()) << "repeated key in " << szakasz;
  }
  EXPECT_EQ(szakaszok.size(), vart.size());
  for (const TNyelviKulcs& k : MindenNyelviKulcs()) {
    EXPECT_FALSE(ini.Olvas(k.Szakasz, k.Kulcs, "").empty()) << k.Kulcs;
  }
}

INSTANTIATE_TEST_SUITE_P(Nyelvek, SzallitottNyelv, ::testing::Values("Magyar.lng", "English.lng"));

TEST(SzallitottNyelvek, AMagyarABeepitettSzovegek) {
  const TIniTartalom ini = IniBetoltes(kAdatKonyvtar / "languages" / "Magyar.lng");
  for (const TNyelviKulcs& k : MindenNyelviKulcs()) {
    EXPECT_EQ(ini.Olvas(k.Szakasz, k.Kulcs, "?"), k.Magyar) << k.Kulcs;
  }
}

TEST(SzallitottNyelvek, AzAngolBetolthetoEsListazott) {
  EXPECT_EQ(NyelvFajlokListazasa(kAdatKonyvtar),
            (std::vector<std::string>{"English.lng", "Magyar.lng"}));
  TNyelvkezelo nyelv(kAdatKonyvtar);
  nyelv.NyelvBetoltese("English.lng");
  EXPECT_EQ(nyelv.Szoveg("caLbl_Kor"), "Lifespan");
  EXPECT_EQ(nyelv.Szoveg("cqBitBtn_Megsem"), "Cancel");
  EXPECT_EQ(nyelv.StopFelirat(), "Stop");
  // Back to Hungarian restores every built-in text.
  nyelv.NyelvBetoltese("Magyar.lng");
  for (const TNyelviKulcs& k : NyelviKulcsok()) {
    if (k.Fajta == TKulcsFajta::Ablak) {
      EXPECT_EQ(nyelv.Szoveg(k.Kulcs), k.Magyar) << k.Kulcs;
    }
  }
}

TEST(SzallitottNyelvek, AProgramKonyvtarbaMasolva) {
  const std::filesystem::path program(ZELVARIS_PROGRAM_DIR);
  EXPECT_EQ(teszt::Beolvas(program / "languages" / "English.lng"),
            teszt::Beolvas(kAdatKonyvtar / "languages" / "English.lng"));
}

// The later additions sit in a section of their own after the original ones;
// a language file written before them leaves their built-in texts in place.
TEST(KiegeszitoKulcsok, SajatSzakaszbanEsHianyukbanBeepitett) {
  ASSERT_FALSE(KiegeszitoKulcsok().empty());
  std::set<std::string> osszes;
  for (const TNyelviKulcs& k : MindenNyelviKulcs()) {
    std::string s(k.Kulcs);
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(osszes.insert(s).second) << k.Kulcs;
  }
  for (const TNyelviKulcs& k : KiegeszitoKulcsok()) {
    EXPECT_EQ(k.Szakasz, "EXTRAS") << k.Kulcs;
    ASSERT_NE(NyelviKulcs(k.Kulcs), nullptr) << k.Kulcs;
    EXPECT_EQ(NyelviKulcs(k.Kulcs)->Magyar, k.Magyar);
  }
  EXPECT_EQ(MindenNyelviKulcs().size(), NyelviKulcsok().size() + KiegeszitoKulcsok().size());
  EXPECT_EQ(NyelviKulcs("cxLbl_KezdoMag")->Komponens(), "Lbl_KezdoMag");
  EXPECT_EQ(NyelviKulcs("cAct_MagBeallitas")->Fajta, TKulcsFajta::AkcioFelirat);

  teszt::TIdeiglenesKonyvtar konyvtar;
  const std::string regi = "[ECOFORM]\r\nceLbl_Ido=Time\r\n";
  std::filesystem::create_directories(konyvtar.Utvonal() / "languages");
  teszt::Kiir(konyvtar.Utvonal() / "languages" / "Regi.lng", regi);
  TNyelvkezelo nyelv(konyvtar.Utvonal());
  nyelv.NyelvBetoltese("Regi.lng");
  EXPECT_EQ(nyelv.Szoveg("ceLbl_Ido"), "Time");
  EXPECT_EQ(nyelv.Szoveg("cxLbl_KezdoMag"), "Kezdőmag");
  TNyelvkezelo angol(kAdatKonyvtar);
  angol.NyelvBetoltese("English.lng");
  EXPECT_EQ(angol.Szoveg("cxLbl_KezdoMag"), "Start seed");
  EXPECT_EQ(angol.Szoveg("cxAct_AdatCsvMentes"), "Save data as CSV...");
}
