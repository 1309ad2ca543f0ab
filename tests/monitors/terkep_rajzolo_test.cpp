// What the map and the magnifier show: the pixel rules, the sex symbols,
// drawing only the changed cells, and the switches that redraw everything.
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "monitors/terkep_rajzolo.h"

using namespace zelvaris;

namespace {

constexpr TSzin Piros = Rgb(255, 0, 0), Kek = Rgb(0, 0, 255), Feher = Rgb(250, 250, 250);
constexpr TSzin Fu = Rgb(0, 200, 0), Here = Rgb(200, 255, 100);
constexpr int N = TTerkepRajzolo::kNegyzet;

// A 60 x 60 world with two plants (grass above clover) and two animals (fox
// above hare), nothing placed; the sink installed and the grid built.
struct TVilag {
  TVeletlen veletlen{42};
  TKeresoTabla tabla;
  TOkoszisztema oko{veletlen, tabla};
  TTerkepRajzolo rajzolo;

  explicit TVilag(int32_t oldal = 60) {
    oko.RajzoloBeallitasa(&rajzolo);
    oko.Atmeretez(oldal);
    oko.UjNovenyFaj("fű").SetSzin(Fu);
    oko.UjNovenyFaj("here").SetSzin(Here);
    oko.UjAllatFaj("róka").SetSzin(Piros);
    oko.UjAllatFaj("nyúl").SetSzin(Feher);
    oko.Alkalmaz();
  }
  void Noveny(int32_t faj, int32_t sor, int32_t oszlop, int32_t tomeg) {
    const int32_t i = oko.NovenyLetrehozasa(faj, sor, oszlop, TLetrehozas::Ujszulott);
    oko.NovenyTomegBeallitasa(faj, i, tomeg);
  }
  void Allat(int32_t faj, int32_t sor, int32_t oszlop, int32_t nem) {
    const int32_t i = oko.AllatLetrehozasa(faj, sor, oszlop, TLetrehozas::Felnott);
    oko.AllatFaj(faj).Egyedek[i].Nem = nem;
  }
  QRgb Terkep(int32_t sor, int32_t oszlop) const { return rajzolo.TerkepKep().pixel(oszlop, sor); }
  // A pixel of the magnifier square of a cell inside the frame at (0, 0).
  QRgb Nagyito(int32_t sor, int32_t oszlop, int x, int y) const {
    return rajzolo.NagyitoKep().pixel(oszlop * N + x, sor * N + y);
  }
  // The square's inside (without the outline) holds only these colours.
  bool BelsoCsak(int32_t sor, int32_t oszlop, std::initializer_list<TSzin> szinek) const {
    for (int y = 1; y < N - 1; ++y)
      for (int x = 1; x < N - 1; ++x) {
        bool van = false;
        for (TSzin s : szinek) van = van || Nagyito(sor, oszlop, x, y) == KepPont(s);
        if (!van) return false;
      }
    return true;
  }
};

bool SzurkeKeret(const TVilag& v, int32_t sor, int32_t oszlop) {
  for (int i = 0; i < N; ++i)
    for (QPoint p : {QPoint(i, 0), QPoint(i, N - 1), QPoint(0, i), QPoint(N - 1, i)})
      if (v.Nagyito(sor, oszlop, p.x(), p.y()) != KepPont(SzurkeSzin)) return false;
  return true;
}

}  // namespace

class TerkepRajzoloTest : public QObject {
  Q_OBJECT

 private slots:
  void UresCella() {
    TVilag v;
    QCOMPARE(v.rajzolo.TerkepKep().size(), QSize(60, 60));
    QCOMPARE(v.rajzolo.NagyitoKep().size(), QSize(521, 521));
    QCOMPARE(v.Terkep(7, 3), KepPont(FeketeSzin));
    QVERIFY(SzurkeKeret(v, 7, 3));
    QVERIFY(v.BelsoCsak(7, 3, {FeketeSzin}));
  }

