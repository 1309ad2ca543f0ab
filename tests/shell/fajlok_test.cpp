// Opening and saving configurations and snapshots through the main window:
// a load that fails leaves everything as it was; a load that succeeds
// replaces the ecosystem and sets the caption and the enabling state.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "monitors/form_goc.h"
#include "monitors/form_oko.h"
#include "monitors/form_tkp.h"
#include "shell/elhelyezes.h"
#include "shell/form_kezelo.h"
#include "teszt_program.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

QString Q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

// A set-up world with one plant and one animal species.
void Vilag(TTesztProgram& p, int64_t l) {
  p.UjOkoszisztema(l);
  TNovenyFaj& fu = p.Oko().UjNovenyFaj("fű");
  fu.PopulacioMeret = 40;
  TAllatFaj& nyul = p.Oko().UjAllatFaj("nyúl");
  nyul.PopulacioMeret = 5;
  p.Futtat("Act_Alkalmaz");
}

}  // namespace

class TFajlokTeszt : public QObject {
  Q_OBJECT

 private slots:
  void KonfiguracioOdaVissza() {
    TTesztProgram p;
    Vilag(p, 77);
    const auto fajl = p.Konyvtar() / "okocfg" / "ret";
    std::filesystem::create_directories(fajl.parent_path());
    p.Modalis().MentendoFajl = Q(fajl);
    p.Futtat("Act_OkoCfgMentes");
    QVERIFY(p.Modalis().Uzenetek.empty());
    QVERIFY(std::filesystem::exists(p.Konyvtar() / "okocfg" / "ret.okocfg"));
    QCOMPARE(p.Fo().windowTitle(), QStringLiteral("Zelvaris"));

    p.UjOkoszisztema(300);
    p.Modalis().MegnyitandoFajl = Q(p.Konyvtar() / "okocfg" / "ret.okocfg");
    p.Futtat("Act_OkoCfgMegnyitas");
    QVERIFY(p.Modalis().Uzenetek.empty());
    QCOMPARE(p.Oko().L(), 77);
    QVERIFY(!p.Oko().VanRacs());
    QCOMPARE(p.Oko().NovenyFajokSzama(), 1);
    QCOMPARE(p.Fo().windowTitle(), QStringLiteral("ret.okocfg - Zelvaris"));
    QVERIFY(p.Latszik("Act_Alkalmaz"));
    QVERIFY(!p.Program().Ablakok().Oko->findChild<QLabel*>("Lbl_AlkalmazTipp")->isHidden());
    QVERIFY(!p.Latszik("Act_StartStop"));
    const auto& ablakok = p.Program().Ablakok();
    QCOMPARE(ablakok.Oko->findChild<QLineEdit*>("E_L")->text(), QStringLiteral("77"));
    // The seed-point dialog lists the loaded species.
    QStringList fajok;
    for (QComboBox* c : ablakok.Goc->findChildren<QComboBox*>()) {
      for (int i = 0; i < c->count(); ++i) fajok << c->itemText(i);
    }
    fajok.sort();
    QCOMPARE(fajok, QStringList({"fű (0)", "nyúl (0)"}));
    // A new world belongs to no file.
    p.UjOkoszisztema(300);
    QCOMPARE(p.Fo().windowTitle(), QStringLiteral("Zelvaris"));
  }

  void PillanatkepOdaVissza() {
    TTesztProgram p;
    Vilag(p, 64);
    const int32_t novenyek = p.Oko().NovenyFaj(0).Egyedek.Darab();
    const auto fajl = p.Konyvtar() / "okopill" / "most.okopill";
    std::filesystem::create_directories(fajl.parent_path());
    p.Modalis().MentendoFajl = Q(fajl);
    p.Futtat("Act_OkoPillMentes");
    QVERIFY(p.Modalis().Uzenetek.empty());

    p.UjOkoszisztema(100);
    p.Akcio("Act_Rajzolhat")->trigger();
    p.Modalis().MegnyitandoFajl = Q(fajl);
    p.Futtat("Act_OkoPillMegnyitas");
    QVERIFY(p.Modalis().Uzenetek.empty());
    QVERIFY(p.Oko().VanRacs());
    QCOMPARE(p.Oko().L(), 64);
    QCOMPARE(p.Oko().NovenyFaj(0).Egyedek.Darab(), novenyek);
    QVERIFY(p.Oko().Benepesit);
    QVERIFY(p.Latszik("Act_StartStop"));
    QVERIFY(p.Latszik("Act_OkoPillMentes"));
    QVERIFY(p.Program().Ablakok().Tkp->isVisible());
    QCOMPARE(p.Fo().windowTitle(), QStringLiteral("most.okopill - Zelvaris"));
    QVERIFY(p.Oko().Rajzolhat());
    QVERIFY(p.Akcio("Act_Rajzolhat")->isChecked());
  }

