#pragma once

#include "Board.h"

#include <string>

namespace pintu {

// The 10x10 board: no log and no replay; a win asks for the winner's name and
// adds a line to the hall of fame.
class GeniusBoard final : public Board {
public:
    explicit GeniusBoard(const BoardPlatform& platform);

    void Form_Load() override;
    void Command1_Click() override;
    void Command2_Click() override;
    void image1_Click(int Index) override;

    const std::string& lastRecord() const { return recText; }

private:
    void win();
    void recordWin();

    std::string recText;
};

} // namespace pintu
