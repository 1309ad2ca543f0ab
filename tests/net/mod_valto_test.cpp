// The three network modes as the "Mód" menu drives them: the state table
// with Yes and No answers, a client announcing itself to a server in the
// same process, and client and server failures that leave the mode alone.

#include <QAction>
#include <QActionGroup>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include "localisation/beallitasok.h"
#include "net/form_bejelentkezesek.h"
#include "net/form_kliens_mod.h"
#include "net/mod_valto.h"
#include "teszt_halozat.h"

using namespace zelvaris;
using namespace zelvaris::teszt;

namespace {

// A dialog answer: type the address and the name, press OK.
std::function<int(QDialog&)> Ok(const QString& ip, const QString& nev) {
  return [ip, nev](QDialog& d) {
    d.findChild<QLineEdit*>(QStringLiteral("E_ServerIP"))->setText(ip);
    d.findChild<QLineEdit*>(QStringLiteral("E_ClientName"))->setText(nev);
    return int(QDialog::Accepted);
  };
}

// A port that was free a moment ago.
quint16 SzabadPort() {
  QTcpServer s;
  s.listen(QHostAddress(QHostAddress::LocalHost), 0);
  return s.serverPort();
}

// Short limits, any free server port; the client aims at `kliensPort`.
TModBeallitas Beallitas(quint16 kliensPort = 1) {
  TModBeallitas b;
  b.SzerverPort = 0;
  b.KliensPort = kliensPort;
  b.Szerver = RovidKorlatok();
  b.Naplo.KotegIdo = std::chrono::milliseconds(10);
  b.KliensIdokorlat = std::chrono::milliseconds(2000);
  return b;
}

// The menu of the main window in small: three exclusive actions, the log,
// the sign-ins window and the dialog around one mode switcher.
class TModok {
 public:
  explicit TModok(TModBeallitas b = Beallitas()) : beallitasok_(konyvtar_.path().toStdString()) {
    for (QAction* a : {&Fuggetlen, &Szerver, &Kliens}) {
      a->setCheckable(true);
      csoport_.addAction(a);
    }
    Valto = std::make_unique<TModValto>(
        TModElemek{&Fuggetlen, &Szerver, &Kliens, &Naplo, &Jelentkezesek, &Dialogus, nullptr}, Modalis,
        beallitasok_, b);
    QObject::connect(&Fuggetlen, &QAction::triggered, Valto.get(), &TModValto::FuggetlenMod);
    QObject::connect(&Szerver, &QAction::triggered, Valto.get(), &TModValto::SzerverMod);
    QObject::connect(&Kliens, &QAction::triggered, Valto.get(), &TModValto::KliensMod);
  }

  int Mod() const { return Valto->HalozatiMod(); }
  // Which action is checked: 0, 1, 2, or -1 if not exactly one.
  int Jelolt() const {
    const int db = Fuggetlen.isChecked() + Szerver.isChecked() + Kliens.isChecked();
    if (db != 1) return -1;
    return Fuggetlen.isChecked() ? 0 : Szerver.isChecked() ? 1 : 2;
  }
  bool NaploLatszik() const { return !Naplo.isHidden(); }
  quint16 Port() { return Valto->SzerverKomponens().Port(); }
  TBeallitasok& Beallitasok() { return beallitasok_; }

  // Runs a client-mode attempt to its end.
  bool KliensModVegig(const QString& ip, const QString& nev) {
    Modalis.Dialogusok.push_back(Ok(ip, nev));
    QSignalSpy vege(Valto.get(), &TModValto::KliensBefejezodott);
    Kliens.trigger();
    if (!Valto->KliensFut()) return false;
    if (!vege.wait(10'000)) return false;
    return vege.first().first().toBool();
  }
  QString UtolsoUzenet() const { return Modalis.Uzenetek.empty() ? QString() : Modalis.Uzenetek.back().Szoveg; }

  QAction Fuggetlen{QStringLiteral("Független mód")};
  QAction Szerver{QStringLiteral("Szerver mód")};
  QAction Kliens{QStringLiteral("Kliens mód")};
  QPlainTextEdit Naplo;
  TForm_Jelentkezesek Jelentkezesek;
  TForm_ClientMode Dialogus;
  TValaszoloModalis Modalis;
  std::unique_ptr<TModValto> Valto;

 private:
  QTemporaryDir konyvtar_;
  QActionGroup csoport_{nullptr};
  TBeallitasok beallitasok_;
};

}  // namespace

class TModValtoTeszt : public QObject {
  Q_OBJECT

