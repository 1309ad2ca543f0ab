#pragma once
// What the chart and age-pyramid window lists share: the windows in creation
// order, each later one opened 10 pixels left of and below the one before
// (kept on the screen), show-all, close-all (closing only hides), the texts
// of every later language, and clearing. The windows read the ecosystem, so
// the list empties itself the moment the ecosystem is replaced, before the
// old one is destroyed; the owner's own clearing comes first as well.

#include <QMetaObject>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "localisation/nyelvkezelo.h"

namespace zelvaris {

class TAlkalmazasKornyezet;

class TMonitorAblakLista {
 public:
  // Where a window of `meret` goes when its wanted top-left corner is `kivant`.
  using TElhelyezo = std::function<QPoint(QPoint kivant, QSize meret)>;

  virtual ~TMonitorAblakLista();
  TMonitorAblakLista(const TMonitorAblakLista&) = delete;
  TMonitorAblakLista& operator=(const TMonitorAblakLista&) = delete;

  int Darab() const { return static_cast<int>(ablakok_.size()); }
  void NyelvAlkalmaz(const TNyelviTabla& tabla);
  // Destroys every window.
  void Urit();
  void MindetElorehoz();
  void MindetBezar();
  // Without one, a window is kept inside its screen's available area.
  void SetElhelyezo(TElhelyezo elhelyezo) { elhelyezo_ = std::move(elhelyezo); }

 protected:
  TMonitorAblakLista(TAlkalmazasKornyezet& kornyezet, TNyelviAblak nyelviHely);
  // Places the window after the previous one, takes it and shows it.
  QWidget& Felvetel(std::unique_ptr<QWidget> ablak);
  QWidget& AblakAt(int i) const { return *ablakok_.at(static_cast<size_t>(i)); }
  virtual void Szovegek(QWidget& ablak, const TNyelviTabla& tabla) = 0;

  TAlkalmazasKornyezet& kornyezet_;

 private:
  QPoint Hely(QPoint kivant, QSize meret) const;

  TNyelviAblak nyelviHely_;
  TElhelyezo elhelyezo_;
  std::vector<std::unique_ptr<QWidget>> ablakok_;
  QMetaObject::Connection csereKapcsolat_;
};

}  // namespace zelvaris
