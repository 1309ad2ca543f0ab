#pragma once
// The server of server mode. It listens on every local IPv4 address, reads
// the line protocol of each connection on the user-interface thread and
// reports log lines and sign-ins as signals. It faces whatever reaches the
// port, so everything it holds is bounded: lines, unfinished lines, open
// connections, idle time and the work done per event.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTimer>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace zelvaris {

class TNyelviTabla;

inline constexpr quint16 kSzerverPort = 6000;

struct TSzerverKorlatok {
  // Bytes of one line without its line end; a longer line, or more bytes
  // than this without a line end, closes the connection.
  int MaxSorHossz = 16384;
  // Open connections; at the cap the server stops accepting until one closes.
  int MaxKapcsolat = 64;
  // A connection without a complete line for this long is closed.
  std::chrono::milliseconds TetlenIdo{60'000};
  // Lines read from one connection per event; the rest waits for the next
  // turn, so a fast peer cannot starve the simulation timer.
  int SorokEsemenyenkent = 100;
  // Characters of a received text shown in the log; longer ones are cut.
  int MaxMegjelenitettHossz = 1000;
};

class TSzerver : public QObject {
  Q_OBJECT

 public:
  explicit TSzerver(TSzerverKorlatok korlatok = {}, QObject* szulo = nullptr);
  ~TSzerver() override;

  // Starts listening (port 0: any free port). Returns the reason on failure,
  // leaving the server inactive. Already listening: nothing happens.
  std::optional<QString> Aktivalas(quint16 port = kSzerverPort);
  // Closes every connection and stops listening.
  void Deaktivalas();

  bool Aktiv() const { return szerver_.isListening(); }
  quint16 Port() const { return szerver_.serverPort(); }
  int NyitottKapcsolatok() const { return static_cast<int>(kapcsolatok_.size()); }
  // The most connections open at once since the last activation.
  int LegtobbNyitott() const { return legtobbNyitott_; }
  const TSzerverKorlatok& Korlatok() const { return korlatok_; }
  // The language of the log lines; not owned, null for the built-in texts.
  void SetNyelviTabla(const TNyelviTabla* tabla) { tabla_ = tabla; }

 signals:
  // A log line, decoded and safe to show.
  void Sor(const QString& sor);
  // A name that asked for permission, decoded and safe to show.
  void Jelentkezo(const QString& nev);

 private:
  struct TKapcsolat;

  void UjKapcsolatok();
  // Reads at most the per-event budget of lines; true if complete lines are left.
  bool Olvasas(TKapcsolat& k);
  void Folytatas();
  void TetlenekBontasa();
  void Bontas(TKapcsolat* k, const QString& ok);
  void Eltavolitas(TKapcsolat* k);

  TSzerverKorlatok korlatok_;
  const TNyelviTabla* tabla_ = nullptr;
  QTcpServer szerver_;
  std::vector<std::unique_ptr<TKapcsolat>> kapcsolatok_;
  std::vector<std::unique_ptr<TKapcsolat>> torlendok_;
  QTimer folytatas_;
  QTimer takaritas_;
  QTimer tetlenseg_;
  int legtobbNyitott_ = 0;
};

}  // namespace zelvaris
