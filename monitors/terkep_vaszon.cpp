#include "monitors/terkep_vaszon.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "monitors/terkep_rajzolo.h"

namespace zelvaris {

namespace {

QPoint Pont(const QMouseEvent& esemeny) {
  const QPointF p = esemeny.position();
  return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

}  // namespace

void TTerkepVaszon::SetKeret(const QRect& keret) {
  if (keret == keret_) return;
  update(keret_);
  keret_ = keret;
  update(keret_);
}

void TTerkepVaszon::Fedes(QPainter& festo) {
  if (keret_.isEmpty()) return;
  festo.setRenderHint(QPainter::Antialiasing, false);
  festo.setPen(QPen(QColor::fromRgb(KepPont(TTerkepRajzolo::KeretSzin)), 1));
  festo.setBrush(Qt::NoBrush);
  // An aliased one-pixel outline of w x h covers w + 1 pixels; the frame's
  // outline lies on its own border pixels.
  festo.drawRect(keret_.adjusted(0, 0, -1, -1));
}

void TTerkepVaszon::mousePressEvent(QMouseEvent* esemeny) {
  if (esemeny->button() == Qt::LeftButton) {
    emit BalGomb(Pont(*esemeny));
  } else if (esemeny->button() == Qt::RightButton) {
    emit JobbGomb(Pont(*esemeny), esemeny->modifiers());
  } else {
    TKepVaszon::mousePressEvent(esemeny);
  }
}

void TTerkepVaszon::mouseMoveEvent(QMouseEvent* esemeny) {
  if (esemeny->buttons() & Qt::LeftButton) {
    emit BalGomb(Pont(*esemeny));
  } else {
    TKepVaszon::mouseMoveEvent(esemeny);
  }
}

}  // namespace zelvaris
