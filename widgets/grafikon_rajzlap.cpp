#include "grafikon_rajzlap.h"

#include <QPaintEvent>
#include <QPainter>

#include "pnx_grafikon.h"

namespace zelvaris {

TGrafikonRajzlap::TGrafikonRajzlap(TPnx_Grafikon& grafikon, QWidget* szulo) : QWidget(szulo), grafikon_(grafikon) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_StaticContents);
}

void TGrafikonRajzlap::paintEvent(QPaintEvent* esemeny) {
  const QRect valtozott = grafikon_.FuggoRajzolas();
  // Pixels drawn just now outside this event's area still have to reach the screen.
  if (!valtozott.isEmpty() && !esemeny->rect().contains(valtozott)) update(valtozott);
  QPainter p(this);
  const QRect r = esemeny->rect();
  p.drawImage(r, grafikon_.kep_, r);
}

}  // namespace zelvaris
