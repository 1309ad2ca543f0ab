// The slowable timer: track bar, typed intervals and switching it off and on.
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include "widgets/pnx_timer.h"
#include "widgets/spin_mezo.h"

using zelvaris::TPnx_Timer;

class PnxTimerTest : public QObject {
  Q_OBJECT

 private slots:
  void CsuszkaPoziciok_data() {
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("pozicio");
    QTest::addColumn<int>("intervallum");
    QTest::newRow("fastest") << 12 << 0 << 1;
    QTest::newRow("slowest of 15") << 15 << 15 << 32768;
    QTest::newRow("position 10") << 12 << 10 << 1024;
    QTest::newRow("the limit 30") << 40 << 30 << 1073741824;
  }
  void CsuszkaPoziciok() {
    QFETCH(int, max);
    QFETCH(int, pozicio);
    QFETCH(int, intervallum);
    TPnx_Timer t;
    t.SetMax(max);
    t.SetPozicio(1);
    t.SetPozicio(pozicio);
    QCOMPARE(t.Intervallum(), intervallum);
    QCOMPARE(t.Mezo()->Ertek(), intervallum);
  }

  void GepeltIntervallum() {
    TPnx_Timer t;
    t.SetPozicio(10);
    auto* mezo = t.Mezo()->findChild<QLineEdit*>();
    mezo->setText(QStringLiteral("300"));
    QCOMPARE(t.Intervallum(), 300);
    QCOMPARE(t.Pozicio(), 10);
    // Empty text leaves the interval alone; zero or less never reaches the timer.
    mezo->clear();
    QCOMPARE(t.Intervallum(), 300);
    mezo->setText(QStringLiteral("0"));
    QCOMPARE(t.Intervallum(), 1);
    mezo->setText(QStringLiteral("x"));
    QCOMPARE(t.Intervallum(), 1);
    mezo->setText(QStringLiteral("5000000000"));
    QCOMPARE(t.Intervallum(), 2000000000);
  }

  void KiBeKapcsolas() {
    TPnx_Timer t;
    QVERIFY(t.Fut());
    t.SetPozicio(3);
    t.SetTimerEnabled(false);
    QVERIFY(!t.Fut());
    QCOMPARE(t.Intervallum(), 8);
    t.SetTimerEnabled(true);
    QVERIFY(t.Fut());
    QCOMPARE(t.Intervallum(), 8);
  }

  void Utesek() {
    TPnx_Timer t;
    QSignalSpy utes(&t, &TPnx_Timer::Timer);
    QVERIFY(utes.wait(500));
  }

  // At its minimum width the field shows the slowest interval of the bar whole.
  void LeglassabbIntervallumLatszik() {
    TPnx_Timer t;
    t.SetMax(15);
    t.resize(t.minimumSizeHint().width(), 160);
    t.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t));
    t.SetPozicio(15);
    auto* mezo = t.Mezo()->findChild<QLineEdit*>();
    QCOMPARE(mezo->text(), QStringLiteral("32768"));
    // The line edit's own margins and the cursor take 5 pixels.
    QVERIFY(mezo->fontMetrics().horizontalAdvance(mezo->text()) + 5 <= mezo->width());
  }

  void Felirat() {
    TPnx_Timer t;
    QCOMPARE(t.Caption(), QStringLiteral("Pnx_Timer"));
    t.SetCaption(QStringLiteral("Lassító"));
    QCOMPARE(t.Caption(), QStringLiteral("Lassító"));
    QCOMPARE(t.Max(), 12);
  }
};

QTEST_MAIN(PnxTimerTest)
#include "pnx_timer_test.moc"
