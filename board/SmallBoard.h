#pragma once

#include "Board.h"
#include "MoveLog.h"

namespace pintu {

// The 3x3, 4x4 and 5x5 boards: the shuffle is logged, and until the first tile
// click the log lets the player restart or step the shuffle backwards.
class SmallBoard final : public Board {
public:
    SmallBoard(const BoardSize& size, const BoardPlatform& platform);

    void Form_Load() override;
    void Command1_Click() override;
    void Command2_Click() override;
    void image1_Click(int Index) override;
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Label3_Click();

    int replayPosition() const { return replayBlock; }
    int replayStepsToSolved() const { return replayLength; }

private:
    void win();
    bool showBlock(int block);
    std::optional<Arrangement> readTrustedBlock(int block);
    void abandonReplay();

    MoveLog log;
    Arrangement replayBoard;
    int replayBlock = 0;
    int replayLength = 0;
    int autoCount = 0;
};

} // namespace pintu
