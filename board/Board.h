#pragma once

#include "board/Arrangement.h"
#include "board/BoardSize.h"
#include "board/DataFiles.h"
#include "board/Outcomes.h"
#include "board/Shuffle.h"
#include "platform/ClockAndChance.h"

#include <chrono>
#include <optional>
#include <string>

namespace pintu {

class BoardScreen;
class CellSource;
class Files;
class GameKeeper;

// Everything a board's logic reaches outside itself.
struct BoardPlatform {
    BoardScreen& screen;
    CellSource& cells;
    Files& files;
    Clock& clock;
    Random& random;
    DataFiles dataFiles;
    GameKeeper* keeper = nullptr; // where the game under way is kept; none: nowhere
};

// The state and the rules every board shares: the arrangement, the step
// count, the clock and the way a click or a key becomes a move. The window
// around it reads the outcomes and decides what to show.
class Board {
public:
    enum class Phase {
        Preview,   // the whole picture, waiting for "开始"
        Playing,   // tiles take clicks and keys
        Replaying, // the shuffle is stepped through; the tiles are still
        Won,       // the picture is whole; the window celebrates
        Completed, // the whole picture again, waiting for the next "开始"
    };

    // Where a game under way stands: all it takes to play on from there
    // once the program has ended.
    struct Snapshot {
        Phase phase;             // Playing, Replaying or Won
        Arrangement arrangement; // while replaying, the start the log ends in
        int steps;
        std::chrono::nanoseconds played;
        bool replayOffered; // "自动拼图" is there: no tile touched since the start
        int replayBlock;    // while replaying, the block on screen
        // What the game started from, to measure the player's moves against;
        // none for a game kept before starts were kept.
        std::optional<Arrangement> start = std::nullopt;

        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };

    Board(const BoardSize& size, const BoardPlatform& platform, std::string picturePath);
    virtual ~Board() = default;

    // Every view empty and disabled, the whole picture behind them.
    virtual LoadOutcome load() = 0;
    // Cuts the picture, shuffles, draws the start and runs the clock from 0.
    virtual StartOutcome start() = 0;
    // Lets go of the board's files; the window then shows the menu.
    virtual Departure exit() = 0;

    MoveOutcome click(int cell);
    MoveOutcome press(Direction direction);
    void tick();
    // A game in play stops: the clock stands, the tiles are covered and take
    // no moves, until the player goes on. False when there is no game in play
    // or it is paused already.
    bool pause();
    bool goOn();
    bool isPaused() const { return paused; }
    // The window begins to celebrate a win, once the last tile has glided
    // home; the glide itself is no playing time.
    void celebrationBegins();
    // Once the window has celebrated a win: empty views, the whole picture
    // behind them, and "开始" for the next game.
    void closeCompletedPicture();

    // The game as it stands now, or nothing when none is under way.
    std::optional<Snapshot> snapshot() const;
    // Hands the game as it stands to the keeper; the board does so itself
    // after every change a player would want back.
    void keep();
    // After load(): cuts the picture and plays on from `kept`, the clock going
    // on from the time played. A replay whose move log is gone or no longer
    // the one the game started with is offered no more. False, with nothing
    // changed, when the picture cannot be read.
    bool resume(const Snapshot& kept);

    // Only boards with a move log replay their shuffle and map their tiles;
    // elsewhere these change nothing.
    virtual ReplayOutcome autoSolve() { return ReplayOutcome::NoEffect; }
    virtual ReplayOutcome restart() { return ReplayOutcome::NoEffect; }
    virtual ReplayOutcome stepBack() { return ReplayOutcome::NoEffect; }
    virtual ReplayOutcome stepForward() { return ReplayOutcome::NoEffect; }
    virtual void showNumberMap() {}

    const BoardSize& boardSize() const { return size; }
    const std::string& picturePath() const { return picPath; }
    const Arrangement& arrangement() const { return board; }
    Phase phase() const { return current; }
    int stepCount() const { return steps; }
    // The clock of the game under way or last won, which stops at its bound:
    // paused time and a celebration are no part of it.
    std::chrono::nanoseconds playedTime() const;
    const std::optional<Arrangement>& startArrangement() const { return gameStart; }

protected:
    // The whole picture behind empty, disabled views, the status hidden. The
    // random seed comes from the time of day, once per board window.
    LoadOutcome showPreview();
    // Steps from 0 and the timer on; then cuts the picture, shuffles (every
    // block to `record`), draws the arrangement it reached and runs the clock
    // from 0. Nothing else on screen changes unless the cut and shuffle succeed.
    StartOutcome begin(const BlockRecorder& record);
    // An end of the game: nothing is kept any more.
    void forgetGame();
    void setStatusVisible(bool visible);
    void restartClock();
    void drawArrangement(const Arrangement& arrangement);
    // The last piece completes the picture.
    void showLastPiece();
    void setViewsEnabled(bool enabled);

    // A click on any tile view in play, moving or not.
    virtual void tilesTouched() {}
    // After each legal move, before it is counted.
    virtual void moved() {}
    // Once the completed picture has closed.
    virtual void completedPictureClosed() {}
    // What the replay buttons may still do, to keep and to resume.
    virtual void describeReplay(Snapshot&) const {}
    virtual void resumeReplay(const Snapshot&) {}

    const BoardSize& size;
    BoardPlatform platform;
    std::string picPath;
    Arrangement board;
    Phase current = Phase::Preview;
    int steps = 0;
    Clock::TimePoint startTime;
    Clock::TimePoint wonAt;

private:
    MoveOutcome play(std::optional<Move> move);
    // Where the clock stands: still at a won move or a pause, else now.
    Clock::TimePoint clockReading() const;
    void countStep();
    void showGame();

    std::optional<Arrangement> gameStart;
    bool paused = false;
    Clock::TimePoint pausedAt;
    // Whether a game of this board is kept; only that game is ever forgotten,
    // never one an earlier run left waiting.
    bool gameKept = false;
};

} // namespace pintu
