#pragma once
// The client of client mode: connects to the server, sends "NAME" and the
// name (UTF-8, CR LF line ends) and closes. It never blocks: the result
// arrives as a signal, after the name was handed to the system or after
// the first failure, and at the latest when the time limit runs out.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <chrono>

class QTcpSocket;

namespace zelvaris {

class TKliensBejelentes : public QObject {
  Q_OBJECT

 public:
  explicit TKliensBejelentes(QObject* szulo = nullptr);
  ~TKliensBejelentes() override;

  // Starts one announcement over IPv4; one already under way is dropped
  // without a signal. Exactly one of Sikerult or Sikertelen follows, never
  // from inside this call.
  void Inditas(const QString& host, quint16 port, const QString& nev,
               std::chrono::milliseconds idokorlat = std::chrono::seconds(10));
  // Drops the announcement under way; no signal follows.
  void Megszakitas();
  bool Fut() const { return foglalat_ != nullptr; }

  // The bytes sent for a name: control characters become blanks, so the name
  // stays one line.
  static QByteArray Uzenet(const QString& nev);

 signals:
  void Sikerult();
  void Sikertelen(const QString& ok);

 private:
  void Befejezes(bool siker, const QString& ok);

  QTcpSocket* foglalat_ = nullptr;
  QTimer idokorlat_;
  QByteArray kuldendo_;
  qint64 elkuldve_ = 0;
};

}  // namespace zelvaris
