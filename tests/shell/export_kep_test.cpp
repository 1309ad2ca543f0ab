// Pictures out of the monitors: the map through "Térkép mentése PNG-be...",
// the magnifier, chart and age-pyramid windows through their right-button
// menus. A saved picture is what the window shows; saving draws nothing and
// a failed save leaves the old file as it was.

#include <QImage>
#include <QMenu>
#include <QSignalSpy>

#include "monitors/form_grafikon.h"
#include "monitors/form_korfa.h"
#include "monitors/form_ngy.h"
#include "monitors/form_tkp.h"
#include "monitors/terkep_rajzolo.h"
#include "shell/form_kezelo.h"
#include "teszt_program.h"
#include "tests/teszt_fajlok.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

QString Q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

constexpr TSzin kFuSzin = 0x0000C800;     // green 200
constexpr TSzin kNyulSzin = 0x00C80000;   // blue 200

// A built world of side `l` with a plant and an animal species.
void Vilag(TTesztProgram& p, int64_t l) {
  p.UjOkoszisztema(l);
  TNovenyFaj& fu = p.Oko().UjNovenyFaj("fű");
  fu.PopulacioMeret = static_cast<int32_t>(l * l / 5);
  fu.SetSzin(kFuSzin);
  TAllatFaj& nyul = p.Oko().UjAllatFaj("nyúl");
  nyul.PopulacioMeret = static_cast<int32_t>(l * l / 50);
  // Long-lived and patient, so that the age pyramid has bars to show.
  nyul.Kor = 1000;
  nyul.Ehes = 1000;
  nyul.SetSzin(kNyulSzin);
  p.Futtat("Act_Alkalmaz");
}

bool PontonkentEgyezik(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (qRgb(qRed(a.pixel(x, y)), qGreen(a.pixel(x, y)), qBlue(a.pixel(x, y))) !=
          qRgb(qRed(b.pixel(x, y)), qGreen(b.pixel(x, y)), qBlue(b.pixel(x, y))))
        return false;
  return true;
}

bool VanSzin(const QImage& kep, TSzin szin) {
  const QRgb keresett = KepPont(szin) & 0xFFFFFF;
  for (int y = 0; y < kep.height(); ++y)
    for (int x = 0; x < kep.width(); ++x)
      if ((kep.pixel(x, y) & 0xFFFFFF) == keresett) return true;
  return false;
}

QAction* HelyiAkcio(QWidget& ablak, const char* nev) { return ablak.findChild<QAction*>(QString::fromLatin1(nev)); }

void TerkepMentes(int64_t l) {
  TTesztProgram p;
  Vilag(p, l);
  TTerkepRajzolo& rajzolo = p.Program().Ablakok().Tkp->Rajzolo();
  QSignalSpy rajzolas(&rajzolo, &TTerkepRajzolo::TerkepValtozott);
  const uint32_t mag = p.Kornyezet().Veletlen().Mag();
  // Without an extension the file gets ".png".
  p.Modalis().MentendoFajl = Q(p.Konyvtar() / "terkep");
  QVERIFY(p.Latszik("Act_TerkepPngMentes"));
  p.Futtat("Act_TerkepPngMentes");
  QVERIFY(p.Modalis().Uzenetek.empty());
  const QImage mentett(Q(p.Konyvtar() / "terkep.png"));
  QCOMPARE(mentett.size(), QSize(static_cast<int>(l), static_cast<int>(l)));
  QVERIFY(PontonkentEgyezik(mentett, rajzolo.TerkepKep()));
  QVERIFY(VanSzin(mentett, kFuSzin));
  QVERIFY(VanSzin(mentett, kNyulSzin));
  QCOMPARE(rajzolas.count(), 0);
  QCOMPARE(p.Kornyezet().Veletlen().Mag(), mag);
}

}  // namespace

class TExportKepTeszt : public QObject {
  Q_OBJECT

 private slots:
  void TerkepKicsi() { TerkepMentes(300); }
  void TerkepNagy() { TerkepMentes(2000); }

  void TerkepCsakEpitettVilaggal() {
    TTesztProgram p;
    QVERIFY(!p.Latszik("Act_TerkepPngMentes"));
    p.UjOkoszisztema(100);
    QVERIFY(!p.Latszik("Act_TerkepPngMentes"));
    p.Futtat("Act_Alkalmaz");
    QVERIFY(p.Latszik("Act_TerkepPngMentes"));
    QCOMPARE(p.Fo().Menu("MM_Fajl")->actions().contains(p.Akcio("Act_TerkepPngMentes")), true);
  }