  void NovenyekRangja() {
    TVilag v;
    // Grass of mass 0 above clover: black on both, the clover does not show through.
    v.Noveny(0, 2, 2, 0);
    v.Noveny(1, 2, 2, 50);
    // Clover alone, and grass with mass above clover.
    v.Noveny(1, 3, 3, 50);
    v.Noveny(0, 4, 4, 1);
    v.Noveny(1, 4, 4, 50);
    v.oko.Rajzol();
    QCOMPARE(v.Terkep(2, 2), KepPont(FeketeSzin));
    QVERIFY(v.BelsoCsak(2, 2, {FeketeSzin}));
    QCOMPARE(v.Terkep(3, 3), KepPont(Here));
    QVERIFY(v.BelsoCsak(3, 3, {Here}));
    QVERIFY(SzurkeKeret(v, 3, 3));
    QCOMPARE(v.Terkep(4, 4), KepPont(Fu));
    // The display order decides, not the Id.
    v.oko.NovenySorrend = {1, 0};
    v.oko.Ujrarajzol();
    QCOMPARE(v.Terkep(2, 2), KepPont(Here));
    QCOMPARE(v.Terkep(4, 4), KepPont(Here));
  }

  void RejtettFajok() {
    TVilag v;
    v.Noveny(0, 5, 5, 10);
    v.Allat(0, 5, 5, 1);
    v.Allat(1, 5, 5, 2);
    v.oko.Rajzol();
    QCOMPARE(v.Terkep(5, 5), KepPont(Piros));
    QVERIFY(v.BelsoCsak(5, 5, {Fu, Piros}));
    // The fox hidden on the map only: the hare shows there, the fox stays on
    // the magnifier.
    v.oko.AllatFaj(0).SetTkp(false);
    QCOMPARE(v.Terkep(5, 5), KepPont(Feher));
    QVERIFY(v.BelsoCsak(5, 5, {Fu, Piros}));
    // Both hidden on the map: the plant; the fox hidden on the magnifier: the hare.
    v.oko.AllatFaj(1).SetTkp(false);
    v.oko.AllatFaj(0).SetNgy(false);
    QCOMPARE(v.Terkep(5, 5), KepPont(Fu));
    QVERIFY(v.BelsoCsak(5, 5, {Fu, Feher}));
    QVERIFY(!v.BelsoCsak(5, 5, {Fu}));
    v.oko.AllatFaj(1).SetNgy(false);
    QVERIFY(v.BelsoCsak(5, 5, {Fu}));
    // A hidden plant leaves the cell black.
    v.oko.NovenyFaj(0).SetTkp(false);
    QCOMPARE(v.Terkep(5, 5), KepPont(FeketeSzin));
  }

