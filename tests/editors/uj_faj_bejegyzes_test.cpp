// "Új állatfaj" and "Új növényfaj": the registration reaching every view,
// open editors keeping their choice, cancel and memory refusal changing
// nothing, a new ecosystem starting over, and a species added to a built,
// running world.
#include <QPushButton>

#include "editors/allat_panel.h"
#include "uj_faj_teszt.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

class UjFajBejegyzesTeszt : public QObject {
  Q_OBJECT

 private:
  // The display name each species list shows for entry `i`.
  static QString Elem(QListWidget& l, int i) { return i < l.count() ? l.item(i)->text() : QString(); }

 private slots:
  void AnimalReachesEveryView() {
    TAblakok a;
    QCOMPARE(a.UjAllat(QStringLiteral("Nyúl")), std::optional<int32_t>(0));
    QCOMPARE(a.Oko().AllatFaj(0).Nev(), std::string("Nyúl"));
    QVERIFY(a.K.EsemenyEngedely().Engedelyezett());
    const QString nev = QStringLiteral("Nyúl (0)");
    // View -> what it shows for the new species.
    const std::vector<std::pair<const char*, QString>> nezetek = {
        {"panel", a.Teljes.PanelekSzama() == 1 ? Vezerlo<QLineEdit>(a.Teljes.Panel(0), "E_Nev").text() + " (0)" : QString()},
        {"seed-point chooser", a.GocLista(true).itemText(0)},
        {"sprays, degradable", Elem(a.Lista(a.Permetek, "ChListB_DegHatasAllat"), 0)},
        {"sprays, persistent", Elem(a.Lista(a.Permetek, "ChListB_PerHatasAllat"), 0)},
        {"display, map", Elem(a.Lista(a.Kijelzes, "ChListB_TkpAllatok"), 0)},
        {"display, magnifier", Elem(a.Lista(a.Kijelzes, "ChListB_NgyAllatok"), 0)},
        {"display, order", Elem(a.Lista(a.Kijelzes, "ListB_AllatSorrend"), 0)},
        {"editor chooser", Vezerlo<QComboBox>(a.Allatok.Szerkeszto(0), "CmB_AllatFaj").itemText(0)},
    };
    for (const auto& [nezet, szoveg] : nezetek) {
      if (szoveg != nev) QFAIL(qPrintable(QStringLiteral("%1 shows \"%2\"").arg(nezet, szoveg)));
    }
    QCOMPARE(a.Allatok.Darab(), 1);
    QCOMPARE(a.Allatok.Szerkeszto(0).FajIndex(), 0);
    QCOMPARE(Vezerlo<QComboBox>(a.Allatok.Szerkeszto(0), "CmB_AllatFaj").count(), 1);
    QCOMPARE(a.Kijelzes.Sorrend(true).Fuggo(), (std::vector<int32_t>{0}));
    QCOMPARE(a.Kijelzes.Sorrend(true).Lista().currentRow(), 0);
    QCOMPARE(a.GocLista(false).count(), 0);
    QCOMPARE(a.Lista(a.Permetek, "ChListB_DegHatasNoveny").count(), 0);
    // Flags as the species holds them.
    QCOMPARE(a.Lista(a.Kijelzes, "ChListB_TkpAllatok").item(0)->checkState(), Qt::Checked);
    QCOMPARE(a.Lista(a.Permetek, "ChListB_DegHatasAllat").item(0)->checkState(), Qt::Unchecked);
  }

