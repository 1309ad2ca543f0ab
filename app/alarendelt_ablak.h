#pragma once
// Windows owned by the main window: the fixed tool windows and the windows
// opened on demand. An owned window stays above its owner and is minimised
// with it, because the window manager is told who owns it.

class QWidget;

namespace zelvaris {

// Makes `ablak` a tool window owned by `tulajdonos`, keeping its hints. Call
// it before the window is first shown.
void Alarendeles(QWidget& ablak, QWidget& tulajdonos);

}  // namespace zelvaris
