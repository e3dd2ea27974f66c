#pragma once

#include "board/GameKeeper.h"

#include <optional>

namespace pintu::test {

// Remembers the game it was last given to keep, until it is told to forget it.
class RecordingKeeper final : public GameKeeper {
public:
    void keep(const Board::Snapshot& game) override
    {
        kept = game;
        ++keeps;
    }
    void forget() override { kept.reset(); }

    std::optional<Board::Snapshot> kept;
    int keeps = 0;
};

} // namespace pintu::test
