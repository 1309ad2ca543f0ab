// Running the world: Start/Stop, Tovább and its countdown, and what stops a
// run. Ticks are driven by hand, one Tikk per timer tick.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "monitors/form_oko.h"
#include "shell/form_kezelo.h"
#include "teszt_program.h"
#include "widgets/pnx_timer.h"
#include "widgets/spin_mezo.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

TForm_Kezelo& Kezelo(TTesztProgram& p) { return *p.Program().Ablakok().Kezelo; }

void Tikkek(TTesztProgram& p, int n) {
  for (int i = 0; i < n; ++i) Kezelo(p).Tikk();
}

void Beallitott(TTesztProgram& p) {
  p.UjOkoszisztema(60);
  p.Futtat("Act_Alkalmaz");
}

void Ennyit(TTesztProgram& p, int64_t n) {
  Kezelo(p).findChild<TSpinMezo*>("SpE_Ennyit")->SetErtek(n);
}

}  // namespace

class TFutasTeszt : public QObject {
  Q_OBJECT

 private slots:
  void StartEsStop() {
    TTesztProgram p;
    Beallitott(p);
    QAction* ss = p.Akcio("Act_StartStop");
    QCOMPARE(ss->text(), QStringLiteral("Start"));
    p.Futtat("Act_StartStop");
    QCOMPARE(ss->text(), QStringLiteral("Stop"));
    QVERIFY(Kezelo(p).Fut());
    QVERIFY(!p.Latszik("Act_Tovabb"));
    Tikkek(p, 5);
    QCOMPARE(p.Oko().Ido, 5);
    QCOMPARE(p.Program().Ablakok().Oko->findChild<QLineEdit*>("E_Ido")->text(), QStringLiteral("5"));
    QVERIFY(Kezelo(p).Fut());
    p.Futtat("Act_StartStop");
    QCOMPARE(ss->text(), QStringLiteral("Start"));
    QVERIFY(!Kezelo(p).Fut());
    QVERIFY(p.Latszik("Act_Tovabb"));
    QCOMPARE(Kezelo(p).Lepteto().HatralevoTikkek, -1);
  }

  void TovabbEgyLepes() {
    TTesztProgram p;
    Beallitott(p);
    p.Futtat("Act_Tovabb");
    QVERIFY(Kezelo(p).Fut());
    QVERIFY(!p.Latszik("Act_Tovabb"));
    Tikkek(p, 1);
    QCOMPARE(p.Oko().Ido, 1);
    QVERIFY(!Kezelo(p).Fut());
    QVERIFY(p.Latszik("Act_Tovabb"));
    QCOMPARE(p.Akcio("Act_StartStop")->text(), QStringLiteral("Start"));
  }

  // Stop during a Tovább run keeps the rest; Start runs only the rest.
  void MegszakitottTovabbFolytatasa() {
    TTesztProgram p;
    Beallitott(p);
    Ennyit(p, 100);
    p.Futtat("Act_Tovabb");
    Tikkek(p, 30);
    p.Futtat("Act_StartStop");
    QCOMPARE(Kezelo(p).Lepteto().HatralevoTikkek, 70);
    p.Futtat("Act_StartStop");
    Tikkek(p, 69);
    QVERIFY(Kezelo(p).Fut());
    Tikkek(p, 1);
    QVERIFY(!Kezelo(p).Fut());
    QCOMPARE(p.Oko().Ido, 100);
  }

  // The remaining count also survives Alkalmaz and a new ecosystem.
  void HatralevoTikkekMegmaradnak() {
    TTesztProgram p;
    Beallitott(p);
    Ennyit(p, 10);
    p.Futtat("Act_Tovabb");
    Tikkek(p, 4);
    p.Futtat("Act_Alkalmaz");
    QVERIFY(!Kezelo(p).Fut());
    QCOMPARE(p.Akcio("Act_StartStop")->text(), QStringLiteral("Start"));
    QCOMPARE(Kezelo(p).Lepteto().HatralevoTikkek, 6);
    p.UjOkoszisztema(70);
    QCOMPARE(Kezelo(p).Lepteto().HatralevoTikkek, 6);
    p.Futtat("Act_Alkalmaz");
    p.Futtat("Act_StartStop");
    Tikkek(p, 6);
    QVERIFY(!Kezelo(p).Fut());
    QCOMPARE(p.Oko().Ido, 6);
  }

  void AlkalmazMegallitja() {
    TTesztProgram p;
    Beallitott(p);
    p.Futtat("Act_StartStop");
    Tikkek(p, 3);
    p.Futtat("Act_Alkalmaz");
    QVERIFY(!Kezelo(p).Fut());
    QCOMPARE(p.Akcio("Act_StartStop")->text(), QStringLiteral("Start"));
    QVERIFY(p.Latszik("Act_Tovabb"));
    // Time and history are kept by Alkalmaz.
    QCOMPARE(p.Oko().Ido, 3);
  }

  void UjOkoszisztemaMegallitja() {
    TTesztProgram p;
    Beallitott(p);
    p.Futtat("Act_StartStop");
    Tikkek(p, 2);
    p.UjOkoszisztema(90);
    QVERIFY(!Kezelo(p).Fut());
    QCOMPARE(p.Akcio("Act_StartStop")->text(), QStringLiteral("Start"));
    QCOMPARE(p.Program().Ablakok().Oko->findChild<QLineEdit*>("E_Ido")->text(), QStringLiteral("0"));
  }

  // The field may still hold what the user typed beyond its bounds.
  void EnnyitKorlatai() {
    TTesztProgram p;
    Beallitott(p);
    Ennyit(p, 0);
    QCOMPARE(Kezelo(p).Ennyit(), 1);
    auto* mezo = Kezelo(p).findChild<TSpinMezo*>("SpE_Ennyit");
    QCOMPARE(mezo->Minimum(), 1);
    QCOMPARE(mezo->Maximum(), 10000);
    QCOMPARE(mezo->Lepes(), 20);
  }

  void RajzolhatKapcsolo() {
    TTesztProgram p;
    Beallitott(p);
    auto* doboz = Kezelo(p).findChild<QCheckBox*>("ChB_Rajzolhat");
    QVERIFY(doboz->isEnabled());
    QVERIFY(doboz->isChecked());
    doboz->click();
    QVERIFY(!p.Akcio("Act_Rajzolhat")->isChecked());
    QVERIFY(!p.Oko().Rajzolhat());
    doboz->click();
    QVERIFY(p.Oko().Rajzolhat());
    // A build switches drawing on, and the box shows it.
    doboz->click();
    p.Futtat("Act_Alkalmaz");
    QVERIFY(p.Oko().Rajzolhat());
    QVERIFY(doboz->isChecked());
    QVERIFY(p.Akcio("Act_Rajzolhat")->isChecked());
  }

  void KezeloAblak() {
    TTesztProgram p;
    TForm_Kezelo& k = Kezelo(p);
    QCOMPARE(k.windowTitle(), QStringLiteral("Kezelő"));
    QCOMPARE(k.findChild<QLabel*>("Lbl_Version")->text(), QStringLiteral("Zelvaris v4.7"));
    QCOMPARE(k.Timer().Max(), 15);
    QVERIFY(!k.Fut());
    QCOMPARE(k.Timer().Caption(), QStringLiteral("Lassító"));
  }
};

QTEST_MAIN(TFutasTeszt)
#include "futas_test.moc"