 private slots:
  void Kezdet() {
    TModok m;
    QCOMPARE(m.Mod(), 0);
    QCOMPARE(m.Jelolt(), 0);
    QVERIFY(!m.NaploLatszik());
    QVERIFY(!m.Valto->SzerverKomponens().Aktiv());
  }

  void SzerverModBeEsKi() {
    TModok m;
    m.Szerver.trigger();
    QCOMPARE(m.Mod(), 1);
    QCOMPARE(m.Jelolt(), 1);
    QVERIFY(m.NaploLatszik());
    QVERIFY(m.Valto->SzerverKomponens().Aktiv());
    QVERIFY(m.Modalis.Kerdesek.empty());
    // Again: the server stays as it is.
    const quint16 port = m.Port();
    m.Szerver.trigger();
    QCOMPARE(m.Port(), port);
    QCOMPARE(m.Jelolt(), 1);

    // Leaving it asks; No keeps everything.
    m.Jelentkezesek.show();
    m.Modalis.Valaszok = {false};
    m.Fuggetlen.trigger();
    QCOMPARE(m.Modalis.Kerdesek, (std::vector<QString>{"Biztosan megszünteted a szervert?"}));
    QCOMPARE(m.Mod(), 1);
    QCOMPARE(m.Jelolt(), 1);
    QVERIFY(m.Valto->SzerverKomponens().Aktiv());
    QVERIFY(m.NaploLatszik());

    // Yes stops the server, with its connections.
    auto kapcsolat = Kapcsolodas(port);
    QTRY_COMPARE(m.Valto->SzerverKomponens().NyitottKapcsolatok(), 1);
    m.Modalis.Valaszok = {true};
    m.Fuggetlen.trigger();
    QCOMPARE(m.Mod(), 0);
    QCOMPARE(m.Jelolt(), 0);
    QVERIFY(!m.Valto->SzerverKomponens().Aktiv());
    QVERIFY(!m.NaploLatszik());
    QVERIFY(m.Jelentkezesek.isHidden());
    QTRY_VERIFY(BontottaASzerver(*kapcsolat));

    // Independent to independent: nothing, not even a question.
    m.Fuggetlen.trigger();
    QCOMPARE(m.Modalis.Kerdesek.size(), size_t(2));
    QCOMPARE(m.Jelolt(), 0);
  }

  void SzerverbolKliensbeNemmel() {
    TModok m;
    m.Szerver.trigger();
    m.Modalis.Valaszok = {false};
    m.Kliens.trigger();
    QCOMPARE(m.Modalis.DialogusDarab, 0);
    QCOMPARE(m.Mod(), 1);
    QCOMPARE(m.Jelolt(), 1);
    // Yes, then the dialog cancelled: still a server.
    m.Kliens.trigger();
    QCOMPARE(m.Modalis.DialogusDarab, 1);
    QCOMPARE(m.Mod(), 1);
    QCOMPARE(m.Jelolt(), 1);
    QVERIFY(m.Valto->SzerverKomponens().Aktiv());
    QVERIFY(m.Modalis.Uzenetek.empty());
  }

