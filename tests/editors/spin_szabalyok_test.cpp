// The number fields of both editors, field by field: values while typing and
// after leaving, refills, signs, overlong numbers, arrows, and values of the
// species that lie outside a field's range.

#include <QtTest>
#include <cstring>
#include <limits>

#include "editors/form_allat.h"
#include "editors/form_noveny.h"
#include "szerkeszto_teszt.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

Q_DECLARE_METATYPE(const TSorLeiras*)

namespace {

bool Sugar(const TSorLeiras& l) { return std::strcmp(l.Vezerlo, "SpE_MozgasSugar") == 0; }

// What the species holds for the row's field.
int64_t Ertek(const TElolenyFaj& faj, TFajFajta fajta, const TSorLeiras& l) {
  if (Sugar(l)) return static_cast<const TAllatFaj&>(faj).MozgasSugar();
  return MezoErtek(faj, fajta, l.Mezo);
}

// What the species holds after typing v into the row's field.
int64_t Tarolt(const TSorLeiras& l, int64_t v) {
  return Sugar(l) ? std::clamp<int64_t>(v, 0, kLegnagyobbMozgasSugar) : v;
}

}  // namespace

class TSpinSzabalyokTeszt : public QObject {
  Q_OBJECT

  struct TEset {
    TKornyezet k;
    TFajFajta fajta;
    const TSorLeiras* l;
    TFajSzerkeszto* elso;
    TFajSzerkeszto* masodik;
    TSzerkesztoSpin* m;
    TSzerkesztoSpin* m2;

    TEset(TFajFajta f, const TSorLeiras* leiras) : fajta(f), l(leiras) {
      if (f == TFajFajta::Allat) {
        k.Oko().UjAllatFaj("Nyúl");
        elso = &k.Allatok.UjAblak(0);
        masodik = &k.Allatok.UjAblak(0);
      } else {
        k.Oko().UjNovenyFaj("Fű");
        elso = &k.Novenyek.UjAblak(0);
        masodik = &k.Novenyek.UjAblak(0);
      }
      m = Mezo(*elso, l->Vezerlo);
      m2 = Mezo(*masodik, l->Vezerlo);
    }
    TElolenyFaj& Faj() { return k.Kozpont().Faj(fajta, 0); }
    int64_t Ertek() { return ::Ertek(Faj(), fajta, *l); }
  };

 private slots:
  void MindenMezo_data() {
    QTest::addColumn<int>("fajta");
    QTest::addColumn<const TSorLeiras*>("sor");
    for (const auto* leiras : {&AllatSzerkesztoLeiras(), &NovenySzerkesztoLeiras()}) {
      for (const TSorLeiras& l : leiras->Sorok) {
        if (l.Fajta != TSorLeiras::TFajta::Spin) continue;
        QTest::newRow((std::string(leiras->Urlap) + "." + l.Vezerlo).c_str())
            << static_cast<int>(leiras->Fajta) << &l;
      }
    }
  }

