// The seed in the window program: "Mag" and "Kezdőmag" in the information
// window, "Mag beállítása...", --seed on the command line, and a run that
// repeats the batch tool's run with the same seed file for file.

#include <QLineEdit>
#include <QProcess>

#include "monitors/form_grafikon.h"
#include "monitors/form_oko.h"
#include "shell/form_kezelo.h"
#include "shell/inditasi_argumentumok.h"
#include "shell/mag_dialogus.h"
#include "teszt_program.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

const std::filesystem::path kAdat = std::filesystem::path(ZELVARIS_SOURCE_DIR) / "data";
const std::filesystem::path kProgramok(ZELVARIS_PROGRAM_DIR);

QString Q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

QString Mezo(TTesztProgram& p, const char* nev) {
  return p.Program().Ablakok().Oko->findChild<QLineEdit*>(nev)->text();
}

void MagBeallitas(TTesztProgram& p, int64_t mag) {
  p.Modalis().Dialogusok.push_back(OkErtekkel("SpE_Mag", mag));
  p.Futtat("Act_MagBeallitas");
}

std::string Beolvas(const std::filesystem::path& p) {
  std::ifstream be(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(be), std::istreambuf_iterator<char>()};
}

// The text without its last line (a snapshot names its own data file there).
std::string UtolsoSorNelkul(std::string s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
  const auto vege = s.find_last_of('\n');
  return vege == std::string::npos ? std::string() : s.substr(0, vege);
}

// Opens the meadow, sets the seed, builds and runs `lepesek` ticks through
// "Tovább".
void Ret(TTesztProgram& p, uint32_t mag, int lepesek) {
  p.Modalis().MegnyitandoFajl = Q(kAdat / "okocfg" / "meadow.okocfg");
  p.Futtat("Act_OkoCfgMegnyitas");
  MagBeallitas(p, mag);
  p.Futtat("Act_Alkalmaz");
  TForm_Kezelo& kezelo = *p.Program().Ablakok().Kezelo;
  kezelo.findChild<TSpinMezo*>("SpE_Ennyit")->SetErtek(lepesek);
  p.Futtat("Act_Tovabb");
  for (int i = 0; i < lepesek; ++i) kezelo.Tikk();
}

}  // namespace

class TMagFutasTeszt : public QObject {
  Q_OBJECT

 private slots:
  void MagMezokEsBeallitas() {
    TTesztProgram p;
    // Before any build: the clock's seed shows, the start seed is empty.
    QCOMPARE(Mezo(p, "E_Mag"), QString::number(p.Kornyezet().Veletlen().Mag()));
    QVERIFY(Mezo(p, "E_KezdoMag").isEmpty());
    QVERIFY(p.Latszik("Act_MagBeallitas"));
    QCOMPARE(p.Akcio("Act_MagBeallitas")->text(), QStringLiteral("Mag beállítása..."));

    MagBeallitas(p, 4294967295);
    QCOMPARE(p.Kornyezet().Veletlen().Mag(), 4294967295u);
    QCOMPARE(Mezo(p, "E_Mag"), QStringLiteral("4294967295"));
    // Cancel keeps the state.
    p.Futtat("Act_MagBeallitas");
    QCOMPARE(p.Kornyezet().Veletlen().Mag(), 4294967295u);

    p.UjOkoszisztema(80);
    QVERIFY(p.Latszik("Act_MagBeallitas"));
    MagBeallitas(p, 0);
    p.Oko().UjNovenyFaj("fű").PopulacioMeret = 30;
    p.Futtat("Act_Alkalmaz");
    QVERIFY(p.Latszik("Act_MagBeallitas"));
    QCOMPARE(Mezo(p, "E_KezdoMag"), QStringLiteral("0"));
    QCOMPARE(p.Fo().KezdoMag(), std::optional<uint32_t>(0));
    // The placement drew: "Mag" moved on and shows where it is now.
    QVERIFY(p.Kornyezet().Veletlen().Mag() != 0);
    QCOMPARE(Mezo(p, "E_Mag"), QString::number(p.Kornyezet().Veletlen().Mag()));
    // After a tick as well.
    p.Program().Ablakok().Kezelo->Tikk();
    QCOMPARE(Mezo(p, "E_Mag"), QString::number(p.Kornyezet().Veletlen().Mag()));
    QCOMPARE(Mezo(p, "E_KezdoMag"), QStringLiteral("0"));
  }

  // A value the field holds beyond 32 bits is refused, not cut down.
  void TulNagyMagotElutasit() {
    TTesztProgram p;
    MagBeallitas(p, 7);
    p.Modalis().Dialogusok.push_back([](QDialog& d) {
      auto* m = d.findChild<TSpinMezo*>("SpE_Mag");
      m->findChild<QLineEdit*>()->setText(QStringLiteral("4294967296"));
      return int(QDialog::Accepted);
    });
    p.Futtat("Act_MagBeallitas");
    QCOMPARE(p.Kornyezet().Veletlen().Mag(), 7u);
    QCOMPARE(p.Modalis().Uzenetek.size(), size_t{1});
    QCOMPARE(p.Modalis().Uzenetek[0].Fajta, TModalisFelulet::TUzenetFajta::Hiba);
  }

