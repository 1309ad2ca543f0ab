// Line kinds, the integer rule, code page, binary records, atomic saves and
// the file-name rules.

#include "persistence/sorfajl.h"

#include <gtest/gtest.h>

#include "persistence/fajlnevek.h"
#include "perzisztencia_segedek.h"

namespace zelvaris {
namespace {

TSorOlvaso Olvaso(std::string tartalom) { return TSorOlvaso("proba.txt", std::move(tartalom)); }

// The error a read throws, or "" if it throws none.
template <typename F>
std::string Hibauzenet(F&& f) {
  try {
    f();
  } catch (const TFajlHiba& h) {
    return h.what();
  }
  return "";
}

TEST(IntegerRule, SkipsBlanksAndEmptyLinesAndTheRestOfTheLine) {
  auto o = Olvaso(
      "  42  \r\n\r\n\t-7 maradek szoveg\r\n+5\r\n2147483647\r\n-2147483648\r\nszoveg\r\n");
  EXPECT_EQ(o.Egesz(), 42);
  EXPECT_EQ(o.Egesz(), -7);  // the empty line before it is passed over
  EXPECT_EQ(o.UtolsoSor(), 3);
  EXPECT_EQ(o.Egesz(), 5);
  EXPECT_EQ(o.Egesz(), 2147483647);
  EXPECT_EQ(o.Egesz(), -2147483647 - 1);
  EXPECT_EQ(o.Szoveg(), "szoveg");
}

TEST(IntegerRule, AcceptsLoneLineFeedsAndAMissingLastLineEnd) {
  auto o = Olvaso("1\n2\r3");
  EXPECT_EQ(o.Egesz(), 1);
  EXPECT_EQ(o.Egesz(), 2);
  EXPECT_EQ(o.Egesz(), 3);
}

TEST(IntegerRule, MalformedNumbersAreRefusedWithFileAndLine) {
  for (const char* rossz : {"12abc", "abc", "4,6", "+-3", "--3", "-", "2147483648",
                            "-2147483649", "0x10", "1.5"}) {
    auto o = Olvaso(std::string("1\r\n\r\n") + rossz + "\r\n");
    o.Egesz();
    const std::string uzenet = Hibauzenet([&] { o.Egesz(); });
    EXPECT_EQ(uzenet, std::string("proba.txt, 3. sor: érvénytelen szám: „") + rossz + "”.")
        << rossz;
  }
}

TEST(IntegerRule, TakesAtMost32CharactersAsTheNumber) {
  // 32 zeros and then a 7: only the zeros form the number, the rest of the line is skipped.
  auto o = Olvaso(std::string(32, '0') + "7\r\n9\r\n");
  EXPECT_EQ(o.Egesz(), 0);
  EXPECT_EQ(o.Egesz(), 9);
}

TEST(IntegerRule, AFileThatEndsBeforeTheIntegerIsTruncated) {
  auto o = Olvaso("1\r\n\r\n  \r\n");
  o.Egesz();
  const std::string uzenet = Hibauzenet([&] { o.Egesz(); });
  EXPECT_NE(uzenet.find("proba.txt: a fájl csonka"), std::string::npos) << uzenet;
  auto ures = Olvaso("");
  EXPECT_NE(Hibauzenet([&] { ures.NyersSor(); }).find("csonka"), std::string::npos);
}

TEST(LineKinds, BooleansAreTrueOnlyForOne) {
  auto o = Olvaso("1\r\n0\r\n2\r\n-1\r\n");
  EXPECT_TRUE(o.Logikai());
  EXPECT_FALSE(o.Logikai());
  EXPECT_FALSE(o.Logikai());
  EXPECT_FALSE(o.Logikai());
}

TEST(LineKinds, ListsAndGroupsAreReadFromTheWholeLine) {
  auto o = Olvaso("12,5\r\n1 - 2\r\n\r\n1/2/3\r\n, 5\r\n\r\n3/4, 1\r\n");
  EXPECT_EQ(o.Lista(), (TIdLista{12, 5}));
  EXPECT_EQ(o.Lista(), (TIdLista{1, 2}));
  EXPECT_EQ(o.Lista(), TIdLista{});
  EXPECT_EQ(o.Csoportok(), (TCsoportok{{1, 2, 3}}));
  EXPECT_EQ(o.Csoportok(), (TCsoportok{{5}}));
  EXPECT_EQ(o.Csoportok(), TCsoportok{});
  EXPECT_EQ(o.Csoportok(), (TCsoportok{{3, 4}, {1}}));
}

TEST(LineKinds, WritingUsesCrLfAndTheStoredForms) {
  TSorIro i;
  i.Egesz(-12);
  i.Logikai(true);
  i.Logikai(false);
  i.Szin(FeherSzin);
  i.Lista({2, 0, 7});
  i.Lista({0});
  i.Lista({});
  i.Csoportok({{3, 4}, {1}});
  i.Szoveg("  két szó  ");
  EXPECT_EQ(i.Tartalom(),
            "-12\r\n1\r\n0\r\n16777215\r\n2, 0, 7\r\n0\r\n\r\n3/4, 1\r\n  k\xE9t sz\xF3  \r\n");
}

TEST(LineKinds, TextIsStoredInWindows1250AndReadBackWhole) {
  TSorIro i;
  i.Szoveg("Árvíztűrő tükörfúrógép");
  i.Szoveg("日本");  // characters the code page lacks
  i.Szoveg("két\r\nsor");
  auto o = Olvaso(i.Tartalom());
  EXPECT_EQ(o.Szoveg(), "Árvíztűrő tükörfúrógép");
  EXPECT_EQ(o.Szoveg(), "??");
  EXPECT_EQ(o.Szoveg(), "két  sor");
  EXPECT_EQ(i.Tartalom().substr(0, 9), "\xC1rv\xEDzt\xFBr\xF5");
}

TEST(BinaryRecords, AreLittleEndianSigned32Bit) {
  std::string b;
  BinarisEgesz(b, 1);
  BinarisEgesz(b, -2);
  BinarisEgesz(b, 0x12345678);
  ASSERT_EQ(b, std::string("\x01\0\0\0\xFE\xFF\xFF\xFF\x78\x56\x34\x12", 12));
  b.push_back('\x01');  // a partial record is not a record
  TBinarisOlvaso o(b);
  EXPECT_EQ(o.Maradek(), 3);
  EXPECT_EQ(o.Kovetkezo(), 1);
  EXPECT_EQ(o.Kovetkezo(), -2);
  EXPECT_EQ(o.Kovetkezo(), 0x12345678);
  EXPECT_EQ(o.Maradek(), 0);
}

TEST(AtomicSave, ReplacesTheTargetAndLeavesNoTemporaryFile) {
  teszt::TIdeiglenes d;
  AtomiMentes(d / "a.txt", "regi");
  AtomiMentes(d / "a.txt", "uj");
  EXPECT_EQ(teszt::Beolvas(d / "a.txt"), "uj");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(d.Utvonal()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(AtomicSave, AFailedSaveNamesTheFileAndLeavesNoTemporaryFile) {
  teszt::TIdeiglenes d;
  AtomiMentes(d / "a.txt", "regi");
  // A target that cannot be replaced: the temporary file is cleaned away.
  std::filesystem::create_directory(d / "konyvtar");
  const std::string uzenet = Hibauzenet([&] { AtomiMentes(d / "konyvtar", "x"); });
  EXPECT_NE(uzenet.find((d / "konyvtar").string() + ": a fájl nem menthető"), std::string::npos)
      << uzenet;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(d.Utvonal()),
                          std::filesystem::directory_iterator()),
            2);
  EXPECT_NE(Hibauzenet([&] { AtomiMentes(d / "nincs" / "a.txt", "x"); }), "");
}

TEST(AtomicSave, AMissingFileCannotBeRead) {
  teszt::TIdeiglenes d;
  const std::string uzenet = Hibauzenet([&] { TSorOlvaso::Megnyitas(d / "nincs.okocfg"); });
  EXPECT_NE(uzenet.find("nincs.okocfg: a fájl nem nyitható meg"), std::string::npos) << uzenet;
}

TEST(FileNames, AnExtensionCountsOnlyWhenItEndsTheNameExactly) {
  EXPECT_EQ(FajFajlNev("allat/nyul", kAllatKiterjesztes), "allat/nyul.allat");
  EXPECT_EQ(FajFajlNev("allat/nyul.allat", kAllatKiterjesztes), "allat/nyul.allat");
  EXPECT_EQ(FajFajlNev("nyul.ALLAT", kAllatKiterjesztes), "nyul.ALLAT.allat");
  EXPECT_EQ(FajFajlNev("fu.allat", kNovenyKiterjesztes), "fu.allat.noveny");
  EXPECT_EQ(OkoCfgNev("tavasz"), "tavasz.okocfg");
  EXPECT_EQ(OkoCfgNev("tavasz.okocfg"), "tavasz.okocfg");
  EXPECT_EQ(OkoPillNev("tavasz.Okopill"), "tavasz.Okopill.okopill");
  EXPECT_TRUE(PontosKiterjesztes("a/b.okopill", kOkoPillKiterjesztes));
  EXPECT_FALSE(PontosKiterjesztes("a/b.OKOPILL", kOkoPillKiterjesztes));
  EXPECT_EQ(OkoDatNev("okopill/tavasz.okopill"), "tavasz.okodat");
  EXPECT_EQ(OkoDatNev("tavasz.pill"), "tavasz.pill.okodat");
}

}  // namespace
}  // namespace zelvaris
