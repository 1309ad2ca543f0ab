#include "grafikon_rajzlap.h"

#include <QPaintEvent>
#include <QPainter>

#include "pnx_grafikon.h"

namespace zelvaris {

TGrafikonRajzlap::TGrafikonRajzlap(TPnx_Grafikon& grafikon, QWidget* szulo) : QWidget(szulo), grafikon_(grafikon) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_StaticContents);
}

void TGrafikonRajzlap::Frissites(const QRegion& terulet) {
  fugg_ = true;
  update(terulet);
}

void TGrafikonRajzlap::paintEvent(QPaintEvent* esemeny) {
  fugg_ = false;
  // Pixels drawn just now outside this event's area still have to reach the
  // screen; so does all of a slide, since the screen was not moved with it.
  auto valtozas = grafikon_.FuggoRajzolas();
  if (valtozas.tolas > 0) valtozas.terulet = rect();
  const QRegion kivul = valtozas.terulet.subtracted(esemeny->region());
  if (!kivul.isEmpty()) Frissites(kivul);
  QPainter p(this);
  // Each piece under its own rectangular clip: under the event's whole
  // region the copy would go through the clipped span blender.
  for (const QRect& r : esemeny->region()) {
    p.setClipRect(r);
    p.drawImage(r, grafikon_.kep_, r);
  }
}

}  // namespace zelvaris