  void ParancssorMagja() {
    auto a = InditasiArgumentumok({QStringLiteral("--seed"), QStringLiteral("12345"), QStringLiteral("ret.okocfg")});
    QCOMPARE(a.Mag, std::optional<uint32_t>(12345));
    QCOMPARE(a.Fajl, QStringLiteral("ret.okocfg"));
    a = InditasiArgumentumok({QStringLiteral("ret.okocfg"), QStringLiteral("--seed=4294967295")});
    QCOMPARE(a.Mag, std::optional<uint32_t>(4294967295u));
    a = InditasiArgumentumok({});
    QVERIFY(!a.Mag);
    QVERIFY(a.Fajl.isEmpty());
    a = InditasiArgumentumok({QStringLiteral("--"), QStringLiteral("-furcsa.okocfg")});
    QCOMPARE(a.Fajl, QStringLiteral("-furcsa.okocfg"));
    for (const QStringList& rossz :
         {QStringList{QStringLiteral("--seed")}, QStringList{QStringLiteral("--seed"), QStringLiteral("4294967296")},
          QStringList{QStringLiteral("--seed=-1")}, QStringList{QStringLiteral("--seed=12a")},
          QStringList{QStringLiteral("--seed="), QStringLiteral("a.okocfg")},
          QStringList{QStringLiteral("--mag"), QStringLiteral("1")},
          QStringList{QStringLiteral("a.okocfg"), QStringLiteral("b.okocfg")}}) {
      QVERIFY_THROWS_EXCEPTION(std::invalid_argument, InditasiArgumentumok(rossz));
    }
  }

  // The window program's run equals the batch tool's with the same seed.
  void AzonosABatchFutassal() {
    const std::filesystem::path batch = kProgramok / "zelvaris-batch";
    if (!std::filesystem::exists(batch)) QSKIP("zelvaris-batch is not built");
    TTesztProgram p;
    Ret(p, 12345, 200);
    QCOMPARE(p.Oko().Ido, 200);
    QCOMPARE(Mezo(p, "E_KezdoMag"), QStringLiteral("12345"));
    const auto ablak = p.Konyvtar() / "ablak.okopill";
    p.Modalis().MentendoFajl = Q(ablak);
    p.Futtat("Act_OkoPillMentes");
    QVERIFY(p.Modalis().Uzenetek.empty());

    const auto eszkoz = p.Konyvtar() / "eszkoz.okopill";
    QProcess folyamat;
    folyamat.start(Q(batch), {QStringLiteral("--seed"), QStringLiteral("12345"), QStringLiteral("--steps"),
                              QStringLiteral("200"), QStringLiteral("--snapshot"), Q(eszkoz),
                              QStringLiteral("--series"), Q(p.Konyvtar() / "eszkoz.csv"),
                              Q(kAdat / "okocfg" / "meadow.okocfg")});
    QVERIFY(folyamat.waitForFinished(120000));
    QCOMPARE(folyamat.exitCode(), 0);
    const QString hibakimenet = QString::fromUtf8(folyamat.readAllStandardError());
    QVERIFY2(hibakimenet.contains(QStringLiteral("final seed: ") + Mezo(p, "E_Mag") + u'\n'),
             qPrintable(hibakimenet + QStringLiteral(" / Mag: ") + Mezo(p, "E_Mag")));

    QVERIFY(Beolvas(p.Konyvtar() / "ablak.okodat") == Beolvas(p.Konyvtar() / "eszkoz.okodat"));
    QVERIFY(!Beolvas(ablak).empty());
    QVERIFY(UtolsoSorNelkul(Beolvas(ablak)) == UtolsoSorNelkul(Beolvas(eszkoz)));

    // The chart window's data export writes what --series writes.
    p.Futtat("Act_UjGrafikonAblak");
    QAction* csv = p.Fo().GrafikonFormLista().Ablak(0).findChild<QAction*>("Act_AdatCsvMentes");
    QVERIFY(csv != nullptr);
    p.Modalis().MentendoFajl = Q(p.Konyvtar() / "ablak");
    csv->trigger();
    QVERIFY(p.Modalis().Uzenetek.empty());
    const std::string sorozat = Beolvas(p.Konyvtar() / "eszkoz.csv");
    QVERIFY(sorozat.starts_with("step,"));
    QVERIFY(Beolvas(p.Konyvtar() / "ablak.csv") == sorozat);
  }

  // A snapshot load builds the world: "Kezdőmag" is the state before it; a
  // load that fails keeps the last one.
  void PillanatkepBetolteseKezdomag() {
    TTesztProgram p;
    MagBeallitas(p, 999);
    p.Modalis().MegnyitandoFajl = Q(kAdat / "okopill" / "meadow-400.okopill");
    p.Futtat("Act_OkoPillMegnyitas");
    QVERIFY(p.Modalis().Uzenetek.empty());
    QCOMPARE(p.Fo().KezdoMag(), std::optional<uint32_t>(999));
    QCOMPARE(Mezo(p, "E_KezdoMag"), QStringLiteral("999"));
    QCOMPARE(Mezo(p, "E_Mag"), QString::number(p.Kornyezet().Veletlen().Mag()));

    MagBeallitas(p, 5);
    FajlIras(p.Konyvtar() / "rossz.okopill", "nem pillanatkep\r\n");
    p.Modalis().MegnyitandoFajl = Q(p.Konyvtar() / "rossz.okopill");
    p.Futtat("Act_OkoPillMegnyitas");
    QCOMPARE(p.Modalis().Uzenetek.size(), size_t{1});
    QCOMPARE(p.Fo().KezdoMag(), std::optional<uint32_t>(999));
    QCOMPARE(p.Kornyezet().Veletlen().Mag(), 5u);
  }
};

QTEST_MAIN(TMagFutasTeszt)
#include "mag_futas_test.moc"
