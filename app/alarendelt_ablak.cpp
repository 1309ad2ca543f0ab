#include "app/alarendelt_ablak.h"

#include <QWidget>

namespace zelvaris {

void Alarendeles(QWidget& ablak, QWidget& tulajdonos) {
  // Qt records the owner (the transient parent) when the owned window gets
  // its native window, and only if the owner has one by then.
  (void)tulajdonos.winId();
  // Window managers keep only dialogs and tool windows above their owner
  // (X11 names the owner of no other kind), so an ordinary window becomes a
  // tool window; its hints stay.
  ablak.setParent(&tulajdonos, (ablak.windowFlags() & ~Qt::WindowType_Mask) | Qt::Tool);
}

void Elohozas(QWidget& ablak) {
  if (ablak.isMinimized()) ablak.setWindowState(ablak.windowState() & ~Qt::WindowMinimized);
  ablak.show();
  ablak.raise();
}

}  // namespace zelvaris
