#include "app/alarendelt_ablak.h"

#include <QWidget>

namespace zelvaris {

void Alarendeles(QWidget& ablak, QWidget& tulajdonos) {
  // Qt names the owner to the window manager (the transient parent) when the
  // owned window gets its native window, and only if the owner has one then.
  (void)tulajdonos.winId();
  ablak.setParent(&tulajdonos, ablak.windowFlags() | Qt::Window);
}

}  // namespace zelvaris
