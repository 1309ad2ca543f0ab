#pragma once
// Placing windows by rule so that they stay on the screen's available area.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zelvaris {

// The top-left corner of a window of `meret` (frame size) placed to the
// right of the frame `masik`, top edges aligned. A window that would leave
// `terulet` on the right wraps to its left edge, one title bar lower; one
// that would leave it at the bottom goes to its top edge.
QPoint JobbraMellette(const QRect& masik, const QSize& meret, const QRect& terulet, int cimsor);

}  // namespace zelvaris
