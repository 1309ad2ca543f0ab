// The views of a species: editors following each other, choosers, the push
// hub keeping the kinds apart, the seed-point dialog, redraws, language
// texts and folding boxes, and clearing with a new ecosystem.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QtTest>
#include <fstream>

#include "tests/teszt_rajzolo.h"
#include "editors/csukhato_doboz.h"
#include "monitors/form_goc.h"
#include "szerkeszto_teszt.h"
#include "widgets/qszin.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

QColor Minta(QWidget& w) { return Mezo<QWidget>(w, "Shp_Szin")->palette().color(QPalette::Window); }

}  // namespace

class TNezetekTeszt : public QObject {
  Q_OBJECT

 private slots:
  void KetSzerkesztoEgyFajon() {
    TKornyezet k;
    k.Oko().UjAllatFaj("Nyúl");
    k.Oko().UjAllatFaj("Róka");
    TFajSzerkeszto& a = k.Allatok.UjAblak(0);
    TFajSzerkeszto& b = k.Allatok.UjAblak(0);
    TFajSzerkeszto& masik = k.Allatok.UjAblak(1);
    auto* valaszto = Mezo<QComboBox>(b, "CmB_AllatFaj");
    QCOMPARE(valaszto->count(), 2);
    QCOMPARE(valaszto->currentIndex(), -1);

    QTest::keyClicks(Mezo<QLineEdit>(a, "E_Nev"), QStringLiteral("ka"));
    QCOMPARE(k.Oko().AllatFaj(0).Nev(), std::string("Nyúlka"));
    QCOMPARE(Mezo<QLineEdit>(b, "E_Nev")->text(), QStringLiteral("Nyúlka"));
    QCOMPARE(valaszto->itemText(0), QStringLiteral("Nyúlka (0)"));
    QCOMPARE(valaszto->currentIndex(), -1);
    QTest::keyClicks(Mezo(a, "SpE_Kor"), QStringLiteral("12"));
    QCOMPARE(Mezo(b, "SpE_Kor")->text(), QStringLiteral("12"));

    // The editor on the other species keeps its species and its chooser.
    QCOMPARE(masik.FajIndex(), 1);
    QCOMPARE(Mezo<QLineEdit>(masik, "E_Nev")->text(), QStringLiteral("Róka"));
    QCOMPARE(Mezo(masik, "SpE_Kor")->text(), QStringLiteral("0"));
    QCOMPARE(Mezo<QComboBox>(masik, "CmB_AllatFaj")->currentIndex(), -1);

    // Choosing in the chooser shows that species.
    valaszto->setCurrentIndex(1);
    emit valaszto->activated(1);
    QCOMPARE(b.FajIndex(), 1);
    QCOMPARE(Mezo<QLineEdit>(b, "E_Id")->text(), QStringLiteral("1"));
    QCOMPARE(Mezo<QLineEdit>(b, "E_Nev")->text(), QStringLiteral("Róka"));
  }

  // A pasted line break cannot split the name's record line.
  void NevSortoressel() {
    TKornyezet k;
    k.Oko().UjAllatFaj("a");
    TFajSzerkeszto& w = k.Allatok.UjAblak(0);
    auto* nev = Mezo<QLineEdit>(w, "E_Nev");
    nev->insert(QStringLiteral("b\nc"));
    QVERIFY(k.Oko().AllatFaj(0).Nev().find('\n') == std::string::npos);
  }

