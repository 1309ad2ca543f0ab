#pragma once
// The three network modes and the moves between them: independent (0),
// server (1) and client (2). It drives the mode actions' checks, the server
// with its log view and the client announcement; the main window only
// creates it and binds the actions to its three operations.
//
// Server mode listens only between entering and leaving it. The client's
// connect and send run in the background: meanwhile the mode actions are
// disabled, and the mode changes only once the name was sent.

#include <QObject>
#include <QPointer>
#include <chrono>

#include "net/kliens_bejelentes.h"
#include "net/szerver.h"
#include "net/szerver_naplo.h"

class QAction;
class QPlainTextEdit;
class QWidget;

namespace zelvaris {

class TBeallitasok;
class TForm_ClientMode;
class TForm_Jelentkezesek;
class TModalisFelulet;
class TNyelviTabla;


// What the modes show and check; none is owned, any may be gone first.
struct TModElemek {
  QAction* FuggetlenAkcio = nullptr;
  QAction* SzerverAkcio = nullptr;
  QAction* KliensAkcio = nullptr;
  QPlainTextEdit* Naplo = nullptr;            // Mem_Server
  TForm_Jelentkezesek* Jelentkezesek = nullptr;
  TForm_ClientMode* Dialogus = nullptr;
  QWidget* Szulo = nullptr;                   // of the message boxes
};

struct TModBeallitas {
  quint16 SzerverPort = kSzerverPort;         // 0: any free port
  quint16 KliensPort = kSzerverPort;
  TSzerverKorlatok Szerver;
  TNaploKorlatok Naplo;
  std::chrono::milliseconds KliensIdokorlat{10'000};
};

class TModValto : public QObject {
  Q_OBJECT

 public:
  enum TMod { Fuggetlen = 0, Szerver = 1, Kliens = 2 };

  // `modalis` and `beallitasok` (the ServerIP) must outlive this object.
  TModValto(TModElemek elemek, TModalisFelulet& modalis, TBeallitasok& beallitasok, TModBeallitas beallitas = {},
            QObject* szulo = nullptr);
  ~TModValto() override;

  // HalozatiMod.
  int HalozatiMod() const { return mod_; }

  // The operations of Act_IndependentMode, Act_ServerMode, Act_ClientMode.
  void FuggetlenMod();
  void SzerverMod();
  void KliensMod();

  // The main window closes: the listener, every connection and an
  // announcement under way end, without a question.
  void Leallitas();

  bool KliensFut() const { return kliens_.Fut(); }
  // The language of the messages and the log; not owned, null for the
  // built-in texts.
  void SetNyelviTabla(const TNyelviTabla* tabla);

  TSzerver& SzerverKomponens() { return szerver_; }
  TSzerverNaplo& Naplo() { return naplo_; }

 signals:
  // A client-mode attempt ended, whichever way.
  void KliensBefejezodott(bool siker);

 private:
  void Jeloles();
  void ModAkciokEngedelyezese(bool be);
  void SzerverLeallitas();
  void KliensSikerult();
  void KliensSikertelen();

  QPointer<QAction> fuggetlenAkcio_;
  QPointer<QAction> szerverAkcio_;
  QPointer<QAction> kliensAkcio_;
  QPointer<QWidget> szulo_;
  QPointer<QPlainTextEdit> naploNezet_;
  QPointer<TForm_Jelentkezesek> jelentkezesek_;
  QPointer<TForm_ClientMode> dialogus_;
  TModalisFelulet& modalis_;
  TBeallitasok& beallitasok_;
  TModBeallitas beallitas_;
  TSzerver szerver_;
  TSzerverNaplo naplo_;
  const TNyelviTabla* tabla_ = nullptr;
  TKliensBejelentes kliens_;
  int mod_ = Fuggetlen;
};

}  // namespace zelvaris
