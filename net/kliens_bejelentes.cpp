#include "net/kliens_bejelentes.h"

#include <QTcpSocket>

#include "net/szoveg_tisztitas.h"

namespace zelvaris {

TKliensBejelentes::TKliensBejelentes(QObject* szulo) : QObject(szulo) {
  idokorlat_.setSingleShot(true);
  connect(&idokorlat_, &QTimer::timeout, this,
          [this] { Befejezes(false, QStringLiteral("lejárt az időkorlát")); });
}

TKliensBejelentes::~TKliensBejelentes() { Megszakitas(); }

QByteArray TKliensBejelentes::Uzenet(const QString& nev) {
  return QByteArrayLiteral("NAME\r\n") + EgysorosSzoveg(nev).toUtf8() + QByteArrayLiteral("\r\n");
}

void TKliensBejelentes::Inditas(const QString& host, quint16 port, const QString& nev,
                                std::chrono::milliseconds idokorlat) {
  Megszakitas();
  kuldendo_ = Uzenet(nev);
  elkuldve_ = 0;
  foglalat_ = new QTcpSocket(this);
  QTcpSocket* s = foglalat_;
  connect(s, &QTcpSocket::connected, this, [this, s] { s->write(kuldendo_); });
  connect(s, &QTcpSocket::bytesWritten, this, [this, s](qint64 db) {
    elkuldve_ += db;
    if (elkuldve_ < kuldendo_.size()) return;
    s->disconnectFromHost();
    Befejezes(true, {});
  });
  // Errors may be reported from inside connectToHost: queued, so that no
  // result leaves this call.
  connect(
      s, &QTcpSocket::errorOccurred, this,
      [this, s](QAbstractSocket::SocketError) {
        if (foglalat_ == s) Befejezes(false, s->errorString());
      },
      Qt::QueuedConnection);
  idokorlat_.start(idokorlat);
  s->connectToHost(host, port, QIODevice::ReadWrite, QAbstractSocket::IPv4Protocol);
}

void TKliensBejelentes::Megszakitas() {
  idokorlat_.stop();
  if (foglalat_ == nullptr) return;
  QTcpSocket* s = foglalat_;
  foglalat_ = nullptr;
  s->disconnect(this);
  s->abort();
  s->deleteLater();
}

void TKliensBejelentes::Befejezes(bool siker, const QString& ok) {
  if (foglalat_ == nullptr) return;
  idokorlat_.stop();
  QTcpSocket* s = foglalat_;
  foglalat_ = nullptr;
  s->disconnect(this);
  // A sent announcement leaves with a graceful close; a failed one is cut.
  if (!siker) s->abort();
  s->deleteLater();
  if (siker) {
    emit Sikerult();
  } else {
    emit Sikertelen(ok);
  }
}

}  // namespace zelvaris
