// Species files from the editors' buttons (dialogs answered by the fake),
// and the species mass edited under a running world.

#include <QCheckBox>
#include <QComboBox>
#include <QtTest>
#include <fstream>
#include <iterator>

#include "monitors/form_goc.h"
#include "persistence/pillanatkep.h"
#include "szerkeszto_teszt.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

std::string Tartalom(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

int Sorok(const std::filesystem::path& p) {
  const std::string s = Tartalom(p);
  return static_cast<int>(std::count(s.begin(), s.end(), '\n'));
}

}  // namespace

class TFajlokTeszt : public QObject {
  Q_OBJECT

 private slots:
  void Kiterjesztes_data() {
    QTest::addColumn<QString>("valasztott");
    QTest::addColumn<QString>("mentett");
    QTest::newRow("nélküle") << "nyul" << "nyul.allat";
    QTest::newRow("vele") << "nyul.allat" << "nyul.allat";
    QTest::newRow("nagybetűvel") << "nyul.ALLAT" << "nyul.ALLAT.allat";
  }

  void Kiterjesztes() {
    QFETCH(QString, valasztott);
    QFETCH(QString, mentett);
    TKornyezet k;
    k.Oko().UjAllatFaj("Nyúl");
    TFajSzerkeszto& w = k.Allatok.UjAblak(0);
    k.Modalis.MentendoFajl = k.Konyvtar.filePath(valasztott);
    w.Mentes();
    QVERIFY(std::filesystem::exists(k.Ut(mentett.toUtf8().constData())));
    QCOMPARE(k.Modalis.Kerdesek.size(), size_t{0});
  }

  // The dialog asked about the name typed; the added extension names a file
  // that exists, so the editor asks before replacing it.
  void HozzaadottKiterjesztesMeglevoFajl() {
    TKornyezet k;
    k.Oko().UjNovenyFaj("Fű");
    TFajSzerkeszto& w = k.Novenyek.UjAblak(0);
    std::ofstream(k.Ut("fu.noveny")) << "régi";
    k.Modalis.MentendoFajl = k.Konyvtar.filePath(QStringLiteral("fu"));
    k.Modalis.IgenValasz = false;
    w.Mentes();
    QCOMPARE(k.Modalis.Kerdesek.size(), size_t{1});
    QCOMPARE(Tartalom(k.Ut("fu.noveny")), std::string("régi"));
    k.Modalis.IgenValasz = true;
    w.Mentes();
    QCOMPARE(Sorok(k.Ut("fu.noveny")), 5);
  }

  void MentesEsBetoltesMasikFajba() {
    TKornyezet k;
    TForm_Goc goc(k.K);
    TAllatFaj& forras = k.Oko().UjAllatFaj("Nyúl");
    TAllatFaj& cel = k.Oko().UjAllatFaj("Róka");
    k.Kozpont().Bejegyzes(TFajFajta::Allat, 0);
    k.Kozpont().Bejegyzes(TFajFajta::Allat, 1);
    forras.SetSzin(Rgb(1, 2, 3));
    forras.SetTomeg(7);
    forras.Kor = 300;
    forras.SetMozgasHossz(20);
    forras.PopulacioMeret = 50;
    cel.PopulacioMeret = 9;
    cel.DegHatasfok = 40;
    cel.AllatUtkozes = {0};
    cel.DegKorMinusz = 3;
    cel.SetTkp(false);
    TFajSzerkeszto& wForras = k.Allatok.UjAblak(0);
    TFajSzerkeszto& wCel = k.Allatok.UjAblak(1);
    TFajSzerkeszto& wCel2 = k.Allatok.UjAblak(1);

    k.Modalis.MentendoFajl = k.Konyvtar.filePath(QStringLiteral("nyul"));
    wForras.Mentes();
    k.Modalis.MegnyitandoFajl = k.Konyvtar.filePath(QStringLiteral("nyul.allat"));
    wCel.Betoltes();
    QVERIFY(k.Modalis.Uzenetek.empty());

    QCOMPARE(cel.Nev(), std::string("Nyúl"));
    QCOMPARE(cel.Szin(), Rgb(1, 2, 3));
    QCOMPARE(cel.Tomeg(), 7);
    QCOMPARE(cel.Kor, 300);
    QCOMPARE(cel.MozgasSugar(), 2);
    QCOMPARE(cel.PopulacioMeret, 0);
    QCOMPARE(cel.DegHatasfok, 40);
    QVERIFY(cel.AllatUtkozes.empty());
    QCOMPARE(cel.DegKorMinusz, 0);
    QCOMPARE(cel.Tkp(), true);
    // Every view of the target follows, by Id.
    for (TFajSzerkeszto* w : {&wCel, &wCel2}) {
      QCOMPARE(Mezo<QLineEdit>(*w, "E_Nev")->text(), QStringLiteral("Nyúl"));
      QCOMPARE(Mezo(*w, "SpE_Kor")->text(), QStringLiteral("300"));
      QCOMPARE(Mezo(*w, "SpE_MozgasSugar")->text(), QStringLiteral("2"));
      QCOMPARE(Mezo(*w, "SpE_Startdb")->text(), QStringLiteral("0"));
      QCOMPARE(Mezo<QLineEdit>(*w, "E_AllatUtkozes")->text(), QString());
      QCOMPARE(Mezo<QCheckBox>(*w, "ChB_Tkp")->isChecked(), true);
      QCOMPARE(Mezo<QComboBox>(*w, "CmB_AllatFaj")->itemText(1), QStringLiteral("Nyúl (1)"));
    }
    QCOMPARE(Mezo<QComboBox>(goc, "CmB_Allat")->itemText(1), QStringLiteral("Nyúl (1)"));
    QCOMPARE(Mezo<QLineEdit>(wForras, "E_Nev")->text(), QStringLiteral("Nyúl"));
  }

