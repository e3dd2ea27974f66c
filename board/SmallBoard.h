#pragma once

#include "board/Board.h"
#include "board/MoveLog.h"

namespace pintu {

// The 3x3, 4x4 and 5x5 boards: the shuffle is logged, and until the first tile
// click the log lets the player restart or step the shuffle backwards.
class SmallBoard final : public Board {
public:
    SmallBoard(const BoardSize& size, const BoardPlatform& platform, std::string picturePath);

    LoadOutcome load() override;
    StartOutcome start() override;
    Departure exit() override;

    ReplayOutcome autoSolve() override;
    ReplayOutcome restart() override;
    ReplayOutcome stepBack() override;
    ReplayOutcome stepForward() override;
    void showNumberMap() override;

    // The block on screen while stepping, and how far the search found the
    // last solved block from the start.
    int replayPosition() const { return replayBlock; }
    int replayStepsToSolved() const { return replayLength; }

private:
    void tilesTouched() override;
    void moved() override;
    void completedPictureClosed() override;
    void describeReplay(Snapshot& game) const override;
    void resumeReplay(const Snapshot& kept) override;

    // Reads the log from the last block back to the last solved one and sets
    // replayLength; false when a block read cannot be trusted.
    bool findSolvedBlock();
    // No replay any more: every replay button hidden, the tiles in play.
    void dropReplay();
    void setReplayButtonsVisible(bool visible);
    // The block drawn, or nothing when the log cannot be trusted.
    std::optional<Arrangement> showBlock(int block);
    std::optional<Arrangement> readTrustedBlock(int block);
    ReplayOutcome abandonReplay();
    void setMapVisible(bool visible);
    void showMapCaptions();

    MoveLog log;
    int replayBlock = 0;
    int replayLength = 0;
    int autoCount = 0;
    bool replayOffered = false;
};

} // namespace pintu
