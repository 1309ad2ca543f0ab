// The chart's geometry and number texts, checked without any window.
#include <QTest>
#include <limits>

#include "widgets/grafikon_geometria.h"
#include "widgets/szam_szoveg.h"

using namespace zelvaris;
using namespace zelvaris::grafikon;

class GrafikonGeometriaTest : public QObject {
  Q_OBJECT

 private slots:
  void Csuszas_data() {
    QTest::addColumn<int>("rajzSzelesseg");
    QTest::addColumn<int>("csusztatas");
    QTest::addColumn<qint64>("hossz");
    QTest::addColumn<qint64>("kezdet");
    QTest::addColumn<qint64>("ujKezdet");
    QTest::newRow("426th point, slide 1") << 426 << 1 << qint64(426) << qint64(0) << qint64(1);
    QTest::newRow("426th point, slide 200") << 426 << 200 << qint64(426) << qint64(0) << qint64(200);
    QTest::newRow("not yet full") << 426 << 200 << qint64(425) << qint64(0) << qint64(0);
    QTest::newRow("full again after a slide") << 426 << 200 << qint64(626) << qint64(200) << qint64(400);
    QTest::newRow("narrow plot keeps the newest point") << 50 << 200 << qint64(50) << qint64(0) << qint64(49);
    QTest::newRow("far behind catches up") << 426 << 1 << qint64(5000) << qint64(0) << qint64(4575);
  }
  void Csuszas() {
    QFETCH(int, rajzSzelesseg);
    QFETCH(int, csusztatas);
    QFETCH(qint64, hossz);
    QFETCH(qint64, kezdet);
    QFETCH(qint64, ujKezdet);
    const int64_t k = KezdetLeptetesUtan(hossz, kezdet, rajzSzelesseg, csusztatas);
    QCOMPARE(k, ujKezdet);
    // The newest point is on screen after every slide.
    QVERIFY(hossz - 1 >= k);
    QVERIFY(hossz - 1 < k + rajzSzelesseg);
  }

  void Igazitas() {
    QCOMPARE(Igazit(true, 1000, 0, 426, 0), 575);
    QCOMPARE(Igazit(true, 400, 0, 426, 0), 0);
    QCOMPARE(Igazit(false, 1000, 600, 426, 30), 30);
    QCOMPARE(Igazit(false, 10, 0, 426, 30), 10);
  }

  void IdoJelekKezdet250() {
    const auto jelek = IdoJelek(250, 426);
    QVERIFY(jelek.size() >= 2);
    QCOMPARE(jelek[0].x, X0 + 50);
    QCOMPARE(jelek[0].index, 300);
    QCOMPARE(jelek[1].x, X0 + 150);
    QCOMPARE(jelek[1].index, 400);
    // The loop ends at the plot area's right edge.
    QCOMPARE(jelek.back().x, X0 + 350);
    QCOMPARE(IdoJelek(0, 100).size(), size_t{1});
    QCOMPARE(IdoJelek(0, 99).size(), size_t{0});
  }

  void ErtekJelekSzama() {
    // 245 high, live margin: (245 - 25 - 15) div 50 = 4, so b = 0..4.
    const auto jelek = ErtekJelek(245, 25, 50);
    QCOMPARE(jelek.size(), size_t{5});
    QCOMPARE(jelek.front().y, 220);
    QCOMPARE(jelek.back().y, 20);
    QVERIFY(ErtekJelek(245, 25, 0).empty());
    QVERIFY(ErtekJelek(245, 25, -3).empty());
    QCOMPARE(ErtekJelek(30, 25, 50).size(), size_t{1});
    QVERIFY(ErtekJelek(0, 38, 50).empty());
  }

  void ErtekPixel_data() {
    QTest::addColumn<double>("ertek");
    QTest::addColumn<double>("osztas");
    QTest::addColumn<int>("y");
    QTest::newRow("zero on the axis") << 0.0 << 1.0 << 200;
    QTest::newRow("positive above") << 50.0 << 1.0 << 150;
    QTest::newRow("negative below") << -20.0 << 1.0 << 220;
    QTest::newRow("half rounds to even, down") << 2.5 << 1.0 << 198;
    QTest::newRow("half rounds to even, up") << 3.5 << 1.0 << 196;
    QTest::newRow("scaled") << 100.0 << 0.5 << 0;
    // 2e9 / 24^-24 is about 2e42: clamped a million pixels above the image.
    QTest::newRow("huge with the smallest scale") << 2e9 << 1.0 / 1.3337357768502056e33 << -1000000;
    QTest::newRow("huge negative") << -2e9 << 1e-30 << 250 + 1000000;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 1.0 << 200;
  }
  void ErtekPixel() {
    QFETCH(double, ertek);
    QFETCH(double, osztas);
    QFETCH(int, y);
    QCOMPARE(ErtekY(ertek, osztas, 200, 250), y);
  }

  void RajzVegHatarai() {
    QCOMPARE(RajzVeg(1000, 0, 426), 426);
    QCOMPARE(RajzVeg(100, 0, 426), 100);
  }

  void Szovegek_data() {
    QTest::addColumn<double>("ertek");
    QTest::addColumn<int>("tizedes");
    QTest::addColumn<QString>("szoveg");
    QTest::newRow("tick 0 at 2 decimals") << 0.0 << 2 << "0.00";
    QTest::newRow("tick 1 with scale 0.5") << 50 * 0.5 << 2 << "25.00";
    QTest::newRow("tick 2 with scale 0.5") << 100 * 0.5 << 2 << "50.00";
    QTest::newRow("no decimals, no point") << 1234567.0 << 0 << "1234567";
    QTest::newRow("exact half to even, down") << 0.125 << 2 << "0.12";
    QTest::newRow("exact half to even, up") << 0.375 << 2 << "0.38";
    QTest::newRow("2.5 to even") << 2.5 << 0 << "2";
    QTest::newRow("negative") << -1.5 << 1 << "-1.5";
    QTest::newRow("no negative zero") << -0.001 << 1 << "0.0";
    QTest::newRow("many decimals") << 1.0 / 1024 << 15 << "0.000976562500000";
    QTest::newRow("huge") << 1e20 << 0 << "100000000000000000000";
    QTest::newRow("decimals capped at 15") << 1.0 << 40 << "1.000000000000000";
  }
  void Szovegek() {
    QFETCH(double, ertek);
    QFETCH(int, tizedes);
    QFETCH(QString, szoveg);
    QCOMPARE(TizedesSzoveg(ertek, tizedes), szoveg);
  }
};

QTEST_MAIN(GrafikonGeometriaTest)
#include "grafikon_geometria_test.moc"
