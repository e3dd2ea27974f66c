#pragma once

#include "board/Board.h"

#include <memory>
#include <string>

namespace pintu {

class GeniusBoard;

// A board of the right kind for its size; `genius` is the same board when it
// keeps a hall of fame, so its winner can be recorded without a cast.
struct MadeBoard {
    std::unique_ptr<Board> board;
    GeniusBoard* genius = nullptr;
};

// The board of the right kind for `size`, on the picture at `picturePath`.
MadeBoard makeBoard(const BoardSize& size, const BoardPlatform& platform, std::string picturePath);

} // namespace pintu
