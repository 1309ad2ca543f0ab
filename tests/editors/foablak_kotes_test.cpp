// The editor lists as the main window drives them: the new-editor actions,
// show all and close all, registrations reaching the seed-point dialog, a
// language change and a new ecosystem.

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>
#include <fstream>

#include "../shell/teszt_program.h"
#include "editors/faj_szerkeszto.h"
#include "monitors/form_goc.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

class TFoablakKotesTeszt : public QObject {
  Q_OBJECT

 private slots:
  void Akciok() {
    TTesztProgram p;
    p.UjOkoszisztema(100);
    // Without a species the action opens nothing.
    p.Futtat("Act_UjAllatfajAblak");
    QCOMPARE(p.Fo().AllatFormLista().Darab(), 0);

    p.Oko().UjAllatFaj("Nyúl");
    p.Oko().UjAllatFaj("Róka");
    p.Oko().UjNovenyFaj("Fű");
    p.Fo().AblakokFrissitese();
    auto* gocAllatok = p.Program().Ablakok().Goc->findChild<QComboBox*>(QStringLiteral("CmB_Allat"));
    QCOMPARE(gocAllatok->count(), 2);

    p.Futtat("Act_UjAllatfajAblak");
    p.Futtat("Act_UjNovenyfajAblak");
    QCOMPARE(p.Fo().AllatFormLista().Darab(), 1);
    QCOMPARE(p.Fo().AllatFormLista().Szerkeszto(0).FajIndex(), 1);
    QCOMPARE(p.Fo().NovenyFormLista().Szerkeszto(0).FajIndex(), 0);

    // A rename in the editor reaches the seed-point dialog by Id.
    TFajSzerkeszto& w = p.Fo().AllatFormLista().Szerkeszto(0);
    QTest::keyClicks(w.findChild<QLineEdit*>(QStringLiteral("E_Nev")), QStringLiteral("2"));
    QCOMPARE(gocAllatok->itemText(1), QStringLiteral("Róka2 (1)"));

    p.Futtat("Act_OsszesAllatfajAblakotBezar");
    QVERIFY(!w.isVisible());
    p.Futtat("Act_AllatokatElorehoz");
    QVERIFY(w.isVisible());

    std::filesystem::create_directories(p.Konyvtar() / "languages");
    std::ofstream(p.Konyvtar() / "languages" / "en.lng") << "[PLANT FORM]\ncnForm_Noveny=Plant\n";
    p.Kornyezet().Nyelv().NyelvBetoltese("en.lng");
    QCOMPARE(p.Fo().NovenyFormLista().Szerkeszto(0).windowTitle(), QStringLiteral("Plant"));

    p.UjOkoszisztema(100);
    QCOMPARE(p.Fo().AllatFormLista().Darab(), 0);
    QCOMPARE(p.Fo().NovenyFormLista().Darab(), 0);
    QCOMPARE(gocAllatok->count(), 0);
  }
};

QTEST_MAIN(TFoablakKotesTeszt)
#include "foablak_kotes_test.moc"