  void MindenMezo() {
    QFETCH(int, fajta);
    QFETCH(const TSorLeiras*, sor);
    TEset e(static_cast<TFajFajta>(fajta), sor);
    const TSorLeiras& l = *sor;
    const bool korlatos = l.Minimum > std::numeric_limits<int32_t>::min();

    // Above the range: stored as typed (radius: clamped) while typing; the
    // bound after leaving; the second editor follows.
    const int64_t nagy = korlatos ? std::min<int64_t>(l.Maximum + 50, 2'100'000'000) : 2'100'000'000;
    Beiras(e.m, QString::number(nagy));
    QCOMPARE(e.Ertek(), Tarolt(l, nagy));
    QCOMPARE(e.m->text(), QString::number(nagy));
    QCOMPARE(e.m2->Ertek(), std::min(Tarolt(l, nagy), l.Maximum));
    Elhagyas(e.m);
    QCOMPARE(e.Ertek(), std::min(nagy, l.Maximum));
    QCOMPARE(e.m->text(), QString::number(std::min(nagy, l.Maximum)));
    QCOMPARE(e.m2->text(), e.m->text());

    // -5: stored while typing, the minimum after leaving.
    Beiras(e.m, QStringLiteral("-5"));
    QCOMPARE(e.Ertek(), Tarolt(l, -5));
    QCOMPARE(e.m->text(), QStringLiteral("-5"));
    Elhagyas(e.m);
    QCOMPARE(e.Ertek(), std::max<int64_t>(-5, l.Minimum));

    // Set a known value, then empty the field: nothing changes; leaving
    // refills it, except the two efficiency fields.
    Beiras(e.m, QStringLiteral("7"));
    Elhagyas(e.m);
    QCOMPARE(e.Ertek(), 7);
    Beiras(e.m, QString());
    QCOMPARE(e.m->text(), QString());
    QCOMPARE(e.Ertek(), 7);
    Elhagyas(e.m);
    QCOMPARE(e.Ertek(), 7);
    QCOMPARE(e.m->text(), l.Visszatoltes ? QStringLiteral("7") : QString());

    // A lone sign is no value: like the empty text, also on leaving.
    for (const QString& elojel : {QStringLiteral("-"), QStringLiteral("+")}) {
      Beiras(e.m, elojel);
      QCOMPARE(e.Ertek(), 7);
      Elhagyas(e.m);
      QCOMPARE(e.Ertek(), 7);
      QCOMPARE(e.m->text(), l.Visszatoltes ? QStringLiteral("7") : QString());
    }

    // Eleven nines: the keystroke leaving the 32-bit range is refused.
    Beiras(e.m, QStringLiteral("99999999999"));
    QCOMPARE(e.m->text(), QStringLiteral("999999999"));
    QCOMPARE(e.Ertek(), Tarolt(l, 999'999'999));
    Beiras(e.m, QStringLiteral("-99999999999"));
    QCOMPARE(e.m->text(), QStringLiteral("-999999999"));
    QCOMPARE(e.Ertek(), Tarolt(l, -999'999'999));
    Elhagyas(e.m);
    QCOMPARE(e.Ertek(), std::max<int64_t>(-999'999'999, l.Minimum));

    // The arrows step within the range from what the text says.
    Beiras(e.m, QStringLiteral("7"));
    QTest::keyClick(e.m, Qt::Key_Up);
    QCOMPARE(e.Ertek(), std::min(7 + l.Lepes, l.Maximum));
    QCOMPARE(e.m2->Ertek(), std::min(7 + l.Lepes, l.Maximum));
  }

  void HatasfokKivulrolNemValtozikAtlepessel() {
    for (TFajFajta f : {TFajFajta::Allat, TFajFajta::Noveny}) {
      TKornyezet k;
      TElolenyFaj& faj = f == TFajFajta::Allat ? static_cast<TElolenyFaj&>(k.Oko().UjAllatFaj("a"))
                                               : k.Oko().UjNovenyFaj("n");
      faj.DegHatasfok = 150;
      faj.PerHatasfok = -3;
      TFajSzerkeszto& w = f == TFajFajta::Allat ? k.Allatok.UjAblak(0) : k.Novenyek.UjAblak(0);
      auto* deg = Mezo(w, "SpE_DegHatasfok");
      auto* per = Mezo(w, f == TFajFajta::Allat ? "SpE_Perhatasfok" : "SpE_PerHatasfok");
      QCOMPARE(deg->text(), QStringLiteral("100"));
      QCOMPARE(per->text(), QStringLiteral("0"));
      Elhagyas(deg);
      Elhagyas(per);
      QCOMPARE(faj.DegHatasfok, 150);
      QCOMPARE(faj.PerHatasfok, -3);
    }
  }

  void NovenyMezok() {
    TKornyezet k;
    TNovenyFaj& n = k.Oko().UjNovenyFaj("Fű");
    TFajSzerkeszto& w = k.Novenyek.UjAblak(0);
    // No bounds: a negative mass stays.
    auto* tomeg = Mezo(w, "SpE_Tomeg");
    Beiras(tomeg, QStringLiteral("-40"));
    Elhagyas(tomeg);
    QCOMPARE(n.Tomeg, -40);
    QCOMPARE(tomeg->text(), QStringLiteral("-40"));
    // A text that is no number reads as 0 in a field without bounds.
    Beiras(tomeg, QStringLiteral("1.5"));
    QCOMPARE(n.Tomeg, 0);
    Elhagyas(tomeg);
    QCOMPARE(tomeg->text(), QStringLiteral("0"));
    // Step 5: 7 and the up arrow give 12.
    auto* deg = Mezo(w, "SpE_DegNovMinusz");
    Beiras(deg, QStringLiteral("7"));
    QTest::keyClick(deg, Qt::Key_Up);
    QCOMPARE(n.DegNovMinusz, 12);
    QCOMPARE(deg->text(), QStringLiteral("12"));
  }
};

QTEST_MAIN(TSpinSzabalyokTeszt)
#include "spin_szabalyok_test.moc"
