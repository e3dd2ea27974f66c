#include "board/Board.h"

#include "board/BoardScreen.h"
#include "board/Bounds.h"
#include "board/GameKeeper.h"
#include "board/NumberText.h"
#include "platform/Pictures.h"

#include <algorithm>
#include <utility>

namespace pintu {

Board::Board(const BoardSize& size, const BoardPlatform& platform, std::string picturePath)
    : size(size),
      platform(platform),
      picPath(std::move(picturePath)),
      board(Arrangement::solved(size.side)),
      startTime(platform.clock.now())
{
}

MoveOutcome Board::click(int cell)
{
    if (current != Phase::Playing || paused || cell < 0 || cell >= size.cells)
        return MoveOutcome::NoEffect;
    tilesTouched();
    return play(board.moveFor(cell));
}

MoveOutcome Board::press(Direction direction)
{
    if (current != Phase::Playing || paused)
        return MoveOutcome::NoEffect;
    tilesTouched();
    return play(board.moveFor(direction));
}

MoveOutcome Board::play(std::optional<Move> move)
{
    if (!move)
        return MoveOutcome::NoEffect;
    board.apply(*move);
    platform.screen.slideTile(move->from, move->to);
    moved();
    countStep();
    if (!board.isSolved()) {
        keep();
        return MoveOutcome::Moved;
    }
    current = Phase::Won;
    wonAt = platform.clock.now();
    platform.screen.setTimerEnabled(false);
    showLastPiece();
    // Kept until the win is celebrated, so that a win cut short is celebrated again.
    keep();
    return MoveOutcome::Solved;
}

void Board::countStep()
{
    steps = std::min(steps + 1, mostSteps);
    platform.screen.setCaption(Control::Steps, std::to_string(steps));
}

void Board::tick()
{
    platform.screen.setCaption(Control::Clock, plainTenths(elapsedTenths(playedTime())));
}

std::chrono::nanoseconds Board::playedTime() const
{
    return std::min<std::chrono::nanoseconds>(clockReading() - startTime, longestPlay);
}

Clock::TimePoint Board::clockReading() const
{
    if (current == Phase::Won || current == Phase::Completed)
        return wonAt;
    return paused ? pausedAt : platform.clock.now();
}

bool Board::pause()
{
    if (current != Phase::Playing || paused)
        return false;
    pausedAt = platform.clock.now();
    paused = true;
    tick();
    platform.screen.setTimerEnabled(false);
    platform.screen.coverTiles(true);
    // The kept game's time stands too, whatever ends the program meanwhile.
    keep();
    return true;
}

bool Board::goOn()
{
    if (!paused)
        return false;
    startTime += platform.clock.now() - pausedAt;
    paused = false;
    platform.screen.coverTiles(false);
    platform.screen.setTimerEnabled(true);
    tick();
    return true;
}

void Board::celebrationBegins()
{
    if (current != Phase::Won)
        return;
    const Clock::TimePoint now = platform.clock.now();
    startTime += now - wonAt;
    wonAt = now;
}

void Board::closeCompletedPicture()
{
    if (current != Phase::Won)
        return;
    BoardScreen& screen = platform.screen;
    for (int c = 0; c < size.cells; ++c) {
        screen.setViewEnabled(c, false);
        screen.showEmpty(c);
    }
    screen.setEnabled(Control::Start, true);
    // A picture that vanished during the game cannot stop the win; the next
    // start reports it.
    screen.setBackground(picPath);
    setStatusVisible(false);
    current = Phase::Completed;
    completedPictureClosed();
    forgetGame();
}

std::optional<Board::Snapshot> Board::snapshot() const
{
    if (current != Phase::Playing && current != Phase::Replaying && current != Phase::Won)
        return std::nullopt;
    // A won game's clock stood still at the winning move.
    Snapshot game{current, board, steps, playedTime(), false, 0, gameStart};
    describeReplay(game);
    return game;
}

void Board::keep()
{
    if (!platform.keeper)
        return;
    if (const auto game = snapshot()) {
        platform.keeper->keep(*game);
        gameKept = true;
    }
}

void Board::forgetGame()
{
    if (platform.keeper && std::exchange(gameKept, false))
        platform.keeper->forget();
}

bool Board::resume(const Snapshot& kept)
{
    if (!platform.cells.setPicture(picPath))
        return false;
    board = kept.arrangement;
    gameStart = kept.start;
    steps = kept.steps;
    gameKept = true; // the game played on is the one kept
    platform.screen.setCaption(Control::Steps, std::to_string(steps));
    showGame();
    // The time the program was not running is no playing time.
    const Clock::TimePoint now = platform.clock.now();
    startTime = now - std::chrono::duration_cast<Clock::TimePoint::duration>(kept.played);
    tick();
    if (kept.phase == Phase::Won) {
        current = Phase::Won;
        wonAt = now;
        platform.screen.setTimerEnabled(false);
        showLastPiece();
    } else {
        platform.screen.setTimerEnabled(true);
        current = kept.phase;
        resumeReplay(kept);
    }
    return true;
}

LoadOutcome Board::showPreview()
{
    platform.random.seed(static_cast<std::uint64_t>(platform.clock.timeOfDay().count()));
    setStatusVisible(false);
    setViewsEnabled(false);
    return platform.screen.setBackground(picPath) ? LoadOutcome::Ready : LoadOutcome::PictureUnreadable;
}

void Board::setStatusVisible(bool visible)
{
    for (const Control label : {Control::StepsCaption, Control::Steps, Control::Credit, Control::ClockCaption,
                                Control::Clock})
        platform.screen.setVisible(label, visible);
}

void Board::restartClock()
{
    goOn(); // a clock that starts afresh stands no more
    startTime = platform.clock.now();
    tick(); // no stale time until the next tick
}

StartOutcome Board::begin(const BlockRecorder& record)
{
    BoardScreen& screen = platform.screen;
    screen.setTimerEnabled(true);
    steps = 0;
    screen.setCaption(Control::Steps, std::to_string(steps));
    if (!platform.cells.setPicture(picPath))
        return StartOutcome::PictureUnreadable;
    auto shuffled = shuffle(size, platform.random, record);
    if (!shuffled)
        return StartOutcome::MoveLogUnwritable;
    board = std::move(*shuffled);
    gameStart = board;
    showGame();
    restartClock();
    return StartOutcome::Started;
}

void Board::showGame()
{
    BoardScreen& screen = platform.screen;
    screen.setBackground("");
    drawArrangement(board);
    setViewsEnabled(true);
    current = Phase::Playing;
    screen.setEnabled(Control::Start, false);
    setStatusVisible(true);
}

void Board::drawArrangement(const Arrangement& arrangement)
{
    BoardScreen& screen = platform.screen;
    for (int c = size.cells - 1; c >= 0; --c) {
        const int tile = arrangement.tileAt(c);
        if (tile == size.blankTile())
            screen.showEmpty(c);
        else
            screen.showTile(c, tile);
    }
}

void Board::showLastPiece()
{
    platform.screen.showTile(size.blankTile(), size.blankTile());
}

void Board::setViewsEnabled(bool enabled)
{
    for (int c = 0; c < size.cells; ++c)
        platform.screen.setViewEnabled(c, enabled);
}

} // namespace pintu
