// Hostile and careless peers: whatever reaches the port, the server stays
// up, holds only bounded amounts and still logs a well-behaved client.

#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>

#include "net/form_bejelentkezesek.h"
#include "net/szerver_naplo.h"
#include "teszt_halozat.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

// A well-behaved client announces itself and shows up in the log.
void JolNevelt(TGyujtoSzerver& sz, const QString& nev) {
  Kuldes(sz.Port(), "NAME\r\n" + nev.toUtf8() + "\r\n");
  QTRY_VERIFY_WITH_TIMEOUT(sz.Sorok.contains(nev + QStringLiteral(" kapcsolódott")), 5000);
}

bool BontasiMegjegyzes(const QStringList& sorok, const char* ok) {
  for (const QString& s : sorok) {
    if (s.startsWith(QStringLiteral("127.0.0.1:")) && s.contains(QString::fromUtf8(ok))) return true;
  }
  return false;
}

}  // namespace

class TKorlatokTeszt : public QObject {
  Q_OBJECT

 private slots:
  void SorHossz() {
    TGyujtoSzerver sz(RovidKorlatok());
    // Exactly at the limit: a line.
    const QByteArray hatar(64, 'a');
    Kuldes(sz.Port(), hatar + "\r\n");
    QTRY_VERIFY(sz.Sorok.size() == 1);
    QVERIFY(sz.Sorok[0].startsWith(QString(40, QLatin1Char('a'))));
    QVERIFY(sz.Sorok[0].endsWith(QStringLiteral(" … [64 bájt]")));

    // One byte over: the connection goes, with what follows.
    auto s = Kapcsolodas(sz.Port());
    Iras(*s, "elotte\r\n" + QByteArray(65, 'b') + "\r\nutana\r\n");
    QTRY_VERIFY(BontottaASzerver(*s));
    QTRY_VERIFY(BontasiMegjegyzes(sz.Sorok, "túl hosszú sor"));
    QVERIFY(sz.Sorok.contains(QStringLiteral("elotte")));
    QVERIFY(!sz.Sorok.contains(QStringLiteral("utana")));
    QTRY_COMPARE(sz.Szerver().NyitottKapcsolatok(), 0);
    JolNevelt(sz, QStringLiteral("Anna"));
  }

  // More bytes than a line may hold, with no line end: closed at once, not
  // left to the idle limit.
  void SorvegNelkul() {
    TSzerverKorlatok k = RovidKorlatok();
    k.TetlenIdo = std::chrono::minutes(5);
    TGyujtoSzerver sz(k);
    auto s = Kapcsolodas(sz.Port());
    Iras(*s, QByteArray(66, 'c'));
    QTRY_VERIFY_WITH_TIMEOUT(BontottaASzerver(*s), 3000);
    QVERIFY(BontasiMegjegyzes(sz.Sorok, "túl hosszú sor"));
  }

  // 64 bytes and a CR still wait for their LF.
  void CrVarjaAzLf() {
    TGyujtoSzerver sz(RovidKorlatok());
    auto s = Kapcsolodas(sz.Port());
    Iras(*s, QByteArray(64, 'd') + "\r");
    QTest::qWait(50);
    QCOMPARE(sz.Szerver().NyitottKapcsolatok(), 1);
    Iras(*s, "\n");
    QTRY_COMPARE(sz.Sorok.size(), 1);
  }

  void Szemet() {
    TGyujtoSzerver sz(RovidKorlatok());
    QByteArray szemet(4096, '\0');
    auto* g = QRandomGenerator::global();
    for (char& c : szemet) c = static_cast<char>(g->bounded(256));
    for (int i = 0; i < szemet.size(); i += 37) szemet[i] = '\n';
    Kuldes(sz.Port(), szemet);
    JolNevelt(sz, QStringLiteral("Béla"));
    for (const QString& sor : sz.Sorok) {
      for (QChar c : sor) QVERIFY(c.category() != QChar::Other_Control && c.category() != QChar::Other_Format);
    }
  }

  void TetlenFelSor() {
    TGyujtoSzerver sz(RovidKorlatok());
    auto tetlen = Kapcsolodas(sz.Port());
    Iras(*tetlen, "NAM");
    // Complete lines keep a connection alive past the idle limit.
    auto el = Kapcsolodas(sz.Port());
    for (int i = 0; i < 6; ++i) {
      Iras(*el, "ping\r\n");
      QTest::qWait(100);
    }
    QTRY_VERIFY_WITH_TIMEOUT(BontottaASzerver(*tetlen), 2000);
    QVERIFY(BontasiMegjegyzes(sz.Sorok, "nem küldött teljes sort"));
    QCOMPARE(el->state(), QAbstractSocket::ConnectedState);
    QCOMPARE(sz.Szerver().NyitottKapcsolatok(), 1);
  }

