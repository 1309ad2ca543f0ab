// The enabling states as a user meets them: what can be used before any
// ecosystem, after "Új ökoszisztéma" and after "Alkalmaz".

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <memory>

#include "monitors/form_goc.h"
#include "monitors/form_kijelzes.h"
#include "monitors/form_ngy.h"
#include "monitors/form_oko.h"
#include "monitors/form_permetek.h"
#include "monitors/form_tkp.h"
#include "shell/form_kezelo.h"
#include "shell/oldalhossz_dialogus.h"
#include "teszt_program.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

const std::vector<const char*> kMindigBe = {"Act_OkoCfgMegnyitas", "Act_OkoPillMegnyitas",
                                             "Act_UjOkoszisztema"};
const std::vector<const char*> kNemBeallitottBe = {
    "Act_OsszesNovenyfajAblakotBezar", "Act_OsszesAllatfajAblakotBezar",
    "Act_OsszesGrafikonAblakotBezar",  "Act_UjNovenyfajAblak",
    "Act_UjAllatfajAblak",             "Act_UjGrafikonAblak",
    "Act_UjKorfaAblak",                "Act_KezelotElorehoz",
    "Act_AllatokatElorehoz",           "Act_GrafikonokatElorehoz",
    "Act_PermetetElorehoz",            "Act_OszElorehoz",
    "Act_NovenyeketElorehoz",          "Act_OkoCfgMentes",
    "Act_Alkalmaz",                    "Act_Atmeretez",
    "Act_UjNovenyFaj",                 "Act_UjAllatFaj"};
const std::vector<const char*> kBeallitottBe = {
    "Act_KijelzotElorehoz", "Act_TerkepetElorehoz", "Act_NagyitotElorehoz", "Act_OkoPillMentes",
    "Act_StartStop",        "Act_Tovabb",           "Act_DegPermetezes",    "Act_PerPermetezes",
    "Act_Rajzolhat",        "Act_AllatFajUrit",     "Act_NovenyFajUrit",    "Act_OkoUrit",
    "Act_Tisztit",          "Act_Gyogyit"};
// Never usable: no operation, or off in every state.
const std::vector<const char*> kSohaBe = {
    "Act_OsszesKorfaAblakotBezar", "Act_FogyasztotSzamol",   "Act_Bezar",
    "Act_AllatokTeljesetElorehoz", "Act_NovenyekTeljesetElorehoz", "Act_AllatfajMegnyitas",
    "Act_AllatfajMentes",          "Act_NovenyfajMegnyitas", "Act_NovenyfajMentes",
    "Act_Nevjegy",                 "Act_Sugo"};

void Ellenoriz(TTesztProgram& p, const std::vector<const char*>& nevek, bool vart) {
  for (const char* nev : nevek) {
    if (p.Latszik(nev) != vart) QFAIL(qPrintable(QStringLiteral("%1 should be %2").arg(nev, vart ? "on" : "off")));
  }
}

}  // namespace

class TAllapotokTeszt : public QObject {
  Q_OBJECT

 private slots:
  void KezdoAllapot() {
    TTesztProgram p;
    Ellenoriz(p, kMindigBe, true);
    Ellenoriz(p, kNemBeallitottBe, false);
    Ellenoriz(p, kBeallitottBe, false);
    Ellenoriz(p, kSohaBe, false);
    QCOMPARE(p.Fo().windowTitle(), QStringLiteral("Zelvaris"));
    QVERIFY(!p.Program().Ablakok().Kezelo->isVisible());
    QVERIFY(!p.Program().Ablakok().Tkp->isVisible());
  }

  void UjOkoszisztemaEsAlkalmaz() {
    TTesztProgram p;
    p.UjOkoszisztema(120);
    QCOMPARE(p.Oko().L(), 120);
    QVERIFY(!p.Oko().VanRacs());
    Ellenoriz(p, kMindigBe, true);
    Ellenoriz(p, kNemBeallitottBe, true);
    Ellenoriz(p, kBeallitottBe, false);
    Ellenoriz(p, kSohaBe, false);
    const auto& ablakok = p.Program().Ablakok();
    QVERIFY(ablakok.Kezelo->isVisible());
    QVERIFY(ablakok.Oko->isVisible());
    QCOMPARE(ablakok.Oko->findChild<QLineEdit*>("E_L")->text(), QStringLiteral("120"));
    QCOMPARE(ablakok.Atmeretez->Ertek(), 120);

    p.Futtat("Act_Alkalmaz");
    QVERIFY(p.Oko().VanRacs());
    Ellenoriz(p, kMindigBe, true);
    Ellenoriz(p, kNemBeallitottBe, true);
    Ellenoriz(p, kBeallitottBe, true);
    Ellenoriz(p, kSohaBe, false);
    QVERIFY(ablakok.Tkp->isVisible());
    QVERIFY(ablakok.Ngy->isVisible());
    QVERIFY(p.Modalis().Uzenetek.empty());

    // A second new ecosystem goes back to the not-set-up state.
    p.UjOkoszisztema(80);
    Ellenoriz(p, kBeallitottBe, false);
    Ellenoriz(p, kNemBeallitottBe, true);
  }

