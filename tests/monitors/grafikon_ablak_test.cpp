// Chart windows: series order and keys, the first step, placement, hidden
// windows, opening on a running world, species added, renamed and recoloured
// by kind and Id, catching up without reading past the sources, a source row
// read after it moved, languages, and replacing the ecosystem under open
// windows.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <memory>
#include <sstream>

#include "monitors/form_korfa.h"
#include "monitors/grafikon_lista.h"
#include "monitors/korfa_lista.h"
#include "monitors/letszam_sor.h"
#include "app/alkalmazas_kornyezet.h"
#include "widgets/grafikon_geometria.h"
#include "widgets/grafikon_panel.h"
#include "widgets/pnx_grafikon.h"
#include "widgets/qszin.h"

using namespace zelvaris;

namespace {

const TSzin Bibor = Rgb(255, 0, 255);
const TSzin Cian = Rgb(0, 255, 255);
const TSzin Narancs = Rgb(255, 128, 0);

// A small living world: two plants and one animal, all in colours the chart
// draws nowhere else.
std::unique_ptr<TOkoszisztema> Vilag(TAlkalmazasKornyezet& k) {
  auto oko = k.UjOkoszisztema();
  oko->Atmeretez(60);
  TNovenyFaj& fu = oko->UjNovenyFaj("fű");
  fu.SetSzin(Bibor);
  fu.Tomeg = 30;
  fu.Novekmeny = 3;
  fu.PopulacioMeret = 600;
  TNovenyFaj& here = oko->UjNovenyFaj("here");
  here.SetSzin(Cian);
  here.Tomeg = 20;
  here.Novekmeny = 2;
  here.PopulacioMeret = 300;
  TAllatFaj& nyul = oko->UjAllatFaj("nyúl");
  nyul.SetSzin(Narancs);
  nyul.PopulacioMeret = 80;
  nyul.SetTomeg(5);
  nyul.Kor = 80;
  nyul.Vemhes = 5;
  nyul.Ivarerettseg = 10;
  nyul.Utod = 3;
  nyul.Ehes = 8;
  nyul.Jollakottsag = 10;
  nyul.SetMozgasHossz(5);
  nyul.Predak.SetNovenyPredak({{0, 1}});
  oko->Alkalmaz();
  return oko;
}

int SzinDarab(const QImage& kep, TSzin szin) {
  const QRgb keresett = QSzin(szin).rgb();
  int db = 0;
  for (int y = 0; y < kep.height(); ++y)
    for (int x = 0; x < kep.width(); ++x)
      if (kep.pixel(x, y) == keresett) ++db;
  return db;
}

struct TKornyezet {
  TAlkalmazasKornyezet kornyezet{ZELVARIS_SOURCE_DIR};
  TGrafikonFormLista lista{kornyezet};
  TKorfaFormLista korfak{kornyezet};

  TKornyezet() { kornyezet.OkoszisztemaCsere(Vilag(kornyezet)); }
  TOkoszisztema& Oko() { return kornyezet.Okoszisztema(); }
  void Lepes(int n = 1) {
    for (int i = 0; i < n; ++i) {
      Oko().Lepes();
      lista.Leptet();
      korfak.Leptet();
    }
  }
};

}  // namespace

class GrafikonAblakTeszt : public QObject {
  Q_OBJECT

 private slots:
  void nyitasIdo0() {
    TKornyezet t;
    TForm_Grafikon& w = t.lista.UjAblak();
    TPnx_Grafikon& g = w.Grafikon();
    QCOMPARE(w.size(), QSize(678, 307));
    QCOMPARE(g.Caption(), QStringLiteral("Populáció grafikon"));
    QCOMPARE(g.XTgFelirat(), QStringLiteral("Idő"));
    QVERIFY(g.Idovonalak());
    QVERIFY(g.Illesztes());
    QCOMPARE(w.windowTitle(), QStringLiteral("Grafikon"));
    QCOMPARE(g.SorozatokSzama(), 3);
    QCOMPARE(g.Sorozat(0).Nev(), QStringLiteral("fű (0)"));
    QCOMPARE(g.Sorozat(1).Nev(), QStringLiteral("here (1)"));
    QCOMPARE(g.Sorozat(2).Nev(), QStringLiteral("nyúl (0)"));
    QCOMPARE(g.Sorozat(2).Szin(), QSzin(Narancs));
    QCOMPARE(w.SorozatIndex(TSorozatFajta::Allat, 0), 2);
    QCOMPARE(w.SorozatKeres(QStringLiteral("here (1)")), 1);
    QCOMPARE(w.SorozatKeres(QStringLiteral("here")), -1);
    QCOMPARE(g.Hossz(), 0);

    t.Lepes();
    QCOMPARE(g.Hossz(), 1);
    QCOMPARE(g.Sorozat(0).CimkeSzoveg(), QString::number(t.Oko().NovenyLetszam.Ertek(0, 0), 'f', 0));
    QCOMPARE(g.Sorozat(2).CimkeSzoveg(), QString::number(t.Oko().AllatLetszam.Ertek(0, 0), 'f', 0));
    QVERIFY(t.Oko().AllatLetszam.Ertek(0, 0) > 0);
    // One point is no line yet.
    const QImage kep = g.Kep();
    for (TSzin s : {Bibor, Cian, Narancs}) QCOMPARE(SzinDarab(kep, s), 0);
    t.Lepes();
    QVERIFY(SzinDarab(g.Kep(), Narancs) > 0);
  }

