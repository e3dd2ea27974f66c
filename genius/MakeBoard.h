#pragma once

#include "Board.h"

#include <memory>
#include <string>

namespace pintu {

// The board of the right kind for `size`, on the picture at `picturePath`.
std::unique_ptr<Board> makeBoard(const BoardSize& size, const BoardPlatform& platform, std::string picturePath);

} // namespace pintu
