#pragma once

#include "board/Board.h"

namespace pintu {

// Keeps the one game under way outside the program, so that a crash, a kill
// or the end of a session does not lose it.
class GameKeeper {
public:
    virtual ~GameKeeper() = default;

    // `game` replaces whatever was kept before.
    virtual void keep(const Board::Snapshot& game) = 0;
    virtual void forget() = 0;
};

} // namespace pintu