  void TkpEgyTeljesRajzolas() {
    TKornyezet k;
    teszt::TNaploRajzolo rajzolo;
    k.Oko().RajzoloBeallitasa(&rajzolo);
    k.Oko().UjAllatFaj("a");
    k.Oko().Atmeretez(50);
    k.Oko().Alkalmaz();
    k.Oko().SetRajzolhat(true);
    TFajSzerkeszto& w = k.Allatok.UjAblak(0);
    TFajSzerkeszto& w2 = k.Allatok.UjAblak(0);
    rajzolo.teljes = 0;
    Mezo<QCheckBox>(w, "ChB_Tkp")->click();
    QCOMPARE(k.Oko().AllatFaj(0).Tkp(), false);
    QCOMPARE(Mezo<QCheckBox>(w2, "ChB_Tkp")->isChecked(), false);
    QCOMPARE(rajzolo.teljes, 1);
    // Setting all species' flags at once reaches every editor.
    k.Oko().AllatFaj(0).SetTkp(true);
    k.Kozpont().JelzoMindenFajra(TFajFajta::Allat, TFajMezo::Tkp);
    QCOMPARE(Mezo<QCheckBox>(w2, "ChB_Tkp")->isChecked(), true);
    k.Oko().RajzoloBeallitasa(nullptr);
  }

  // A plant and an animal both called "Fű (0)": each change reaches only the
  // views of its own kind.
  void AzonosNevuFajok() {
    TKornyezet k;
    TForm_Goc goc(k.K);
    k.Oko().UjAllatFaj("Fű");
    k.Oko().UjNovenyFaj("Fű");
    k.Kozpont().Bejegyzes(TFajFajta::Noveny, 0);
    k.Kozpont().Bejegyzes(TFajFajta::Allat, 0);
    TFajSzerkeszto& allat = k.Allatok.UjAblak(0);
    TFajSzerkeszto& noveny = k.Novenyek.UjAblak(0);
    auto* gocAllatok = Mezo<QComboBox>(goc, "CmB_Allat");
    auto* gocNovenyek = Mezo<QComboBox>(goc, "CmB_Noveny");
    QCOMPARE(gocAllatok->itemText(0), QStringLiteral("Fű (0)"));

    QTest::keyClicks(Mezo<QLineEdit>(allat, "E_Nev"), QStringLiteral("x"));
    QCOMPARE(gocAllatok->itemText(0), QStringLiteral("Fűx (0)"));
    QCOMPARE(gocNovenyek->itemText(0), QStringLiteral("Fű (0)"));
    QCOMPARE(Mezo<QLineEdit>(noveny, "E_Nev")->text(), QStringLiteral("Fű"));
    QCOMPARE(Mezo<QComboBox>(noveny, "CmB_NovenyFaj")->itemText(0), QStringLiteral("Fű (0)"));

    QTest::keyClicks(Mezo<QLineEdit>(noveny, "E_Nev"), QStringLiteral("y"));
    QCOMPARE(gocNovenyek->itemText(0), QStringLiteral("Fűy (0)"));
    QCOMPARE(gocAllatok->itemText(0), QStringLiteral("Fűx (0)"));
    QCOMPARE(Mezo<QLineEdit>(allat, "E_Nev")->text(), QStringLiteral("Fűx"));

    const QColor allatSzin = Minta(allat);
    k.Modalis.ValasztottSzin = QColor(10, 20, 30);
    noveny.SzinValasztas();
    QCOMPARE(k.Oko().NovenyFaj(0).Szin(), Rgb(10, 20, 30));
    QCOMPARE(Minta(noveny), QColor(10, 20, 30));
    QCOMPARE(Minta(allat), allatSzin);
    QCOMPARE(k.Oko().AllatFaj(0).Szin(), FeherSzin);
    k.Modalis.ValasztottSzin = QColor(1, 2, 3);
    allat.SzinValasztas();
    QCOMPARE(Minta(allat), QColor(1, 2, 3));
    QCOMPARE(Minta(noveny), QColor(10, 20, 30));

    // A new ecosystem empties every list and closes every editor.
    k.K.OkoszisztemaCsere(k.K.UjOkoszisztema());
    QCOMPARE(k.Allatok.Darab(), 0);
    QCOMPARE(k.Novenyek.Darab(), 0);
    QCOMPARE(gocAllatok->count(), 0);
    QCOMPARE(gocNovenyek->count(), 0);
  }

