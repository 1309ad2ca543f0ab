// Languages and the settings file as the program uses them: the menu built
// from the language files, a language applied to every window, and the
// settings written at close.

#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <stdexcept>
#include <utility>

#include "localisation/ini_fajl.h"
#include "monitors/form_oko.h"
#include "shell/form_kezelo.h"
#include "teszt_program.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

const char* kTeljes =
    "[MAIN FORM]\ncForm_Fo=Turtle\n[MAIN MENU]\ncMM_Fajl=&File\n"
    "[ACTIONS]\ncAct_Tovabb=Step on\nc1Act_StartStop=Go\nc2Act_StartStop=Halt\n"
    "[CONTROL]\nccForm_Kezelo=Controller\nccLbl_Ido=times\n[ECOFORM]\nceForm_Oko=Ecosystem\n";

void Nyelvek(const std::filesystem::path& k) {
  FajlIras(k / "languages" / "Teszt.lng", kTeljes);
  FajlIras(k / "languages" / "Egykulcs.lng", "[ACTIONS]\ncAct_Tovabb=Further\n");
}

}  // namespace

class TNyelvEsBeallitasTeszt : public QObject {
  Q_OBJECT

 private slots:
  void NyelvMenu() {
    TTesztProgram p(Nyelvek);
    QMenu* menu = p.Fo().Menu("MM_Language");
    QStringList feliratok;
    for (QAction* a : menu->actions()) feliratok << a->text();
    QCOMPARE(feliratok, QStringList({"Egykulcs", "Teszt"}));
    QCOMPARE(p.Fo().NyelvFajlok().size(), size_t{2});
  }

  void NincsNyelvKonyvtar() {
    TTesztProgram p;
    QVERIFY(p.Fo().Menu("MM_Language")->actions().isEmpty());
    QCOMPARE(p.Akcio("Act_Tovabb")->text(), QStringLiteral("Tovább"));
  }

  void EgyKulcsEgyFelirat() {
    TTesztProgram p(Nyelvek);
    p.Fo().Menu("MM_Language")->actions().at(0)->trigger();
    QCOMPARE(p.Kornyezet().Nyelv().AktualisNyelv(), std::string("Egykulcs.lng"));
    QCOMPARE(p.Akcio("Act_Tovabb")->text(), QStringLiteral("Further"));
    QCOMPARE(p.Akcio("Act_Alkalmaz")->text(), QStringLiteral("Alkalmaz"));
    QCOMPARE(p.Akcio("Act_StartStop")->text(), QStringLiteral("Start"));
    QCOMPARE(p.Fo().Menu("MM_Fajl")->title(), QStringLiteral("&Fájl"));
    QCOMPARE(p.Fo().windowTitle(), QStringLiteral("Zelvaris"));
    QCOMPARE(p.Program().Ablakok().Kezelo->windowTitle(), QStringLiteral("Kezelő"));
    QVERIFY(p.Fo().Menu("MM_Language")->actions().at(0)->isChecked());
  }

  void MindenAblakAtveszi() {
    TTesztProgram p(Nyelvek);
    p.Fo().Menu("MM_Language")->actions().at(1)->trigger();
    QCOMPARE(p.Fo().windowTitle(), QStringLiteral("Turtle"));
    QCOMPARE(p.Fo().Menu("MM_Fajl")->title(), QStringLiteral("&File"));
    QCOMPARE(p.Akcio("Act_StartStop")->text(), QStringLiteral("Go"));
    const auto& ablakok = p.Program().Ablakok();
    QCOMPARE(ablakok.Kezelo->windowTitle(), QStringLiteral("Controller"));
    QCOMPARE(ablakok.Kezelo->findChild<QLabel*>("Lbl_Ido")->text(), QStringLiteral("times"));
    QCOMPARE(ablakok.Oko->windowTitle(), QStringLiteral("Ecosystem"));
  }

  // Loading the language already loaded reads nothing, even a changed file.
  void UgyanazANyelvNemToltodikUjra() {
    TTesztProgram p(Nyelvek);
    QAction* egykulcs = p.Fo().Menu("MM_Language")->actions().at(0);
    egykulcs->trigger();
    FajlIras(p.Konyvtar() / "languages" / "Egykulcs.lng", "[ACTIONS]\ncAct_Tovabb=Changed\n");
    egykulcs->trigger();
    QCOMPARE(p.Akcio("Act_Tovabb")->text(), QStringLiteral("Further"));
  }

  void FutasKozbenStopSzoveg() {
    TTesztProgram p(Nyelvek);
    p.UjOkoszisztema(60);
    p.Futtat("Act_Alkalmaz");
    p.Futtat("Act_StartStop");
    p.Fo().Menu("MM_Language")->actions().at(1)->trigger();
    QCOMPARE(p.Akcio("Act_StartStop")->text(), QStringLiteral("Halt"));
    p.Futtat("Act_StartStop");
    QCOMPARE(p.Akcio("Act_StartStop")->text(), QStringLiteral("Go"));
  }