  void masodikAblakLepcsozve() {
    TKornyezet t;
    TForm_Grafikon& elso = t.lista.UjAblak();
    elso.move(100, 150);
    TForm_Grafikon& masodik = t.lista.UjAblak();
    QCOMPARE(masodik.pos(), elso.pos() + QPoint(-10, 10));
    QCOMPARE(t.lista.Darab(), 2);
    // Closing hides; the window stays in the list and keeps advancing.
    t.lista.MindetBezar();
    QVERIFY(!elso.isVisible());
    t.Lepes(3);
    QCOMPARE(masodik.Grafikon().Hossz(), 3);
    t.lista.MindetElorehoz();
    QVERIFY(elso.isVisible());
  }

  void rejtettAblakUtolerI() {
    TKornyezet t;
    TForm_Grafikon& w = t.lista.UjAblak();
    t.Lepes(20);
    (void)w.Grafikon().Kep();
    w.hide();
    t.Lepes(40);
    QCOMPARE(w.Grafikon().Hossz(), 60);
    w.show();
    const QImage latott = w.Grafikon().Kep().copy();
    w.Grafikon().Frissit();
    QCOMPARE(latott, w.Grafikon().Kep());
    // A window opened now, of the same size, shows the same picture.
    TForm_Grafikon& friss = t.lista.UjAblak();
    QCOMPARE(friss.Grafikon().Hossz(), 60);
    QCOMPARE(friss.Grafikon().Kep(), latott);
  }

