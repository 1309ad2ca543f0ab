#pragma once
// The map image with the magnifier frame drawn on it. The frame is only an
// outline on the same widget, so the mouse over it acts on the map beneath at
// the same cell.

#include <QPoint>
#include <QRect>

#include "monitors/kep_vaszon.h"

namespace zelvaris {

class TTerkepVaszon : public TKepVaszon {
  Q_OBJECT

 public:
  using TKepVaszon::TKepVaszon;

  // The frame in map pixels (= cells); an empty rectangle hides it.
  void SetKeret(const QRect& keret);
  const QRect& Keret() const { return keret_; }

 signals:
  // Left button pressed, or the mouse moved with it held, over a map pixel.
  void BalGomb(QPoint pont);
  void JobbGomb(QPoint pont, Qt::KeyboardModifiers modositok);

 protected:
  void Fedes(QPainter& festo) override;
  void mousePressEvent(QMouseEvent* esemeny) override;
  void mouseMoveEvent(QMouseEvent* esemeny) override;

 private:
  QRect keret_;
};

}  // namespace zelvaris
