// The number field: what typing, leaving and the arrows do to its value.
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "widgets/spin_mezo.h"

using zelvaris::TSpinMezo;

class SpinMezoTest : public QObject {
  Q_OBJECT

  static QLineEdit* Szerkeszto(TSpinMezo& m) { return m.findChild<QLineEdit*>(); }

  static void Gepel(TSpinMezo& m, const QString& szoveg) {
    Szerkeszto(m)->selectAll();
    if (szoveg.isEmpty())
      QTest::keyClick(Szerkeszto(m), Qt::Key_Backspace);
    else
      QTest::keyClicks(Szerkeszto(m), szoveg);
  }

 private slots:
  void GepelesEsKilepes_data() {
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<qint64>("gepelesKozben");
    QTest::addColumn<qint64>("kilepesUtan");
    QTest::addColumn<QString>("kilepesSzoveg");
    QTest::newRow("above the range") << "150" << qint64(150) << qint64(100) << "100";
    QTest::newRow("below the range") << "-5" << qint64(-5) << qint64(0) << "0";
    QTest::newRow("in range") << "42" << qint64(42) << qint64(42) << "42";
    QTest::newRow("plus sign") << "+7" << qint64(7) << qint64(7) << "7";
    QTest::newRow("sign only") << "-" << qint64(0) << qint64(0) << "0";
    QTest::newRow("decimal point is no number") << "1.5" << qint64(0) << qint64(0) << "0";
    QTest::newRow("beyond 64 bits saturates") << "99999999999999999999999" << qint64(9223372036854775807LL)
                                              << qint64(100) << "100";
    QTest::newRow("beyond 32 bits") << "3000000000" << qint64(3000000000LL) << qint64(100) << "100";
  }
  void GepelesEsKilepes() {
    QFETCH(QString, szoveg);
    QFETCH(qint64, gepelesKozben);
    QFETCH(qint64, kilepesUtan);
    QFETCH(QString, kilepesSzoveg);
    TSpinMezo m;
    m.SetTartomany(0, 100);
    m.SetErtek(50);
    m.show();
    m.setFocus();
    Gepel(m, szoveg);
    QCOMPARE(m.Ertek(), gepelesKozben);
    QSignalSpy valtozas(&m, &TSpinMezo::Valtozas);
    QSignalSpy kilepes(&m, &TSpinMezo::Kilepes);
    emit m.editingFinished();
    QCOMPARE(m.Ertek(), kilepesUtan);
    QCOMPARE(m.text(), kilepesSzoveg);
    QCOMPARE(kilepes.count(), 1);
    // The clamp on leaving tells the owner once; an in-range value needs no news.
    QCOMPARE(valtozas.count(), gepelesKozben == kilepesUtan ? 0 : 1);
  }

  void Ertelmezes_data() {
    QTest::addColumn<QString>("szoveg");
    QTest::addColumn<qint64>("ertek");
    QTest::newRow("digits") << "123" << qint64(123);
    QTest::newRow("negative") << "-123" << qint64(-123);
    QTest::newRow("not a number") << "abc" << qint64(-7);
    QTest::newRow("inner sign") << "1-2" << qint64(-7);
    QTest::newRow("most negative") << "-9223372036854775808" << qint64(std::numeric_limits<qint64>::min());
    QTest::newRow("below most negative") << "-99999999999999999999" << qint64(std::numeric_limits<qint64>::min());
  }
  void Ertelmezes() {
    QFETCH(QString, szoveg);
    QFETCH(qint64, ertek);
    QCOMPARE(TSpinMezo::Ertelmez(szoveg, -7), ertek);
  }

  void UresSzoveg() {
    TSpinMezo m;
    m.SetTartomany(0, 100);
    m.SetErtek(30);
    QSignalSpy valtozas(&m, &TSpinMezo::Valtozas);
    Szerkeszto(m)->clear();
    QCOMPARE(m.Ertek(), 30);
    QCOMPARE(valtozas.count(), 0);
    emit m.editingFinished();
    QVERIFY(m.Ures());

    m.SetVisszatoltes(true);
    emit m.editingFinished();
    QCOMPARE(m.text(), QStringLiteral("30"));
    QCOMPARE(valtozas.count(), 0);
  }

