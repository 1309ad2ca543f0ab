#pragma once
// The model's colours (red in the lowest byte) as Qt colours and back.

#include <QColor>

#include "core/szin.h"

namespace zelvaris {

inline QColor QSzin(TSzin szin) { return QColor(szin & 0xFF, (szin >> 8) & 0xFF, (szin >> 16) & 0xFF); }
inline TSzin ModellSzin(const QColor& szin) { return Rgb(szin.red(), szin.green(), szin.blue()); }

}  // namespace zelvaris
