// The display-settings window: the order pages with their pending orders,
// stored orders that are no permutation, the check lists with "Mindet" and
// the one full redraw they cause, the guard, and "Nagyítókeret".
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <map>

#include "core/szin.h"
#include "monitors/form_kijelzes.h"
#include "tests/teszt_modalis.h"

using namespace zelvaris;

namespace {

// Counts full redraws and keeps the last colour drawn into each map cell.
class TFelvevo : public TRajzolo {
 public:
  int TeljesRajzolasok = 0;
  std::map<std::pair<int64_t, int64_t>, TSzin> Pontok;

  void KepekUjraepitese(int64_t, bool) override {}
  void RajzolasKezdete(bool mindet) override { TeljesRajzolasok += mindet ? 1 : 0; }
  void RajzolasVege() override {}
  void TerkepPont(int64_t oszlop, int64_t sor, TSzin szin) override { Pontok[{oszlop, sor}] = szin; }
  void NagyitoNegyzet(int32_t, int32_t, TSzin, bool, int32_t, TSzin) override {}
};

const TSzin kPiros = Rgb(255, 0, 0);
const TSzin kKek = Rgb(0, 0, 255);

// A built 50 x 50 world with one plant and animals A, B, C, registered in
// the window as the program does.
struct TVilag {
  teszt::TValaszoloModalis modalis;
  TAlkalmazasKornyezet k{ZELVARIS_SOURCE_DIR, &modalis};
  TFelvevo felvevo;
  TForm_Kijelzes ablak{k};

  TVilag() {
    auto oko = k.UjOkoszisztema();
    oko->Atmeretez(50);
    oko->UjNovenyFaj("fű");
    oko->UjAllatFaj("A").SetSzin(kPiros);
    oko->UjAllatFaj("B").SetSzin(kKek);
    oko->UjAllatFaj("C");
    k.OkoszisztemaCsere(std::move(oko));
    Oko().Alkalmaz();
    Oko().RajzoloBeallitasa(&felvevo);
    Oko().TkpRajzol = true;
    Oko().SetRajzolhat(true);
    ablak.NovenyHozzaad(0);
    for (int32_t i = 0; i < 3; ++i) ablak.AllatHozzaad(i);
    ablak.SorrendBetoltes();
    felvevo.TeljesRajzolasok = 0;
  }
  ~TVilag() { Oko().RajzoloBeallitasa(nullptr); }
  TOkoszisztema& Oko() { return k.Okoszisztema(); }
  TSzin Pont(int64_t oszlop, int64_t sor) { return felvevo.Pontok[{oszlop, sor}]; }
  TSorrendCsoport& Allatok() { return ablak.Sorrend(true); }
  QStringList Sorok(const QListWidget& l) {
    QStringList s;
    for (int i = 0; i < l.count(); ++i) s << l.item(i)->text();
    return s;
  }
};

}  // namespace

class KijelzesAblakTeszt : public QObject {
  Q_OBJECT

 private slots:
  void ElejereEsVegereAPendingOrderOn() {
    TVilag v;
    TSorrendCsoport& s = v.Allatok();
    s.Lista().setCurrentRow(2);
    s.Elejere();
    QCOMPARE(v.Sorok(s.Lista()), QStringList({"C (2)", "A (0)", "B (1)"}));
    QCOMPARE(s.Fuggo(), (std::vector<int32_t>{2, 0, 1}));
    QCOMPARE(s.Lista().currentRow(), 0);
    QVERIFY(s.AlkalmazGomb().isEnabled());
    QCOMPARE(v.Oko().AllatSorrend, (TIdLista{0, 1, 2}));
    s.Vegere();
    QCOMPARE(v.Sorok(s.Lista()), QStringList({"A (0)", "B (1)", "C (2)"}));
    QCOMPARE(s.Lista().currentRow(), 2);
    QCOMPARE(v.Oko().AllatSorrend, (TIdLista{0, 1, 2}));
    QCOMPARE(v.felvevo.TeljesRajzolasok, 0);
  }