  // A client announcing itself to a server of the same process.
  void KliensBejelentkezik() {
    TModok szerver;
    szerver.Szerver.trigger();
    TModok kliens(Beallitas(szerver.Port()));
    kliens.Modalis.Dialogusok.push_back(Ok(QStringLiteral("127.0.0.1"), QStringLiteral("Anna")));
    QSignalSpy vege(kliens.Valto.get(), &TModValto::KliensBefejezodott);
    kliens.Kliens.trigger();
    // Under way: the modes wait, nothing changed yet.
    QVERIFY(kliens.Valto->KliensFut());
    QVERIFY(!kliens.Fuggetlen.isEnabled() && !kliens.Szerver.isEnabled() && !kliens.Kliens.isEnabled());
    QCOMPARE(kliens.Mod(), 0);
    QVERIFY(vege.wait(5000));
    QCOMPARE(vege.first().first().toBool(), true);
    QCOMPARE(kliens.Mod(), 2);
    QCOMPARE(kliens.Jelolt(), 2);
    QVERIFY(kliens.Fuggetlen.isEnabled() && kliens.Szerver.isEnabled() && kliens.Kliens.isEnabled());
    QCOMPARE(kliens.UtolsoUzenet(), QStringLiteral("Kapcsolódás sikeres!"));
    QCOMPARE(kliens.Modalis.Uzenetek.back().Fajta, TModalisFelulet::TUzenetFajta::Informacio);
    QCOMPARE(kliens.Beallitasok().ServerIP(), std::string("127.0.0.1"));
    QTRY_COMPARE(szerver.Naplo.toPlainText(), QStringLiteral("NAME\nAnna kapcsolódott"));
    QTRY_COMPARE(szerver.Valto->SzerverKomponens().NyitottKapcsolatok(), 0);

    // In client mode "Kliens mód" does nothing, not even the dialog; the
    // address is offered again and the name kept for the next time.
    kliens.Kliens.trigger();
    QCOMPARE(kliens.Modalis.DialogusDarab, 1);
    QCOMPARE(kliens.Jelolt(), 2);
    kliens.Fuggetlen.trigger();
    QVERIFY(kliens.Modalis.Kerdesek.empty());
    QCOMPARE(kliens.Mod(), 0);
    kliens.Modalis.Dialogusok.push_back([](QDialog& d) {
      auto& f = static_cast<TForm_ClientMode&>(d);
      return f.ServerIP() == QStringLiteral("127.0.0.1") && f.KliensNev() == QStringLiteral("Anna")
                 ? int(QDialog::Rejected)
                 : -1;
    });
    kliens.Kliens.trigger();
    QCOMPARE(kliens.Modalis.DialogusDarab, 2);
    QCOMPARE(kliens.Mod(), 0);
    QCOMPARE(kliens.Jelolt(), 0);
  }

  // From server to client: the own server stops once the name was sent.
  void SzerverbolKliensbe() {
    const quint16 port = SzabadPort();
    TModBeallitas b = Beallitas(port);
    b.SzerverPort = port;
    TModok m(b);
    m.Szerver.trigger();
    QVERIFY(m.Valto->SzerverKomponens().Aktiv());
    m.Jelentkezesek.show();
    QVERIFY(m.KliensModVegig(QStringLiteral("127.0.0.1"), QStringLiteral("Magam")));
    QCOMPARE(m.Modalis.Kerdesek.size(), size_t(1));
    QCOMPARE(m.Mod(), 2);
    QCOMPARE(m.Jelolt(), 2);
    QVERIFY(!m.Valto->SzerverKomponens().Aktiv());
    QVERIFY(!m.NaploLatszik());
    QVERIFY(m.Jelentkezesek.isHidden());
    // And back to server mode without a question.
    m.Szerver.trigger();
    QCOMPARE(m.Mod(), 1);
    QCOMPARE(m.Modalis.Kerdesek.size(), size_t(1));
  }

  void ZartPort() {
    TModok m(Beallitas(SzabadPort()));
    QVERIFY(!m.KliensModVegig(QStringLiteral("127.0.0.1"), QStringLiteral("x")));
    QCOMPARE(m.Mod(), 0);
    QCOMPARE(m.Jelolt(), 0);
    QCOMPARE(m.UtolsoUzenet(), QStringLiteral("Kapcsolódás sikertelen!"));
    QCOMPARE(m.Modalis.Uzenetek.back().Fajta, TModalisFelulet::TUzenetFajta::Hiba);
    QVERIFY(m.Kliens.isEnabled());
    // The address was accepted by the dialog: it is kept all the same.
    QCOMPARE(m.Beallitasok().ServerIP(), std::string("127.0.0.1"));
  }