  // Each symbol against its box and lines: the ellipse reaches the middle of
  // every side of its box and no further, its inside keeps the background,
  // every line covers its start but not its end point.
  void Szimbolumok_data() {
    QTest::addColumn<int>("nem");
    QTest::addColumn<QRect>("doboz");
    QTest::addColumn<QList<QLine>>("vonalak");
    QTest::newRow("undecided") << 0 << QRect(QPoint(3, 3), QPoint(8, 8)) << QList<QLine>{};
    QTest::newRow("male") << 1 << QRect(QPoint(2, 5), QPoint(7, 11))
                          << QList<QLine>{QLine(6, 5, 10, 2), QLine(10, 2, 10, 5), QLine(10, 2, 5, 2)};
    QTest::newRow("female") << 2 << QRect(QPoint(3, 1), QPoint(9, 6))
                            << QList<QLine>{QLine(6, 7, 6, 12), QLine(2, 9, 9, 9)};
  }
  void Szimbolumok() {
    QFETCH(int, nem);
    QFETCH(QRect, doboz);
    QFETCH(QList<QLine>, vonalak);
    TVilag v;
    v.Noveny(1, 1, 1, 10);
    v.Allat(0, 1, 1, nem);
    v.oko.Rajzol();
    auto toll = [&](int x, int y) { return v.Nagyito(1, 1, x, y) == KepPont(Piros); };
    const QPoint k = doboz.center();
    QVERIFY(toll(doboz.left(), k.y()) || toll(doboz.left(), k.y() + 1));
    QVERIFY(toll(doboz.right(), k.y()) || toll(doboz.right(), k.y() + 1));
    QVERIFY(toll(k.x(), doboz.top()) || toll(k.x() + 1, doboz.top()));
    QVERIFY(toll(k.x(), doboz.bottom()) || toll(k.x() + 1, doboz.bottom()));
    QCOMPARE(v.Nagyito(1, 1, k.x(), k.y()), KepPont(Here));
    for (const QLine& l : vonalak) {
      QVERIFY2(toll(l.x1(), l.y1()), qPrintable(QStringLiteral("start of line %1").arg(vonalak.indexOf(l))));
      if (l.x1() == l.x2() || l.y1() == l.y2()) {
        // Straight lines: every pixel up to the end, which stays clear.
        const QPoint lepes((l.x2() > l.x1()) - (l.x2() < l.x1()), (l.y2() > l.y1()) - (l.y2() < l.y1()));
        for (QPoint p = l.p1(); p != l.p2(); p += lepes) QVERIFY(toll(p.x(), p.y()));
      }
    }
    // Nothing outside the box and the lines' two-pixel reach; the outline stays grey.
    QVERIFY(SzurkeKeret(v, 1, 1));
    for (int y = 1; y < N - 1; ++y)
      for (int x = 1; x < N - 1; ++x) {
        if (!toll(x, y)) continue;
        bool kozel = doboz.contains(x, y);
        for (const QLine& l : vonalak) {
          const QRect kor = QRect(l.p1(), l.p2()).normalized().adjusted(-1, -1, 1, 1);
          kozel = kozel || kor.contains(x, y);
        }
        QVERIFY2(kozel, qPrintable(QStringLiteral("stray pixel %1,%2").arg(x).arg(y)));
      }
    // The end points the table's lines exclude, where no other stroke passes.
    if (nem == 1) {
      QVERIFY(!toll(10, 5));
      QVERIFY(!toll(5, 2));
    }
    if (nem == 2) QVERIFY(!toll(9, 9));
  }

  void IsmeretlenNemNemRajzol() {
    TVilag v;
    v.Noveny(1, 1, 1, 10);
    v.Allat(0, 1, 1, 3);
    v.Allat(0, 2, 2, -1);
    v.oko.Rajzol();
    QVERIFY(v.BelsoCsak(1, 1, {Here}));
    QVERIFY(v.BelsoCsak(2, 2, {FeketeSzin}));
    // The map still shows the animal.
    QCOMPARE(v.Terkep(1, 1), KepPont(Piros));
  }

  void CsakAValtozottCellak() {
    TVilag v(300);
    v.Noveny(0, 3, 3, 10);
    v.oko.Rajzol();
    const QImage elotte = v.rajzolo.TerkepKep().copy();
    const QImage nagyitoElotte = v.rajzolo.NagyitoKep().copy();
    QSignalSpy terkep(&v.rajzolo, &TTerkepRajzolo::TerkepValtozott);
    QSignalSpy nagyito(&v.rajzolo, &TTerkepRajzolo::NagyitoValtozott);
    v.Allat(1, 200, 250, 0);  // outside the frame
    v.oko.Rajzol();
    QCOMPARE(terkep.count(), 1);
    QCOMPARE(nagyito.count(), 0);
    const QRegion terulet = terkep.at(0).at(0).value<QRegion>();
    QVERIFY(terulet.contains(QPoint(250, 200)));
    QVERIFY(terulet.boundingRect().width() <= 32 && terulet.boundingRect().height() <= 32);
    for (int y = 0; y < 300; ++y)
      for (int x = 0; x < 300; ++x)
        if (x != 250 || y != 200) QCOMPARE(v.rajzolo.TerkepKep().pixel(x, y), elotte.pixel(x, y));
    QCOMPARE(v.Terkep(200, 250), KepPont(Feher));
    QCOMPARE(v.rajzolo.NagyitoKep(), nagyitoElotte);

    // Inside the frame: the map pixel and exactly that square.
    terkep.clear();
    v.Allat(1, 3, 3, 2);
    v.Allat(1, 39, 0, 1);
    v.oko.Rajzol();
    QCOMPARE(nagyito.count(), 1);
    const QRegion negyzetek = nagyito.at(0).at(0).value<QRegion>();
    QCOMPARE(negyzetek, QRegion(3 * N, 3 * N, N, N) + QRegion(0, 39 * N, N, N));
    QVERIFY(!v.BelsoCsak(3, 3, {Fu}));
    // Far-apart changes are reported as separate small pieces.
    QVERIFY(terkep.at(0).at(0).value<QRegion>().rectCount() == 2);

    // A pass with nothing marked reports nothing.
    terkep.clear();
    nagyito.clear();
    v.oko.Rajzol();
    QCOMPARE(terkep.count(), 0);
    QCOMPARE(nagyito.count(), 0);
  }

