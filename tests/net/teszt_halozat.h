#pragma once
// What the network tests share: a modal interface that answers at once, a
// server on a free loopback port whose output is collected, and raw peers
// that send exact bytes.

#include <QDialog>
#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "net/szerver.h"
#include "tests/teszt_modalis.h"

namespace zelvaris::teszt {

// Limits short enough for tests.
inline TSzerverKorlatok RovidKorlatok() {
  TSzerverKorlatok k;
  k.MaxSorHossz = 64;
  k.MaxKapcsolat = 8;
  k.TetlenIdo = std::chrono::milliseconds(300);
  k.SorokEsemenyenkent = 4;
  k.MaxMegjelenitettHossz = 40;
  return k;
}

// A server on a free port whose log lines and sign-ins are collected.
class TGyujtoSzerver {
 public:
  explicit TGyujtoSzerver(TSzerverKorlatok k = {}) : szerver_(k) {
    QObject::connect(&szerver_, &TSzerver::Sor, &szerver_, [this](const QString& s) { Sorok.append(s); });
    QObject::connect(&szerver_, &TSzerver::Jelentkezo, &szerver_,
                     [this](const QString& s) { Nevek.append(s); });
    const auto hiba = szerver_.Aktivalas(0);
    if (hiba) qWarning("listen failed: %s", qPrintable(*hiba));
  }
  TSzerver& Szerver() { return szerver_; }
  quint16 Port() const { return szerver_.Port(); }

  QStringList Sorok;
  QStringList Nevek;

 private:
  TSzerver szerver_;
};

// A peer connected to the loopback port.
inline std::unique_ptr<QTcpSocket> Kapcsolodas(quint16 port) {
  auto s = std::make_unique<QTcpSocket>();
  s->connectToHost(QHostAddress(QHostAddress::LocalHost), port);
  if (!s->waitForConnected(5000)) qWarning("connect failed: %s", qPrintable(s->errorString()));
  return s;
}

inline void Iras(QTcpSocket& s, const QByteArray& bajtok) {
  s.write(bajtok);
  while (s.bytesToWrite() > 0 && s.waitForBytesWritten(5000)) {
  }
}

// Connects, sends the bytes and closes.
inline void Kuldes(quint16 port, const QByteArray& bajtok) {
  auto s = Kapcsolodas(port);
  Iras(*s, bajtok);
  s->disconnectFromHost();
}

// True once the peer saw its connection closed by the server.
inline bool BontottaASzerver(QTcpSocket& s) {
  return s.state() == QAbstractSocket::UnconnectedState || s.waitForDisconnected(10);
}

}  // namespace zelvaris::teszt
