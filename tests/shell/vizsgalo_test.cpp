// The cell inspector opened by a click on the magnifier: what it shows of the
// individuals in a cell, how it follows steps and actions, and that a world
// replaced or shrunk under it only clears it.

#include <QLabel>
#include <QTableWidget>

#include "monitors/cella_vizsgalo.h"
#include "monitors/form_ngy.h"
#include "shell/form_kezelo.h"
#include "teszt_program.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

QString Q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }
const std::filesystem::path kAdat = std::filesystem::path(ZELVARIS_SOURCE_DIR) / "data";

TForm_CellaVizsgalo& Vizsgalo(TTesztProgram& p) { return p.Program().Ablakok().Ngy->Vizsgalo(); }

// A click in the middle of the square of cell (sor, oszlop) of the frame.
void Kattintas(TTesztProgram& p, int64_t sor, int64_t oszlop) {
  const TOkoszisztema& oko = p.Oko();
  p.Program().Ablakok().Ngy->Kattintas(
      QPoint(static_cast<int>((oszlop - oko.KeretBal()) * 13 + 6), static_cast<int>((sor - oko.KeretFelso()) * 13 + 6)));
}

QString Cella(const QTableWidget& t, int sor, int oszlop) {
  const QTableWidgetItem* e = t.item(sor, oszlop);
  return e == nullptr ? QString() : e->text();
}

QStringList AllatSor(const TAllat& a) {
  return {QString::number(a.Nem),      QString::number(a.Eletkor),  QString::number(a.Evett),
          QString::number(a.Ehezes),   QString::number(a.VemhesIdo), QString::number(a.UtodSzam),
          QString::number(a.RegenIdo), QString::number(a.DegDozis), QString::number(a.PerDozis),
          QString::number(a.Tomeg)};
}

QStringList MutatottAllat(const QTableWidget& t, int sor) {
  QStringList s;
  for (int i = 1; i < t.columnCount(); ++i) s << Cella(t, sor, i);
  return s;
}

// A built empty world of side `l` with two plant and one animal species.
void UresVilag(TTesztProgram& p, int64_t l) {
  p.UjOkoszisztema(l);
  p.Oko().UjNovenyFaj("fű");
  p.Oko().UjNovenyFaj("lóhere");
  p.Oko().UjAllatFaj("nyúl").SetTomeg(7);
  p.Futtat("Act_Alkalmaz");
}

void Ret(TTesztProgram& p, uint32_t mag) {
  p.Modalis().MegnyitandoFajl = Q(kAdat / "okocfg" / "meadow.okocfg");
  p.Futtat("Act_OkoCfgMegnyitas");
  p.Fo().MagBeallitasa(mag);
  p.Futtat("Act_Alkalmaz");
}

std::string Beolvas(const std::filesystem::path& p) {
  std::ifstream be(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(be), std::istreambuf_iterator<char>()};
}

}  // namespace

class TVizsgaloTeszt : public QObject {
  Q_OBJECT

 private slots:
  void ElhelyezettEgyedek() {
    TTesztProgram p;
    UresVilag(p, 60);
    TOkoszisztema& oko = p.Oko();
    const int32_t fu = oko.NovenyLetrehozasa(0, 12, 7, TLetrehozas::Felnott);
    oko.NovenyTomegBeallitasa(0, fu, 33);
    oko.NovenyLetrehozasa(1, 12, 8, TLetrehozas::Felnott);  // the neighbour
    const int32_t nyul = oko.AllatLetrehozasa(0, 12, 7, TLetrehozas::Felnott);
    TAllat& a = oko.AllatFaj(0).Egyedek[nyul];
    a.Nem = 2;
    a.Eletkor = 15;
    a.Evett = 3;
    a.VemhesIdo = 4;
    a.DegDozis = 5;
    a.PerDozis = 6;

    Kattintas(p, 12, 7);
    TForm_CellaVizsgalo& v = Vizsgalo(p);
    QVERIFY(v.isVisible());
    QCOMPARE(v.findChild<QLabel*>("E_Sor")->text(), QStringLiteral("12"));
    QCOMPARE(v.findChild<QLabel*>("E_Oszlop")->text(), QStringLiteral("7"));
    QCOMPARE(v.Novenyek().rowCount(), 1);
    QCOMPARE(Cella(v.Novenyek(), 0, 0), QStringLiteral("fű (0)"));
    QCOMPARE(Cella(v.Novenyek(), 0, 1), QStringLiteral("33"));
    QCOMPARE(v.Allatok().rowCount(), 1);
    QCOMPARE(Cella(v.Allatok(), 0, 0), QStringLiteral("nyúl (0)"));
    QCOMPARE(MutatottAllat(v.Allatok(), 0), AllatSor(oko.AllatFaj(0).Egyedek[nyul]));
    QCOMPARE(Cella(v.Allatok(), 0, 10), QStringLiteral("7"));

    // After a step the cell is read again: whatever stands there now.
    p.Program().Ablakok().Kezelo->Tikk();
    const TAllat* most = oko.AllatAMezon(12, 7, 0);
    QCOMPARE(v.Allatok().rowCount(), most ? 1 : 0);
    if (most) QCOMPARE(MutatottAllat(v.Allatok(), 0), AllatSor(*most));
    const TNoveny* noveny = oko.NovenyAMezon(12, 7, 0);
    QCOMPARE(v.Novenyek().rowCount(), noveny ? 1 : 0);
    if (noveny) QCOMPARE(Cella(v.Novenyek(), 0, 1), QString::number(noveny->Tomeg));

    // An action refreshes it too.
    p.Futtat("Act_AllatFajUrit");
    QCOMPARE(v.Allatok().rowCount(), 0);
  }

