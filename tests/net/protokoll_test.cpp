// The line protocol as the server meets it: exact byte streams from a peer
// and the log lines and sign-ins they leave, plus the text hygiene that
// stands between a peer's bytes and the window.

#include <QTest>

#include "net/kliens_bejelentes.h"
#include "net/szoveg_tisztitas.h"
#include "teszt_halozat.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

const QString kCsere = QString(QChar(0xFFFD));

}  // namespace

class TProtokollTeszt : public QObject {
  Q_OBJECT

 private slots:
  void Folyamok_data() {
    QTest::addColumn<QByteArray>("bajtok");
    QTest::addColumn<QStringList>("sorok");
    QTest::addColumn<QStringList>("nevek");

    const QStringList nincs;
    QTest::newRow("announcement, CR LF") << QByteArray("NAME\r\nAnna\r\n")
                                         << QStringList{"NAME", "Anna kapcsolódott"} << nincs;
    QTest::newRow("announcement, LF only") << QByteArray("NAME\nAnna\n")
                                           << QStringList{"NAME", "Anna kapcsolódott"} << nincs;
    QTest::newRow("empty name") << QByteArray("NAME\r\n\r\n") << QStringList{"NAME", " kapcsolódott"} << nincs;
    QTest::newRow("lower case") << QByteArray("name\r\nb\r\n") << QStringList{"name", "b kapcsolódott"} << nincs;
    QTest::newRow("mixed case") << QByteArray("Name\r\nc\r\n") << QStringList{"Name", "c kapcsolódott"} << nincs;
    QTest::newRow("ask") << QByteArray("ASK\r\nBéla\r\n") << QStringList{"ASK", "Béla engedélyt kér"}
                         << QStringList{"Béla"};
    QTest::newRow("ask, any case, twice")
        << QByteArray("aSk\r\nx\r\nask\r\ny\r\n")
        << QStringList{"aSk", "x engedélyt kér", "ask", "y engedélyt kér"} << QStringList{"x", "y"};
    QTest::newRow("other lines only logged") << QByteArray("hello\r\nNAMES\r\n NAME\r\n")
                                             << QStringList{"hello", "NAMES", " NAME"} << nincs;
    // A name line is taken as a name even when it reads like a command.
    QTest::newRow("name that reads NAME") << QByteArray("NAME\r\nNAME\r\nz\r\n")
                                          << QStringList{"NAME", "NAME kapcsolódott", "z"} << nincs;
    QTest::newRow("command, then the peer leaves") << QByteArray("ASK\r\n") << QStringList{"ASK"} << nincs;
    // An unfinished last line is a failed read, not a line.
    QTest::newRow("unfinished last line dropped") << QByteArray("NAME\r\nhalf") << QStringList{"NAME"} << nincs;
    QTest::newRow("empty lines") << QByteArray("\r\n\n") << QStringList{"", ""} << nincs;
    // The Kelvin sign folds to "k" in Unicode, never in the protocol.
    QTest::newRow("no Unicode case folding") << QByteArray("AS\xE2\x84\xAA\r\nx\r\n")
                                             << QStringList{QStringLiteral("AS\u212A"), "x"} << nincs;
    QTest::newRow("CR inside a line") << QByteArray("a\rb\r\n") << QStringList{"a" + kCsere + "b"} << nincs;
    QTest::newRow("invalid UTF-8") << QByteArray("NAME\r\n\xFF\xFEok\r\n")
                                   << QStringList{"NAME", kCsere + kCsere + "ok kapcsolódott"} << nincs;
    QTest::newRow("bidirectional override in a sign-in")
        << QByteArray("ASK\r\nab\xE2\x80\xAE" "cd\r\n")
        << QStringList{"ASK", "ab" + kCsere + "cd engedélyt kér"} << QStringList{"ab" + kCsere + "cd"};
    QTest::newRow("paragraph separator cannot start a line")
        << QByteArray("x\xE2\x80\xA9y\r\n") << QStringList{"x" + kCsere + "y"} << nincs;
  }

  void Folyamok() {
    QFETCH(QByteArray, bajtok);
    QFETCH(QStringList, sorok);
    QFETCH(QStringList, nevek);
    TGyujtoSzerver sz;
    Kuldes(sz.Port(), bajtok);
    QTRY_COMPARE(sz.Sorok.size(), sorok.size());
    QTRY_COMPARE(sz.Szerver().NyitottKapcsolatok(), 0);
    QCOMPARE(sz.Sorok, sorok);
    QCOMPARE(sz.Nevek, nevek);
  }

  // Lines of one connection keep their order however the bytes are split
  // and however small the per-event budget.
  void DarabokbanEsKeretenTul() {
    TSzerverKorlatok k = RovidKorlatok();
    k.SorokEsemenyenkent = 1;
    TGyujtoSzerver sz(k);
    auto s = Kapcsolodas(sz.Port());
    QByteArray minden;
    QStringList vart;
    for (int i = 0; i < 30; ++i) {
      minden += "sor " + QByteArray::number(i) + "\r\n";
      vart << QStringLiteral("sor %1").arg(i);
    }
    Iras(*s, minden.left(7));
    QTest::qWait(20);
    Iras(*s, minden.mid(7));
    QTRY_COMPARE(sz.Sorok.size(), vart.size());
    QCOMPARE(sz.Sorok, vart);
  }

  // The client of this program against the server of this program.
  void KliensUzenete() {
    QCOMPARE(TKliensBejelentes::Uzenet(QStringLiteral("Anna")), QByteArray("NAME\r\nAnna\r\n"));
    QCOMPARE(TKliensBejelentes::Uzenet(QString()), QByteArray("NAME\r\n\r\n"));
    QCOMPARE(TKliensBejelentes::Uzenet(QStringLiteral("a\r\nASK\r\nb")), QByteArray("NAME\r\na  ASK  b\r\n"));
    QCOMPARE(TKliensBejelentes::Uzenet(QStringLiteral("Őz")), QByteArray("NAME\r\n\xC5\x90z\r\n"));
  }

  void Megjelenites() {
    QCOMPARE(MegjelenithetoSzoveg("abc", 5), QStringLiteral("abc"));
    QCOMPARE(MegjelenithetoSzoveg("abcdefgh", 5), QStringLiteral("abcde … [8 bájt]"));
    QCOMPARE(MegjelenithetoSzoveg(QByteArray("a\tb\0c", 5), 10), "a" + kCsere + "b" + kCsere + "c");
    // A character beyond the basic plane stays whole and counts once.
    QCOMPARE(MegjelenithetoSzoveg("\xF0\x9F\x90\xA2x", 1), QStringLiteral("\U0001F422 … [5 bájt]"));
    // Invisible tag characters beyond the basic plane are replaced too.
    QCOMPARE(MegjelenithetoSzoveg("\xF3\xA0\x80\x81", 5), kCsere);
    const QByteArray hosszu(100'000, 'x');
    QCOMPARE(MegjelenithetoSzoveg(hosszu, 10), QString(10, QLatin1Char('x')) + QStringLiteral(" … [100000 bájt]"));
  }
};

QTEST_MAIN(TProtokollTeszt)
#include "protokoll_test.moc"