  void MegszakitottUjOkoszisztemaSemmitNemValtoztat() {
    TTesztProgram p;
    p.UjOkoszisztema(150);
    p.Futtat("Act_Alkalmaz");
    TOkoszisztema* regi = &p.Oko();
    p.Modalis().Dialogusok.push_back([](QDialog&) { return int(QDialog::Rejected); });
    p.Futtat("Act_UjOkoszisztema");
    QCOMPARE(&p.Oko(), regi);
    QCOMPARE(p.Oko().L(), 150);
    QVERIFY(p.Oko().VanRacs());
    Ellenoriz(p, kBeallitottBe, true);
  }

  void AtmeretezesCsakATerkepet() {
    TTesztProgram p;
    p.UjOkoszisztema(100);
    p.Futtat("Act_Alkalmaz");
    const auto& ablakok = p.Program().Ablakok();
    const QSize nagyito = ablakok.Ngy->size();
    p.Modalis().Dialogusok.push_back(OkErtekkel("SpE_UjL", 60));
    p.Futtat("Act_Atmeretez");
    QCOMPARE(p.Oko().L(), 60);
    QCOMPARE(ablakok.Oko->findChild<QLineEdit*>("E_L")->text(), QStringLiteral("60"));
    QCOMPARE(ablakok.Ngy->size(), nagyito);
  }

  // A side length beyond the machine: the core's message, nothing changes.
  void TulNagyOldalhossz() {
    TTesztProgram p;
    p.UjOkoszisztema(2'000'000'000);
    p.Futtat("Act_Alkalmaz");
    QCOMPARE(p.Modalis().Uzenetek.size(), size_t{1});
    QCOMPARE(p.Modalis().Uzenetek[0].Fajta, TModalisFelulet::TUzenetFajta::Hiba);
    QVERIFY(!p.Oko().VanRacs());
    Ellenoriz(p, kBeallitottBe, false);
    Ellenoriz(p, kNemBeallitottBe, true);
  }

  void KezdoNepessegHianyaUzenetben() {
    TTesztProgram p;
    p.UjOkoszisztema(50);
    TNovenyFaj& fu = p.Oko().UjNovenyFaj("fű");
    fu.PopulacioMeret = 50 * 50 + 10;
    p.Futtat("Act_Alkalmaz");
    QVERIFY(p.Oko().VanRacs());
    QCOMPARE(p.Modalis().Uzenetek.size(), size_t{1});
    QVERIFY(p.Modalis().Uzenetek[0].Szoveg.contains(QStringLiteral("fű (0)")));
    QVERIFY(p.Modalis().Uzenetek[0].Szoveg.contains(QStringLiteral("2500")));
  }

  void MenukEsEszkoztarak() {
    TTesztProgram p;
    QVERIFY(!p.Fo().Menu("MM_Mod")->menuAction()->isVisible());
    QVERIFY(!p.Fo().Menu("MM_Sugo")->menuAction()->isVisible());
    QVERIFY(p.Fo().Menu("MM_Fajl")->menuAction()->isVisible());
    QCOMPARE(p.Fo().Menu("MM_Muveletek")->actions().size(), 19);
    const auto eszkoztarak = p.Fo().findChildren<QToolBar*>();
    QCOMPARE(eszkoztarak.size(), qsizetype{5});
    QCOMPARE(p.Fo().findChild<QToolBar*>("ToolB_Ablakok")->actions().size(), 11);
    QVERIFY(p.Fo().toolBarBreak(p.Fo().findChild<QToolBar*>("ToolB_Ablakok")));
    QVERIFY(!p.Fo().findChild<QWidget*>("Mem_Server")->isVisibleTo(&p.Fo()));
    QCOMPARE(p.Akcio("Act_Sugo")->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(p.Akcio("Act_IndependentMode")->isChecked());
  }

  // A new world empties each species check list of the fixed windows once,
  // whoever hears of it.
  void UjVilagEgyszerUrit() {
    TTesztProgram p;
    p.UjOkoszisztema(60);
    p.Oko().UjNovenyFaj("Fű");
    p.Oko().UjAllatFaj("Nyúl");
    p.Fo().AblakokFrissitese();
    const auto& a = p.Program().Ablakok();
    std::vector<QAbstractItemModel*> listak;
    for (QWidget* w : {static_cast<QWidget*>(a.Permetek), static_cast<QWidget*>(a.Kijelzes)}) {
      for (QListWidget* l : w->findChildren<QListWidget*>()) {
        if (l->objectName().startsWith(QStringLiteral("ChListB_"))) listak.push_back(l->model());
      }
    }
    QCOMPARE(listak.size(), size_t{8});
    std::vector<std::unique_ptr<QSignalSpy>> uritesek;
    for (QAbstractItemModel* m : listak) {
      uritesek.push_back(std::make_unique<QSignalSpy>(m, &QAbstractItemModel::modelReset));
    }
    p.UjOkoszisztema(70);
    for (size_t i = 0; i < uritesek.size(); ++i) {
      const QString uzenet = QStringLiteral("list %1 emptied %2 times").arg(i).arg(uritesek[i]->count());
      QVERIFY2(uritesek[i]->count() == 1, qPrintable(uzenet));
      QCOMPARE(listak[i]->rowCount(), 0);
    }
    for (QComboBox* c : a.Goc->findChildren<QComboBox*>()) QCOMPARE(c->count(), 0);
  }
};

QTEST_MAIN(TAllapotokTeszt)
#include "allapotok_test.moc"