  // A failed attempt from server mode leaves the server running.
  void SzerverbolSikertelen() {
    TModok m(Beallitas(SzabadPort()));
    m.Szerver.trigger();
    QVERIFY(!m.KliensModVegig(QStringLiteral("127.0.0.1"), QStringLiteral("x")));
    QCOMPARE(m.Mod(), 1);
    QCOMPARE(m.Jelolt(), 1);
    QVERIFY(m.Valto->SzerverKomponens().Aktiv());
    QVERIFY(m.NaploLatszik());
  }

  // A listener that never accepts and whose queue is full: the connect hangs
  // until the client's time limit.
  void Idokorlat() {
    QTcpServer tele;
    tele.setListenBacklogSize(0);
    QVERIFY(tele.listen(QHostAddress(QHostAddress::LocalHost), 0));
    tele.pauseAccepting();
    std::vector<std::unique_ptr<QTcpSocket>> kitolto;
    for (int i = 0; i < 4; ++i) {
      kitolto.push_back(std::make_unique<QTcpSocket>());
      kitolto.back()->connectToHost(QHostAddress(QHostAddress::LocalHost), tele.serverPort());
    }
    QTest::qWait(100);
    TModBeallitas b = Beallitas(tele.serverPort());
    b.KliensIdokorlat = std::chrono::milliseconds(300);
    TModok m(b);
    QElapsedTimer ora;
    ora.start();
    QVERIFY(!m.KliensModVegig(QStringLiteral("127.0.0.1"), QStringLiteral("x")));
    QVERIFY2(ora.elapsed() >= 250, qPrintable(m.UtolsoUzenet()));
    QCOMPARE(m.Mod(), 0);
    QCOMPARE(m.UtolsoUzenet(), QStringLiteral("Kapcsolódás sikertelen!"));
  }

  void FoglaltPort() {
    QTcpServer masik;
    QVERIFY(masik.listen(QHostAddress::AnyIPv4, 0));
    TModBeallitas b = Beallitas();
    b.SzerverPort = masik.serverPort();
    TModok m(b);
    m.Szerver.trigger();
    QCOMPARE(m.Mod(), 0);
    QCOMPARE(m.Jelolt(), 0);
    QVERIFY(!m.NaploLatszik());
    QCOMPARE(m.Modalis.Uzenetek.size(), size_t(1));
    QCOMPARE(m.Modalis.Uzenetek[0].Fajta, TModalisFelulet::TUzenetFajta::Hiba);
    QVERIFY(m.UtolsoUzenet().contains(QString::number(masik.serverPort())));
  }

  void Parbeszed() {
    TForm_ClientMode d;
    auto* ip = d.findChild<QLineEdit*>(QStringLiteral("E_ServerIP"));
    auto* nev = d.findChild<QLineEdit*>(QStringLiteral("E_ClientName"));
    QVERIFY(ip && nev);
    QCOMPARE(d.windowTitle(), QStringLiteral("Kliens-módra váltás"));
    QCOMPARE(nev->nextInFocusChain(), ip);
    // Pasted line breaks would start a new protocol or settings line.
    nev->setText(QStringLiteral("a\r\nASK\r\nb"));
    QCOMPARE(d.KliensNev(), QStringLiteral("a  ASK  b"));
    ip->insert(QStringLiteral("10.0.0.1\n[LANGUAGE]"));
    QCOMPARE(d.ServerIP(), QStringLiteral("10.0.0.1 [LANGUAGE]"));
    d.SetServerIP(QStringLiteral("x\ty"));
    QCOMPARE(d.ServerIP(), QStringLiteral("x y"));
    nev->setText(QString(1500, QLatin1Char('n')));
    QCOMPARE(d.KliensNev().size(), 1000);
  }
};

QTEST_MAIN(TModValtoTeszt)
#include "mod_valto_test.moc"