  // Whether the world runs is the controller's, not the caption's: a file
  // lacking the Stop text keeps the old one, and two equal texts do not make
  // a running world look stopped.
  void StartStopSzovegekEsAFutas() {
    TTesztProgram p([](const std::filesystem::path& k) {
      FajlIras(k / "languages" / "Csak1.lng", "[ACTIONS]\nc1Act_StartStop=Begin\n");
      FajlIras(k / "languages" / "Egyforma.lng",
               "[ACTIONS]\nc1Act_StartStop=Start/Stop\nc2Act_StartStop=Start/Stop\n");
    });
    TForm_Kezelo& kezelo = *p.Program().Ablakok().Kezelo;
    p.UjOkoszisztema(60);
    p.Futtat("Act_Alkalmaz");
    QAction* ss = p.Akcio("Act_StartStop");
    p.Kornyezet().Nyelv().NyelvBetoltese("Csak1.lng");
    QCOMPARE(ss->text(), QStringLiteral("Begin"));
    p.Futtat("Act_StartStop");
    QCOMPARE(ss->text(), QStringLiteral("Stop"));
    p.Kornyezet().Nyelv().NyelvBetoltese("Egyforma.lng");
    QVERIFY(kezelo.Fut());
    p.Futtat("Act_StartStop");
    QVERIFY(!kezelo.Fut());
    QVERIFY(p.Latszik("Act_Tovabb"));
    p.Futtat("Act_StartStop");
    QVERIFY(kezelo.Fut());
    QVERIFY(!p.Latszik("Act_Tovabb"));
  }

  // The language named in the settings comes up before the other windows,
  // which take it when they are created.
  void BeallitasbolIndul() {
    TTesztProgram p([](const std::filesystem::path& k) {
      Nyelvek(k);
      FajlIras(k / "defaultcfg.LIni", "[SERVER]\nServerIP=10.0.0.7\n[LANGUAGE]\ndefaultlanguage=Teszt.lng\n");
    });
    QCOMPARE(p.Fo().windowTitle(), QStringLiteral("Turtle"));
    QCOMPARE(p.Program().Ablakok().Kezelo->windowTitle(), QStringLiteral("Controller"));
    QCOMPARE(p.Fo().Beallitasok().ServerIP(), std::string("10.0.0.7"));
    QVERIFY(p.Fo().Menu("MM_Language")->actions().at(1)->isChecked());
  }

  void BezaraskorIrja() {
    TTesztProgram p(Nyelvek);
    p.Fo().Menu("MM_Language")->actions().at(1)->trigger();
    const auto fajl = p.Konyvtar() / "defaultcfg.LIni";
    QVERIFY(!std::filesystem::exists(fajl));
    p.Bezaras();
    const TIniTartalom ini = IniBetoltes(fajl);
    QCOMPARE(ini.Olvas("LANGUAGE", "defaultlanguage", "?"), std::string("Teszt.lng"));
    QCOMPARE(ini.Olvas("SERVER", "ServerIP", "?"), std::string());
    QVERIFY(p.Modalis().Uzenetek.empty());
  }

  void BezarasFutasKozben() {
    TTesztProgram p;
    p.UjOkoszisztema(60);
    p.Futtat("Act_Alkalmaz");
    p.Futtat("Act_StartStop");
    p.Bezaras();
    QVERIFY(std::filesystem::exists(p.Konyvtar() / "defaultcfg.LIni"));
  }

  void NemIrhatoBeallitas() {
    TTesztProgram p;
    // A directory where the file should be: it cannot be written.
    std::filesystem::create_directory(p.Konyvtar() / "defaultcfg.LIni");
    p.Bezaras();
    QCOMPARE(p.Modalis().Uzenetek.size(), size_t{1});
    QCOMPARE(p.Modalis().Uzenetek[0].Fajta, TModalisFelulet::TUzenetFajta::Informacio);
    QCOMPARE(p.Modalis().Uzenetek[0].Szoveg,
             QStringLiteral("Nem sikerült a konfigurációt menteni, valószínűleg hozzáférési "
                            "jogkorlátozás miatt."));
  }

  // The program ends even when the closing steps fail.
  void BezarasHibaUtanIsVeget() {
    TTesztProgram p;
    std::filesystem::create_directory(p.Konyvtar() / "defaultcfg.LIni");
    bool elso = true;
    p.Modalis().UzenetKozben = [&elso] {
      if (std::exchange(elso, false)) throw std::runtime_error("no display");
    };
    QSignalSpy vege(&p.Fo(), &TForm_Fo::Bezarva);
    p.Fo().close();
    QCOMPARE(vege.count(), 1);
    QCOMPARE(p.Modalis().Uzenetek.size(), size_t{2});
    QCOMPARE(p.Modalis().Uzenetek[1].Szoveg, QStringLiteral("no display"));
  }
};

QTEST_MAIN(TNyelvEsBeallitasTeszt)
#include "nyelv_es_beallitas_test.moc"
