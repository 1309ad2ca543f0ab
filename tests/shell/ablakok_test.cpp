// The windows around the main window: every fixed and on-demand window is
// owned by it, so the window manager keeps them above it, and they still
// close, come back and go with their lists; before the world is built the
// information window says how to build it.

#include <QLabel>
#include <QWindow>

#include "editors/form_allat_teljes.h"
#include "monitors/form_kijelzes.h"
#include "monitors/form_ngy.h"
#include "monitors/form_oko.h"
#include "monitors/form_permetek.h"
#include "monitors/form_tkp.h"
#include "net/form_bejelentkezesek.h"
#include "shell/form_kezelo.h"
#include "teszt_program.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

class TAblakokTeszt : public QObject {
  Q_OBJECT

 private slots:
  void AFoablakFelettAllnak() {
    TTesztProgram p;
    p.UjOkoszisztema(60);
    p.Oko().UjNovenyFaj("fű");
    p.Oko().UjAllatFaj("nyúl");
    p.Fo().AblakokFrissitese();
    p.Futtat("Act_Alkalmaz");
    for (const char* a : {"Act_UjGrafikonAblak", "Act_UjKorfaAblak", "Act_UjAllatfajAblak", "Act_UjNovenyfajAblak",
                          "Act_KijelzotElorehoz", "Act_PermetetElorehoz"}) {
      p.Futtat(a);
    }
    const TForm_Fo::TAblakok& fix = p.Program().Ablakok();
    fix.AllatTeljes->show();
    fix.Jelentkezesek->show();
    TForm_Fo& fo = p.Fo();
    QList<QWidget*> ablakok = {fix.Kezelo, fix.Oko,  fix.AllatTeljes, fix.Permetek,
                               fix.Kijelzes, fix.Tkp, fix.Ngy, fix.Jelentkezesek,
                               &fo.GrafikonFormLista().AblakAt(0), &fo.KorfaFormLista().AblakAt(0),
                               &fo.AllatFormLista().AblakAt(0), &fo.NovenyFormLista().AblakAt(0)};
    for (QWidget* w : ablakok) {
      // The kind of window whose owner X11 tells the window manager.
      QVERIFY2(w->windowType() == Qt::Tool && w->isVisible(), qPrintable(w->objectName()));
      QVERIFY2(w->windowHandle() != nullptr && w->windowHandle()->transientParent() == fo.windowHandle(),
               qPrintable(w->objectName()));
    }
    // Closing only hides; "Előrehoz" and the lists bring them back.
    QWidget& grafikon = fo.GrafikonFormLista().AblakAt(0);
    p.Futtat("Act_OsszesGrafikonAblakotBezar");
    QVERIFY(!grafikon.isVisible());
    p.Futtat("Act_GrafikonokatElorehoz");
    QVERIFY(grafikon.isVisible());
    fix.Tkp->close();
    p.Futtat("Act_TerkepetElorehoz");
    QVERIFY(fix.Tkp->isVisible());
    // A window minimised on its own has no task-bar entry: "Előrehoz" restores it.
    fix.Kezelo->showMinimized();
    grafikon.showMinimized();
    p.Futtat("Act_KezelotElorehoz");
    p.Futtat("Act_GrafikonokatElorehoz");
    QVERIFY(!fix.Kezelo->isMinimized() && !grafikon.isMinimized());
    // A new world destroys the on-demand windows; the fixed ones stay.
    p.UjOkoszisztema(80);
    QCOMPARE(fo.GrafikonFormLista().Darab(), 0);
    QCOMPARE(fix.Kezelo->parentWidget(), &fo);
  }

  void TippAmigNincsRacs() {
    TTesztProgram p;
    p.UjOkoszisztema(60);
    auto* tipp = p.Program().Ablakok().Oko->findChild<QLabel*>("Lbl_AlkalmazTipp");
    QVERIFY(p.Program().Ablakok().Oko->isVisible());
    QVERIFY(tipp->isVisible());
    QCOMPARE(tipp->text(), QStringLiteral("Nyomja meg az Alkalmaz gombot a világ felépítéséhez."));
    p.Futtat("Act_Alkalmaz");
    QVERIFY(!tipp->isVisible());
    p.UjOkoszisztema(70);
    QVERIFY(tipp->isVisible());
  }
};

QTEST_MAIN(TAblakokTeszt)
#include "ablakok_test.moc"
