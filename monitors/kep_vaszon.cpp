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

void TKepVaszon::Valtozott(const QRegion& terulet) {
  // Past a few hundred pieces the union costs more than painting their
  // bounding rectangle would save.
  constexpr int kLegtobbDarab = 256;
  valtozott_ += terulet;
  if (valtozott_.rectCount() > kLegtobbDarab) valtozott_ = valtozott_.boundingRect();
  KepkockaKeres();
}

void TKepVaszon::Kepkocka() {
  update(valtozott_);
  valtozott_ = QRegion();
}

void TKepVaszon::paintEvent(QPaintEvent* esemeny) {
  QPainter festo(this);
  // A few scattered changes are copied piece by piece; many, as one rectangle.
  constexpr int kLegtobbDarab = 64;
  const QRegion& terulet = esemeny->region();
  auto masol = [&](const QRect& r) {
    const QRect t = r & kep_.rect();
    if (!t.isEmpty()) festo.drawImage(t.topLeft(), kep_, t);
  };
  if (terulet.rectCount() <= kLegtobbDarab) {
    for (const QRect& r : terulet) masol(r);
  } else {
    masol(terulet.boundingRect());
  }
  Fedes(festo);
}

}  // namespace zelvaris