  void PlantReachesEveryView() {
    TAblakok a;
    QCOMPARE(a.UjNoveny(QStringLiteral("Fű")), std::optional<int32_t>(0));
    const QString nev = QStringLiteral("Fű (0)");
    QCOMPARE(a.GocLista(false).itemText(0), nev);
    QCOMPARE(Elem(a.Lista(a.Permetek, "ChListB_DegHatasNoveny"), 0), nev);
    QCOMPARE(Elem(a.Lista(a.Permetek, "ChListB_PerHatasNoveny"), 0), nev);
    QCOMPARE(Elem(a.Lista(a.Kijelzes, "ChListB_TkpNovenyek"), 0), nev);
    QCOMPARE(Elem(a.Lista(a.Kijelzes, "ChListB_NgyNovenyek"), 0), nev);
    QCOMPARE(Elem(a.Lista(a.Kijelzes, "ListB_NovenySorrend"), 0), nev);
    QCOMPARE(a.Novenyek.Darab(), 1);
    QCOMPARE(a.Novenyek.Szerkeszto(0).FajIndex(), 0);
    QCOMPARE(a.Teljes.PanelekSzama(), 0);
    QCOMPARE(a.GocLista(true).count(), 0);
    // A repeated name is a different species with its own display name.
    QCOMPARE(a.UjNoveny(QStringLiteral("Fű")), std::optional<int32_t>(1));
    QCOMPARE(Elem(a.Lista(a.Kijelzes, "ListB_NovenySorrend"), 1), QStringLiteral("Fű (1)"));
  }

  void OpenEditorsKeepTheirChoice() {
    TAblakok a;
    a.UjAllat(QStringLiteral("A"));
    a.UjAllat(QStringLiteral("B"));
    QCOMPARE(a.Allatok.Darab(), 2);
    auto& elso = Vezerlo<QComboBox>(a.Allatok.Szerkeszto(0), "CmB_AllatFaj");
    auto& masodik = Vezerlo<QComboBox>(a.Allatok.Szerkeszto(1), "CmB_AllatFaj");
    elso.setCurrentIndex(1);
    a.UjAllat(QStringLiteral("C"));
    QCOMPARE(a.Allatok.Darab(), 3);
    for (QComboBox* v : {&elso, &masodik, &Vezerlo<QComboBox>(a.Allatok.Szerkeszto(2), "CmB_AllatFaj")}) {
      QCOMPARE(v->count(), 3);
      QCOMPARE(v->itemText(2), QStringLiteral("C (2)"));
    }
    QCOMPARE(elso.currentIndex(), 1);
    QCOMPARE(a.Allatok.Szerkeszto(0).FajIndex(), 0);
    QCOMPARE(a.Allatok.Szerkeszto(1).FajIndex(), 1);
    QCOMPARE(a.Allatok.Szerkeszto(2).FajIndex(), 2);
    const QRect m = a.Allatok.Ablak(1).frameGeometry();
    QCOMPARE(a.Allatok.Ablak(2).frameGeometry().topLeft(), QPoint(m.x() + m.width(), m.y()));
    QCOMPARE(a.Teljes.PanelekSzama(), 3);
  }

  void CancelChangesNothingAndTheNameIsKept() {
    TAblakok a;
    a.UjAllat(QStringLiteral("Nyúl"));
    a.Modalis.Dialogusok.push_back([](QDialog& d) {
      d.findChild<QLineEdit*>(QStringLiteral("E_UjNev"))->setText(QStringLiteral("Róka"));
      return int(QDialog::Rejected);
    });
    QCOMPARE(UjAllatFajFelvetele(a.K, a.UjAllatDialogus, a.Allatok, nullptr), std::nullopt);
    QCOMPARE(a.Oko().AllatFajokSzama(), 1);
    QCOMPARE(a.Allatok.Darab(), 1);
    QCOMPARE(a.Teljes.PanelekSzama(), 1);
    QCOMPARE(a.GocLista(true).count(), 1);
    QCOMPARE(a.Lista(a.Kijelzes, "ListB_AllatSorrend").count(), 1);
    QCOMPARE(a.UjAllatDialogus.Nev(), QStringLiteral("Róka"));
    // The dialog shows the kept name next time; OK takes it as it stands.
    a.Modalis.Dialogusok.push_back([](QDialog&) { return int(QDialog::Accepted); });
    QCOMPARE(UjAllatFajFelvetele(a.K, a.UjAllatDialogus, a.Allatok, nullptr), std::optional<int32_t>(1));
    QCOMPARE(a.Oko().AllatFaj(1).Nev(), std::string("Róka"));
  }

