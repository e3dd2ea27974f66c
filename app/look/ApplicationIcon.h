#pragma once

#include <QIcon>

namespace pintu {

// The board with its sliding tile, in every size the icon theme has, for
// window frames, task bars and task switchers.
QIcon applicationIcon();

} // namespace pintu
