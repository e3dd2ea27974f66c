#pragma once

#include "board/Board.h"
#include "genius/HallOfFame.h"

#include <optional>
#include <string>

namespace pintu {

// The 10x10 board: no log and no replay; a win asks for the winner's name and
// adds a line to the hall of fame.
class GeniusBoard final : public Board {
public:
    GeniusBoard(const BoardPlatform& platform, std::string picturePath);

    LoadOutcome load() override;
    StartOutcome start() override;
    Departure exit() override;
    // Once the game is won: the winner's line, appended to the hall of fame.
    std::optional<HallOfFameEntry> recordWinner(const std::string& name);
};

} // namespace pintu
