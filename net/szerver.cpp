#include "net/szerver.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <algorithm>

#include "localisation/program_uzenetek.h"
#include "net/net_szovegek.h"
#include "net/szerver_protokoll.h"
#include "net/szoveg_tisztitas.h"

namespace zelvaris {

struct TSzerver::TKapcsolat {
  QTcpSocket* Foglalat = nullptr;  // deleted later, never inside its own signal
  QString Cim;
  TSzerverProtokoll Protokoll;
  QElapsedTimer UtolsoSor;         // since the last complete line
  bool Lezarva = false;            // the peer closed; buffered lines still count
  bool El = true;                  // false once removed, while a handler may still hold it
};

TSzerver::TSzerver(TSzerverKorlatok korlatok, QObject* szulo)
    : QObject(szulo), korlatok_(korlatok) {
  korlatok_.MaxKapcsolat = std::max(1, korlatok_.MaxKapcsolat);
  korlatok_.SorokEsemenyenkent = std::max(1, korlatok_.SorokEsemenyenkent);
  korlatok_.MaxSorHossz = std::max(1, korlatok_.MaxSorHossz);
  szerver_.setMaxPendingConnections(korlatok_.MaxKapcsolat);
  connect(&szerver_, &QTcpServer::newConnection, this, &TSzerver::UjKapcsolatok);
  folytatas_.setSingleShot(true);
  folytatas_.setInterval(0);
  connect(&folytatas_, &QTimer::timeout, this, &TSzerver::Folytatas);
  // Checked four times per idle limit: a connection goes between one and
  // one and a quarter limits after its last line.
  const auto negyed = std::max<std::chrono::milliseconds::rep>(10, korlatok_.TetlenIdo.count() / 4);
  tetlenseg_.setInterval(static_cast<int>(std::min<std::chrono::milliseconds::rep>(negyed, 1000)));
  connect(&tetlenseg_, &QTimer::timeout, this, &TSzerver::TetlenekBontasa);
  takaritas_.setSingleShot(true);
  takaritas_.setInterval(0);
  connect(&takaritas_, &QTimer::timeout, this, [this] { torlendok_.clear(); });
}

TSzerver::~TSzerver() { Deaktivalas(); }

std::optional<QString> TSzerver::Aktivalas(quint16 port) {
  if (szerver_.isListening()) return std::nullopt;
  if (!szerver_.listen(QHostAddress::AnyIPv4, port)) {
    const QString ok = szerver_.errorString();
    szerver_.close();
    return ok;
  }
  legtobbNyitott_ = 0;
  tetlenseg_.start();
  return std::nullopt;
}

void TSzerver::Deaktivalas() {
  szerver_.close();
  tetlenseg_.stop();
  folytatas_.stop();
  while (!kapcsolatok_.empty()) Eltavolitas(kapcsolatok_.back().get());
}

void TSzerver::UjKapcsolatok() {
  while (szerver_.hasPendingConnections()) {
    QTcpSocket* s = szerver_.nextPendingConnection();
    if (s == nullptr) break;
    // Several may wait at once; those beyond the cap are turned away.
    if (NyitottKapcsolatok() >= korlatok_.MaxKapcsolat) {
      s->abort();
      s->deleteLater();
      continue;
    }
    // The line limit plus its CR LF is all an unfinished line may take.
    s->setReadBufferSize(qint64(korlatok_.MaxSorHossz) + 2);
    auto k = std::make_unique<TKapcsolat>();
    k->Foglalat = s;
    k->Cim = s->peerAddress().toString() + QLatin1Char(':') + QString::number(s->peerPort());
    k->UtolsoSor.start();
    TKapcsolat* kp = k.get();
    kapcsolatok_.push_back(std::move(k));
    connect(s, &QTcpSocket::readyRead, this, [this, kp] {
      if (Olvasas(*kp)) folytatas_.start();
    });
    connect(s, &QTcpSocket::disconnected, this, [this, kp] {
      kp->Lezarva = true;
      folytatas_.start();
    });
    connect(s, &QTcpSocket::errorOccurred, this, [this, kp](QAbstractSocket::SocketError) {
      kp->Lezarva = true;
      folytatas_.start();
    });
    // Data may have arrived with the connection.
    if (s->bytesAvailable() > 0) folytatas_.start();
  }
  legtobbNyitott_ = std::max(legtobbNyitott_, NyitottKapcsolatok());
  if (NyitottKapcsolatok() >= korlatok_.MaxKapcsolat) szerver_.pauseAccepting();
}

bool TSzerver::Olvasas(TKapcsolat& k) {
  QTcpSocket& s = *k.Foglalat;
  for (int keret = korlatok_.SorokEsemenyenkent; keret > 0; --keret) {
    if (!s.canReadLine()) {
      // A CR may wait for its LF: one byte more than the limit is still fine.
      if (s.bytesAvailable() > qint64(korlatok_.MaxSorHossz) + 1) {
        Bontas(&k, NetUzenet(tabla_, TUzenet(kTulHosszuSorUzenet, {})));
      }
      return false;
    }
    QByteArray sor = s.readLine();
    if (sor.endsWith('\n')) sor.chop(1);
    if (sor.endsWith('\r')) sor.chop(1);
    if (sor.size() > korlatok_.MaxSorHossz) {
      Bontas(&k, NetUzenet(tabla_, TUzenet(kTulHosszuSorUzenet, {})));
      return false;
    }
    k.UtolsoSor.restart();
    const TSzerverProtokoll::TBejegyzes b = k.Protokoll.Sor(sor);
    const QString szoveg = MegjelenithetoSzoveg(b.Szoveg, korlatok_.MaxMegjelenitettHossz);
    emit Sor(b.Minta != nullptr ? NetUzenet(tabla_, TUzenet(*b.Minta, {szoveg.toStdString()})) : szoveg);
    if (!k.El) return false;
    if (b.Jelentkezo) {
      emit Jelentkezo(szoveg);
      if (!k.El) return false;
    }
  }
  return s.canReadLine();
}

// Leftover lines get their turn here, one budget per connection, after the
// other events queued meanwhile; a closed peer goes once its lines are read.
void TSzerver::Folytatas() {
  std::vector<TKapcsolat*> sorban;
  sorban.reserve(kapcsolatok_.size());
  for (auto& k : kapcsolatok_) sorban.push_back(k.get());
  bool maradt = false;
  for (TKapcsolat* k : sorban) {
    if (!k->El) continue;
    if (Olvasas(*k)) {
      maradt = true;
    } else if (k->El && k->Lezarva) {
      Eltavolitas(k);
    }
  }
  if (maradt) folytatas_.start();
}

void TSzerver::TetlenekBontasa() {
  std::vector<TKapcsolat*> tetlenek;
  for (auto& k : kapcsolatok_) {
    if (k->UtolsoSor.hasExpired(korlatok_.TetlenIdo.count())) tetlenek.push_back(k.get());
  }
  for (TKapcsolat* k : tetlenek) {
    if (k->El) Bontas(k, NetUzenet(tabla_, TUzenet(kNemTeljesSorUzenet, {})));
  }
}

void TSzerver::Bontas(TKapcsolat* k, const QString& ok) {
  const QString cim = k->Cim;
  Eltavolitas(k);
  emit Sor(cim + QStringLiteral(": ") + ok);
}

void TSzerver::Eltavolitas(TKapcsolat* k) {
  auto it = std::find_if(kapcsolatok_.begin(), kapcsolatok_.end(),
                         [k](const std::unique_ptr<TKapcsolat>& p) { return p.get() == k; });
  if (it == kapcsolatok_.end()) return;
  std::unique_ptr<TKapcsolat> sajat = std::move(*it);
  kapcsolatok_.erase(it);
  sajat->El = false;
  sajat->Foglalat->disconnect(this);
  sajat->Foglalat->abort();
  sajat->Foglalat->deleteLater();
  // A handler up the stack may still look at El: the record goes once the
  // current event is over.
  torlendok_.push_back(std::move(sajat));
  takaritas_.start();
  if (szerver_.isListening() && NyitottKapcsolatok() < korlatok_.MaxKapcsolat) szerver_.resumeAccepting();
}

}  // namespace zelvaris