  void NewEcosystemStartsOver() {
    TAblakok a;
    a.UjNoveny(QStringLiteral("Fű"));
    a.UjAllat(QStringLiteral("Nyúl"));
    a.UjAllat(QStringLiteral("Róka"));
    a.Kijelzes.Sorrend(true).Lista().setCurrentRow(1);
    a.Kijelzes.Sorrend(true).Elejere();
    a.K.OkoszisztemaCsere(a.K.UjOkoszisztema());
    QCOMPARE(a.Teljes.PanelekSzama(), 0);
    QCOMPARE(a.Teljes.maximumWidth(), TForm_Allat_Teljes::kNevekSzelesseg);
    QCOMPARE(a.Allatok.Darab(), 0);
    QCOMPARE(a.Novenyek.Darab(), 0);
    QCOMPARE(a.GocLista(true).count(), 0);
    QCOMPARE(a.GocLista(false).count(), 0);
    for (const char* l : {"ChListB_DegHatasAllat", "ChListB_PerHatasAllat", "ChListB_DegHatasNoveny", "ChListB_PerHatasNoveny"}) {
      QCOMPARE(a.Lista(a.Permetek, l).count(), 0);
    }
    for (const char* l : {"ChListB_TkpAllatok", "ChListB_NgyAllatok", "ChListB_TkpNovenyek", "ChListB_NgyNovenyek",
                          "ListB_AllatSorrend", "ListB_NovenySorrend"}) {
      QCOMPARE(a.Lista(a.Kijelzes, l).count(), 0);
    }
    QVERIFY(a.Kijelzes.Sorrend(true).Fuggo().empty());
    QVERIFY(!a.Kijelzes.Sorrend(true).AlkalmazGomb().isEnabled());
    QCOMPARE(a.UjAllat(QStringLiteral("Farkas")), std::optional<int32_t>(0));
    QCOMPARE(a.Teljes.PanelekSzama(), 1);
    QCOMPARE(a.Teljes.Panel(0).FajIndex(), 0);
    QCOMPARE(a.GocLista(true).itemText(0), QStringLiteral("Farkas (0)"));
  }

  // The species enters a world that is built and has been running: the map
  // is not redrawn, every cell looks as before, and the next step runs.
  void BuiltRunningWorld() {
    TAblakok a;
    a.UjNoveny(QStringLiteral("Fű"));
    a.UjAllat(QStringLiteral("Nyúl"));
    TOkoszisztema& oko = a.Oko();
    oko.NovenyFaj(0).PopulacioMeret = 300;
    oko.AllatFaj(0).PopulacioMeret = 40;
    oko.AllatFaj(0).Predak.SetNovenyPredak({{0}});
    oko.Atmeretez(60);
    oko.Alkalmaz();
    TFelvevo felvevo;
    oko.RajzoloBeallitasa(&felvevo);
    oko.TkpRajzol = true;
    oko.SetRajzolhat(true);
    for (int i = 0; i < 3; ++i) {
      oko.Lepes();
      oko.Rajzol();
    }
    std::vector<TSzin> elotte;
    for (int32_t s = 0; s < 60; ++s)
      for (int32_t o = 0; o < 60; ++o) elotte.push_back(oko.TerkepSzin(s, o));
    const int menetek = felvevo.Menetek;
    QCOMPARE(a.UjAllat(QStringLiteral("Róka")), std::optional<int32_t>(1));
    QCOMPARE(felvevo.Menetek, menetek);
    std::vector<TSzin> utana;
    for (int32_t s = 0; s < 60; ++s)
      for (int32_t o = 0; o < 60; ++o) utana.push_back(oko.TerkepSzin(s, o));
    QVERIFY(elotte == utana);
    QVERIFY(oko.AllatotBefogad(10, 10, 1));
    const int32_t ido = oko.Ido;
    oko.Lepes();
    QCOMPARE(oko.Ido, ido + 1);
    QCOMPARE(oko.AllatFaj(1).Egyedek.Darab(), 0);
    oko.RajzoloBeallitasa(nullptr);
  }