  void OrderOperationsThatMoveNothing() {
    TVilag v;
    TSorrendCsoport& s = v.Allatok();
    s.Lista().setCurrentRow(0);
    s.Elejere();
    QVERIFY(!s.AlkalmazGomb().isEnabled());
    s.Lista().setCurrentRow(2);
    s.Vegere();
    QVERIFY(!s.AlkalmazGomb().isEnabled());
    // No selection: the arrows and both buttons do nothing at all.
    s.Lista().setCurrentRow(-1);
    s.Elejere();
    s.Vegere();
    s.Fel();
    s.Le();
    QVERIFY(!s.AlkalmazGomb().isEnabled());
    QCOMPARE(s.Fuggo(), (std::vector<int32_t>{0, 1, 2}));
    // An arrow at the edge moves nothing but still enables "Alkalmaz".
    s.Lista().setCurrentRow(0);
    s.Fel();
    QCOMPARE(s.Fuggo(), (std::vector<int32_t>{0, 1, 2}));
    QVERIFY(s.AlkalmazGomb().isEnabled());
  }

  void ArrowsSwapAndTheSelectionStays() {
    TVilag v;
    TSorrendCsoport& s = v.Allatok();
    s.Lista().setCurrentRow(1);
    s.Le();
    QCOMPARE(s.Fuggo(), (std::vector<int32_t>{0, 2, 1}));
    QCOMPARE(s.Lista().currentRow(), 1);
    QCOMPARE(s.Lista().currentItem()->text(), QStringLiteral("C (2)"));
    s.Fel();
    QCOMPARE(s.Fuggo(), (std::vector<int32_t>{2, 0, 1}));
    QCOMPARE(v.Sorok(s.Lista()), QStringList({"C (2)", "A (0)", "B (1)"}));
  }

  // Both animals share a cell; after "Alkalmaz" the new topmost shows there
  // at once, without waiting for the cell to change.
  void AlkalmazRedrawsInTheNewOrder() {
    TVilag v;
    v.Oko().AllatLetrehozasa(0, 5, 7, TLetrehozas::Felnott);
    v.Oko().AllatLetrehozasa(1, 5, 7, TLetrehozas::Felnott);
    v.Oko().Ujrarajzol();
    QCOMPARE(v.Pont(7, 5), kPiros);
    TSorrendCsoport& s = v.Allatok();
    s.Lista().setCurrentRow(1);
    s.Elejere();
    v.felvevo.TeljesRajzolasok = 0;
    QTest::mouseClick(&s.AlkalmazGomb(), Qt::LeftButton);
    QCOMPARE(v.Oko().AllatSorrend, (TIdLista{1, 0, 2}));
    QVERIFY(!s.AlkalmazGomb().isEnabled());
    QCOMPARE(v.felvevo.TeljesRajzolasok, 1);
    QCOMPARE(v.Pont(7, 5), kKek);
  }

  void StoredOrderThatIsNoPermutation() {
    TVilag v;
    v.Oko().AllatSorrend = {2, 7, 2, -1, 0};
    v.ablak.SorrendBetoltes();
    TSorrendCsoport& s = v.Allatok();
    QCOMPARE(v.Sorok(s.Lista()), QStringList({"C (2)", "A (0)", "B (1)"}));
    QCOMPARE(s.Lista().currentRow(), 0);
    // Kept as read until the user applies an order.
    QCOMPARE(v.Oko().AllatSorrend, (TIdLista{2, 7, 2, -1, 0}));
    s.Lista().setCurrentRow(2);
    s.Elejere();
    s.Alkalmaz();
    QCOMPARE(v.Oko().AllatSorrend, (TIdLista{1, 2, 0}));
    QCOMPARE(RendezettSorrend({}, 0), std::vector<int32_t>());
  }

