#include "shell/elhelyezes.h"

namespace zelvaris {

QPoint JobbraMellette(const QRect& masik, const QSize& meret, const QRect& terulet, int cimsor) {
  int x = masik.x() + masik.width();
  int y = masik.y();
  if (x + meret.width() > terulet.x() + terulet.width()) {
    x = terulet.x();
    y += cimsor;
  }
  if (y + meret.height() > terulet.y() + terulet.height()) y = terulet.y();
  if (y < terulet.y()) y = terulet.y();
  if (x < terulet.x()) x = terulet.x();
  return {x, y};
}

}  // namespace zelvaris
