#pragma once
// Carries the server's log lines into Mem_Server and its sign-ins into the
// sign-ins list. Lines are gathered and shown together a few times a second,
// and both views keep only their newest entries, so a flooding peer can
// neither freeze the window nor fill the memory. Nothing here ever clears
// what the user sees.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <chrono>

class QPlainTextEdit;

namespace zelvaris {

class TForm_Jelentkezesek;

struct TNaploKorlatok {
  int MaxSorok = 10'000;            // lines kept in the log
  int MaxNevek = 10'000;            // names kept in the sign-ins list
  int MaxSorKotegenkent = 200;      // lines and names shown per batch; older ones of a burst are skipped
  std::chrono::milliseconds KotegIdo{100};
};

class TSzerverNaplo : public QObject {
  Q_OBJECT

 public:
  // Neither view is owned; either may be gone before this object.
  TSzerverNaplo(QPlainTextEdit* naplo, TForm_Jelentkezesek* jelentkezesek, TNaploKorlatok korlatok = {},
                QObject* szulo = nullptr);

  void Sor(const QString& sor);
  void Jelentkezo(const QString& nev);
  // Shows what is gathered now (also run by the batch timer).
  void Kiiras();

  const TNaploKorlatok& Korlatok() const { return korlatok_; }

 private:
  TNaploKorlatok korlatok_;
  QPointer<QPlainTextEdit> naplo_;
  QPointer<TForm_Jelentkezesek> jelentkezesek_;
  QStringList sorok_;
  QStringList nevek_;
  qint64 kihagyottSorok_ = 0;
  QTimer koteg_;
};

}  // namespace zelvaris
