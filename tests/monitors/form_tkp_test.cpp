// The map, magnifier and seed-point windows: the frame under the left button,
// seed points from the dialog, repeated with Ctrl or refused with other keys,
// the dialog's species lists, window sizes and switching ecosystems.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <limits>
#include <memory>

#include "monitors/form_goc.h"
#include "monitors/form_ngy.h"
#include "monitors/form_tkp.h"
#include "monitors/terkep_vaszon.h"
#include "widgets/spin_mezo.h"

using namespace zelvaris;

namespace {

// Answers every dialog at once; the seed-point dialog through a callback.
class TTesztModalis : public TModalisFelulet {
 public:
  std::function<int(QDialog&)> Valasz = [](QDialog&) { return int(QDialog::Accepted); };
  int Hivasok = 0;

  void Uzenet(QWidget*, TUzenetFajta, const QString&, const QString&) override {}
  bool IgenNem(QWidget*, const QString&, const QString&) override { return false; }
  QString FajlMegnyitas(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  QString FajlMentes(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  std::optional<QColor> Szin(QWidget*, const QColor&) override { return std::nullopt; }
  int Dialogus(QDialog& d) override {
    ++Hivasok;
    return Valasz(d);
  }
};

struct TAblakok {
  TTesztModalis modalis;
  TAlkalmazasKornyezet kornyezet{ZELVARIS_SOURCE_DIR, &modalis};
  TForm_Goc goc{kornyezet};
  TForm_Tkp terkep{kornyezet, goc};
  TForm_Ngy nagyito{kornyezet, terkep};

  // A world of side `oldal` with a plant and an animal species, registered in
  // the dialog as the window program does.
  explicit TAblakok(int32_t oldal = 300) {
    auto oko = kornyezet.UjOkoszisztema();
    oko->Atmeretez(oldal);
    oko->UjNovenyFaj("fű");
    oko->UjAllatFaj("nyúl").SetSzin(Rgb(255, 0, 0));
    oko->UjAllatFaj("róka");
    kornyezet.OkoszisztemaCsere(std::move(oko));
    kornyezet.VilagBemutatasa();
    Oko().Alkalmaz();
  }
  TOkoszisztema& Oko() { return kornyezet.Okoszisztema(); }
  void Jobb(QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::mouseClick(&terkep.Vaszon(), Qt::RightButton, m, p);
  }
  void Bal(QPoint p) { QTest::mousePress(&terkep.Vaszon(), Qt::LeftButton, Qt::NoModifier, p); }
  void Huzas(QPoint p) {
    QMouseEvent e(QEvent::MouseMove, p, terkep.Vaszon().mapToGlobal(p), Qt::NoButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&terkep.Vaszon(), &e);
  }
  bool VanAllat(int32_t faj, int32_t sor, int32_t oszlop) { return Oko().AllatAMezon(sor, oszlop, faj) != nullptr; }
  bool VanNoveny(int32_t sor, int32_t oszlop) { return Oko().NovenyAMezon(sor, oszlop, 0) != nullptr; }
};

}  // namespace

class FormTkpTest : public QObject {
  Q_OBJECT

 private slots:
  void KeretABalGombbal_data() {
    QTest::addColumn<int>("oldal");
    QTest::addColumn<QPoint>("pont");
    QTest::addColumn<QPoint>("keret");
    QTest::newRow("near the corner") << 300 << QPoint(5, 5) << QPoint(0, 0);
    QTest::newRow("last cell") << 300 << QPoint(299, 299) << QPoint(260, 260);
    QTest::newRow("inside") << 300 << QPoint(100, 100) << QPoint(80, 80);
    QTest::newRow("mixed edges") << 60 << QPoint(59, 3) << QPoint(20, 0);
  }
  void KeretABalGombbal() {
    QFETCH(int, oldal);
    QFETCH(QPoint, pont);
    QFETCH(QPoint, keret);
    TAblakok a(oldal);
    int mutatas = 0;
    a.terkep.NagyitoKeretMutatasa = [&] { ++mutatas; };
    a.Bal(pont);
    QCOMPARE(QPoint(int(a.Oko().KeretBal()), int(a.Oko().KeretFelso())), keret);
    QCOMPARE(a.terkep.Vaszon().Keret(), QRect(keret, QSize(40, 40)));
    QCOMPARE(mutatas, 1);
  }