  // The last pixel row and column belong to the last squares; the frame's
  // position decides the cell.
  void KeretEsSzelek() {
    TTesztProgram p;
    UresVilag(p, 100);
    p.Oko().KeretMozgat(99, 99);
    p.Program().Ablakok().Ngy->Kattintas(QPoint(520, 520));
    QCOMPARE(Vizsgalo(p).Cella()->Sor, 99);
    QCOMPARE(Vizsgalo(p).Cella()->Oszlop, 99);
    p.Program().Ablakok().Ngy->Kattintas(QPoint(0, 13));
    QCOMPARE(Vizsgalo(p).Cella()->Sor, 61);
    QCOMPARE(Vizsgalo(p).Cella()->Oszlop, 60);
  }

  void KiurulAmikorACellaElmegy() {
    TTesztProgram p;
    UresVilag(p, 100);
    p.Oko().NovenyLetrehozasa(0, 95, 95, TLetrehozas::Felnott);
    p.Oko().KeretMozgat(99, 99);
    Kattintas(p, 95, 95);
    QCOMPARE(Vizsgalo(p).Novenyek().rowCount(), 1);
    // A shrink past the cell.
    p.Modalis().Dialogusok.push_back(OkErtekkel("SpE_UjL", 60));
    p.Futtat("Act_Atmeretez");
    QCOMPARE(p.Oko().L(), 60);
    QVERIFY(!Vizsgalo(p).Cella());
    QCOMPARE(Vizsgalo(p).Novenyek().rowCount(), 0);
    QVERIFY(Vizsgalo(p).findChild<QLabel*>("E_Sor")->text().isEmpty());

    // The frame kept its place beyond the shrunk world: a click there finds
    // no cell.
    p.Program().Ablakok().Ngy->Kattintas(QPoint(6, 6));
    QVERIFY(!Vizsgalo(p).Cella());

    // A new ecosystem.
    p.Oko().KeretMozgat(0, 0);
    Kattintas(p, 10, 10);
    QVERIFY(Vizsgalo(p).Cella());
    p.UjOkoszisztema(80);
    QVERIFY(!Vizsgalo(p).Cella());
    p.Futtat("Act_Alkalmaz");
    p.Program().Ablakok().Kezelo->Tikk();
    QCOMPARE(Vizsgalo(p).Allatok().rowCount(), 0);

    // A load.
    Kattintas(p, 10, 10);
    QVERIFY(Vizsgalo(p).Cella());
    p.Modalis().MegnyitandoFajl = Q(kAdat / "okopill" / "meadow-400.okopill");
    p.Futtat("Act_OkoPillMegnyitas");
    QVERIFY(p.Modalis().Uzenetek.empty());
    QVERIFY(!Vizsgalo(p).Cella());
    p.Program().Ablakok().Kezelo->Tikk();
    QCOMPARE(Vizsgalo(p).Allatok().rowCount(), 0);
  }

  // Watching draws nothing: 100 steps give the same snapshot with the
  // inspector open as without.
  void NemValtoztatAFutason() {
    std::string adat[2], pill[2];
    for (int nyitva = 0; nyitva < 2; ++nyitva) {
      TTesztProgram p;
      Ret(p, 777);
      if (nyitva) {
        Kattintas(p, 20, 20);
        QVERIFY(Vizsgalo(p).isVisible());
      }
      for (int i = 0; i < 100; ++i) p.Program().Ablakok().Kezelo->Tikk();
      p.Modalis().MentendoFajl = Q(p.Konyvtar() / "ret.okopill");
      p.Futtat("Act_OkoPillMentes");
      QVERIFY(p.Modalis().Uzenetek.empty());
      adat[nyitva] = Beolvas(p.Konyvtar() / "ret.okodat");
      pill[nyitva] = Beolvas(p.Konyvtar() / "ret.okopill");
    }
    QVERIFY(!adat[0].empty());
    QVERIFY(adat[0] == adat[1]);
    QVERIFY(pill[0] == pill[1]);
  }
};

QTEST_MAIN(TVizsgaloTeszt)
#include "vizsgalo_test.moc"
