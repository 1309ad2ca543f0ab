// Sprays in the window program: the controller's spray state (what the next
// step sprays, whether a living animal carries a persistent dose), changed
// at once by the sprays, "Tisztítás" and "Gyógyítás"; and the pesticide
// example sprayed persistently, watched in a chart window's dose view, which
// shows and exports what the batch tool's --doses gives for the same run.

#include <QLabel>
#include <QProcess>
#include <sstream>

#include "monitors/form_grafikon.h"
#include "shell/form_kezelo.h"
#include "teszt_program.h"
#include "widgets/pnx_grafikon.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

const std::filesystem::path kPelda =
    std::filesystem::path(ZELVARIS_SOURCE_DIR) / "data" / "okocfg" / "pesticide.okocfg";

QString Q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

void Pelda(TTesztProgram& p) {
  p.Modalis().MegnyitandoFajl = Q(kPelda);
  p.Futtat("Act_OkoCfgMegnyitas");
}

void Tikkek(TTesztProgram& p, int n) {
  for (int i = 0; i < n; ++i) p.Program().Ablakok().Kezelo->Tikk();
}

// The fields of a CSV without quoted commas, row by row.
std::vector<std::vector<std::string>> Csv(const std::filesystem::path& fajl) {
  std::ifstream be(fajl, std::ios::binary);
  std::vector<std::vector<std::string>> sorok;
  std::string sor, mezo;
  while (std::getline(be, sor)) {
    std::istringstream s(sor);
    sorok.emplace_back();
    while (std::getline(s, mezo, ',')) sorok.back().push_back(mezo);
  }
  return sorok;
}

}  // namespace

class TPermetFutasTeszt : public QObject {
  Q_OBJECT

 private slots:
  void AllapotSorok() {
    TTesztProgram p;
    Pelda(p);
    p.Futtat("Act_Alkalmaz");
    TForm_Kezelo& kezelo = *p.Program().Ablakok().Kezelo;
    const QLabel* permet = kezelo.findChild<QLabel*>("Lbl_PermetAllapot");
    const QLabel* dozis = kezelo.findChild<QLabel*>("Lbl_DozisAllapot");
    QVERIFY(permet != nullptr && dozis != nullptr);
    Tikkek(p, 3);
    QCOMPARE(permet->text(), QStringLiteral("Nincs permet a következő lépésre"));
    QCOMPARE(dozis->text(), QStringLiteral("Élő állatban nincs perzisztens dózis"));

    p.Futtat("Act_PerPermetezes");
    QCOMPARE(permet->text(), QStringLiteral("Perzisztens permet a következő lépésre"));
    Tikkek(p, 5);
    QCOMPARE(permet->text(), QStringLiteral("Perzisztens permet a következő lépésre"));
    QCOMPARE(dozis->text(), QStringLiteral("Élő állatban perzisztens dózis van"));
    p.Futtat("Act_DegPermetezes");
    QCOMPARE(permet->text(),
             QStringLiteral("Degradábilis és perzisztens permet a következő lépésre"));
    // The degradable spray lasts one step.
    Tikkek(p, 1);
    QCOMPARE(permet->text(), QStringLiteral("Perzisztens permet a következő lépésre"));

    p.Futtat("Act_Tisztit");
    QCOMPARE(permet->text(), QStringLiteral("Nincs permet a következő lépésre"));
    QCOMPARE(dozis->text(), QStringLiteral("Élő állatban perzisztens dózis van"));
    p.Futtat("Act_Gyogyit");
    QCOMPARE(dozis->text(), QStringLiteral("Élő állatban nincs perzisztens dózis"));
    Tikkek(p, 3);
    QCOMPARE(dozis->text(), QStringLiteral("Élő állatban nincs perzisztens dózis"));
  }

  void PeldaDozisNezetABatchEredmenye() {
    const std::filesystem::path batch =
        std::filesystem::path(ZELVARIS_PROGRAM_DIR) / "zelvaris-batch";
    if (!std::filesystem::exists(batch)) QSKIP("zelvaris-batch is not built");
    TTesztProgram p;
    Pelda(p);
    p.Modalis().Dialogusok.push_back(OkErtekkel("SpE_Mag", 1));
    p.Futtat("Act_MagBeallitas");
    p.Futtat("Act_Alkalmaz");
    p.Futtat("Act_UjGrafikonAblak");
    TForm_Grafikon& w = p.Fo().GrafikonFormLista().Ablak(0);
    w.SetNezet(TGrafikonNezet::Dozis);
    // Sprayed before step 100, as --spray 100:persistent does.
    Tikkek(p, 99);
    p.Futtat("Act_PerPermetezes");
    Tikkek(p, 301);

    // The foxes carry more than the rabbits they eat.
    TPnx_Grafikon& g = w.Grafikon();
    QCOMPARE(g.Sorozat(1).Nev(), QStringLiteral("Rabbit (0) per."));
    QCOMPARE(g.Sorozat(3).Nev(), QStringLiteral("Fox (1) per."));
    QVERIFY(g.Sorozat(3).Ertek(399) > g.Sorozat(1).Ertek(399));
    w.resize(900, 420);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    g.Kep();
    QVERIFY(w.grab().save(Q(std::filesystem::path(ZELVARIS_TEST_OUTPUT_DIR) / "doses-chart.png")));

    p.Modalis().MentendoFajl = Q(p.Konyvtar() / "ablak.csv");
    w.AdatMentesAkcio()->trigger();
    QVERIFY(p.Modalis().Uzenetek.empty());
    QProcess folyamat;
    folyamat.start(
        Q(batch),
        {QStringLiteral("--seed"), QStringLiteral("1"), QStringLiteral("--steps"),
         QStringLiteral("400"), QStringLiteral("--spray"), QStringLiteral("100:persistent"),
         QStringLiteral("--doses"), Q(p.Konyvtar() / "eszkoz.csv"), Q(kPelda)});
    QVERIFY(folyamat.waitForFinished(120000));
    QCOMPARE(folyamat.exitCode(), 0);
    const auto ablak = Csv(p.Konyvtar() / "ablak.csv");
    const auto eszkoz = Csv(p.Konyvtar() / "eszkoz.csv");
    QCOMPARE(ablak.size(), size_t{401});
    QCOMPARE(eszkoz.size(), ablak.size());
    // The window writes each species' two means; the tool also the maxima.
    constexpr size_t kEszkozOszlop[] = {0, 1, 3, 5, 7};
    for (size_t k = 0; k < ablak.size(); ++k) {
      QCOMPARE(ablak[k].size(), std::size(kEszkozOszlop));
      for (size_t o = 0; o < ablak[k].size(); ++o)
        QCOMPARE(QString::fromStdString(ablak[k][o]),
                 QString::fromStdString(eszkoz[k][kEszkozOszlop[o]]));
    }
  }
};

QTEST_MAIN(TPermetFutasTeszt)
#include "permet_futas_test.moc"
