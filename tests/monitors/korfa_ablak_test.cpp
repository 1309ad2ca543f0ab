// Age-pyramid windows: the chooser without a selection, a grabbed pyramid of
// a hand-filled source, the image height that grows and shrinks only after a
// setting change, two-billion-pixel bands, the arrows-only field, the bar
// colour taken when chosen, and the list.
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "monitors/korfa_lista.h"
#include "monitors/korfa_vaszon.h"
#include "app/alkalmazas_kornyezet.h"
#include "widgets/qszin.h"
#include "widgets/spin_mezo.h"

using namespace zelvaris;

namespace {

const TSzin Kek = Rgb(0, 0, 255);
const QColor Ezust(192, 192, 192);

struct TKornyezet {
  TAlkalmazasKornyezet kornyezet{ZELVARIS_SOURCE_DIR};
  TKorfaFormLista lista{kornyezet};

  TKornyezet() {
    auto oko = kornyezet.UjOkoszisztema();
    oko->UjAllatFaj("nyúl").SetSzin(Kek);
    oko->UjAllatFaj("róka");
    kornyezet.OkoszisztemaCsere(std::move(oko));
  }
  TOkoszisztema& Oko() { return kornyezet.Okoszisztema(); }
  // Counts by hand: `db` animals of a sex index and age in species 0.
  void Hozzaad(int nem, int kor, int db) {
    for (int i = 0; i < db; ++i) Oko().Korfa.Hozzaad(0, nem, kor);
  }
};

// The picture in view, as the window shows it.
QImage Kep(TForm_Korfa& w) { return w.Vaszon().viewport()->grab().toImage(); }

// The pyramid as it reached the screen.
QImage Kepernyon(TForm_Korfa& w) {
  const QWidget* v = w.Vaszon().viewport();
  const QRect hely(v->mapTo(&w, QPoint(0, 0)), v->size());
  return w.screen()->grabWindow(w.winId()).toImage().copy(hely).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class KorfaAblakTeszt : public QObject {
  Q_OBJECT

 private slots:
  void nyitas() {
    TKornyezet t;
    TForm_Korfa& w = t.lista.UjAblak();
    QCOMPARE(w.windowTitle(), QStringLiteral("Korfa"));
    QCOMPARE(w.size(), QSize(558, 306));
    QCOMPARE(w.minimumSize(), QSize(380, 205));
    QCOMPARE(w.CmB_AllatFaj()->count(), 2);
    QCOMPARE(w.CmB_AllatFaj()->itemText(1), QStringLiteral("róka (1)"));
    QCOMPARE(w.CmB_AllatFaj()->currentIndex(), -1);
    QCOMPARE(w.AllatFaj(), -1);
    // A species added later is appended, still with no selection.
    t.Oko().UjAllatFaj("sas");
    t.lista.AllatFajBejegyzes(2);
    t.lista.AllatFajBejegyzes(2);
    QCOMPARE(w.CmB_AllatFaj()->count(), 3);
    QCOMPARE(w.CmB_AllatFaj()->currentIndex(), -1);
    // A rename does not reach the chooser.
    t.Oko().AllatFaj(0).SetNev("mezei nyúl");
    QCOMPARE(w.CmB_AllatFaj()->itemText(0), QStringLiteral("nyúl (0)"));
    // A chosen species stays chosen through an append.
    w.CmB_AllatFaj()->setCurrentIndex(1);
    t.Oko().UjAllatFaj("vakond");
    t.lista.AllatFajBejegyzes(3);
    QCOMPARE(w.CmB_AllatFaj()->currentIndex(), 1);
    // Only the background and the centre line before a species is chosen.
    const QImage kep = Kep(w);
    const int c = kep.width() / 2;
    QCOMPARE(kep.pixelColor(c, 5), QColor(Qt::black));
    QCOMPARE(kep.pixelColor(c - 1, 5), Ezust);
    QCOMPARE(kep.pixelColor(c + 1, kep.height() - 5), Ezust);
  }

  void kezzelToltottKorfa() {
    TKornyezet t;
    // Males aged 1, 1, 3 (bands 2, 0, 1 with one class per band); five
    // females aged 2, and ten of age 1.
    t.Hozzaad(0, 1, 2);
    t.Hozzaad(0, 3, 1);
    t.Hozzaad(1, 2, 5);
    t.Hozzaad(1, 1, 10);
    TForm_Korfa& w = t.lista.UjAblak();
    w.SetAllatFaj(0);
    QCOMPARE(w.HasznaltOsztalyok(), 3);
    QCOMPARE(w.SavSzam(), 3);
    QCOMPARE(w.Vaszon().KepMagassag(), 31);
    QCOMPARE(w.SavSzin(), QSzin(Kek));
    // A colour change after choosing shows only after choosing again.
    t.Oko().AllatFaj(0).SetSzin(Rgb(255, 0, 0));

    const QImage kep = Kep(w);
    const int c = kep.width() / 2;
    const QColor kek = QSzin(Kek);
    // Band 0 lies in rows 19..29 of the 31-row image at the top of the view.
    // Females: ten, a bar over columns c..c+9 with a black outline.
    QCOMPARE(kep.pixelColor(c + 5, 24), kek);
    QCOMPARE(kep.pixelColor(c + 9, 24), QColor(Qt::black));
    QCOMPARE(kep.pixelColor(c + 10, 24), Ezust);
    QCOMPARE(kep.pixelColor(c + 5, 19), QColor(Qt::black));
    QCOMPARE(kep.pixelColor(c + 5, 30), Ezust);
    // Band 1: five females, columns c..c+4.
    QCOMPARE(kep.pixelColor(c + 2, 14), kek);
    QCOMPARE(kep.pixelColor(c + 5, 14), Ezust);
    // Males: two in band 0 (columns c-1, c: all outline), none in band 1.
    QCOMPARE(kep.pixelColor(c - 1, 24), QColor(Qt::black));
    QCOMPARE(kep.pixelColor(c - 2, 24), Ezust);
    QCOMPARE(kep.pixelColor(c - 1, 14), Ezust);
    // Wider bars show their fill: 40 males of age 3 with three per pixel.
    t.Hozzaad(0, 3, 39);
    w.SetSavHossz(3);
    w.Frissit();
    const QImage kep2 = Kep(w);
    // Band 2 (rows -1..9): 40 div 3 = 13 px, columns c-12..c.
    QCOMPARE(kep2.pixelColor(c - 6, 4), kek);
    QCOMPARE(kep2.pixelColor(c - 12, 4), QColor(Qt::black));
    QCOMPARE(kep2.pixelColor(c - 13, 4), Ezust);
    // Band 0: two males draw no bar now.
    QCOMPARE(kep2.pixelColor(c - 1, 24), Ezust);
  }

  // Frame by frame only the bar ends that moved are repainted; what adds up
  // on the screen equals a full repaint, with bars growing, shrinking and
  // bands emptying.
  void kepkockakOsszegeTeljesRajz() {
    TKornyezet t;
    TForm_Korfa& w = t.lista.UjAblak();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.SetAllatFaj(0);
    w.SetSavSzelesseg(6);
    for (int kor = 1; kor <= 12; ++kor) t.Hozzaad(kor % 2, kor, kor * 3);
    w.Frissit();
    QTest::qWait(40);
    t.Hozzaad(0, 2, 25);
    t.Hozzaad(1, 11, 40);
    w.Frissit();
    QTest::qWait(40);
    t.Oko().Korfa.Alaphelyzet();
    for (int kor = 1; kor <= 9; ++kor) t.Hozzaad(0, kor, 10 - kor);
    w.Frissit();
    QTest::qWait(40);
    QCOMPARE(w.SavSzam(), 9);
    const QImage kepernyon = Kepernyon(w);
    QCOMPARE(kepernyon, Kep(w).convertToFormat(QImage::Format_RGB32));
    // Band 0 holds nine males: a filled bar left of the centre.
    const int c = kepernyon.width() / 2;
    const int sav0 = static_cast<int>(w.Vaszon().TenylegesMagassag() - w.Vaszon().Teteje()) - 4;
    QCOMPARE(kepernyon.pixelColor(c - 4, sav0), QSzin(Kek));
  }

  void magassagNoCsakBeallitasraCsokken() {
    TKornyezet t;
    TForm_Korfa& w = t.lista.UjAblak();
    t.Hozzaad(0, 40, 1);
    w.SetAllatFaj(0);
    QCOMPARE(w.Vaszon().KepMagassag(), 401);
    // The oldest animal dies: the height stays.
    t.Oko().Korfa.Alaphelyzet();
    t.Hozzaad(0, 5, 1);
    w.Frissit();
    QCOMPARE(w.SavSzam(), 5);
    QCOMPARE(w.LegnagyobbSavSzam(), 40);
    QCOMPARE(w.Vaszon().KepMagassag(), 401);
    // An older one grows it again.
    t.Hozzaad(0, 50, 1);
    w.Frissit();
    QCOMPARE(w.Vaszon().KepMagassag(), 501);
    // A setting change shrinks it to what is needed now.
    w.SetSavSzelesseg(4);
    QCOMPARE(w.Vaszon().KepMagassag(), 201);
    // Scrolled to the bottom, where the youngest bands are.
    QCOMPARE(w.Vaszon().verticalScrollBar()->value(), w.Vaszon().verticalScrollBar()->maximum());
    // Settings that are not positive, or unchanged, do nothing.
    w.SetSavSzelesseg(0);
    w.SetSavSzelesseg(-3);
    QCOMPARE(w.Beallitas().SavSzelesseg, 4);
    // Another species resets the height as well.
    w.SetAllatFaj(1);
    QCOMPARE(w.SavSzam(), 0);
    QCOMPARE(w.LegnagyobbSavSzam(), 0);
  }

  void ketMilliardPixelesSav() {
    TKornyezet t;
    t.Hozzaad(0, 1, 20);
    t.Hozzaad(1, 1, 30);
    t.Hozzaad(1, 2000, 1);
    TForm_Korfa& w = t.lista.UjAblak();
    w.SetAllatFaj(0);
    w.SetSavSzelesseg(2000000000);
    QCOMPARE(w.SavSzam(), 2000);
    QCOMPARE(w.Vaszon().KepMagassag(), int64_t{2000} * 2000000000 + 1);
    QCOMPARE(w.Vaszon().Teteje(), w.Vaszon().KepMagassag() - w.Vaszon().viewport()->height());
    // The youngest band fills the view: the bars' insides, no outline in sight.
    const QImage kep = Kep(w);
    const int c = kep.width() / 2;
    QCOMPARE(kep.pixelColor(c + 15, kep.height() / 2), QSzin(Kek));
    QCOMPARE(kep.pixelColor(c - 10, kep.height() / 2), QSzin(Kek));
    QCOMPARE(kep.pixelColor(c + 40, kep.height() / 2), Ezust);
    // Scrolled to the top: the oldest band's single female.
    w.Vaszon().verticalScrollBar()->setValue(0);
    QCOMPARE(w.Vaszon().Teteje(), 0);
    const QImage fent = Kep(w);
    QCOMPARE(fent.pixelColor(c, 20), QColor(Qt::black));
    QCOMPARE(fent.pixelColor(c + 2, 20), Ezust);
  }

  void korbeosztasCsakNyilakkal() {
    TKornyezet t;
    TForm_Korfa& w = t.lista.UjAblak();
    TSpinMezo* m = w.SpE_Korbeosztas();
    QTest::keyClick(m, Qt::Key_5);
    QCOMPARE(w.Beallitas().Korbeosztas, 1);
    QTest::keyClick(m, Qt::Key_Up);
    QCOMPARE(w.Beallitas().Korbeosztas, 2);
    QCOMPARE(m->Ertek(), 2);
    // The other two fields take typing.
    w.SpE_SavSzelesseg()->selectAll();
    QTest::keyClicks(w.SpE_SavSzelesseg(), "25");
    QCOMPARE(w.Beallitas().SavSzelesseg, 25);
  }

  void listaEsNyelv() {
    TKornyezet t;
    TForm_Korfa& elso = t.lista.UjAblak();
    elso.move(100, 100);
    TForm_Korfa& masodik = t.lista.UjAblak();
    QCOMPARE(masodik.pos(), QPoint(90, 110));
    TNyelviTabla tabla;
    tabla.SetSzoveg("ckForm_Korfa", "Age pyramid");
    tabla.SetSzoveg("ckLbl_Caption", "Ages");
    t.lista.NyelvAlkalmaz(tabla);
    QCOMPARE(masodik.windowTitle(), QStringLiteral("Age pyramid"));
    QCOMPARE(elso.Lbl_Caption()->text(), QStringLiteral("Ages"));
    // Closed windows are still updated.
    t.lista.MindetBezar();
    elso.SetAllatFaj(0);
    t.Hozzaad(0, 7, 1);
    t.lista.Leptet();
    QCOMPARE(elso.SavSzam(), 7);
    t.lista.Urit();
    QCOMPARE(t.lista.Darab(), 0);
  }
};

QTEST_MAIN(KorfaAblakTeszt)
#include "korfa_ablak_test.moc"
