#pragma once
// Carries the server's log lines into Mem_Server and its sign-ins into the
// sign-ins list. Lines are gathered and shown together a few times a second,
// a bounded number at a time (pushing old lines out of a text view is dear),
// so a flooding peer cannot freeze the window; what a batch leaves follows in
// the next ones. Every line and name of a burst is shown; only the total held
// is bounded, so a flood cannot fill the memory either: past it the oldest
// entries go, and the first row of the view says how many went. Nothing here
// ever clears what the user sees.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <chrono>

class QPlainTextEdit;

namespace zelvaris {

class TNyelviTabla;

class TForm_Jelentkezesek;

struct TNaploKorlatok {
  int MaxSorok = 10'000;  // lines the log holds besides its mark, and lines waiting
  int MaxNevek = 10'000;  // names the sign-ins list holds besides its mark, and names waiting
  std::chrono::milliseconds KotegIdo{100};
  int SorokKotegenkent = 250;                  // lines, and names, shown per batch
  std::chrono::milliseconds FolytatasIdo{20};  // until the next batch while lines wait
};

// The log's first line once its oldest lines went.
QString KimaradtSorokJele(qint64 db, const TNyelviTabla* tabla = nullptr);

class TSzerverNaplo : public QObject {
  Q_OBJECT

 public:
  // Neither view is owned; either may be gone before this object.
  TSzerverNaplo(QPlainTextEdit* naplo, TForm_Jelentkezesek* jelentkezesek, TNaploKorlatok korlatok = {},
                QObject* szulo = nullptr);

  void Sor(const QString& sor);
  void Jelentkezo(const QString& nev);
  // Shows everything gathered now, however much.
  void Kiiras();

  const TNaploKorlatok& Korlatok() const { return korlatok_; }
  // The language of the log's mark; not owned, null for the built-in text.
  void SetNyelviTabla(const TNyelviTabla* tabla) { tabla_ = tabla; }
  // Lines that went from the log (or never reached it) to keep it at its cap.
  qint64 KimaradtSorok() const { return kimaradtSorok_; }

 private:
  // One batch; the timer runs again while lines wait.
  void Koteg();
  // Shows the first `db` waiting lines.
  void NaploIras(qsizetype db);
  void NevekKiirasa(qsizetype db);

  TNaploKorlatok korlatok_;
  const TNyelviTabla* tabla_ = nullptr;
  QPointer<QPlainTextEdit> naplo_;
  QPointer<TForm_Jelentkezesek> jelentkezesek_;
  QStringList sorok_;
  QStringList nevek_;
  // Gathered lines and names beyond a whole view's worth, which the view
  // would have dropped at once.
  qint64 elotteKimaradtSorok_ = 0;
  qint64 elotteKimaradtNevek_ = 0;
  qint64 kimaradtSorok_ = 0;
  bool vanJel_ = false;
  QTimer koteg_;
};

}  // namespace zelvaris