  void KeretHuzasaEsMutatasa() {
    TAblakok a;
    a.terkep.show();
    a.Oko().Ujrarajzol();
    // The magnifier follows the frame: an animal at (85, 90) is square (5, 10)
    // once the frame's corner is (80, 80).
    a.Oko().AllatLetrehozasa(0, 90, 85, TLetrehozas::Felnott);
    a.terkep.SetKeretLathato(false);
    QVERIFY(a.terkep.Vaszon().Keret().isEmpty());
    a.Bal(QPoint(10, 10));
    QVERIFY(a.terkep.KeretLathato());
    a.Huzas(QPoint(100, 100));
    QCOMPARE(a.terkep.Vaszon().Keret(), QRect(80, 80, 40, 40));
    const QImage& ngy = a.terkep.Rajzolo().NagyitoKep();
    QCOMPARE(ngy.pixel(5 * 13 + 1, 10 * 13 + 1), KepPont(FeketeSzin));
    bool piros = false;
    for (int y = 1; y < 12; ++y)
      for (int x = 1; x < 12; ++x) piros = piros || ngy.pixel(5 * 13 + x, 10 * 13 + y) == qRgb(255, 0, 0);
    QVERIFY(piros);
    // A move without the button does nothing.
    QMouseEvent e(QEvent::MouseMove, QPointF(200, 200), QPointF(200, 200), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&a.terkep.Vaszon(), &e);
    QCOMPARE(a.Oko().KeretBal(), 80);
    // The yellow outline on the window, on the frame's border pixels.
    const QImage kep = a.terkep.Vaszon().grab().toImage();
    QCOMPARE(kep.pixel(80, 80), qRgb(255, 255, 0));
    QCOMPARE(kep.pixel(119, 119), qRgb(255, 255, 0));
    QCOMPARE(kep.pixel(100, 119), qRgb(255, 255, 0));
    QVERIFY(kep.pixel(120, 100) != qRgb(255, 255, 0));
    QVERIFY(kep.pixel(100, 100) != qRgb(255, 255, 0));
  }

