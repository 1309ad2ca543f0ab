// The movement fields (budget, radius and the derived count) and the list
// fields of the editors.

#include <QtTest>
#include <chrono>

#include "editors/form_allat.h"
#include "szerkeszto_teszt.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

class TMozgasEsListakTeszt : public QObject {
  Q_OBJECT

 private slots:
  // The bound is the largest radius whose disc, less its centre, fits the
  // budget field's range.
  void SugarHatar() {
    TKeresoTabla t;
    QVERIFY(t.KorMeret(kLegnagyobbMozgasSugar) - 1 <= 2'000'000'000);
    QVERIFY(t.KorMeret(kLegnagyobbMozgasSugar + 1) - 1 > 2'000'000'000);
  }

  void HosszbolSugar() {
    TKornyezet k;
    TAllatFaj& a = k.Oko().UjAllatFaj("a");
    TFajSzerkeszto& w = k.Allatok.UjAblak(0);
    auto* hossz = Mezo(w, "SpE_MozgasHossz");
    auto* sugar = Mezo(w, "SpE_MozgasSugar");
    auto* plusz = Mezo<QLineEdit>(w, "E_MozgasPlusz");
    Beiras(hossz, QStringLiteral("20"));
    QCOMPARE(a.MozgasSugar(), 2);
    QCOMPARE(sugar->text(), QStringLiteral("2"));
    QCOMPARE(plusz->text(), QStringLiteral("0"));
    Beiras(hossz, QStringLiteral("19"));
    QCOMPARE(sugar->text(), QStringLiteral("1"));
    QCOMPARE(plusz->text(), QStringLiteral("11"));
    Beiras(sugar, QStringLiteral("3"));
    QCOMPARE(a.MozgasHossz(), 44);
    QCOMPARE(hossz->text(), QStringLiteral("44"));
    QCOMPARE(plusz->text(), QStringLiteral("0"));
  }

  // Typed key by key, every prefix of 2,000,000,000 is a radius of its own;
  // none may count rings in the billions or leave the budget's range.
  void NagySugar() {
    TKornyezet k;
    TAllatFaj& a = k.Oko().UjAllatFaj("a");
    TFajSzerkeszto& w = k.Allatok.UjAblak(0);
    TFajSzerkeszto& w2 = k.Allatok.UjAblak(0);
    auto* sugar = Mezo(w, "SpE_MozgasSugar");
    const auto kezdet = std::chrono::steady_clock::now();
    Beiras(sugar, QStringLiteral("2000000000"));
    QCOMPARE(a.MozgasSugar(), kLegnagyobbMozgasSugar);
    QVERIFY(a.MozgasHossz() > 0);
    QCOMPARE(Mezo(w2, "SpE_MozgasSugar")->text(), QString::number(kLegnagyobbMozgasSugar));
    Elhagyas(sugar);
    QCOMPARE(sugar->text(), QString::number(kLegnagyobbMozgasSugar));
    QCOMPARE(a.MozgasSugar(), kLegnagyobbMozgasSugar);
    QVERIFY(std::chrono::steady_clock::now() - kezdet < std::chrono::seconds(2));
    QCOMPARE(Mezo<QLineEdit>(w, "E_MozgasPlusz")->text(), QStringLiteral("0"));

    Beiras(sugar, QStringLiteral("-5"));
    QCOMPARE(a.MozgasSugar(), 0);
    QCOMPARE(a.MozgasHossz(), 0);
    Elhagyas(sugar);
    QCOMPARE(sugar->text(), QStringLiteral("0"));
  }

  void NagyHossz() {
    TKornyezet k;
    TAllatFaj& a = k.Oko().UjAllatFaj("a");
    TFajSzerkeszto& w = k.Allatok.UjAblak(0);
    Beiras(Mezo(w, "SpE_MozgasHossz"), QStringLiteral("2000000000"));
    QCOMPARE(a.MozgasHossz(), 2'000'000'000);
    QCOMPARE(a.MozgasSugar(), kLegnagyobbMozgasSugar);
    const int64_t plusz = 2'000'000'000 - (k.K.Tabla().KorMeret(kLegnagyobbMozgasSugar) - 1);
    QCOMPARE(Mezo<QLineEdit>(w, "E_MozgasPlusz")->text(), QString::number(plusz));
  }

  void Listak_data() {
    QTest::addColumn<QString>("mezo");
    QTest::addColumn<QString>("beirt");
    QTest::addColumn<QString>("mutatott");
    QTest::newRow("csoportok") << "E_NovenyPredak" << "2 3, x, 4/5" << "2/3, 4/5";
    QTest::newRow("magányos vessző") << "E_AllatPredak" << "," << "";
    QTest::newRow("lapos lista") << "E_NovenyUtkozes" << "1;2 3" << "1, 2, 3";
    QTest::newRow("előjel elvész") << "E_AllatUtkozes" << "a-5 b7" << "5, 7";
    QTest::newRow("legnagyobb") << "E_AllatUtkozes" << "2147483647" << "2147483647";
  }

  void Listak() {
    QFETCH(QString, mezo);
    QFETCH(QString, beirt);
    QFETCH(QString, mutatott);
    TKornyezet k;
    k.Oko().UjAllatFaj("a");
    TFajSzerkeszto& w = k.Allatok.UjAblak(0);
    TFajSzerkeszto& w2 = k.Allatok.UjAblak(0);
    auto* e = Mezo<QLineEdit>(w, mezo.toLatin1().constData());
    SzovegBeiras(e, beirt);
    // Parsed only on leaving.
    QCOMPARE(Mezo<QLineEdit>(w2, mezo.toLatin1().constData())->text(), QString());
    Elhagyas(e);
    QCOMPARE(e->text(), mutatott);
    QCOMPARE(Mezo<QLineEdit>(w2, mezo.toLatin1().constData())->text(), mutatott);
    const TAllatFaj& a = k.Oko().AllatFaj(0);
    if (mezo == QStringLiteral("E_NovenyPredak")) QCOMPARE(a.Predak.NovenyPredak(), (TCsoportok{{2, 3}, {4, 5}}));
    if (mezo == QStringLiteral("E_AllatPredak")) QVERIFY(a.Predak.AllatPredak().empty());
    if (mezo == QStringLiteral("E_NovenyUtkozes")) QCOMPARE(a.NovenyUtkozes, (TIdLista{1, 2, 3}));
  }

  void TulHosszuSzam() {
    TKornyezet k;
    TAllatFaj& a = k.Oko().UjAllatFaj("a");
    a.AllatUtkozes = {1, 2};
    a.Predak.SetNovenyPredak({{3, 4}});
    TFajSzerkeszto& w = k.Allatok.UjAblak(0);
    auto* e = Mezo<QLineEdit>(w, "E_AllatUtkozes");
    SzovegBeiras(e, QStringLiteral("5, 99999999999"));
    // The message box takes the focus: the field is left once more.
    k.Modalis.UzenetKozben = [e] { emit e->editingFinished(); };
    Elhagyas(e);
    k.Modalis.UzenetKozben = nullptr;
    QCOMPARE(k.Modalis.Uzenetek.size(), size_t{1});
    QVERIFY(k.Modalis.Uzenetek[0].Szoveg.contains(QStringLiteral("99999999999")));
    QCOMPARE(a.AllatUtkozes, (TIdLista{1, 2}));
    QCOMPARE(e->text(), QStringLiteral("1, 2"));
    auto* p = Mezo<QLineEdit>(w, "E_NovenyPredak");
    SzovegBeiras(p, QStringLiteral("1/2147483648"));
    Elhagyas(p);
    QCOMPARE(k.Modalis.Uzenetek.size(), size_t{2});
    QCOMPARE(a.Predak.NovenyPredak(), (TCsoportok{{3, 4}}));
    QCOMPARE(a.Predak.TalaltNovenyek.size(), size_t{1});
    QCOMPARE(p->text(), QStringLiteral("3/4"));
  }
};

QTEST_MAIN(TMozgasEsListakTeszt)
#include "mozgas_es_listak_test.moc"