  // A file that cannot be loaded keeps the old ecosystem and every window.
  void SikertelenBetoltes_data() {
    QTest::addColumn<QString>("nev");
    QTest::addColumn<QString>("tartalom");
    QTest::addColumn<bool>("pillanatkep");
    QTest::newRow("hiányzó fájl") << "nincs.okocfg" << QString() << false;
    QTest::newRow("rossz kiterjesztés") << "rossz.txt" << "4.6\n100\n" << false;
    QTest::newRow("ismeretlen verzió") << "regi.okocfg" << "3.1\n100\n0\n0\n" << false;
    QTest::newRow("hibás szám") << "hibas.okocfg" << "4.6\nszáz\n" << false;
    QTest::newRow("pillanatkép adatfájl nélkül") << "magany.okopill" << "4.6\n100\n0\n0\n0\n0\n0\n\n\nmagany.okodat\n" << true;
  }
  void SikertelenBetoltes() {
    QFETCH(QString, nev);
    QFETCH(QString, tartalom);
    QFETCH(bool, pillanatkep);
    TTesztProgram p;
    Vilag(p, 55);
    TOkoszisztema* regi = &p.Oko();
    const auto fajl = p.Konyvtar() / nev.toStdString();
    if (!tartalom.isNull()) FajlIras(fajl, tartalom.toStdString());
    p.Modalis().MegnyitandoFajl = Q(fajl);
    p.Futtat(pillanatkep ? "Act_OkoPillMegnyitas" : "Act_OkoCfgMegnyitas");
    QCOMPARE(p.Modalis().Uzenetek.size(), size_t{1});
    QCOMPARE(p.Modalis().Uzenetek[0].Fajta, TModalisFelulet::TUzenetFajta::Hiba);
    QVERIFY2(p.Modalis().Uzenetek[0].Szoveg.contains(QString::fromStdString(fajl.stem().string())),
             qPrintable(p.Modalis().Uzenetek[0].Szoveg));
    QCOMPARE(&p.Oko(), regi);
    QVERIFY(p.Oko().VanRacs());
    QCOMPARE(p.Oko().NovenyFajokSzama(), 1);
    QCOMPARE(p.Fo().windowTitle(), QStringLiteral("Zelvaris"));
    QVERIFY(p.Latszik("Act_StartStop"));
    QCOMPARE(p.Program().Ablakok().Oko->findChild<QLineEdit*>("E_L")->text(), QStringLiteral("55"));
  }

  void MegszakitottParbeszed() {
    TTesztProgram p;
    Vilag(p, 55);
    TOkoszisztema* regi = &p.Oko();
    p.Futtat("Act_OkoCfgMegnyitas");
    p.Futtat("Act_OkoPillMegnyitas");
    p.Futtat("Act_OkoCfgMentes");
    QCOMPARE(&p.Oko(), regi);
    QVERIFY(p.Modalis().Uzenetek.empty());
  }

  // The extension the program adds must not silently replace another file.
  void FelulirasKerdes() {
    TTesztProgram p;
    Vilag(p, 55);
    const auto letezo = p.Konyvtar() / "okocfg" / "tavasz.okocfg";
    FajlIras(letezo, "eredeti");
    p.Modalis().MentendoFajl = Q(p.Konyvtar() / "okocfg" / "tavasz");
    p.Modalis().IgenValasz = false;
    p.Futtat("Act_OkoCfgMentes");
    std::ifstream be(letezo);
    std::string tartalom;
    std::getline(be, tartalom);
    QCOMPARE(tartalom, std::string("eredeti"));
  }

  void ParancssoriFajl() {
    TTesztProgram p;
    Vilag(p, 66);
    p.Modalis().MentendoFajl = Q(p.Konyvtar() / "vilag.okocfg");
    p.Futtat("Act_OkoCfgMentes");
    p.UjOkoszisztema(300);
    p.Fo().FajlMegnyitasa(p.Konyvtar() / "vilag.okocfg");
    QCOMPARE(p.Oko().L(), 66);
    QVERIFY_THROWS_EXCEPTION(std::exception, p.Fo().FajlMegnyitasa(p.Konyvtar() / "vilag.txt"));
    QCOMPARE(p.Oko().L(), 66);
  }

  // The example meadow as the program's first command opens it.
  void PeldaRet() {
    const std::filesystem::path ret = ZELVARIS_SOURCE_DIR "/data/okocfg/meadow.okocfg";
    if (!std::filesystem::exists(ret)) QSKIP("no example meadow");
    TTesztProgram p;
    p.Fo().FajlMegnyitasa(ret);
    QCOMPARE(p.Fo().windowTitle(), QStringLiteral("meadow.okocfg - Zelvaris"));
    QVERIFY(p.Oko().NovenyFajokSzama() + p.Oko().AllatFajokSzama() > 0);
    p.Futtat("Act_Alkalmaz");
    p.Futtat("Act_Tovabb");
    p.Program().Ablakok().Kezelo->Tikk();
    QCOMPARE(p.Oko().Ido, 1);
    QVERIFY(p.Modalis().Uzenetek.empty());
  }

  void JobbraMelletteAKepernyon() {
    const QRect terulet(0, 0, 1000, 800);
    QCOMPARE(JobbraMellette(QRect(100, 50, 200, 100), QSize(300, 200), terulet, 20), QPoint(300, 50));
    // Past the right edge: back to the left edge, one title bar lower.
    QCOMPARE(JobbraMellette(QRect(600, 50, 200, 100), QSize(300, 200), terulet, 20), QPoint(0, 70));
    // Past the bottom: to the top.
    QCOMPARE(JobbraMellette(QRect(100, 700, 200, 100), QSize(300, 200), terulet, 20), QPoint(300, 0));
  }
};

QTEST_MAIN(TFajlokTeszt)
#include "fajlok_test.moc"
