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
  // Pixels drawn just now outside this event's area still have to reach the screen.
  const QRegion kivul = grafikon_.FuggoRajzolas().subtracted(esemeny->region());
  if (!kivul.isEmpty()) update(kivul);
  QPainter p(this);
  for (const QRect& r : esemeny->region()) p.drawImage(r, grafikon_.kep_, r);
}

}  // namespace zelvaris
