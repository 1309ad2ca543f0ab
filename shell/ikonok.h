#pragma once
// The shared image list of the toolbars, menus and controller buttons: 24 x 24
// icons by their index, drawn as SVG files compiled into the program.

#include <QIcon>

namespace zelvaris {

// The icon of an image index; an empty icon for an index without one.
QIcon AkcioKep(int index);

}  // namespace zelvaris