  void KapcsolatokSzama() {
    TGyujtoSzerver sz(RovidKorlatok());
    std::vector<std::unique_ptr<QTcpSocket>> tomeg;
    for (int i = 0; i < 200; ++i) {
      auto s = std::make_unique<QTcpSocket>();
      s->connectToHost(QHostAddress(QHostAddress::LocalHost), sz.Port());
      tomeg.push_back(std::move(s));
    }
    for (int i = 0; i < 20; ++i) {
      QTest::qWait(10);
      QVERIFY(sz.Szerver().NyitottKapcsolatok() <= 8);
    }
    QCOMPARE(sz.Szerver().LegtobbNyitott(), 8);
    tomeg.clear();
    JolNevelt(sz, QStringLiteral("Cili"));
    QVERIFY(sz.Szerver().LegtobbNyitott() <= 8);
  }

  // A flood over the network leaves each view at its cap, the first row
  // saying how many went, and ends with the newest entries.
  void NaploKorlatok() {
    QPlainTextEdit naplo;
    TForm_Jelentkezesek lista;
    TNaploKorlatok nk;
    nk.MaxSorok = 50;
    nk.MaxNevek = 10;
    nk.KotegIdo = std::chrono::milliseconds(20);
    TSzerverNaplo kijelzo(&naplo, &lista, nk);
    TSzerverKorlatok k = RovidKorlatok();
    k.SorokEsemenyenkent = 1000;
    TGyujtoSzerver sz(k);
    QObject::connect(&sz.Szerver(), &TSzerver::Sor, &kijelzo, &TSzerverNaplo::Sor);
    QObject::connect(&sz.Szerver(), &TSzerver::Jelentkezo, &kijelzo, &TSzerverNaplo::Jelentkezo);

    QByteArray aradat;
    for (int i = 0; i < 1000; ++i) aradat += "ASK\r\nn" + QByteArray::number(i) + "\r\n";
    Kuldes(sz.Port(), aradat);
    QTRY_COMPARE(sz.Sorok.size(), 2000);
    kijelzo.Kiiras();
    const QStringList sorok = naplo.toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(sorok.size(), 51);
    QCOMPARE(sorok.first(), KimaradtSorokJele(1950));
    QCOMPARE(sorok.last(), QStringLiteral("n999 engedélyt kér"));
    QStringList vart;
    for (int i = 990; i < 1000; ++i) vart << QStringLiteral("n%1").arg(i);
    QCOMPARE(lista.Nevek(), vart);
    QCOMPARE(lista.Kimaradt(), 990);

    // A quiet server shows every line.
    Kuldes(sz.Port(), "NAME\r\nDóra\r\n");
    QTRY_VERIFY(naplo.toPlainText().endsWith(QStringLiteral("NAME\nDóra kapcsolódott")));
  }

  // A burst of far more lines than a batch shows loses nothing; the cap
  // counts the total, across batches, and the mark keeps the count.
  void NaploLoketEsOsszkorlat() {
    QPlainTextEdit naplo;
    TForm_Jelentkezesek lista;
    TSzerverNaplo kijelzo(&naplo, &lista);
    // No event runs in between: one batch, as a burst within 100 ms makes.
    for (int i = 0; i < 5000; ++i) {
      kijelzo.Sor(QStringLiteral("sor %1").arg(i));
      kijelzo.Jelentkezo(QStringLiteral("nev %1").arg(i));
    }
    QTRY_COMPARE(lista.Nevek().size(), 5000);
    // Lines follow in batches of a bounded size.
    QTRY_COMPARE(naplo.document()->blockCount(), 5000);
    const QStringList sorok = naplo.toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(sorok.size(), 5000);
    for (int i = 0; i < 5000; ++i) QCOMPARE(sorok[i], QStringLiteral("sor %1").arg(i));
    QCOMPARE(lista.Nevek().last(), QStringLiteral("nev 4999"));
    QCOMPARE(kijelzo.KimaradtSorok(), 0);

    QPlainTextEdit kicsi;
    TNaploKorlatok nk;
    nk.MaxSorok = 50;
    TSzerverNaplo korlatos(&kicsi, nullptr, nk);
    for (int koteg = 0; koteg < 3; ++koteg) {
      for (int i = 0; i < 30; ++i) korlatos.Sor(QStringLiteral("%1.%2").arg(koteg).arg(i));
      korlatos.Kiiras();
    }
    const QStringList maradt = kicsi.toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(maradt.size(), 51);
    QCOMPARE(maradt.first(), KimaradtSorokJele(40));
    QCOMPARE(maradt[1], QStringLiteral("1.10"));
    QCOMPARE(maradt.last(), QStringLiteral("2.29"));
  }
};

QTEST_MAIN(TKorlatokTeszt)
#include "korlatok_test.moc"
