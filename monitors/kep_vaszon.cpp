#include "monitors/kep_vaszon.h"

#include <QPaintEvent>
#include <QPainter>

namespace zelvaris {

TKepVaszon::TKepVaszon(const QImage& kep, QWidget* szulo) : QWidget(szulo), kep_(kep) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_StaticContents);
  MeretIgazitas();
}

void TKepVaszon::MeretIgazitas() {
  setFixedSize(kep_.isNull() ? QSize(0, 0) : kep_.size());
  update();
}

void TKepVaszon::paintEvent(QPaintEvent* esemeny) {
  QPainter festo(this);
  const QRect terulet = esemeny->rect() & kep_.rect();
  if (!terulet.isEmpty()) festo.drawImage(terulet.topLeft(), kep_, terulet);
  Fedes(festo);
}

}  // namespace zelvaris
