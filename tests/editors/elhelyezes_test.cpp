// Editors opened in a row stay on the screen under the program's placement
// rule.

#include <QtTest>

#include "shell/elhelyezes.h"
#include "szerkeszto_teszt.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

class TElhelyezesTeszt : public QObject {
  Q_OBJECT

 private slots:
  void HetSzerkesztoAKepernyon() {
    const QRect kepernyo(0, 0, 1920, 1080);
    for (TFajFajta fajta : {TFajFajta::Allat, TFajFajta::Noveny}) {
      TKornyezet k;
      TFajFormLista& lista = fajta == TFajFajta::Allat ? static_cast<TFajFormLista&>(k.Allatok)
                                                      : k.Novenyek;
      lista.SetElhelyezo([&kepernyo](const QRect& elozo, const QSize& meret) {
        return JobbraMellette(elozo, meret, kepernyo, 24);
      });
      k.Oko().UjAllatFaj("a");
      k.Oko().UjNovenyFaj("n");
      for (int i = 0; i < 7; ++i) {
        const QRect hely = lista.UjAblak(0).frameGeometry();
        QVERIFY2(kepernyo.contains(hely), qPrintable(QStringLiteral("%1. ablak").arg(i + 1)));
      }
    }
  }
};

QTEST_MAIN(TElhelyezesTeszt)
#include "elhelyezes_test.moc"
