// The sprays window: growth per species bounded by the screen, "Mindegyikre"
// on one list only, the guard, the kept height after a clear, renames on
// both pages and the buttons bound to the spray actions.
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "monitors/form_permetek.h"
#include "tests/teszt_modalis.h"

using namespace zelvaris;

namespace {

struct TVilag {
  teszt::TValaszoloModalis modalis;
  TAlkalmazasKornyezet k{ZELVARIS_SOURCE_DIR, &modalis};
  QAction deg{QStringLiteral("Degradábilis permetezés")};
  QAction per{QStringLiteral("Perzisztens permetezés")};
  TForm_Permetek ablak{k, &deg, &per};

  // A fresh ecosystem with `novenyek` plants and `allatok` animals, registered.
  void Uj(int novenyek, int allatok) {
    auto oko = k.UjOkoszisztema();
    for (int i = 0; i < novenyek; ++i) oko->UjNovenyFaj("n");
    for (int i = 0; i < allatok; ++i) oko->UjAllatFaj("a");
    k.OkoszisztemaCsere(std::move(oko));
    ablak.Torles();
    for (int i = 0; i < novenyek; ++i) ablak.NovenyHozzaad(i);
    for (int i = 0; i < allatok; ++i) ablak.AllatHozzaad(i);
  }
  TOkoszisztema& Oko() { return k.Okoszisztema(); }
};

}  // namespace

class PermetAblakTeszt : public QObject {
  Q_OBJECT

 private slots:
  void GrowsOneRowPerSpecies() {
    TVilag v;
    const int kezdo = v.ablak.height();
    v.Uj(3, 2);
    QCOMPARE(v.ablak.height(), kezdo + 65);
    QCOMPARE(v.ablak.Lista(false, TFajJelzo::DegHatas).Lista().count(), 3);
    QCOMPARE(v.ablak.Lista(false, TFajJelzo::PerHatas).Lista().count(), 3);
    QCOMPARE(v.ablak.Lista(true, TFajJelzo::PerHatas).Lista().count(), 2);
    // A clear keeps the height.
    v.ablak.Torles();
    QCOMPARE(v.ablak.height(), kezdo + 65);
    QCOMPARE(v.ablak.Lista(true, TFajJelzo::DegHatas).Lista().count(), 0);
  }

  void ReloadsDoNotAddUp() {
    TVilag v;
    const int kezdo = v.ablak.height();
    for (int betoltes = 0; betoltes < 6; ++betoltes) v.Uj(3, 2);
    QCOMPARE(v.ablak.height(), kezdo + 65);
    v.Uj(1, 0);
    QCOMPARE(v.ablak.height(), kezdo + 13);
  }

  void RepeatedLoadsStayOnTheScreen() {
    TVilag v;
    for (int betoltes = 0; betoltes < 20; ++betoltes) v.Uj(10, 10);
    const QScreen* kepernyo = v.ablak.screen();
    QVERIFY(kepernyo != nullptr);
    QVERIFY(v.ablak.height() <= kepernyo->availableGeometry().height());
    QCOMPARE(v.ablak.Lista(true, TFajJelzo::DegHatas).Lista().count(), 10);
  }

  void MindegyikreSetsOnlyItsFlag() {
    TVilag v;
    v.Uj(2, 3);
    QSignalSpy valtozas(&v.ablak, &TForm_Permetek::JelzokValtoztak);
    TFajJeloloLista& l = v.ablak.Lista(true, TFajJelzo::DegHatas);
    QVERIFY(!l.Mindet().isChecked());
    l.Mindet().click();
    for (int32_t i = 0; i < 3; ++i) {
      QVERIFY(v.Oko().AllatFaj(i).DegHatas);
      QVERIFY(!v.Oko().AllatFaj(i).PerHatas);
      QCOMPARE(l.Lista().item(i)->checkState(), Qt::Checked);
    }
    for (int32_t i = 0; i < 2; ++i) QVERIFY(!v.Oko().NovenyFaj(i).DegHatas);
    QCOMPARE(valtozas.count(), 1);
    QCOMPARE(valtozas.at(0).at(0).toBool(), true);
    QCOMPARE(valtozas.at(0).at(1).value<TFajJelzo>(), TFajJelzo::DegHatas);
    l.Mindet().click();
    for (int32_t i = 0; i < 3; ++i) QVERIFY(!v.Oko().AllatFaj(i).DegHatas);
    // The box is not updated when single entries change afterwards.
    l.Lista().item(1)->setCheckState(Qt::Checked);
    QVERIFY(v.Oko().AllatFaj(1).DegHatas);
    QVERIFY(!l.Mindet().isChecked());
  }

  void GuardAndFlagsSetElsewhere() {
    TVilag v;
    v.Uj(1, 1);
    TFajJeloloLista& l = v.ablak.Lista(false, TFajJelzo::PerHatas);
    {
      TEsemenyEngedely::TZar zar(v.k.EsemenyEngedely());
      l.Lista().item(0)->setCheckState(Qt::Checked);
    }
    QVERIFY(!v.Oko().NovenyFaj(0).PerHatas);
    v.ablak.JelzoIgazitas(false, TFajJelzo::PerHatas, 0);
    QCOMPARE(l.Lista().item(0)->checkState(), Qt::Unchecked);
    v.Oko().NovenyFaj(0).PerHatas = true;
    v.ablak.JelzoMindIgazitasa(false, TFajJelzo::PerHatas);
    QCOMPARE(l.Lista().item(0)->checkState(), Qt::Checked);
    // Flags of the map belong to the display settings, not here.
    v.ablak.JelzoIgazitas(false, TFajJelzo::Tkp, 0);
  }

  void RenameRewritesBothPages() {
    TVilag v;
    v.Uj(1, 2);
    v.Oko().AllatFaj(1).SetNev("Farkas");
    v.ablak.Atnevezes(true, 1);
    QCOMPARE(v.ablak.Lista(true, TFajJelzo::DegHatas).Lista().item(1)->text(), QStringLiteral("Farkas (1)"));
    QCOMPARE(v.ablak.Lista(true, TFajJelzo::PerHatas).Lista().item(1)->text(), QStringLiteral("Farkas (1)"));
    QCOMPARE(v.ablak.Lista(false, TFajJelzo::DegHatas).Lista().item(0)->text(), QStringLiteral("n (0)"));
  }

  void ButtonsRunTheSprayActions() {
    TVilag v;
    QSignalSpy deg(&v.deg, &QAction::triggered);
    auto* gomb = v.ablak.findChild<QToolButton*>(QStringLiteral("BitBtn_DegPermetezes"));
    QVERIFY(gomb != nullptr);
    gomb->click();
    QCOMPARE(deg.count(), 1);
    v.per.setEnabled(false);
    QVERIFY(!v.ablak.findChild<QToolButton*>(QStringLiteral("BitBtn_PerPermetezes"))->isEnabled());
  }
};

QTEST_MAIN(PermetAblakTeszt)
#include "permet_ablak_test.moc"
