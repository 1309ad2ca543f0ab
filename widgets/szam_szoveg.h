#pragma once
// Numbers shown as text by the widgets: fixed-point, "." as the decimal point,
// no grouping, whatever the user's locale. Exact ties round to even.

#include <QString>

namespace zelvaris {

// `tizedesjegyek` digits after the point (none and no point for 0); clamped to 0..15.
QString TizedesSzoveg(double ertek, int tizedesjegyek);

}  // namespace zelvaris
