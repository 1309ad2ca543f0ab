#pragma once
// The controller "Kezelő": the slowable timer whose every tick is one step
// of the world, the buttons bound to the main window's actions, the
// "Rajzolhat" switch and the number of steps "Tovább" runs. Whether the
// world runs is kept here alone; whoever shows it hears every change. A
// replaced world stops the run. Two lines under the buttons show the spray
// state: the sprays the next step applies, and whether a living animal
// carries a persistent dose; they follow every action and every tick.

#include <QWidget>
#include <cstdint>

#include "core/lepteto.h"

class QAction;
class QCheckBox;
class QLabel;

namespace zelvaris {

class TAlkalmazasKornyezet;
class TNyelviTabla;
class TPnx_Timer;
class TSpinMezo;

class TForm_Kezelo : public QWidget {
  Q_OBJECT

 public:
  struct TAkcioKotes {
    QAction* Alkalmaz;
    QAction* DegPermetezes;
    QAction* PerPermetezes;
    QAction* Tovabb;
    QAction* StartStop;
    QAction* Rajzolhat;
  };

  TForm_Kezelo(TAlkalmazasKornyezet& kornyezet, const TAkcioKotes& akciok,
               QWidget* szulo = nullptr);

  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);

  // The step driver; its ticks are this window's timer ticks.
  TLepteto& Lepteto() { return lepteto_; }
  TPnx_Timer& Timer() const { return *timer_; }
  // SpE_Ennyit within its bounds, even while it holds what the user typed.
  int32_t Ennyit() const;

  bool Fut() const;
  void Inditas();
  void Megallitas();
  // "Start"/"Stop": a stopped run starts, a running one stops.
  void StartStop();

  // One tick of the timer: one step and what follows it. An error stops the
  // run first, so that the message is not repeated on every tick.
  void Tikk();

 signals:
  void FutasValtozott(bool fut);

 private:
  TAlkalmazasKornyezet& kornyezet_;
  TLepteto lepteto_;
  TPnx_Timer* timer_;
  TSpinMezo* ennyit_;
  QLabel* lblIdo_;
  QCheckBox* rajzolhat_;
  QLabel* lblPermet_;
  QLabel* lblDozis_;
  void PermetAllapotKiirasa();
};

}  // namespace zelvaris
