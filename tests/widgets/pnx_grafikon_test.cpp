// The chart component fed with series held by the test, as the chart windows
// feed it from the population sources.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <deque>

#include "widgets/grafikon_geometria.h"
#include "widgets/grafikon_panel.h"
#include "widgets/pnx_grafikon.h"
#include "widgets/pnx_hatvany.h"
#include "widgets/spin_mezo.h"

using namespace zelvaris;

namespace {

// A series the test appends to; reading beyond what was appended fails the test.
struct Sor {
  std::vector<float> ertekek;
  bool tulolvasas = false;
  TAdatForras Forras() {
    return {[this](int64_t i) {
              if (i < 0 || i >= static_cast<int64_t>(ertekek.size())) {
                tulolvasas = true;
                return 0.0f;
              }
              return ertekek[static_cast<size_t>(i)];
            },
            [this] { return static_cast<int64_t>(ertekek.size()); }};
  }
};

// Plot width 426: 426 + 74 + 161.
constexpr int Szelesseg426 = 426 + grafikon::RajzMargo + 161;

int SzinPixelek(const QImage& kep, const QColor& szin, int x0 = 0, int x1 = -1) {
  if (x1 < 0) x1 = kep.width() - 1;
  int db = 0;
  for (int y = 0; y < kep.height(); ++y)
    for (int x = std::max(0, x0); x <= std::min(x1, kep.width() - 1); ++x)
      if (kep.pixelColor(x, y) == szin) ++db;
  return db;
}

// The exponent the fit should choose for base 2: the smallest that keeps `m`
// strictly below the value at the top of the plot (the arrow tip, row 5).
int VartKitevo(int kepMagassag, int alsoMargo, double m) {
  const double sorok = kepMagassag - alsoMargo - 5;
  int k = -24;
  while (k < 24 && !(m < sorok * std::ldexp(1.0, k))) ++k;
  return k;
}

// What the window shows on the screen now.
QImage Kepernyon(QWidget& w) {
  return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class PnxGrafikonTest : public QObject {
  Q_OBJECT

 private slots:
  void Kezdoallapot() {
    TPnx_Grafikon g;
    QCOMPARE(g.Caption(), QStringLiteral("Pnx_Grafikon"));
    QCOMPARE(g.KepSzelesseg(), 500 - 161);
    QCOMPARE(g.RajzSzelesseg(), 500 - 161 - 74);
    QCOMPARE(g.AlsoMargo(), 25);
    QCOMPARE(g.Panel()->Btn_AktualisKeres->text(), QStringLiteral("Kereső"));
    QVERIFY(!g.Kep().isNull());
  }

  void ElsoPontCsakCimke() {
    TPnx_Grafikon g;
    Sor s{{7.0f}};
    auto& cs = g.UjAdatCsoport(s.Forras());
    cs.SetSzin(Qt::red);
    g.Leptet();
    QCOMPARE(g.Hossz(), 1);
    QCOMPARE(cs.CimkeSzoveg(), QStringLiteral("7"));
    QCOMPARE(SzinPixelek(g.Kep(), Qt::red), 0);
    s.ertekek.push_back(9.0f);
    g.Leptet();
    QCOMPARE(cs.CimkeSzoveg(), QStringLiteral("9"));
    QVERIFY(SzinPixelek(g.Kep(), Qt::red) > 0);
    QVERIFY(!s.tulolvasas);
  }

  void SohaNemOlvasTulARogzitetten() {
    TPnx_Grafikon g;
    Sor s{{1.0f, 2.0f}};
    auto& cs = g.UjAdatCsoport(s.Forras());
    for (int i = 0; i < 5; ++i) g.Leptet();
    g.SetTizedesjegyek(3);
    g.Kep();
    QVERIFY(!s.tulolvasas);
    QCOMPARE(g.Hossz(), 5);
    QCOMPARE(cs.CimkeSzoveg(), QStringLiteral("2"));
  }

  void CsuszasElo_data() {
    QTest::addColumn<int>("csusztatas");
    QTest::addColumn<qint64>("kezdet");
    QTest::newRow("slide 1") << 1 << qint64(1);
    QTest::newRow("slide 200") << 200 << qint64(200);
  }
  void CsuszasElo() {
    QFETCH(int, csusztatas);
    QFETCH(qint64, kezdet);
    TPnx_Grafikon g;
    g.resize(Szelesseg426, 300);
    g.Kep();
    QCOMPARE(g.RajzSzelesseg(), 426);
    g.SetCsusztatas(csusztatas);
    Sor s;
    g.UjAdatCsoport(s.Forras());
    for (int i = 0; i < 425; ++i) {
      s.ertekek.push_back(float(i));
      g.Leptet();
    }
    QCOMPARE(g.Kezdet(), 0);
    s.ertekek.push_back(425.0f);
    g.Leptet();
    QCOMPARE(g.Kezdet(), kezdet);
    QCOMPARE(g.Hossz(), 426);
  }

  void Ertekcimkek() {
    TPnx_Grafikon g;
    Sor s{{1.0f, 2.5f}};
    auto& cs = g.UjAdatCsoport(s.Forras());
    g.Leptet();
    g.Leptet();
    g.SetTizedesjegyek(2);
    QCOMPARE(cs.CimkeSzoveg(), QStringLiteral("2.50"));
    g.SetOsztas(0.5);
    QCOMPARE(g.Panel()->OsztasCimke->text(), QStringLiteral("0.50"));
    // Typing past the range is held to 0..15.
    g.SetTizedesjegyek(40);
    QCOMPARE(g.Tizedesjegyek(), 15);
    g.SetOsztas(0.0);
    g.SetOsztas(-1.0);
    QCOMPARE(g.Osztas(), 0.5);
  }

  void HatvanyAllitjaAzOsztast() {
    TPnx_Grafikon g;
    g.Panel()->Hatvany->KitevoLe();
    QCOMPARE(g.Osztas(), 0.5);
    QCOMPARE(g.Panel()->OsztasCimke->text(), QStringLiteral("0"));
  }

  void RejtettSorozatNemHagyPixelt() {
    TPnx_Grafikon g;
    Sor a, b;
    auto& ca = g.UjAdatCsoport(a.Forras());
    auto& cb = g.UjAdatCsoport(b.Forras());
    ca.SetSzin(QColor(255, 0, 0));
    cb.SetSzin(QColor(0, 0, 255));
    for (int i = 0; i < 200; ++i) {
      a.ertekek.push_back(float(i % 90));
      b.ertekek.push_back(float(120 - i % 60));
      g.Leptet();
    }
    QVERIFY(SzinPixelek(g.Kep(), QColor(255, 0, 0)) > 0);
    ca.SetLathato(false);
    QVERIFY(!ca.Jelolo()->isChecked());
    for (int i = 0; i < 20; ++i) {
      a.ertekek.push_back(50.0f);
      b.ertekek.push_back(50.0f);
      g.Leptet();
    }
    QCOMPARE(SzinPixelek(g.Kep(), QColor(255, 0, 0)), 0);
    QVERIFY(SzinPixelek(g.Kep(), QColor(0, 0, 255)) > 0);
    QCOMPARE(ca.CimkeSzoveg(), QStringLiteral("50"));
    ca.Jelolo()->setChecked(true);
    QVERIFY(ca.Lathato());
  }

  void KeresoModCsakAzAblakot() {
    TPnx_Grafikon g;
    Sor s;
    auto& cs = g.UjAdatCsoport(s.Forras());
    cs.SetSzin(QColor(0, 200, 0));
    const int n = g.RajzSzelesseg() * 2;
    for (int i = 0; i < n; ++i) {
      s.ertekek.push_back(10.0f);
      g.Leptet();
    }
    g.Panel()->Btn_AktualisKeres->click();
    QVERIFY(!g.Aktualis());
    QCOMPARE(g.AlsoMargo(), 38);
    QCOMPARE(g.Panel()->Btn_AktualisKeres->text(), QStringLiteral("Aktuális"));
    QVERIFY(!g.ChB_Kezelo()->isEnabled());
    QCOMPARE(g.Gorgeto()->maximum(), n);
    g.Gorgeto()->setValue(0);
    QCOMPARE(g.Kezdet(), 0);
    const QImage& kep = g.Kep();
    // Points 0 .. RajzSzelesseg - 1 only: nothing right of the last one.
    const int utolsoX = grafikon::PontX(g.RajzSzelesseg() - 1, 0);
    QVERIFY(SzinPixelek(kep, QColor(0, 200, 0), 0, utolsoX + 1) > 0);
    QCOMPARE(SzinPixelek(kep, QColor(0, 200, 0), utolsoX + 2), 0);
    // New points arrive but the window stays.
    s.ertekek.push_back(10.0f);
    g.Leptet();
    QCOMPARE(g.Kezdet(), 0);
    QCOMPARE(g.Hossz(), n + 1);
    QCOMPARE(SzinPixelek(g.Kep(), QColor(0, 200, 0), utolsoX + 2), 0);
    g.SetAktualis(true);
    QCOMPARE(g.Kezdet(), n + 1 - g.RajzSzelesseg() + 1);
  }

  void NegativErtekATengelyAlatt() {
    TPnx_Grafikon g;
    Sor s{{-10.0f, -10.0f, -10.0f}};
    g.UjAdatCsoport(s.Forras()).SetSzin(QColor(255, 0, 255));
    for (int i = 0; i < 3; ++i) g.Leptet();
    const QImage& kep = g.Kep();
    const int y0 = kep.height() - g.AlsoMargo();
    QCOMPARE(kep.pixelColor(grafikon::X0 + 1, y0 + 10), QColor(255, 0, 255));
  }

  void HatalmasErtekekKisOsztassal() {
    TPnx_Grafikon g;
    Sor s{{2e9f, -2e9f, 2e9f, 0.0f}};
    g.UjAdatCsoport(s.Forras()).SetSzin(QColor(255, 0, 255));
    for (int i = 0; i < 24; ++i) g.Panel()->Hatvany->KitevoLe();
    g.Panel()->Hatvany->AlapFel();
    while (g.Panel()->Hatvany->Alap() < 24) g.Panel()->Hatvany->AlapFel();
    QVERIFY(g.Osztas() > 0.0);
    QVERIFY(g.Osztas() < 1e-30);
    for (int i = 0; i < 4; ++i) g.Leptet();
    QVERIFY(SzinPixelek(g.Kep(), QColor(255, 0, 255)) > 0);
  }

  void RejtettGrafikonTeljesenFrissulMegjelenve() {
    TPnx_Grafikon g;
    Sor s;
    g.UjAdatCsoport(s.Forras()).SetSzin(Qt::red);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.hide();
    for (int i = 0; i < 50; ++i) {
      s.ertekek.push_back(float(i));
      g.Leptet();
    }
    g.show();
    const QImage megjelenve = g.Kep().copy();
    g.Frissit();
    QCOMPARE(g.Kep(), megjelenve);
  }

  // Frame by frame only new segments and label texts reach the screen; what
  // adds up there equals a full repaint, before and after the window slides.
  void KepkockakOsszegeTeljesRajz_data() {
    QTest::addColumn<int>("csusztatas");
    QTest::newRow("slide 1") << 1;
    QTest::newRow("slide 9") << 9;
  }
  void KepkockakOsszegeTeljesRajz() {
    QFETCH(int, csusztatas);
    TPnx_Grafikon g;
    g.resize(Szelesseg426, 300);
    g.SetCsusztatas(csusztatas);
    Sor a, b;
    g.UjAdatCsoport(a.Forras()).SetSzin(Qt::red);
    g.UjAdatCsoport(b.Forras()).SetSzin(Qt::blue);
    g.SetTizedesjegyek(1);
    // The Y-axis caption stands over the sliding columns.
    g.SetYTgFelirat(QStringLiteral("Egyedszám, tömeg"));
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    for (int lepesek : {400, 600, 1050}) {
      while (g.Hossz() < lepesek) {
        const int i = static_cast<int>(g.Hossz());
        a.ertekek.push_back(float(100 + (i * 37) % 90) + 0.5f);
        b.ertekek.push_back(float(i % 150));
        g.Leptet();
        if (i % 23 == 0) QTest::qWait(20);
      }
      QTRY_COMPARE(g.Panel()->IdoErtek->text(), QString::number(lepesek));
      QTRY_VERIFY(!g.VanFuggoRajz());
      QTest::qWait(20);
      for (int i = 0; i < 2; ++i) QCOMPARE(g.Sorozat(i).ErtekCimke()->text(), g.Sorozat(i).CimkeSzoveg());
      const QImage kepernyon = Kepernyon(g);
      QCOMPARE(kepernyon.size(), g.size());
      // A full repaint of the plot, at the next frame.
      g.Frissit();
      QTRY_VERIFY(!g.VanFuggoRajz());
      QTest::qWait(20);
      QCOMPARE(Kepernyon(g), kepernyon);
    }
  }

  void CsuszasMintTeljesRajz_data() {
    QTest::addColumn<int>("csusztatas");
    QTest::addColumn<int>("lepesKozt");
    QTest::addColumn<bool>("racs");
    QTest::newRow("1 px, drawn every step") << 1 << 1 << true;
    QTest::newRow("1 px, 7 steps per frame") << 1 << 7 << true;
    QTest::newRow("13 px, 3 steps per frame") << 13 << 3 << true;
    QTest::newRow("60 px, no grid") << 60 << 1 << false;
    QTest::newRow("250 px: a full repaint") << 250 << 2 << true;
  }
  void CsuszasMintTeljesRajz() {
    QFETCH(int, csusztatas);
    QFETCH(int, lepesKozt);
    QFETCH(bool, racs);
    TPnx_Grafikon g;
    g.resize(Szelesseg426, 300);
    g.SetCsusztatas(csusztatas);
    g.SetIdovonalak(racs);
    g.SetErtekVonalak(racs);
    g.SetXTgFelirat(QStringLiteral("Idő"));
    Sor a, b, c;
    g.UjAdatCsoport(a.Forras()).SetSzin(Qt::red);
    g.UjAdatCsoport(b.Forras()).SetSzin(Qt::blue);
    // Dashes slide with the points.
    auto& szaggatott = g.UjAdatCsoport(c.Forras());
    szaggatott.SetSzin(Qt::green);
    szaggatott.SetSzaggatott(true);
    g.Kep();
    int rajzok = 0;
    for (int i = 0; i < 1500; ++i) {
      // Crossing lines, values below the axis and far above the image.
      a.ertekek.push_back(float(100 + (i * 37) % 90) + 0.5f);
      b.ertekek.push_back(i % 97 == 0 ? 1e6f : i % 89 == 0 ? -40.0f : float(i % 150));
      c.ertekek.push_back(float(60 + (i * 13) % 70));
      g.Leptet();
      if ((i + 1) % lepesKozt != 0) continue;
      g.Kep();
      if (g.Kezdet() == 0 || ++rajzok % 4 != 0) continue;
      const QImage csusztatva = g.Kep().copy();
      g.Frissit();
      QCOMPARE(g.Kep(), csusztatva);
    }
    QVERIFY(g.Kezdet() > 1000);
  }

  // A dashed line leaves the same gaps at every point index, and clearing
  // the series takes their lines and legend rows away but keeps the length.
  void SzaggatottEsTorles() {
    TPnx_Grafikon g;
    Sor s;
    auto& cs = g.UjAdatCsoport(s.Forras());
    cs.SetSzin(QColor(0, 0, 255));
    cs.SetSzaggatott(true);
    for (int i = 0; i < 100; ++i) {
      s.ertekek.push_back(40.0f);
      g.Leptet();
    }
    const QImage kep = g.Kep();
    const int y = grafikon::ErtekY(40.0, 1.0, kep.height() - g.AlsoMargo(), kep.height());
    // A level segment ending at point i covers the columns of points i - 1 and i.
    for (int64_t i = 20; i < 90; ++i) {
      const bool vonal = grafikon::SzaggatottSzakasz(i) || grafikon::SzaggatottSzakasz(i + 1);
      QCOMPARE(kep.pixelColor(grafikon::PontX(i, 0), y) == QColor(0, 0, 255), vonal);
    }
    g.SorozatokTorlese();
    QCOMPARE(g.SorozatokSzama(), 0);
    QVERIFY(g.Panel()->DobozTartalom->findChildren<QCheckBox*>().isEmpty());
    QCOMPARE(SzinPixelek(g.Kep(), QColor(0, 0, 255)), 0);
    QCOMPARE(g.Hossz(), 100);
    Sor uj{std::vector<float>(100, 7.0f)};
    g.UjAdatCsoport(uj.Forras());
    g.Leptet();
    QCOMPARE(g.Sorozat(0).Jelolo()->geometry().top(), 4);
    QVERIFY(!uj.tulolvasas);
  }

  // A long index keeps its label 10 pixels clear of the axis caption too.
  void IdoCimkeAFeliratElott() {
    TPnx_Grafikon g;
    g.resize(Szelesseg426, 300);
    g.SetXTgFelirat(QStringLiteral("Idő"));
    QImage kep = g.Kep();
    QFont betu;
    betu.setPointSize(8);
    const QFontMetrics metrika(betu, &kep);
    const int feliratBal = kep.width() - metrika.horizontalAdvance(QStringLiteral("Idő")) - 9;
    // The index 10000 at the last column where a label as wide as the caption may start.
    const int x = feliratBal - metrika.horizontalAdvance(QStringLiteral("Idő")) - 11;
    QVERIFY(metrika.horizontalAdvance(QStringLiteral("10000")) > metrika.horizontalAdvance(QStringLiteral("Idő")));
    const int r = grafikon::X0 + 400 - x;
    QVERIFY(r >= 0 && r < 100);
    g.SetHossz(10000 - 400 + r + g.RajzSzelesseg() - 1);
    QCOMPARE(g.Kezdet(), 10000 - 400 + r);
    kep = g.Kep();
    const int y0 = kep.height() - g.AlsoMargo();
    for (int y = y0 + 5; y < kep.height(); ++y)
      for (int xx = feliratBal - 10; xx < feliratBal; ++xx) QCOMPARE(kep.pixelColor(xx, y), g.clHatter());
    // The labels that fit are there.
    QVERIFY(SzinPixelek(kep.copy(grafikon::X0, y0 + 5, 200, 15), Qt::black) > 0);
  }

  // Every control of the panel shows its whole text and none covers another,
  // with the built-in texts and with English ones.
  void PanelSzovegekElfernek_data() {
    QTest::addColumn<QStringList>("feliratok");
    QTest::addColumn<QStringList>("gombok");
    QTest::addColumn<QString>("illesztes");
    QTest::newRow("built-in") << QStringList{"", "Populáció grafikon", "Kezelő", "Idő:", "Értékvonalak",
                                             "Idővonalak", "Tizedesjegyek:", "Csúsztatás:", "Osztás:"}
                              << QStringList{"Aktuális", "Kereső"} << "Illesztés";
    QTest::newRow("English") << QStringList{"Count, mass", "Population chart", "Panel", "Time:", "Value lines",
                                            "Time lines", "Decimals:", "Slide by:", "Scale:"}
                             << QStringList{"Live", "Browse"} << "Fit";
  }
  void PanelSzovegekElfernek() {
    QFETCH(QStringList, feliratok);
    QFETCH(QStringList, gombok);
    QFETCH(QString, illesztes);
    TPnx_Grafikon g;
    g.resize(678, 307);
    std::array<QString, 9> szovegek;
    std::copy(feliratok.begin(), feliratok.end(), szovegek.begin());
    g.SetFeliratok(szovegek);
    g.SetGombSzovegek(gombok[0], gombok[1]);
    g.SetIllesztesFelirat(illesztes);
    g.SetTizedesjegyek(15);
    g.SetCsusztatas(200);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    TGrafikonPanel& p = *g.Panel();
    const QList<QWidget*> vezerlok = {p.Btn_AktualisKeres, p.Lbl_Ido,  p.IdoErtek,          p.ChB_Ertek,
                                      p.ChB_IdoVonalak,    p.Lbl_Oszt, p.ChB_Illesztes,     p.Hatvany,
                                      p.OsztasCimke,       p.Lbl_Dec,  p.SpE_Tizedesjegyek, p.Lbl_Csusz,
                                      p.SpE_Csusztatas};
    const int belsoSzelesseg = TGrafikonPanel::Szelesseg - 2;
    for (QWidget* a : vezerlok) {
      QVERIFY2(a->geometry().right() < belsoSzelesseg, qPrintable(a->metaObject()->className()));
      for (QWidget* b : vezerlok)
        if (a != b)
          QVERIFY2(!a->geometry().intersects(b->geometry()),
                   qPrintable(QStringLiteral("%1 %2 / %3 %4")
                                  .arg(a->metaObject()->className())
                                  .arg(QDebug::toString(a->geometry()))
                                  .arg(b->metaObject()->className())
                                  .arg(QDebug::toString(b->geometry()))));
    }
    for (QWidget* w : {static_cast<QWidget*>(p.Lbl_Ido), static_cast<QWidget*>(p.ChB_Ertek),
                       static_cast<QWidget*>(p.ChB_IdoVonalak), static_cast<QWidget*>(p.Lbl_Oszt),
                       static_cast<QWidget*>(p.ChB_Illesztes), static_cast<QWidget*>(p.Lbl_Dec),
                       static_cast<QWidget*>(p.Lbl_Csusz), static_cast<QWidget*>(g.ChB_Kezelo())})
      QVERIFY(w->width() >= w->sizeHint().width());
    for (const QString& szoveg : gombok)
      QVERIFY(p.Btn_AktualisKeres->width() >= p.Btn_AktualisKeres->fontMetrics().horizontalAdvance(szoveg) + 6);
    for (TSpinMezo* m : {p.SpE_Tizedesjegyek, p.SpE_Csusztatas}) {
      auto* szerkeszto = m->findChild<QLineEdit*>();
      QVERIFY(szerkeszto->fontMetrics().horizontalAdvance(szerkeszto->text()) + 5 <= szerkeszto->width());
    }
    QVERIFY(g.LbL_YTgFelirat()->width() >= g.LbL_YTgFelirat()->sizeHint().width());
  }

  // The fit follows the window: after every point the scale is the smallest
  // power of 2 that keeps each visible value shown strictly below the top,
  // while the window slides past spikes and a series is hidden and shown.
  void IllesztesAzAblakra() {
    TPnx_Grafikon g;
    g.resize(Szelesseg426, 300);
    g.SetCsusztatas(7);
    const int magassag = g.Kep().height();
    Sor a, b;
    auto& ca = g.UjAdatCsoport(a.Forras());
    g.UjAdatCsoport(b.Forras());
    g.SetIllesztes(true);
    QVERIFY(g.Panel()->ChB_Illesztes->isChecked());
    QRandomGenerator veletlen(7);
    for (int i = 0; i < 1500; ++i) {
      // Spikes rarer than the window is wide, and a level that changes.
      a.ertekek.push_back(i % 700 == 3 ? 50000.0f : float(veletlen.bounded(300) * (1 + i / 200 % 4)));
      b.ertekek.push_back(i % 450 == 5 ? 4000.0f : float(veletlen.bounded(100)) - 50.0f);
      if (i == 600) ca.SetLathato(false);
      if (i == 900) ca.SetLathato(true);
      g.Leptet();
      double m = -1e30;
      for (int64_t j = g.Kezdet(); j < std::min<int64_t>(g.Hossz(), g.Kezdet() + g.RajzSzelesseg()); ++j) {
        if (ca.Lathato()) m = std::max(m, double(a.ertekek[size_t(j)]));
        m = std::max(m, double(b.ertekek[size_t(j)]));
      }
      QVERIFY(m > 0);
      const int k = VartKitevo(magassag, g.AlsoMargo(), m);
      QCOMPARE(g.Panel()->Hatvany->Kitevo(), k);
      QCOMPARE(g.Osztas(), std::ldexp(1.0, k));
    }
    QVERIFY(!a.tulolvasas && !b.tulolvasas);
  }

  void IllesztesSzabalyai() {
    TPnx_Grafikon g;
    TPnx_Hatvany& h = *g.Panel()->Hatvany;
    g.SetIllesztes(true);
    // A chart opened on recorded history fits before it is drawn.
    Sor s{{1000.0f, 1000.0f, 1000.0f}};
    g.SetHossz(3);
    g.UjAdatCsoport(s.Forras());
    const int magassag = g.Kep().height();
    QCOMPARE(h.Kitevo(), VartKitevo(magassag, g.AlsoMargo(), 1000.0));
    // A value exactly at the top is not below it.
    const double teto = magassag - g.AlsoMargo() - 5;
    for (int i = 0; i < 500; ++i) {
      s.ertekek.push_back(float(teto));
      g.Leptet();
    }
    QCOMPARE(g.Osztas(), 2.0);
    // Nothing above zero shown: the scale stays.
    for (int i = 0; i < 500; ++i) {
      s.ertekek.push_back(i % 2 == 0 ? 0.0f : -7.0f);
      g.Leptet();
    }
    QCOMPARE(g.Osztas(), 2.0);
    // An arrow of the power input ends the fit; the scale is then the user's.
    h.KitevoLe();
    QVERIFY(!g.Illesztes());
    QVERIFY(!g.Panel()->ChB_Illesztes->isChecked());
    QCOMPARE(g.Osztas(), 1.0);
    s.ertekek.push_back(1e6f);
    g.Leptet();
    QCOMPARE(g.Osztas(), 1.0);
    // Ticking fits at once; unticking keeps the scale it had.
    g.Panel()->ChB_Illesztes->setChecked(true);
    QCOMPARE(h.Kitevo(), VartKitevo(magassag, g.AlsoMargo(), 1e6));
    const double illesztett = g.Osztas();
    g.Panel()->ChB_Illesztes->setChecked(false);
    s.ertekek.push_back(1.0f);
    g.Leptet();
    QCOMPARE(g.Osztas(), illesztett);
  }

  void KezeloElrejtese() {
    TPnx_Grafikon g;
    g.resize(Szelesseg426, 300);
    g.SetKezelo(false);
    QCOMPARE(g.PanelSzelesseg(), 0);
    QCOMPARE(g.KepSzelesseg(), Szelesseg426);
    QCOMPARE(g.RajzSzelesseg(), Szelesseg426 - 74);
    QVERIFY(!g.ChB_Kezelo()->isChecked());
    g.ChB_Kezelo()->setChecked(true);
    QVERIFY(g.Kezelo());
    QCOMPARE(g.RajzSzelesseg(), 426);
  }

  void Nyelviszovegek() {
    TPnx_Grafikon g;
    g.SetCaption(QStringLiteral("Populáció grafikon"));
    g.SetFeliratok({"y", "cim", "kez", "ido", "ert", "idov", "dec", "csusz", "oszt"});
    QCOMPARE(g.Lbl_Caption()->text(), QStringLiteral("cim"));
    QCOMPARE(g.Caption(), QStringLiteral("Populáció grafikon"));
    QCOMPARE(g.LbL_YTgFelirat()->text(), QStringLiteral("y"));
    QCOMPARE(g.Panel()->Lbl_Oszt->text(), QStringLiteral("oszt"));
    g.SetGombSzovegek(QStringLiteral("Current"), QStringLiteral("Browse"));
    QCOMPARE(g.Panel()->Btn_AktualisKeres->text(), QStringLiteral("Browse"));
    g.SetAktualis(false);
    QCOMPARE(g.Panel()->Btn_AktualisKeres->text(), QStringLiteral("Current"));
  }

  // Not a check: a picture to look at (sine and noise), written beside the test.
  void KepFajlba() {
    TPnx_Grafikon g;
    g.resize(678, 307);
    g.SetCaption(QStringLiteral("Populáció grafikon"));
    g.SetXTgFelirat(QStringLiteral("Idő"));
    g.SetYTgFelirat(QStringLiteral("db"));
    Sor szinusz, zaj;
    auto& a = g.UjAdatCsoport(szinusz.Forras());
    a.SetNev(QStringLiteral("szinusz (0)"));
    a.SetSzin(QColor(0, 0, 200));
    auto& b = g.UjAdatCsoport(zaj.Forras());
    b.SetNev(QStringLiteral("zaj (1)"));
    b.SetSzin(QColor(200, 0, 0));
    g.SetCsusztatas(100);
    g.SetTizedesjegyek(1);
    uint32_t mag = 12345;
    g.show();
    for (int i = 0; i < 1000; ++i) {
      szinusz.ertekek.push_back(float(100 + 80 * std::sin(i / 40.0)));
      mag = mag * 1103515245u + 12345u;
      zaj.ertekek.push_back(float(60 + int((mag >> 16) % 41) - 20));
      g.Leptet();
      if (i % 50 == 0) QCoreApplication::processEvents();
    }
    QTest::qWait(50);
    const QString ut = QStringLiteral(ZELVARIS_TEST_OUTPUT_DIR "/grafikon.png");
    QVERIFY(g.grab().save(ut));
  }
};

QTEST_MAIN(PnxGrafikonTest)
#include "pnx_grafikon_test.moc"