  void SikertelenBetoltes() {
    TKornyezet k;
    TNovenyFaj& n = k.Oko().UjNovenyFaj("Fű");
    n.Tomeg = 12;
    TFajSzerkeszto& w = k.Novenyek.UjAblak(0);
    std::ofstream(k.Ut("rossz.noveny")) << "4.6\r\nMás\r\n123\r\nnem szám\r\n5\r\n";
    for (const char* nev : {"nincs.noveny", "rossz.noveny"}) {
      k.Modalis.MegnyitandoFajl = k.Konyvtar.filePath(QString::fromLatin1(nev));
      w.Betoltes();
      QCOMPARE(n.Nev(), std::string("Fű"));
      QCOMPARE(n.Tomeg, 12);
      QCOMPARE(Mezo<QLineEdit>(w, "E_Nev")->text(), QStringLiteral("Fű"));
    }
    QCOMPARE(k.Modalis.Uzenetek.size(), size_t{2});
  }

  void SortoresANevben() {
    TKornyezet k;
    k.Oko().UjAllatFaj("a");
    TFajSzerkeszto& w = k.Allatok.UjAblak(0);
    Mezo<QLineEdit>(w, "E_Nev")->insert(QStringLiteral("b\r\nc"));
    k.Modalis.MentendoFajl = k.Konyvtar.filePath(QStringLiteral("sor.allat"));
    w.Mentes();
    QCOMPARE(Sorok(k.Ut("sor.allat")), 13);
  }

  // The species mass is every animal's: a snapshot saved after an edit
  // resumes the run exactly.
  void TomegSzerkesztesUtanPillanatkep() {
    TKornyezet k;
    TOkoszisztema& oko = k.Oko();
    k.K.Veletlen().MagBeallitasa(12345);
    TNovenyFaj& fu = oko.UjNovenyFaj("Fű");
    fu.Tomeg = 10;
    fu.Novekmeny = 2;
    fu.PopulacioMeret = 600;
    TAllatFaj& nyul = oko.UjAllatFaj("Nyúl");
    TAllatFaj& roka = oko.UjAllatFaj("Róka");
    for (TAllatFaj* a : {&nyul, &roka}) {
      a->SetTomeg(4);
      a->Kor = 200;
      a->Vemhes = 3;
      a->Ivarerettseg = 5;
      a->Regeneralodas = 2;
      a->Utod = 2;
      a->SzuloSugar = 2;
      a->Ehes = 6;
      a->SetMozgasHossz(20);
    }
    nyul.Jollakottsag = 3;
    nyul.PopulacioMeret = 80;
    nyul.Predak.SetNovenyPredak({{0}});
    roka.Jollakottsag = 8;
    roka.PopulacioMeret = 20;
    roka.Predak.SetAllatPredak({{0}});
    oko.Atmeretez(60);
    oko.Alkalmaz();
    for (int i = 0; i < 10; ++i) oko.Lepes();

    TFajSzerkeszto& w = k.Allatok.UjAblak(0);
    Beiras(Mezo(w, "SpE_Tomeg"), QStringLiteral("9"));
    Elhagyas(Mezo(w, "SpE_Tomeg"));
    QCOMPARE(nyul.Tomeg(), 9);
    for (int32_t i = 0; i < nyul.Egyedek.Darab(); ++i) QCOMPARE(nyul.Egyedek[i].Tomeg, 9);

    OkoPillMentese(oko, k.Ut("kozben.okopill"));
    const uint32_t mag = k.K.Veletlen().Mag();
    for (int i = 0; i < 50; ++i) oko.Lepes();
    OkoPillMentese(oko, k.Ut("tovabb.okopill"));

    k.K.Veletlen().MagBeallitasa(mag);
    std::unique_ptr<TOkoszisztema> betoltott =
        OkoPillBetoltese(k.Ut("kozben.okopill"), k.K.Veletlen(), k.K.Tabla());
    for (int i = 0; i < 50; ++i) betoltott->Lepes();
    OkoPillMentese(*betoltott, k.Ut("ujra.okopill"));
    QVERIFY(nyul.Egyedek.Darab() > 0 || roka.Egyedek.Darab() > 0);
    // The snapshots differ only in the name of their data files.
    std::string ujra = Tartalom(k.Ut("ujra.okopill"));
    ujra.replace(ujra.find("ujra.okodat"), 4, "tovabb");
    QCOMPARE(ujra, Tartalom(k.Ut("tovabb.okopill")));
    QCOMPARE(Tartalom(k.Ut("ujra.okodat")), Tartalom(k.Ut("tovabb.okodat")));
  }
};

QTEST_MAIN(TFajlokTeszt)
#include "fajlok_test.moc"