  void futoVilagraNyitva() {
    TKornyezet t;
    t.Lepes(500);
    TForm_Grafikon& w = t.lista.UjAblak();
    // Wide enough that the next point does not slide the window.
    w.resize(1000, 307);
    TPnx_Grafikon& g = w.Grafikon();
    QCOMPARE(g.Hossz(), 500);
    const QImage elotte = g.Kep().copy();
    const int64_t kezdet = g.Kezdet();
    QVERIFY(SzinDarab(elotte, Narancs) > 0);
    t.Lepes();
    const QImage utana = g.Kep();
    QCOMPARE(g.Kezdet(), kezdet);
    const int bal = grafikon::PontX(499, g.Kezdet()) - 3;
    const int jobb = grafikon::PontX(500, g.Kezdet()) + 3;
    bool valtozott = false;
    for (int y = 0; y < utana.height(); ++y)
      for (int x = 0; x < utana.width(); ++x)
        if (utana.pixel(x, y) != elotte.pixel(x, y)) {
          QVERIFY2(x >= bal && x <= jobb, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
          valtozott = true;
        }
    QVERIFY(valtozott);
  }

  void kesobbiFajNullakkal() {
    TKornyezet t;
    TForm_Grafikon& w = t.lista.UjAblak();
    t.Lepes(20);
    TAllatFaj& uj = t.Oko().UjAllatFaj("róka");
    uj.SetSzin(Rgb(10, 20, 30));
    t.lista.FajBejegyzes(TSorozatFajta::Allat, uj.Id());
    // A second registration of the same species adds nothing.
    t.lista.FajBejegyzes(TSorozatFajta::Allat, uj.Id());
    TPnx_Grafikon& g = w.Grafikon();
    QCOMPARE(g.SorozatokSzama(), 4);
    QCOMPARE(g.Sorozat(3).Nev(), QStringLiteral("róka (1)"));
    QCOMPARE(g.Sorozat(3).Rogzitett(), 20);
    for (int i = 0; i < 20; ++i) QCOMPARE(g.Sorozat(3).Ertek(i), 0.0f);
    t.Lepes(2);
    QCOMPARE(g.Hossz(), 22);
    QCOMPARE(g.Sorozat(3).CimkeSzoveg(), QStringLiteral("0"));
  }

  void azonosNevuFajokKulcsSzerint() {
    TAlkalmazasKornyezet k{ZELVARIS_SOURCE_DIR};
    TGrafikonFormLista lista{k};
    auto oko = k.UjOkoszisztema();
    oko->UjNovenyFaj("Fű");
    oko->UjAllatFaj("Fű");
    k.OkoszisztemaCsere(std::move(oko));
    TForm_Grafikon& w = lista.UjAblak();
    TPnx_Grafikon& g = w.Grafikon();
    QCOMPARE(g.Sorozat(0).Nev(), g.Sorozat(1).Nev());

    k.Okoszisztema().AllatFaj(0).SetNev("Nyúl");
    lista.Atnevezes(TSorozatFajta::Allat, 0);
    QCOMPARE(g.Sorozat(0).Nev(), QStringLiteral("Fű (0)"));
    QCOMPARE(g.Sorozat(1).Nev(), QStringLiteral("Nyúl (0)"));

    k.Okoszisztema().NovenyFaj(0).SetSzin(Bibor);
    lista.Atszinezes(TSorozatFajta::Noveny, 0);
    QCOMPARE(g.Sorozat(0).Szin(), QSzin(Bibor));
    QCOMPARE(g.Sorozat(1).Szin(), QSzin(k.Okoszisztema().AllatFaj(0).Szin()));
    // An Id the window does not show changes nothing.
    lista.Atnevezes(TSorozatFajta::Allat, 7);
    QCOMPARE(g.SorozatokSzama(), 2);
  }

  void nemOlvasRogzitettenTul() {
    TKornyezet t;
    TForm_Grafikon& w = t.lista.UjAblak();
    TPnx_Grafikon& g = w.Grafikon();
    // No new data: nothing to advance.
    t.lista.Leptet();
    QCOMPARE(g.Hossz(), 0);
    // Only the animal half recorded (the plant half failed): wait for both.
    t.Oko().AllatLetszam.HosszBeallitasa(1);
    t.lista.Leptet();
    QCOMPARE(g.Hossz(), 0);
    t.Oko().NovenyLetszam.HosszBeallitasa(1);
    // Two missed ticks are caught up at once.
    t.Oko().Lepes();
    t.Oko().Lepes();
    t.lista.Leptet();
    QCOMPARE(g.Hossz(), 3);
    QCOMPARE(w.Rogzitett(), 3);
  }

  void nyelv() {
    TKornyezet t;
    TForm_Grafikon& w = t.lista.UjAblak();
    TNyelviTabla tabla;
    tabla.SetSzoveg("cgForm_Grafikon", "Chart");
    tabla.SetSzoveg("cgLbl_Caption", "Population chart");
    tabla.SetSzoveg("cgChB_Kezelo", "Panel");
    tabla.SetSzoveg("cg1Btn_AktualisKeres", "Current");
    tabla.SetSzoveg("cg2Btn_AktualisKeres", "Browse");
    t.lista.NyelvAlkalmaz(tabla);
    QCOMPARE(w.windowTitle(), QStringLiteral("Chart"));
    QCOMPARE(w.Grafikon().ChB_Kezelo()->text(), QStringLiteral("Panel"));
    // The title label follows the language; the Caption property keeps its value.
    QCOMPARE(w.Grafikon().Caption(), QStringLiteral("Populáció grafikon"));
  }

  void letszamForrasSoraMozgasUtanIs() {
    TLetszamForras f;
    f.SorokBeallitasa(1);
    TPnx_Grafikon g;
    auto& cs = g.UjAdatCsoport(LetszamSor(f, 0));
    for (int i = 0; i < 1500; ++i) {
      f.HosszBeallitasa(f.Hossz() + 1);
      f.ErtekBeallitasa(0, f.Hossz() - 1, float(i));
      // A second species appears midway: rows move, the series still reads row 0.
      if (i == 700) f.SorokBeallitasa(2);
      g.Leptet();
    }
    QCOMPARE(cs.CimkeSzoveg(), QStringLiteral("1499"));
  }

  // The dose view: each animal species' mean degradable and, dashed, mean
  // persistent dose in its colour, on the same length; the fit follows the
  // new values, sliding still matches a full repaint, and the CSV export
  // writes the view's columns. Back to population, today's series return.
  void dozisNezet() {
    TKornyezet t;
    t.Oko().AllatFaj(0).PerHatas = true;
    TForm_Grafikon& w = t.lista.UjAblak();
    // A plot 65 points wide: the dose view slides soon.
    w.resize(300, 307);
    TPnx_Grafikon& g = w.Grafikon();
    t.Lepes(5);
    t.Oko().PerPermetezes();
    t.Lepes(55);
    (void)g.Kep();
    const double letszamOsztas = g.Osztas();
    w.Grafikon().Panel()->CmB_Nezet->setCurrentIndex(1);
    QCOMPARE(w.Nezet(), TGrafikonNezet::Dozis);
    QCOMPARE(g.SorozatokSzama(), 2);
    QCOMPARE(g.Sorozat(0).Nev(), QStringLiteral("nyúl (0) deg."));
    QCOMPARE(g.Sorozat(1).Nev(), QStringLiteral("nyúl (0) per."));
    QVERIFY(!g.Sorozat(0).Szaggatott());
    QVERIFY(g.Sorozat(1).Szaggatott());
    QCOMPARE(g.Sorozat(1).Szin(), QSzin(Narancs));
    QCOMPARE(g.Lbl_Caption()->text(), QStringLiteral("Dózis grafikon"));
    QCOMPARE(g.Hossz(), 60);
    const float per = t.Oko().AllatDozis.PerAtlag.Ertek(0, 59);
    QVERIFY(per > 1.0f);
    QCOMPARE(g.Sorozat(1).Ertek(59), per);
    QVERIFY(SzinDarab(g.Kep(), Narancs) > 0);
    QVERIFY(g.Osztas() < letszamOsztas);
    for (int i = 0; i < 40; ++i) {
      t.Lepes();
      if (i == 39) QVERIFY(g.Kezdet() > 0);
      const QImage csusztatva = g.Kep().copy();
      g.Frissit();
      QCOMPARE(g.Kep(), csusztatva);
    }
    std::ostringstream csv;
    SorozatIrasa(w.CsvOszlopok(), RogzitettLepesek(t.Oko()), csv);
    QVERIFY(csv.str().starts_with("step,nyúl (0) deg mean,nyúl (0) per mean\n1,0,0\n"));

    // A language change keeps the view and renames its series.
    TNyelviTabla angol;
    angol.SetSzoveg("cxLbl_DozisCaption", "Dose chart");
    angol.SetSzoveg("cxSor_PerAtlag", "pers.");
    t.lista.NyelvAlkalmaz(angol);
    QCOMPARE(w.Grafikon().Panel()->CmB_Nezet->currentIndex(), 1);
    QCOMPARE(g.Lbl_Caption()->text(), QStringLiteral("Dose chart"));
    QCOMPARE(g.Sorozat(1).Nev(), QStringLiteral("nyúl (0) pers."));

    t.Oko().AllatFaj(0).SetNev("Nyúl");
    t.lista.Atnevezes(TSorozatFajta::Allat, 0);
    QCOMPARE(g.Sorozat(1).Nev(), QStringLiteral("Nyúl (0) pers."));
    w.SetNezet(TGrafikonNezet::Letszam);
    QCOMPARE(w.Grafikon().Panel()->CmB_Nezet->currentIndex(), 0);
    QCOMPARE(g.SorozatokSzama(), 3);
    QCOMPARE(g.Sorozat(2).Nev(), QStringLiteral("Nyúl (0)"));
    QVERIFY(!g.Sorozat(2).Szaggatott());
    QCOMPARE(w.CsvOszlopok().size(), size_t{3});
  }

  void okoszisztemaCsereNyitottAblakokkal() {
    TKornyezet t;
    t.lista.UjAblak();
    t.lista.UjAblak();
    TForm_Korfa& korfa = t.korfak.UjAblak();
    korfa.SetAllatFaj(0);
    t.Lepes(5);
    t.kornyezet.OkoszisztemaCsere(Vilag(t.kornyezet));
    QCOMPARE(t.lista.Darab(), 0);
    QCOMPARE(t.korfak.Darab(), 0);
    t.Lepes(3);
    TForm_Grafikon& uj = t.lista.UjAblak();
    QCOMPARE(uj.Grafikon().Hossz(), 3);
    t.Lepes();
    QCOMPARE(uj.Grafikon().Hossz(), 4);
  }
};

QTEST_MAIN(GrafikonAblakTeszt)
#include "grafikon_ablak_test.moc"