  void NemSzamBeirasAMinimum() {
    TSpinMezo m;
    m.SetTartomany(1, 100);
    m.SetErtek(50);
    QSignalSpy valtozas(&m, &TSpinMezo::Valtozas);
    Szerkeszto(m)->setText(QStringLiteral("1,2"));
    QCOMPARE(m.Ertek(), 1);
    QCOMPARE(valtozas.count(), 1);
    QCOMPARE(valtozas.at(0).at(0).value<int64_t>(), 1);
  }

  void TiltottBillentyu() {
    TSpinMezo m;
    m.show();
    m.setFocus();
    Szerkeszto(m)->clear();
    QTest::keyClicks(Szerkeszto(m), QStringLiteral("1a2"));
    QCOMPARE(m.text(), QStringLiteral("12"));
  }

  void NyilakAHatarokon() {
    TSpinMezo m;
    m.SetTartomany(0, 100);
    m.SetLepes(30);
    m.SetErtek(80);
    QSignalSpy valtozas(&m, &TSpinMezo::Valtozas);
    m.stepBy(1);
    QCOMPARE(m.Ertek(), 100);
    m.stepBy(1);
    QCOMPARE(m.Ertek(), 100);
    QCOMPARE(valtozas.count(), 1);
    m.stepBy(-10);
    QCOMPARE(m.Ertek(), 0);
    m.stepBy(-1);
    QCOMPARE(valtozas.count(), 2);

    // An out-of-range value typed in steps back into the range.
    Szerkeszto(m)->setText(QStringLiteral("500"));
    m.stepBy(-1);
    QCOMPARE(m.Ertek(), 100);
  }

  void FelLeBillentyu() {
    TSpinMezo m;
    m.SetTartomany(0, 10);
    m.SetErtek(5);
    m.show();
    m.setFocus();
    QTest::keyClick(&m, Qt::Key_Up);
    QCOMPARE(m.Ertek(), 6);
    QTest::keyClick(&m, Qt::Key_Down);
    QTest::keyClick(&m, Qt::Key_Down);
    QCOMPARE(m.Ertek(), 4);
  }

  // A wheel turned over a field the user scrolls past leaves its value alone
  // and goes on to the window that holds it, which scrolls; it takes no focus
  // either, so a later PageUp/PageDown cannot reach the field. With the focus
  // the wheel steps.
  void GorgoCsakFokusszal() {
    QWidget ablak;
    auto* m = new TSpinMezo(&ablak);
    m->SetTartomany(0, 1000);
    m->SetLepes(10);
    m->SetErtek(500);
    m->setGeometry(10, 40, 80, 22);
    auto* masik = new TSpinMezo(&ablak);
    masik->setGeometry(10, 5, 80, 22);
    ablak.show();
    QVERIFY(QTest::qWaitForWindowActive(&ablak));
    masik->setFocus();
    QTRY_VERIFY(masik->hasFocus());
    QSignalSpy valtozas(m, &TSpinMezo::Valtozas);
    const auto gorgetes = [m] {
      const QPointF hely(20, 10);
      QWheelEvent e(hely, m->mapToGlobal(hely), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
      QApplication::sendEvent(m, &e);
      return e.isAccepted();
    };
    QVERIFY(!gorgetes());
    QCOMPARE(m->Ertek(), 500);
    QCOMPARE(valtozas.count(), 0);
    QVERIFY(masik->hasFocus());

    m->setFocus();
    QTRY_VERIFY(m->hasFocus());
    QVERIFY(gorgetes());
    QCOMPARE(m->Ertek(), 490);
    QCOMPARE(valtozas.count(), 1);
  }

  void KodbolNincsJelzes() {
    TSpinMezo m;
    m.SetTartomany(0, 100);
    QSignalSpy valtozas(&m, &TSpinMezo::Valtozas);
    m.SetErtek(70);
    m.SetErtek(500);
    QCOMPARE(valtozas.count(), 0);
    // Shown as the nearest bound.
    QCOMPARE(m.Ertek(), 100);
    QCOMPARE(m.text(), QStringLiteral("100"));
  }
};

QTEST_MAIN(SpinMezoTest)
#include "spin_mezo_test.moc"
