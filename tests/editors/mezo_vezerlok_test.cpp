// Every field of the species-field table through its controls: each field an
// editor shows has a control in the editor of its kind, and every control of
// both editors and of the all-animals panel writes its field into the species
// and shows the field again after a push.

#include <QtTest>
#include <algorithm>
#include <cstring>

#include "editors/allat_panel.h"
#include "editors/form_allat.h"
#include "editors/form_noveny.h"
#include "szerkeszto_teszt.h"
#include "tests/teszt_mezok.h"
#include "uj_faj_teszt.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

enum class TVezerlo { Spin, Sugar, Lista, Jelzo, Nev, Szin };
enum class TAblak { AllatSzerkeszto, NovenySzerkeszto, Panel };

void Sor(TAblak ablak, const char* vezerlo, TVezerlo fajta, TFajMezo mezo, int64_t minimum) {
  const char* ablakNev[] = {"Form_Allat", "Form_Noveny", "AllatPanel"};
  QTest::newRow((std::string(ablakNev[static_cast<int>(ablak)]) + "." + vezerlo).c_str())
      << static_cast<int>(ablak) << QByteArray(vezerlo) << static_cast<int>(fajta) << static_cast<int>(mezo)
      << static_cast<qlonglong>(minimum);
}

void SzerkesztoSorai(TAblak ablak, const TSzerkesztoLeiras& leiras) {
  using F = TSorLeiras::TFajta;
  for (const TSorLeiras& l : leiras.Sorok) {
    switch (l.Fajta) {
      case F::Azonosito: Sor(ablak, "Shp_Szin", TVezerlo::Szin, l.Mezo, 0); break;
      case F::Nev: Sor(ablak, l.Vezerlo, TVezerlo::Nev, l.Mezo, 0); break;
      case F::Lista: Sor(ablak, l.Vezerlo, TVezerlo::Lista, l.Mezo, 0); break;
      case F::Jelzo: Sor(ablak, l.Vezerlo, TVezerlo::Jelzo, l.Mezo, 0); break;
      case F::Spin: {
        const bool sugar = std::strcmp(l.Vezerlo, "SpE_MozgasSugar") == 0;
        Sor(ablak, l.Vezerlo, sugar ? TVezerlo::Sugar : TVezerlo::Spin, l.Mezo, l.Minimum);
        break;
      }
      case F::MozgasPlusz: break;  // derived, shown only
    }
  }
}

}  // namespace

class TMezoVezerlokTeszt : public QObject {
  Q_OBJECT

 private slots:
  // The seed-point settings are the seed-point dialog's; every other field
  // must have a control in its kind's editor.
  void EveryFieldHasAnEditorControl() {
    for (const auto* leiras : {&AllatSzerkesztoLeiras(), &NovenySzerkesztoLeiras()}) {
      for (const TFajMezoLeiras& m : FajMezoTabla(leiras->Fajta)) {
        if (m.Nev == "GocEgyedszam" || m.Nev == "GocRitkitas") continue;
        const bool van = std::any_of(leiras->Sorok.begin(), leiras->Sorok.end(),
                                     [&m](const TSorLeiras& l) { return l.Mezo == m.Mezo; });
        QVERIFY2(van, (std::string(leiras->Urlap) + " has no control for " + std::string(m.Nev)).c_str());
      }
    }
  }

  void ControlsAndSpeciesAgree_data() {
    QTest::addColumn<int>("ablak");
    QTest::addColumn<QByteArray>("vezerlo");
    QTest::addColumn<int>("fajta");
    QTest::addColumn<int>("mezo");
    QTest::addColumn<qlonglong>("minimum");
    SzerkesztoSorai(TAblak::AllatSzerkeszto, AllatSzerkesztoLeiras());
    SzerkesztoSorai(TAblak::NovenySzerkeszto, NovenySzerkesztoLeiras());
    using P = TPanelSorLeiras::TFajta;
    for (const TPanelSorLeiras& l : AllatPanelSorok()) {
      // The swatch and the radius are shown only.
      if (l.Fajta == P::Spin) Sor(TAblak::Panel, l.Vezerlo, TVezerlo::Spin, l.Mezo, 0);
      if (l.Fajta == P::Lista) Sor(TAblak::Panel, l.Vezerlo, TVezerlo::Lista, l.Mezo, 0);
      if (l.Fajta == P::Jelzo) Sor(TAblak::Panel, l.Vezerlo, TVezerlo::Jelzo, l.Mezo, 0);
      if (l.Fajta == P::Nev) Sor(TAblak::Panel, l.Vezerlo, TVezerlo::Nev, l.Mezo, 0);
    }
  }