  void MindetHidesEveryAnimalWithOneRedraw() {
    TVilag v;
    v.Oko().AllatLetrehozasa(0, 3, 3, TLetrehozas::Felnott);
    QSignalSpy valtozas(&v.ablak, &TForm_Kijelzes::JelzokValtoztak);
    TFajJeloloLista& l = v.ablak.Lista(true, TFajJelzo::Tkp);
    l.Mindet().click();
    QVERIFY(!l.Mindet().isChecked());
    for (int32_t i = 0; i < 3; ++i) {
      QVERIFY(!v.Oko().AllatFaj(i).Tkp());
      QCOMPARE(l.Lista().item(i)->checkState(), Qt::Unchecked);
    }
    QVERIFY(v.Oko().NovenyFaj(0).Tkp());
    QVERIFY(v.Oko().AllatFaj(0).Ngy());
    QCOMPARE(v.felvevo.TeljesRajzolasok, 1);
    QCOMPARE(v.Pont(3, 3), FeketeSzin);
    QCOMPARE(valtozas.count(), 1);
    QCOMPARE(valtozas.at(0).at(0).toBool(), true);
    // Checking it again when nothing would change draws nothing.
    l.Mindet().click();
    QCOMPARE(v.felvevo.TeljesRajzolasok, 2);
    l.Lista().item(0)->setCheckState(Qt::Checked);
    QCOMPARE(v.felvevo.TeljesRajzolasok, 2);
  }

  void OneEntryAndTheGuard() {
    TVilag v;
    TFajJeloloLista& l = v.ablak.Lista(false, TFajJelzo::Ngy);
    {
      TEsemenyEngedely::TZar zar(v.k.EsemenyEngedely());
      l.Lista().item(0)->setCheckState(Qt::Unchecked);
    }
    QVERIFY(v.Oko().NovenyFaj(0).Ngy());
    l.Lista().item(0)->setCheckState(Qt::Checked);
    l.Lista().item(0)->setCheckState(Qt::Unchecked);
    QVERIFY(!v.Oko().NovenyFaj(0).Ngy());
    QCOMPARE(v.felvevo.TeljesRajzolasok, 1);
    // A change made elsewhere reaches the entry.
    v.Oko().NovenyFaj(0).SetNgy(true);
    v.ablak.JelzoIgazitas(false, TFajJelzo::Ngy, 0);
    QCOMPARE(l.Lista().item(0)->checkState(), Qt::Checked);
  }

  void RenameAndClear() {
    TVilag v;
    v.Allatok().Lista().setCurrentRow(1);
    v.Allatok().Elejere();
    v.Oko().AllatFaj(0).SetNev("Róka");
    v.ablak.Atnevezes(true, 0);
    QCOMPARE(v.ablak.Lista(true, TFajJelzo::Tkp).Lista().item(0)->text(), QStringLiteral("Róka (0)"));
    QCOMPARE(v.ablak.Lista(true, TFajJelzo::Ngy).Lista().item(0)->text(), QStringLiteral("Róka (0)"));
    QCOMPARE(v.Sorok(v.Allatok().Lista()), QStringList({"B (1)", "Róka (0)", "C (2)"}));
    v.ablak.Torles();
    QCOMPARE(v.Allatok().Lista().count(), 0);
    QVERIFY(v.Allatok().Fuggo().empty());
    QVERIFY(!v.Allatok().AlkalmazGomb().isEnabled());
    QCOMPARE(v.ablak.Lista(false, TFajJelzo::Tkp).Lista().count(), 0);
    // After a clear, the first species added is selected again.
    v.ablak.AllatHozzaad(0);
    QCOMPARE(v.Allatok().Lista().currentRow(), 0);
  }

  void NagyitoKeret() {
    TVilag v;
    QSignalSpy keret(&v.ablak, &TForm_Kijelzes::NagyitoKeretValtozott);
    QTest::mouseClick(&v.ablak.NagyitoKeret(), Qt::LeftButton);
    QCOMPARE(keret.count(), 1);
    QCOMPARE(keret.at(0).at(0).toBool(), false);
    v.ablak.NagyitoKeretMutatasa();
    QVERIFY(v.ablak.NagyitoKeret().isChecked());
    QCOMPARE(keret.count(), 2);
    QCOMPARE(keret.at(1).at(0).toBool(), true);
  }
};

QTEST_MAIN(KijelzesAblakTeszt)
#include "kijelzes_ablak_test.moc"