  // A species registered later joins the chooser of every open editor.
  void BejegyzesAValasztokba() {
    TKornyezet k;
    k.Oko().UjAllatFaj("a");
    TFajSzerkeszto& w = k.Allatok.UjAblak(0);
    k.Oko().UjAllatFaj("b");
    k.Kozpont().Bejegyzes(TFajFajta::Allat, 1);
    auto* v = Mezo<QComboBox>(w, "CmB_AllatFaj");
    QCOMPARE(v->count(), 2);
    QCOMPARE(v->itemText(1), QStringLiteral("b (1)"));
    QCOMPARE(v->currentIndex(), -1);
    QCOMPARE(w.FajIndex(), 0);
  }

  void NyelvEsCsukas() {
    TKornyezet k;
    k.Oko().UjAllatFaj("a");
    TFajSzerkeszto& w = k.Allatok.UjAblak(0);
    auto* deg = Mezo<TCsukhatoDoboz>(w, "GB_Deg");
    auto* azon = Mezo<TCsukhatoDoboz>(w, "GB_Azon");
    QCOMPARE(deg->title(), QStringLiteral("degradábilis permet (+)"));
    QCOMPARE(azon->title(), QStringLiteral("azonosítás (-)"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Állat"));
    QVERIFY(!deg->Tartalom()->isVisibleTo(deg));
    deg->Valtas();
    QCOMPARE(deg->title(), QStringLiteral("degradábilis permet (-)"));
    QVERIFY(deg->Tartalom()->isVisibleTo(deg));
    azon->Valtas();

    const std::filesystem::path nyelvek = k.Ut("languages");
    std::filesystem::create_directories(nyelvek);
    std::ofstream(nyelvek / "en.lng") << "[ANIMAL FORM]\ncaForm_Allat=Animal\ncaGB_Azon=identity\n"
                                         "caGB_Deg=degradable spray\ncaLbl_Kor=Lifespan\ncaChB_Tkp=On map\n";
    k.K.Nyelv().NyelvBetoltese("en.lng");
    QCOMPARE(w.windowTitle(), QStringLiteral("Animal"));
    QCOMPARE(azon->title(), QStringLiteral("identity (+)"));
    QCOMPARE(deg->title(), QStringLiteral("degradable spray (-)"));
    QCOMPARE(Mezo<QLabel>(w, "Lbl_Kor")->text(), QStringLiteral("Lifespan"));
    QCOMPARE(Mezo<QCheckBox>(w, "ChB_Tkp")->text(), QStringLiteral("On map"));
    // A window opened later takes the loaded texts.
    TFajSzerkeszto& uj = k.Allatok.UjAblak(0);
    QCOMPARE(uj.windowTitle(), QStringLiteral("Animal"));
    QCOMPARE(Mezo<TCsukhatoDoboz>(uj, "GB_Kijelzes")->title(), QStringLiteral("kijelzés"));
  }

  void ElsoAblakHelye() {
    TKornyezet k;
    k.Oko().UjAllatFaj("a");
    k.Oko().UjNovenyFaj("n");
    QCOMPARE(k.Allatok.UjAblak(0).pos(), QPoint(669, 74));
    QCOMPARE(k.Novenyek.UjAblak(0).pos(), QPoint(218, 421));
    TFajSzerkeszto& masodik = k.Novenyek.UjAblak(0);
    QCOMPARE(masodik.pos().y(), 421);
    QVERIFY(masodik.pos().x() >= 218 + 209);
    // Closing only hides: the window stays in its list.
    masodik.close();
    QCOMPARE(k.Novenyek.Darab(), 2);
    k.Novenyek.MindetElorehoz();
    QVERIFY(masodik.isVisible());
  }
};

QTEST_MAIN(TNezetekTeszt)
#include "nezetek_test.moc"