  void RajzolhatKiBe() {
    TVilag v;
    QSignalSpy terkep(&v.rajzolo, &TTerkepRajzolo::TerkepValtozott);
    v.oko.SetRajzolhat(false);
    const QImage elotte = v.rajzolo.TerkepKep().copy();
    v.Allat(0, 10, 10, 1);
    v.Noveny(0, 11, 11, 5);
    v.oko.Rajzol();
    QCOMPARE(terkep.count(), 0);
    QCOMPARE(v.rajzolo.TerkepKep(), elotte);
    v.oko.SetRajzolhat(true);
    QCOMPARE(terkep.count(), 1);
    QCOMPARE(terkep.at(0).at(0).value<QRegion>(), QRegion(0, 0, 60, 60));
    QCOMPARE(v.Terkep(10, 10), KepPont(Piros));
    QCOMPARE(v.Terkep(11, 11), KepPont(Fu));
    QVERIFY(!v.BelsoCsak(10, 10, {FeketeSzin}));
  }

  void SzinValtozas() {
    TVilag v;
    v.Allat(0, 10, 10, 1);
    v.oko.Rajzol();
    QSignalSpy terkep(&v.rajzolo, &TTerkepRajzolo::TerkepValtozott);
    QSignalSpy nagyito(&v.rajzolo, &TTerkepRajzolo::NagyitoValtozott);
    v.oko.AllatFaj(0).SetSzin(Piros);
    v.oko.AllatFaj(0).SetTkp(true);
    QCOMPARE(terkep.count(), 0);
    QCOMPARE(nagyito.count(), 0);
    v.oko.AllatFaj(0).SetSzin(Kek);
    QCOMPARE(terkep.count(), 1);
    QCOMPARE(nagyito.count(), 1);
    QCOMPARE(v.Terkep(10, 10), KepPont(Kek));
  }

  void AtmeretezesEsUjEpites() {
    TVilag v;
    QSignalSpy ujra(&v.rajzolo, &TTerkepRajzolo::KepekUjraepultek);
    v.Allat(0, 55, 55, 1);
    v.oko.KeretMozgat(59, 59);
    v.oko.Atmeretez(80);
    QCOMPARE(ujra.count(), 1);
    QCOMPARE(ujra.at(0).at(0).toBool(), false);
    QCOMPARE(v.rajzolo.TerkepKep().size(), QSize(80, 80));
    QCOMPARE(v.Terkep(55, 55), KepPont(Piros));
    // The frame kept its place (20, 20), so the animal's square is still there.
    QVERIFY(v.BelsoCsak(35, 35, {FeketeSzin, Piros}));
    QVERIFY(!v.BelsoCsak(35, 35, {FeketeSzin}));
    // Shrinking under the frame: its squares outside the world show nothing
    // of the cells that are gone.
    v.oko.Atmeretez(50);
    QVERIFY(v.BelsoCsak(35, 35, {FeketeSzin}));
    QCOMPARE(v.Nagyito(35, 35, 0, 0), KepPont(FeketeSzin));
    QCOMPARE(v.Nagyito(0, 0, 0, 0), KepPont(SzurkeSzin));
    v.oko.Alkalmaz();
    QCOMPARE(ujra.count(), 3);
    QCOMPARE(ujra.at(2).at(0).toBool(), true);
    QCOMPARE(v.rajzolo.TerkepKep().size(), QSize(50, 50));
    QVERIFY(SzurkeKeret(v, 35, 35));
    v.rajzolo.Urites();
    QVERIFY(v.rajzolo.TerkepKep().isNull());
    // Drawing into emptied images is harmless.
    v.oko.Ujrarajzol();
  }
};

QTEST_MAIN(TerkepRajzoloTest)
#include "terkep_rajzolo_test.moc"