  void RefusalWhenTheSlotsDoNotFit() {
    TAblakok a;
    a.UjAllat(QStringLiteral("Nyúl"));
    // No grid yet: nothing to fit, whatever the memory says.
    a.Memoria = [] { return std::optional<uint64_t>(16); };
    QCOMPARE(a.UjNoveny(QStringLiteral("Fű")), std::optional<int32_t>(0));
    a.Oko().Atmeretez(200);
    a.Oko().Alkalmaz();
    a.Memoria = [] { return std::optional<uint64_t>(4 * 200 * 200 - 1); };
    QCOMPARE(a.UjAllat(QStringLiteral("Róka")), std::nullopt);
    QCOMPARE(a.Modalis.Uzenetek.size(), size_t{1});
    QVERIFY(a.Modalis.Uzenetek[0].Szoveg.contains(QStringLiteral("memóriában")));
    QCOMPARE(a.Oko().AllatFajokSzama(), 1);
    QCOMPARE(a.Oko().AllatSorrend, (TIdLista{0}));
    QCOMPARE(a.Allatok.Darab(), 1);
    QCOMPARE(a.Teljes.PanelekSzama(), 1);
    QCOMPARE(a.GocLista(true).count(), 1);
    QCOMPARE(a.Lista(a.Permetek, "ChListB_DegHatasAllat").count(), 1);
    QCOMPARE(a.Lista(a.Kijelzes, "ListB_AllatSorrend").count(), 1);
    QVERIFY(a.K.EsemenyEngedely().Engedelyezett());
    // Exactly enough fits.
    a.Memoria = [] { return std::optional<uint64_t>(4 * 200 * 200); };
    QCOMPARE(a.UjAllat(QStringLiteral("Róka")), std::optional<int32_t>(1));
  }

  void EditorAndDisplayListFollowEachOther() {
    TAblakok a;
    a.UjAllat(QStringLiteral("Nyúl"));
    a.UjAllat(QStringLiteral("Róka"));
    QListWidget& tkp = a.Lista(a.Kijelzes, "ChListB_TkpAllatok");
    auto& szerkesztoTkp = Vezerlo<QCheckBox>(a.Allatok.Szerkeszto(1), "ChB_Tkp");
    szerkesztoTkp.setChecked(false);
    QVERIFY(!a.Oko().AllatFaj(1).Tkp());
    QCOMPARE(tkp.item(1)->checkState(), Qt::Unchecked);
    QCOMPARE(tkp.item(0)->checkState(), Qt::Checked);
    QVERIFY(!Vezerlo<QCheckBox>(a.Teljes.Panel(1), "ChB_Tkp").isChecked());
    tkp.item(1)->setCheckState(Qt::Checked);
    QVERIFY(a.Oko().AllatFaj(1).Tkp());
    QVERIFY(szerkesztoTkp.isChecked());
    QVERIFY(Vezerlo<QCheckBox>(a.Teljes.Panel(1), "ChB_Tkp").isChecked());
  }

  void MindegyikreReachesTheEditors() {
    TAblakok a;
    a.UjAllat(QStringLiteral("Nyúl"));
    a.UjAllat(QStringLiteral("Róka"));
    a.UjNoveny(QStringLiteral("Fű"));
    a.Permetek.Lista(true, TFajJelzo::DegHatas).Mindet().click();
    for (int32_t i = 0; i < 2; ++i) {
      QVERIFY(a.Oko().AllatFaj(i).DegHatas);
      QVERIFY(Vezerlo<QCheckBox>(a.Allatok.Szerkeszto(i), "ChB_DegHatas").isChecked());
      QVERIFY(Vezerlo<QCheckBox>(a.Teljes.Panel(i), "ChB_DegHatas").isChecked());
      QVERIFY(!Vezerlo<QCheckBox>(a.Allatok.Szerkeszto(i), "ChB_PerHatas").isChecked());
    }
    QVERIFY(!a.Oko().NovenyFaj(0).DegHatas);
    QVERIFY(!Vezerlo<QCheckBox>(a.Novenyek.Szerkeszto(0), "ChB_DegHatas").isChecked());
    a.Permetek.Lista(true, TFajJelzo::DegHatas).Mindet().click();
    QVERIFY(!a.Oko().AllatFaj(0).DegHatas);
    QVERIFY(!Vezerlo<QCheckBox>(a.Allatok.Szerkeszto(0), "ChB_DegHatas").isChecked());
  }
};

QTEST_MAIN(UjFajBejegyzesTeszt)
#include "uj_faj_bejegyzes_test.moc"
