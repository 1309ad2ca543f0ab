// The all-animals window: panel edits reach the editor and back, the panel's
// check boxes reach the sprays and display lists, the emptied field and the
// shown-only radius, and the window's width as panels come and go.
#include <QScreen>

#include "editors/allat_panel.h"
#include "uj_faj_teszt.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

void Beiras(TSzerkesztoSpin& m, const QString& szoveg) {
  m.selectAll();
  if (szoveg.isEmpty()) {
    QTest::keyClick(&m, Qt::Key_Backspace);
  } else {
    QTest::keyClicks(&m, szoveg);
  }
}

}  // namespace

class AllatTeljesPanelTeszt : public QObject {
  Q_OBJECT

 private slots:
  void EditsReachTheEditorAndBack() {
    TAblakok a;
    a.UjAllat(QStringLiteral("Nyúl"));
    TAllatPanel& p = a.Teljes.Panel(0);
    QWidget& sz = a.Allatok.Szerkeszto(0);
    QCOMPARE(Vezerlo<TSzerkesztoSpin>(p, "SpE_Kor").Ertek(), int64_t{a.Oko().AllatFaj(0).Kor});
    Beiras(Vezerlo<TSzerkesztoSpin>(p, "SpE_Kor"), QStringLiteral("777"));
    QCOMPARE(a.Oko().AllatFaj(0).Kor, 777);
    QCOMPARE(Vezerlo<TSzerkesztoSpin>(sz, "SpE_Kor").text(), QStringLiteral("777"));
    Beiras(Vezerlo<TSzerkesztoSpin>(sz, "SpE_Tomeg"), QStringLiteral("42"));
    QCOMPARE(Vezerlo<TSzerkesztoSpin>(p, "SpE_Tomeg").text(), QStringLiteral("42"));
    // The name: panel, editor, and every list of the species.
    auto& nev = Vezerlo<QLineEdit>(p, "E_Nev");
    nev.selectAll();
    QTest::keyClicks(&nev, QStringLiteral("Farkas"));
    QCOMPARE(a.Oko().AllatFaj(0).Nev(), std::string("Farkas"));
    QCOMPARE(Vezerlo<QLineEdit>(sz, "E_Nev").text(), QStringLiteral("Farkas"));
    QCOMPARE(a.GocLista(true).itemText(0), QStringLiteral("Farkas (0)"));
    QCOMPARE(a.Lista(a.Permetek, "ChListB_PerHatasAllat").item(0)->text(), QStringLiteral("Farkas (0)"));
    QCOMPARE(a.Lista(a.Kijelzes, "ListB_AllatSorrend").item(0)->text(), QStringLiteral("Farkas (0)"));
    // A list field on leaving.
    auto& predak = Vezerlo<QLineEdit>(p, "E_NovenyPredak");
    predak.setFocus();
    predak.setText(QStringLiteral("0/1, 2"));
    QTest::keyClick(&predak, Qt::Key_Return);
    QCOMPARE(Vezerlo<QLineEdit>(sz, "E_NovenyPredak").text(), QStringLiteral("0/1, 2"));
  }

  void CheckBoxesReachSpraysAndDisplay() {
    TAblakok a;
    a.UjAllat(QStringLiteral("Nyúl"));
    a.UjAllat(QStringLiteral("Róka"));
    TAllatPanel& p = a.Teljes.Panel(1);
    Vezerlo<QCheckBox>(p, "ChB_DegHatas").setChecked(true);
    Vezerlo<QCheckBox>(p, "ChB_Ngy").setChecked(false);
    QVERIFY(a.Oko().AllatFaj(1).DegHatas);
    QVERIFY(!a.Oko().AllatFaj(1).Ngy());
    QCOMPARE(a.Lista(a.Permetek, "ChListB_DegHatasAllat").item(1)->checkState(), Qt::Checked);
    QCOMPARE(a.Lista(a.Permetek, "ChListB_DegHatasAllat").item(0)->checkState(), Qt::Unchecked);
    QCOMPARE(a.Lista(a.Kijelzes, "ChListB_NgyAllatok").item(1)->checkState(), Qt::Unchecked);
    QVERIFY(Vezerlo<QCheckBox>(a.Allatok.Szerkeszto(1), "ChB_DegHatas").isChecked());
    // And back from the list.
    a.Lista(a.Permetek, "ChListB_DegHatasAllat").item(1)->setCheckState(Qt::Unchecked);
    QVERIFY(!Vezerlo<QCheckBox>(p, "ChB_DegHatas").isChecked());
  }

  void EmptiedFieldAndShownOnlyRadius() {
    TAblakok a;
    a.UjAllat(QStringLiteral("Nyúl"));
    TAllatPanel& p = a.Teljes.Panel(0);
    auto& utod = Vezerlo<TSzerkesztoSpin>(p, "SpE_Utod");
    const int32_t eredeti = a.Oko().AllatFaj(0).Utod;
    utod.setFocus();
    Beiras(utod, QString());
    QCOMPARE(a.Oko().AllatFaj(0).Utod, eredeti);
    QTest::keyClick(&utod, Qt::Key_Return);
    QCOMPARE(utod.text(), QString::number(eredeti));
    auto& sugar = Vezerlo<TSzerkesztoSpin>(p, "SpE_MozgasSugar");
    QVERIFY(sugar.isReadOnly());
    QCOMPARE(sugar.Ertek(), int64_t{a.Oko().AllatFaj(0).MozgasSugar()});
    const QString elotte = sugar.text();
    Beiras(Vezerlo<TSzerkesztoSpin>(a.Allatok.Szerkeszto(0), "SpE_MozgasSugar"), QStringLiteral("9"));
    QCOMPARE(a.Oko().AllatFaj(0).MozgasSugar(), 9);
    QCOMPARE(sugar.text(), elotte);
  }

  void WidthFollowsThePanels() {
    TAblakok a;
    const int kezdo = a.Teljes.width();
    QCOMPARE(kezdo, TForm_Allat_Teljes::kNevekSzelesseg);
    auto oko = a.K.UjOkoszisztema();
    for (int i = 0; i < 40; ++i) oko->UjAllatFaj("a");
    a.K.OkoszisztemaCsere(std::move(oko));
    for (int32_t i = 0; i < 3; ++i) a.Kozpont().Bejegyzes(TFajFajta::Allat, i);
    QCOMPARE(a.Teljes.width(), kezdo + 3 * TAllatPanel::kSzelesseg);
    QCOMPARE(a.Teljes.Panel(2).x(), 2 * TAllatPanel::kSzelesseg);
    // Registering a species again adds no second panel.
    a.Kozpont().Bejegyzes(TFajFajta::Allat, 2);
    QCOMPARE(a.Teljes.PanelekSzama(), 3);
    for (int32_t i = 3; i < 40; ++i) a.Kozpont().Bejegyzes(TFajFajta::Allat, i);
    QCOMPARE(a.Teljes.PanelekSzama(), 40);
    QVERIFY(a.Teljes.width() <= a.Teljes.screen()->availableGeometry().width());
    QCOMPARE(a.Teljes.Panel(39).FajIndex(), 39);
    a.K.OkoszisztemaCsere(a.K.UjOkoszisztema());
    QCOMPARE(a.Teljes.PanelekSzama(), 0);
    QCOMPARE(a.Teljes.width(), kezdo);
    QCOMPARE(a.Teljes.maximumWidth(), kezdo);
  }
};

QTEST_MAIN(AllatTeljesPanelTeszt)
#include "allat_teljes_panel_test.moc"
