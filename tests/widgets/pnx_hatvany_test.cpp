// The power input: arrows, bounds and the value.
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "widgets/pnx_hatvany.h"

using zelvaris::HatvanyErtek;
using zelvaris::TPnx_Hatvany;

class PnxHatvanyTest : public QObject {
  Q_OBJECT

 private slots:
  void Kezdetben() {
    TPnx_Hatvany h;
    QCOMPARE(h.Felirat(), QStringLiteral("2^0"));
    QCOMPARE(h.Ertek(), 1.0);
  }

  void KitevoLeHaromszor() {
    TPnx_Hatvany h;
    QSignalSpy valtozas(&h, &TPnx_Hatvany::Valtozas);
    h.KitevoLe();
    h.KitevoLe();
    h.KitevoLe();
    QCOMPARE(h.Felirat(), QStringLiteral("2^-3"));
    QCOMPARE(h.Ertek(), 0.125);
    QCOMPARE(valtozas.count(), 3);
  }

  void HataronIsJelez() {
    TPnx_Hatvany h;
    h.SetAlap(24);
    QSignalSpy valtozas(&h, &TPnx_Hatvany::Valtozas);
    h.AlapFel();
    QCOMPARE(h.Alap(), 24);
    QCOMPARE(valtozas.count(), 1);
  }

  void HatarokSzoritanak() {
    TPnx_Hatvany h;
    h.SetAlap(16);
    h.SetMaxAlap(10);
    QCOMPARE(h.Alap(), 10);
    QCOMPARE(h.Ertek(), 1.0);  // 10^0
    h.SetKitevo(2);
    QCOMPARE(h.Ertek(), 100.0);
    h.SetAlap(99);
    QCOMPARE(h.Alap(), 10);
    // Bounds stay ordered: moving one past the other drags it along.
    h.SetMinAlap(12);
    QCOMPARE(h.MaxAlap(), 12);
    QCOMPARE(h.Alap(), 12);
    h.SetMaxKitevo(-30);
    QCOMPARE(h.MinKitevo(), -30);
    QCOMPARE(h.Kitevo(), -30);
    h.SetMinAlap(0);
    QCOMPARE(h.MinAlap(), 1);
  }

  void Szelsoertekek() {
    TPnx_Hatvany h;
    h.SetAlap(24);
    h.SetKitevo(-24);
    QVERIFY(h.Ertek() > 0.0);
    h.SetKitevo(24);
    QVERIFY(std::isfinite(h.Ertek()));
    // Repeated multiplication in a fixed order, not pow: the last bits show in
    // labels with many decimals.
    QCOMPARE(HatvanyErtek(24, 24), [] {
      double r = 1.0;
      for (int i = 0; i < 24; ++i) r *= 24.0;
      return r;
    }());
    QCOMPARE(HatvanyErtek(10, -1), 1.0 / 10.0);
    // The loop gives up once the value is gone.
    QCOMPARE(HatvanyErtek(2, 5000), HUGE_VAL);
    QCOMPARE(HatvanyErtek(2, std::numeric_limits<int>::min()), 0.0);
  }

  void BillentyukEsGorgo() {
    TPnx_Hatvany h;
    h.show();
    h.setFocus();
    QTest::mouseClick(&h, Qt::LeftButton, {}, QPoint(h.width() - 30, 10));
    QTest::keyClick(&h, Qt::Key_Up);
    QCOMPARE(h.Kitevo(), 1);
    QTest::keyClick(&h, Qt::Key_Left);
    QTest::keyClick(&h, Qt::Key_Up);
    QCOMPARE(h.Alap(), 3);
    QWheelEvent gorgetes(QPointF(h.width() - 25, 10), h.mapToGlobal(QPointF(h.width() - 25, 10)), QPoint(),
                         QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&h, &gorgetes);
    QCOMPARE(h.Kitevo(), 0);
  }
};

QTEST_MAIN(PnxHatvanyTest)
#include "pnx_hatvany_test.moc"
