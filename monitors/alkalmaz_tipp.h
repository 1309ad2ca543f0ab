#pragma once
// The line that tells the user how to build the world ("Alkalmaz"), shown
// by the windows that have nothing else to show while the world has no grid.

class QLabel;
class QWidget;

namespace zelvaris {

// A wrapped, centred label named Lbl_AlkalmazTipp; its text comes with the
// window's language (key cxLbl_AlkalmazTipp).
QLabel* AlkalmazTipp(QWidget* szulo);

}  // namespace zelvaris
