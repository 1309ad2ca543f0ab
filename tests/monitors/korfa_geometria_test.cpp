// The age-pyramid geometry: used classes, bands and their class ranges, band
// counts, bar extents (corner pairs without their right and bottom edges),
// bands in view, and sizes past 32 bits.
#include <QTest>
#include <vector>

#include "monitors/korfa_geometria.h"

using namespace zelvaris;
using namespace zelvaris::korfa;

namespace {

// Counts given by hand: [sex][class].
struct TKezi {
  std::vector<int64_t> sorok[2];
  TKorfaSorok Sorok() const {
    const int64_t hossz = static_cast<int64_t>(std::max(sorok[0].size(), sorok[1].size()));
    TKorfaSorok k;
    k.Hossz = hossz;
    k.Ertek = [this](int nem, int64_t c) -> int64_t {
      const auto& s = sorok[nem];
      return c < static_cast<int64_t>(s.size()) ? s[static_cast<size_t>(c)] : 0;
    };
    return k;
  }
};

}  // namespace

Q_DECLARE_METATYPE(std::vector<int64_t>)

class KorfaGeometriaTeszt : public QObject {
  Q_OBJECT

 private slots:
  void savok_data() {
    QTest::addColumn<std::vector<int64_t>>("ferfiak");
    QTest::addColumn<std::vector<int64_t>>("nok");
    QTest::addColumn<int>("korbeosztas");
    QTest::addColumn<int64_t>("hasznalt");
    QTest::addColumn<std::vector<int64_t>>("ferfiSavok");
    QTest::addColumn<std::vector<int64_t>>("noiSavok");

    QTest::newRow("all zero") << std::vector<int64_t>{0, 0, 0} << std::vector<int64_t>{0, 0, 0} << 1 << int64_t{0}
                              << std::vector<int64_t>{} << std::vector<int64_t>{};
    QTest::newRow("no classes") << std::vector<int64_t>{} << std::vector<int64_t>{} << 3 << int64_t{0}
                                << std::vector<int64_t>{} << std::vector<int64_t>{};
    // Males aged 1, 1 and 3: classes 0 and 2.
    QTest::newRow("ages 1 1 3") << std::vector<int64_t>{2, 0, 1} << std::vector<int64_t>{} << 1 << int64_t{3}
                                << std::vector<int64_t>{2, 0, 1} << std::vector<int64_t>{0, 0, 0};
    QTest::newRow("trailing zeros") << std::vector<int64_t>{0, 4, 0, 0} << std::vector<int64_t>{1, 0, 0, 0, 0} << 1
                                    << int64_t{2} << std::vector<int64_t>{0, 4} << std::vector<int64_t>{1, 0};
    QTest::newRow("five per band, 12 classes")
        << std::vector<int64_t>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1} << std::vector<int64_t>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2}
        << 5 << int64_t{12} << std::vector<int64_t>{5, 5, 2} << std::vector<int64_t>{0, 0, 2};
    QTest::newRow("one band holds all") << std::vector<int64_t>{3, 0, 7} << std::vector<int64_t>{0, 9} << 2000000000
                                        << int64_t{3} << std::vector<int64_t>{10} << std::vector<int64_t>{9};
  }

  void savok() {
    QFETCH(std::vector<int64_t>, ferfiak);
    QFETCH(std::vector<int64_t>, nok);
    QFETCH(int, korbeosztas);
    QFETCH(int64_t, hasznalt);
    QFETCH(std::vector<int64_t>, ferfiSavok);
    QFETCH(std::vector<int64_t>, noiSavok);
    TKezi kezi{{ferfiak, nok}};
    const TKorfaSorok sorok = kezi.Sorok();
    QCOMPARE(HasznaltOsztalyok(sorok), hasznalt);
    const int64_t k = OsztalyokSavonkent(korbeosztas, 1);
    const int64_t n = SavSzam(hasznalt, k);
    QCOMPARE(n, static_cast<int64_t>(ferfiSavok.size()));
    for (int64_t b = 0; b < n; ++b) {
      QCOMPARE(SavOsszeg(sorok, 0, b, k), ferfiSavok[static_cast<size_t>(b)]);
      QCOMPARE(SavOsszeg(sorok, 1, b, k), noiSavok[static_cast<size_t>(b)]);
    }
  }

  void savOsztalyai() {
    const TOsztalyTartomany t = SavOsztalyai(2, OsztalyokSavonkent(5, 1));
    QCOMPARE(t.Elso, 10);
    QCOMPARE(t.Utolso, 14);
    QCOMPARE(SavSzam(12, 5), 3);
    QCOMPARE(SavSzam(10, 5), 2);
    // Past 2^24 classes a single-precision ceiling would lose a band.
    QCOMPARE(SavSzam((int64_t{1} << 24) + 1, 1), (int64_t{1} << 24) + 1);
    QCOMPARE(SavSzam((int64_t{1} << 25) + 1, 2), (int64_t{1} << 24) + 1);
    QCOMPARE(SavSzam(2147483647, 2000000000), 2);
  }

  void savHossz() {
    QCOMPARE(SavHosszPx(5, 3), 1);
    QCOMPARE(SavHosszPx(2, 3), 0);
    QCOMPARE(SavHosszPx(7, 1), 7);
  }

  void oszlopok() {
    // Image 101 x 31: centre column 50, bottom row B = 30; bands 10 px.
    const int64_t w = 101, h = 31;
    // Two males in band 0: the bar covers columns 49 and 50, rows 19..29.
    TTeglalap f = Lefedes(FerfiSav(w, h, 0, 10, 2));
    QCOMPARE(f.Bal, 49);
    QCOMPARE(f.Jobb, 51);
    QCOMPARE(f.Felso, 19);
    QCOMPARE(f.Also, 30);
    // One female in band 2: column 50, rows -1..9 (the top row lies above the image).
    TTeglalap n = Lefedes(NoiSav(w, h, 2, 10, 1));
    QCOMPARE(n.Bal, 50);
    QCOMPARE(n.Jobb, 51);
    QCOMPARE(n.Felso, -1);
    QCOMPARE(n.Also, 10);
    // A bar of length 0 covers nothing, on either side.
    QVERIFY(Lefedes(FerfiSav(w, h, 1, 10, 0)).Ures());
    QVERIFY(Lefedes(NoiSav(w, h, 1, 10, 0)).Ures());
  }

  void lathatoSavok() {
    // Every band whose bar reaches a row in view is among the bands in view.
    const int32_t s = 7;
    const int64_t savSzam = 9;
    const int64_t h = KepMagassag(savSzam, s);
    for (int64_t felso = -3; felso < h; felso += 5) {
      const int64_t also = felso + 11;
      const TSavTartomany t = LathatoSavok(h, s, savSzam, felso, also);
      for (int64_t b = 0; b < savSzam; ++b) {
        const TTeglalap r = Lefedes(NoiSav(100, h, b, s, 10));
        if (r.Felso < also && r.Also > felso) QVERIFY(b >= t.Elso && b <= t.Utolso);
      }
      QVERIFY(t.Utolso - t.Elso <= (also - felso) / s + 3);
    }
    QVERIFY(LathatoSavok(h, s, 0, 0, 100).Elso > LathatoSavok(h, s, 0, 0, 100).Utolso);
  }

  void harmincKetBitenTul() {
    // Two-billion-pixel bands: the height and the band rows stay exact.
    const int64_t savSzam = 3;
    const int32_t s = 2000000000;
    const int64_t h = KepMagassag(savSzam, s);
    QCOMPARE(h, int64_t{6000000001});
    const TTeglalap r = Lefedes(NoiSav(500, h, 2, s, 4));
    QCOMPARE(r.Felso, -1);
    QCOMPARE(r.Also, h - 1 - int64_t{2} * s);
    // The bottom 300 rows show band 0 (and band 1's edge at most).
    const TSavTartomany t = LathatoSavok(h, s, savSzam, h - 300, h);
    QCOMPARE(t.Elso, 0);
    QVERIFY(t.Utolso <= 1);
    QCOMPARE(KepMagassag(int64_t{1} << 31, s), (int64_t{1} << 31) * s + 1);
  }
};

QTEST_APPLESS_MAIN(KorfaGeometriaTeszt)
#include "korfa_geometria_test.moc"
