#pragma once

#include "Board.h"

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
    std::optional<HallOfFameEntry> recordWinner(const std::string& name) override;

    const std::string& lastRecord() const { return recText; }

private:
    std::string recText;
};

} // namespace pintu