  void ControlsAndSpeciesAgree() {
    QFETCH(int, ablak);
    QFETCH(QByteArray, vezerlo);
    QFETCH(int, fajta);
    QFETCH(int, mezo);
    QFETCH(qlonglong, minimum);
    TAblakok a;
    const TFajFajta ff = static_cast<TAblak>(ablak) == TAblak::NovenySzerkeszto ? TFajFajta::Noveny : TFajFajta::Allat;
    QVERIFY(ff == TFajFajta::Allat ? a.UjAllat(QStringLiteral("Nyúl")) : a.UjNoveny(QStringLiteral("Fű")));
    TFajSzerkeszto& szerkeszto = ff == TFajFajta::Allat ? a.Allatok.Szerkeszto(0) : a.Novenyek.Szerkeszto(0);
    QWidget& w = static_cast<TAblak>(ablak) == TAblak::Panel ? static_cast<QWidget&>(a.Teljes.Panel(0)) : szerkeszto;
    TElolenyFaj& faj = a.Kozpont().Faj(ff, 0);
    const TFajMezo m = static_cast<TFajMezo>(mezo);
    const char* nev = vezerlo.constData();
    const int64_t v = std::max<int64_t>(minimum, 0) + 3;

    switch (static_cast<TVezerlo>(fajta)) {
      case TVezerlo::Spin: {
        auto& spin = Vezerlo<TSzerkesztoSpin>(w, nev);
        teszt::Beiras(&spin, QString::number(v));
        QCOMPARE(int64_t{MezoErtek(faj, ff, m)}, v);
        MezoBeallitas(faj, ff, m, static_cast<int32_t>(v + 2));
        a.Kozpont().MezoValtozas(ff, 0, m);
        QCOMPARE(spin.Ertek(), v + 2);
        break;
      }
      case TVezerlo::Sugar: {
        auto& spin = Vezerlo<TSzerkesztoSpin>(w, nev);
        auto& allat = static_cast<TAllatFaj&>(faj);
        teszt::Beiras(&spin, QString::number(v));
        QCOMPARE(int64_t{allat.MozgasSugar()}, v);
        MezoBeallitas(faj, ff, m, 20);
        a.Kozpont().MezoValtozas(ff, 0, m);
        QCOMPARE(spin.Ertek(), int64_t{allat.MozgasSugar()});
        QCOMPARE(allat.MozgasSugar(), 2);
        break;
      }
      case TVezerlo::Lista: {
        auto& mezoSzoveg = Vezerlo<QLineEdit>(w, nev);
        const TFajMezoLeiras& l = *MezoLeiras(ff, m);
        const std::string szoveg = ErtekSzovegge(l.Fajta, MintaErtek(l));
        mezoSzoveg.setFocus();
        SzovegBeiras(&mezoSzoveg, QString::fromStdString(szoveg));
        Elhagyas(&mezoSzoveg);
        QCOMPARE(ListaMezoSzoveg(faj, ff, m), szoveg);
        ListaMezoBeallitas(faj, ff, m, "7");
        a.Kozpont().MezoValtozas(ff, 0, m);
        QCOMPARE(mezoSzoveg.text(), QStringLiteral("7"));
        break;
      }
      case TVezerlo::Jelzo: {
        auto& jelzo = Vezerlo<QCheckBox>(w, nev);
        const int32_t elotte = MezoErtek(faj, ff, m);
        jelzo.click();
        QCOMPARE(MezoErtek(faj, ff, m), 1 - elotte);
        MezoBeallitas(faj, ff, m, elotte);
        a.Kozpont().MezoValtozas(ff, 0, m);
        QCOMPARE(jelzo.isChecked(), elotte != 0);
        break;
      }
      case TVezerlo::Nev: {
        QCOMPARE(m, TFajMezo::Nev);
        auto& szoveg = Vezerlo<QLineEdit>(w, nev);
        SzovegBeiras(&szoveg, QStringLiteral("Farkas"));
        QCOMPARE(faj.Nev(), std::string("Farkas"));
        faj.SetNev("Szarvas");
        a.Kozpont().Atnevezes(ff, 0);
        QCOMPARE(szoveg.text(), QStringLiteral("Szarvas"));
        break;
      }
      case TVezerlo::Szin: {
        QCOMPARE(m, TFajMezo::Szin);
        a.Modalis.ValasztottSzin = QColor(10, 20, 30);
        szerkeszto.SzinValasztas();
        QCOMPARE(faj.Szin(), Rgb(10, 20, 30));
        faj.SetSzin(Rgb(1, 2, 3));
        a.Kozpont().Atszinezes(ff, 0);
        QCOMPARE(Vezerlo<QWidget>(w, nev).palette().color(QPalette::Window), QColor(1, 2, 3));
        break;
      }
    }
  }
};

QTEST_MAIN(TMezoVezerlokTeszt)
#include "mezo_vezerlok_test.moc"