  // The examples of the seed points: five adults at (10, 10) on the spiral,
  // then the same placement repeated with Ctrl at (20, 30).
  void GocPontDialogusbolEsCtrllal() {
    TAblakok a;
    a.modalis.Valasz = [&](QDialog&) {
      a.goc.SetNovenyOldal(false);
      a.goc.AllatKivalasztasa(0);
      a.goc.SetEgyedszam(5);
      a.goc.SetRitkitas(0);
      return int(QDialog::Accepted);
    };
    a.Jobb(QPoint(10, 10));
    QCOMPARE(a.modalis.Hivasok, 1);
    QCOMPARE(a.Oko().AllatFaj(0).Egyedek.Darab(), 5);
    for (QPoint p : {QPoint(10, 9), QPoint(11, 9), QPoint(11, 10), QPoint(11, 11), QPoint(10, 11)})
      QVERIFY2(a.VanAllat(0, p.y(), p.x()), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    QCOMPARE(a.Oko().AllatFaj(0).GocEgyedszam, 5);
    QCOMPARE(a.terkep.GocKeres().Fajta, 0);
    // The map shows them at once.
    QCOMPARE(a.terkep.Rajzolo().TerkepKep().pixel(11, 9), qRgb(255, 0, 0));

    a.Jobb(QPoint(20, 30), Qt::ControlModifier);
    QCOMPARE(a.modalis.Hivasok, 1);
    QCOMPARE(a.Oko().AllatFaj(0).Egyedek.Darab(), 10);
    for (QPoint p : {QPoint(20, 29), QPoint(21, 29), QPoint(21, 30), QPoint(21, 31), QPoint(20, 31)})
      QVERIFY(a.VanAllat(0, p.y(), p.x()));
  }

  void NovenyRitkitassalAPeremen() {
    TAblakok a;
    a.modalis.Valasz = [&](QDialog&) {
      a.goc.SetNovenyOldal(true);
      a.goc.SetEgyedszam(2);
      a.goc.SetRitkitas(1);
      return int(QDialog::Accepted);
    };
    // Row 0: the first move wraps to the last row; thinning 1 takes every
    // second spiral position, starting with the second.
    a.Jobb(QPoint(10, 0));
    QCOMPARE(a.Oko().NovenyFaj(0).Egyedek.Darab(), 2);
    QVERIFY(a.VanNoveny(299, 11));
    QVERIFY(a.VanNoveny(1, 11));
    QCOMPARE(a.terkep.GocKeres().Fajta, 1);
    QCOMPARE(a.Oko().NovenyFaj(0).GocRitkitas, 1);
  }

  void ElutasitasokMegisTarolnak() {
    TAblakok a;
    a.goc.SetNovenyOldal(false);
    a.goc.AllatKivalasztasa(1);
    a.goc.SetEgyedszam(7);
    a.goc.SetRitkitas(3);
    // Another modifier: no dialog, nothing placed, the values still stored.
    a.Jobb(QPoint(50, 50), Qt::ShiftModifier);
    a.Jobb(QPoint(50, 50), Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(a.modalis.Hivasok, 0);
    QCOMPARE(a.Oko().AllatFaj(1).Egyedek.Darab(), 0);
    QCOMPARE(a.Oko().AllatFaj(1).GocEgyedszam, 7);
    QCOMPARE(a.Oko().AllatFaj(1).GocRitkitas, 3);
    QCOMPARE(a.terkep.GocKeres().Faj, 1);
    // Cancel: the same.
    a.modalis.Valasz = [&](QDialog&) {
      a.goc.SetEgyedszam(9);
      return int(QDialog::Rejected);
    };
    a.Jobb(QPoint(50, 50));
    QCOMPARE(a.Oko().AllatFaj(1).Egyedek.Darab(), 0);
    QCOMPARE(a.Oko().AllatFaj(1).GocEgyedszam, 9);
    // A number still being typed beyond what a species holds is stored at the limit.
    a.goc.findChild<TSpinMezo*>(QStringLiteral("SpE_Ritkitas"))
        ->findChild<QLineEdit*>()
        ->setText(QStringLiteral("-5000000000"));
    a.Jobb(QPoint(50, 50), Qt::ShiftModifier);
    QCOMPARE(a.Oko().AllatFaj(1).GocRitkitas, std::numeric_limits<int32_t>::min());
    // An empty list: nothing is chosen, nothing placed.
    a.goc.Urites();
    a.Jobb(QPoint(50, 50), Qt::ControlModifier);
    QCOMPARE(a.terkep.GocKeres().Faj, -1);
    QCOMPARE(a.Oko().AllatFaj(1).Egyedek.Darab(), 0);
  }

  void GocDialogusListai() {
    TAblakok a;
    auto* novenyek = a.goc.findChild<QComboBox*>(QStringLiteral("CmB_Noveny"));
    auto* allatok = a.goc.findChild<QComboBox*>(QStringLiteral("CmB_Allat"));
    QCOMPARE(novenyek->count(), 1);
    QCOMPARE(allatok->count(), 2);
    QCOMPARE(allatok->itemText(1), QStringLiteral("róka (1)"));
    a.goc.AllatFajAtnevezese(1, QStringLiteral("farkas (1)"));
    a.goc.AllatFajAtnevezese(5, QStringLiteral("nincs"));
    QCOMPARE(allatok->itemText(1), QStringLiteral("farkas (1)"));
    // Choosing a species or a page loads the fields from that species.
    a.Oko().AllatFaj(1).GocEgyedszam = 40;
    a.Oko().AllatFaj(1).GocRitkitas = 2;
    a.Oko().NovenyFaj(0).GocEgyedszam = 70;
    a.goc.SetNovenyOldal(false);
    a.goc.AllatKivalasztasa(1);
    QCOMPARE(a.goc.Egyedszam(), 40);
    QCOMPARE(a.goc.Ritkitas(), 2);
    a.goc.SetNovenyOldal(true);
    QCOMPARE(a.goc.Egyedszam(), 70);
    QCOMPARE(a.goc.Ritkitas(), 0);
    a.goc.Urites();
    QCOMPARE(novenyek->count(), 0);
    QCOMPARE(allatok->count(), 0);
    QCOMPARE(a.goc.KivalasztottAllat(), -1);
  }

  void Szovegek() {
    TAblakok a;
    QCOMPARE(a.terkep.windowTitle(), QStringLiteral("Térkép"));
    QCOMPARE(a.nagyito.windowTitle(), QStringLiteral("Nagyító"));
    QCOMPARE(a.goc.windowTitle(), QStringLiteral("Gócbevitel"));
    TNyelviTabla tabla;
    tabla.SetSzoveg("cmForm_Tkp", "Map");
    tabla.SetSzoveg("czForm_Ngy", "Magnifier");
    tabla.SetSzoveg("cpForm_Goc", "Seed point");
    tabla.SetSzoveg("cpTabS_Allat", "Animal");
    tabla.SetSzoveg("cpBitBtn_Megsem", "Cancel");
    a.terkep.SzovegekAlkalmazasa(tabla);
    a.nagyito.SzovegekAlkalmazasa(tabla);
    a.goc.SzovegekAlkalmazasa(tabla);
    QCOMPARE(a.terkep.windowTitle(), QStringLiteral("Map"));
    QCOMPARE(a.nagyito.windowTitle(), QStringLiteral("Magnifier"));
    QCOMPARE(a.goc.windowTitle(), QStringLiteral("Seed point"));
    auto* lapok = a.goc.findChild<QTabWidget*>(QStringLiteral("PgCtrl_Goc"));
    QCOMPARE(lapok->tabText(0), QStringLiteral("Növény"));
    QCOMPARE(lapok->tabText(1), QStringLiteral("Animal"));
    QCOMPARE(a.goc.findChild<QPushButton*>(QStringLiteral("BitBtn_Megsem"))->text(), QStringLiteral("Cancel"));
  }

  void AblakMeretek() {
    TModalisFelulet* nincs = nullptr;
    TAlkalmazasKornyezet kornyezet(ZELVARIS_SOURCE_DIR, nincs);
    TForm_Goc goc(kornyezet);
    TForm_Tkp terkep(kornyezet, goc);
    TForm_Ngy nagyito(kornyezet, terkep);
    QCOMPARE(terkep.size(), QSize(489, 308));
    QCOMPARE(nagyito.size(), QSize(580, 400));
    kornyezet.Okoszisztema().Atmeretez(120);
    kornyezet.Okoszisztema().Alkalmaz();
    terkep.TerkepMeretezes();
    nagyito.NagyitoMeretezes();
    // The window is L wide, or as wide as its title bar needs.
    QCOMPARE(terkep.size(), QSize(std::max(120, terkep.minimumWidth()), 120));
    QCOMPARE(nagyito.size(), QSize(520, 520));
    QCOMPARE(terkep.Vaszon().size(), QSize(120, 120));
    kornyezet.Atmeretez(50);
    QVERIFY(terkep.width() > terkep.fontMetrics().horizontalAdvance(terkep.windowTitle()) + 60);
    QCOMPARE(terkep.Vaszon().size(), QSize(50, 50));
    // Larger than the screen: the window stops at the screen, the map scrolls.
    const QSize kepernyo = terkep.screen()->availableGeometry().size();
    const int oldal = std::max(kepernyo.width(), kepernyo.height()) + 100;
    kornyezet.Okoszisztema().Atmeretez(oldal);
    terkep.TerkepMeretezes();
    QCOMPARE(terkep.Vaszon().size(), QSize(oldal, oldal));
    QVERIFY(terkep.width() <= kepernyo.width() && terkep.height() <= kepernyo.height());
  }

  // The map window owns the sink and its images; closing it first leaves
  // neither the world nor the magnifier pointing at them.
  void TerkepElobbSzunikMeg() {
    TAlkalmazasKornyezet kornyezet(ZELVARIS_SOURCE_DIR);
    TForm_Goc goc(kornyezet);
    auto terkep = std::make_unique<TForm_Tkp>(kornyezet, goc);
    TForm_Ngy nagyito(kornyezet, *terkep);
    nagyito.show();
    kornyezet.Okoszisztema().Atmeretez(60);
    kornyezet.Okoszisztema().Alkalmaz();
    terkep.reset();
    nagyito.repaint();
    kornyezet.Okoszisztema().UjAllatFaj("x");
    kornyezet.Okoszisztema().AllatLetrehozasa(0, 1, 1, TLetrehozas::Felnott);
    kornyezet.Okoszisztema().Ujrarajzol();
    QVERIFY(nagyito.findChild<QWidget*>(QStringLiteral("NagyitoKep")) == nullptr);
  }

  void OkoszisztemaCsere() {
    TAblakok a(100);
    a.Oko().AllatLetrehozasa(0, 5, 5, TLetrehozas::Felnott);
    a.Oko().Rajzol();
    // An empty new world: the images go, a click does nothing.
    a.kornyezet.OkoszisztemaCsere(a.kornyezet.UjOkoszisztema());
    QVERIFY(a.terkep.Rajzolo().TerkepKep().isNull());
    QVERIFY(a.terkep.Vaszon().Keret().isEmpty());
    // Instead of an empty grey box, both say how to build the world.
    auto* terkepTipp = a.terkep.findChild<QLabel*>(QStringLiteral("Lbl_AlkalmazTipp"));
    auto* nagyitoTipp = a.nagyito.findChild<QLabel*>(QStringLiteral("Lbl_AlkalmazTipp"));
    QVERIFY(!terkepTipp->isHidden() && !nagyitoTipp->isHidden());
    QVERIFY(!terkepTipp->text().isEmpty());
    a.Bal(QPoint(5, 5));
    a.Jobb(QPoint(5, 5), Qt::ControlModifier);
    // Building it draws into this window's images.
    a.Oko().Atmeretez(70);
    a.Oko().UjAllatFaj("x");
    a.Oko().Alkalmaz();
    QCOMPARE(a.terkep.Rajzolo().TerkepKep().size(), QSize(70, 70));
    QVERIFY(terkepTipp->isHidden() && nagyitoTipp->isHidden());
    // A world built before it became current (a loaded file) is drawn on arrival.
    auto kesz = a.kornyezet.UjOkoszisztema();
    kesz->Atmeretez(90);
    kesz->UjAllatFaj("y").SetSzin(Rgb(0, 0, 255));
    kesz->Alkalmaz();
    kesz->AllatLetrehozasa(0, 7, 8, TLetrehozas::Felnott);
    a.kornyezet.OkoszisztemaCsere(std::move(kesz));
    QCOMPARE(a.terkep.Rajzolo().TerkepKep().size(), QSize(90, 90));
    QCOMPARE(a.terkep.Rajzolo().TerkepKep().pixel(8, 7), qRgb(0, 0, 255));
    QCOMPARE(a.terkep.Vaszon().Keret(), QRect(0, 0, 40, 40));
  }
};

QTEST_MAIN(FormTkpTest)
#include "form_tkp_test.moc"