  void Nagyito() {
    TTesztProgram p;
    Vilag(p, 300);
    TForm_Ngy& ngy = *p.Program().Ablakok().Ngy;
    QAction* mentes = HelyiAkcio(ngy, "Act_KepPngMentes");
    QVERIFY(mentes != nullptr);
    QCOMPARE(ngy.contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(mentes->text(), QStringLiteral("Kép mentése PNG-be..."));
    p.Modalis().MentendoFajl = Q(p.Konyvtar() / "nagyito.png");
    mentes->trigger();
    QVERIFY(p.Modalis().Uzenetek.empty());
    const QImage mentett(Q(p.Konyvtar() / "nagyito.png"));
    QCOMPARE(mentett.size(), QSize(521, 521));
    QVERIFY(PontonkentEgyezik(mentett, p.Program().Ablakok().Tkp->Rajzolo().NagyitoKep()));
  }

  void GrafikonEsKorfa() {
    TTesztProgram p;
    Vilag(p, 120);
    p.Futtat("Act_UjGrafikonAblak");
    p.Futtat("Act_UjKorfaAblak");
    for (int i = 0; i < 30; ++i) p.Program().Ablakok().Kezelo->Tikk();
    TForm_Grafikon& grafikon = p.Fo().GrafikonFormLista().Ablak(0);
    QCOMPARE(HelyiAkcio(grafikon, "Act_AdatCsvMentes")->text(), QStringLiteral("Adatok mentése CSV-be..."));
    p.Modalis().MentendoFajl = Q(p.Konyvtar() / "grafikon.png");
    HelyiAkcio(grafikon, "Act_KepPngMentes")->trigger();
    QVERIFY(p.Modalis().Uzenetek.empty());
    const QImage g(Q(p.Konyvtar() / "grafikon.png"));
    QCOMPARE(g.size(), grafikon.size());
    QVERIFY(VanSzin(g, kFuSzin));
    QVERIFY(VanSzin(g, kNyulSzin));

    TForm_Korfa& korfa = p.Fo().KorfaFormLista().Ablak(0);
    korfa.SetAllatFaj(0);
    // Wide age bands, so that every animal falls into a band in view.
    korfa.SetKorbeosztas(200);
    korfa.Frissit();
    p.Modalis().MentendoFajl = Q(p.Konyvtar() / "korfa.png");
    HelyiAkcio(korfa, "Act_KepPngMentes")->trigger();
    QVERIFY(p.Modalis().Uzenetek.empty());
    const QImage k(Q(p.Konyvtar() / "korfa.png"));
    QCOMPARE(k.size(), korfa.size());
    QVERIFY(VanSzin(k, static_cast<TSzin>(korfa.SavSzin().red() | korfa.SavSzin().green() << 8 |
                                          korfa.SavSzin().blue() << 16)));
  }

  void SikertelenMentesMegtartjaARegit() {
    TTesztProgram p;
    Vilag(p, 100);
    const auto konyvtar = p.Konyvtar() / "vedett";
    std::filesystem::create_directories(konyvtar);
    const auto cel = konyvtar / "terkep.png";
    FajlIras(cel, "regi");
    TIrasvedettKonyvtar vedett(konyvtar);
    if (!vedett.Irasvedett()) QSKIP("the directory cannot be made unwritable here");
    p.Modalis().MentendoFajl = Q(cel);
    p.Futtat("Act_TerkepPngMentes");
    QCOMPARE(p.Modalis().Uzenetek.size(), size_t{1});
    QCOMPARE(p.Modalis().Uzenetek[0].Fajta, TModalisFelulet::TUzenetFajta::Hiba);
    QVERIFY(p.Modalis().Uzenetek[0].Szoveg.contains(Q(cel)));
    QCOMPARE(Beolvas(cel), std::string("regi"));
  }

  // A data export to a directory that cannot be written keeps the old file.
  void SikertelenCsvMegtartjaARegit() {
    TTesztProgram p;
    Vilag(p, 60);
    for (int i = 0; i < 5; ++i) p.Program().Ablakok().Kezelo->Tikk();
    p.Futtat("Act_UjGrafikonAblak");
    const auto konyvtar = p.Konyvtar() / "vedett";
    std::filesystem::create_directories(konyvtar);
    const auto cel = konyvtar / "adatok.csv";
    FajlIras(cel, "regi");
    TIrasvedettKonyvtar vedett(konyvtar);
    if (!vedett.Irasvedett()) QSKIP("the directory cannot be made unwritable here");
    p.Modalis().MentendoFajl = Q(cel);
    HelyiAkcio(p.Fo().GrafikonFormLista().Ablak(0), "Act_AdatCsvMentes")->trigger();
    QCOMPARE(p.Modalis().Uzenetek.size(), size_t{1});
    QVERIFY(p.Modalis().Uzenetek[0].Szoveg.contains(Q(cel)));
    QCOMPARE(Beolvas(cel), std::string("regi"));
  }

  // Declining to replace the file the added extension names saves nothing.
  void KiterjesztessselLetezoFajl() {
    TTesztProgram p;
    Vilag(p, 100);
    FajlIras(p.Konyvtar() / "kep.png", "regi");
    p.Modalis().MentendoFajl = Q(p.Konyvtar() / "kep");
    p.Modalis().IgenValasz = false;
    p.Futtat("Act_TerkepPngMentes");
    QCOMPARE(Beolvas(p.Konyvtar() / "kep.png"), std::string("regi"));
    p.Modalis().IgenValasz = true;
    p.Futtat("Act_TerkepPngMentes");
    QCOMPARE(QImage(Q(p.Konyvtar() / "kep.png")).size(), QSize(100, 100));
  }
};

QTEST_MAIN(TExportKepTeszt)
#include "export_kep_test.moc"
