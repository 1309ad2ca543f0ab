#pragma once
// Windows owned by the main window: the fixed tool windows and the windows
// opened on demand. An owned window stays above its owner and is minimised
// with it, because the window manager is told who owns it.

class QWidget;

namespace zelvaris {

// Makes `ablak` a tool window owned by `tulajdonos`, keeping its hints. Call
// it before the window is first shown.
void Alarendeles(QWidget& ablak, QWidget& tulajdonos);

// Shows the window in front of the others, restored if it was minimised on
// its own: a tool window has no task-bar entry to bring it back.
void Elohozas(QWidget& ablak);

}  // namespace zelvaris
