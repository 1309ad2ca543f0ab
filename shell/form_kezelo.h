#pragma once
// The controller "Kezelő": the slowable timer whose every tick is one step
// of the world, the buttons bound to the main window's actions, the
// "Rajzolhat" switch and the number of steps "Tovább" runs.

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

  // The step driver; the main window sets its callbacks.
  TLepteto& Lepteto() { return lepteto_; }
  TPnx_Timer& Timer() const { return *timer_; }
  // SpE_Ennyit within its bounds, even while it holds what the user typed.
  int32_t Ennyit() const;

  void Inditas();
  void Megallitas();
  bool Fut() const;

  // One tick of the timer: one step and what follows it. An error stops the
  // run first, so that the message is not repeated on every tick.
  void Tikk();
  // Called on an error inside a tick while the timer runs.
  std::function<void()> HibaMiattLeallitas;

 private:
  TAlkalmazasKornyezet& kornyezet_;
  TLepteto lepteto_;
  TPnx_Timer* timer_;
  TSpinMezo* ennyit_;
  QLabel* lblIdo_;
  QCheckBox* rajzolhat_;
};

}  // namespace zelvaris
