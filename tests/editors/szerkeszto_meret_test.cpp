// The editors at their created size, in the built-in texts and in English:
// every box at its designed height, nothing to scroll, no field or label cut
// and no toolbar button pushed behind an overflow. The grabs land in the
// test folder of the build.

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "editors/csukhato_doboz.h"
#include "editors/faj_szerkeszto.h"
#include "tests/editors/szerkeszto_teszt.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

class SzerkesztoMeretTeszt : public QObject {
  Q_OBJECT

 private:
  static void Ellenorzes(TFajSzerkeszto& w, const QString& nev) {
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.width() >= 209);
    QVERIFY(w.grab().save(QStringLiteral(ZELVARIS_TEST_OUTPUT_DIR "/szerkeszto_%1.png").arg(nev)));

    const TSzerkesztoLeiras& l = w.Leiras();
    for (const TDobozLeiras& d : l.Dobozok) {
      auto* doboz = Mezo<TCsukhatoDoboz>(w, d.Nev);
      // The designed height, or more where the font's rows need it, never
      // what stacking the rows would give.
      QVERIFY2(doboz->height() >= (d.Nyitva ? d.NyitottMagassag : d.CsukottMagassag), d.Nev);
      if (doboz->Nyitva()) {
        const QRect t = doboz->Tartalom()->geometry();
        QVERIFY2(t.bottom() < doboz->height(), d.Nev);
        QVERIFY2(doboz->height() < d.NyitottMagassag + 48, d.Nev);
      }
    }
    auto* gorgeto = w.findChild<QScrollArea*>();
    QCOMPARE(gorgeto->verticalScrollBar()->maximum(), 0);
    QCOMPARE(gorgeto->horizontalScrollBar()->maximum(), 0);
    for (QLabel* c : w.findChildren<QLabel*>()) {
      if (c->isVisible()) QVERIFY2(c->width() >= c->sizeHint().width(), qPrintable(c->text()));
    }
    for (QAbstractButton* c : w.findChildren<QAbstractButton*>()) {
      if (c->isVisible() && !c->text().isEmpty()) {
        QVERIFY2(c->width() >= c->sizeHint().width(), qPrintable(c->text()));
      }
    }
    for (QLineEdit* c : w.findChildren<QLineEdit*>()) {
      if (c->isVisible()) QVERIFY2(c->width() >= c->minimumSizeHint().width(), qPrintable(c->objectName()));
    }
    for (QToolBar* sav : w.findChildren<QToolBar*>()) {
      for (QAction* a : sav->actions()) {
        QWidget* gomb = sav->widgetForAction(a);
        QVERIFY2(gomb != nullptr && gomb->isVisible(), qPrintable(a->objectName()));
      }
    }
  }

 private slots:
  void MindketNyelvenKivagasNelkul() {
    for (const bool angol : {false, true}) {
      TKornyezet k;
      if (angol) {
        std::filesystem::create_directories(k.Ut("languages"));
        std::filesystem::copy_file(std::filesystem::path(ZELVARIS_SOURCE_DIR) / "data/languages/English.lng",
                                   k.Ut("languages") / "English.lng");
        k.K.Nyelv().NyelvBetoltese("English.lng");
      }
      k.Oko().UjAllatFaj("farkas");
      k.Oko().UjNovenyFaj("fű");
      const QString nyelv = angol ? QStringLiteral("en") : QStringLiteral("hu");
      Ellenorzes(k.Allatok.UjAblak(0), QStringLiteral("allat_") + nyelv);
      Ellenorzes(k.Novenyek.UjAblak(0), QStringLiteral("noveny_") + nyelv);
    }
  }

  // A click anywhere on an open box that no field takes folds it, and a
  // click on the folded box opens it again; the fixed box does not react.
  void KattintasBarholCsuk() {
    TKornyezet k;
    k.Oko().UjAllatFaj("a");
    TFajSzerkeszto& w = k.Allatok.UjAblak(0);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* elet = Mezo<TCsukhatoDoboz>(w, "GB_EletSzap");
    const QPoint jobbAlso(elet->width() - 2, elet->height() - 3);
    QTest::mouseClick(elet, Qt::LeftButton, {}, jobbAlso);
    QVERIFY(elet->height() >= 135 && elet->height() < 161);
    QVERIFY(elet->title().endsWith(QStringLiteral("(+)")));
    // Folded to 135, its first rows still show.
    QVERIFY(elet->Tartalom()->isVisible());
    QTest::mouseClick(elet, Qt::LeftButton, {}, QPoint(elet->width() / 2, 40));
    QVERIFY(elet->height() >= 161);
    auto* kijelzes = Mezo<TCsukhatoDoboz>(w, "GB_Kijelzes");
    const int magassag = kijelzes->height();
    QTest::mouseClick(kijelzes, Qt::LeftButton, {}, QPoint(kijelzes->width() - 2, kijelzes->height() / 2));
    QCOMPARE(kijelzes->height(), magassag);
  }
};

QTEST_MAIN(SzerkesztoMeretTeszt)
#include "szerkeszto_meret_test.moc"
