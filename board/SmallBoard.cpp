#include "board/SmallBoard.h"

#include "board/BoardScreen.h"
#include "platform/Files.h"

#include <utility>

namespace pintu {

SmallBoard::SmallBoard(const BoardSize& size, const BoardPlatform& platform, std::string picturePath)
    : Board(size, platform, std::move(picturePath)), log(size)
{
}

LoadOutcome SmallBoard::load()
{
    platform.screen.setVisible(Control::Restart, false);
    platform.screen.setVisible(Control::AutoSolve, false);
    setMapVisible(false);
    return showPreview();
}

StartOutcome SmallBoard::start()
{
    if (!log.open(platform.files, platform.dataFiles.moveLog))
        return StartOutcome::MoveLogUnwritable;
    const auto writeBlock = [this](int block, const Arrangement& arrangement) {
        return log.writeBlock(block, arrangement) && (block < size.shuffleSteps || log.flush());
    };
    const StartOutcome outcome = begin(writeBlock);
    if (outcome != StartOutcome::Started) {
        log.close();
        return outcome;
    }
    platform.screen.setVisible(Control::AutoSolve, true);
    platform.screen.setVisible(Control::Restart, false);
    replayOffered = true;
    keep();
    return outcome;
}

Departure SmallBoard::exit()
{
    forgetGame();
    log.close();
    Files& files = platform.files;
    if (files.exists(platform.dataFiles.moveLog))
        files.remove(platform.dataFiles.moveLog);
    return {};
}

void SmallBoard::tilesTouched()
{
    platform.screen.setVisible(Control::AutoSolve, false);
    platform.screen.setVisible(Control::Restart, false);
    if (std::exchange(replayOffered, false))
        keep();
}

void SmallBoard::moved()
{
    showMapCaptions();
    // The first legal move ends the log's use: nothing reads it after a tile has moved.
    log.close();
}

void SmallBoard::completedPictureClosed()
{
    setMapVisible(false);
}

ReplayOutcome SmallBoard::autoSolve()
{
    BoardScreen& screen = platform.screen;
    replayOffered = false;
    screen.setVisible(Control::AutoSolve, false);
    screen.setVisible(Control::Restart, true);
    setViewsEnabled(false);
    current = Phase::Replaying;
    screen.setVisible(Control::StepBack, true);
    screen.setVisible(Control::StepForward, true);
    restartClock();
    setMapVisible(false);
    if (!findSolvedBlock())
        return abandonReplay();
    // Stepping starts from the block on screen, so every press is one shuffle step.
    replayBlock = size.shuffleSteps;
    screen.setEnabled(Control::StepBack, false);
    screen.setEnabled(Control::StepForward, true);
    ++autoCount;
    keep();
    return ReplayOutcome::Shown;
}

bool SmallBoard::findSolvedBlock()
{
    replayLength = 0;
    for (int b = size.shuffleSteps; b >= 0; --b) {
        const auto block = readTrustedBlock(b);
        if (!block)
            return false;
        if (block->isSolved()) {
            replayLength = size.shuffleSteps - b;
            break;
        }
    }
    return true;
}

ReplayOutcome SmallBoard::restart()
{
    BoardScreen& screen = platform.screen;
    autoCount = 0;
    screen.setVisible(Control::Restart, false);
    screen.setVisible(Control::AutoSolve, true);
    screen.setVisible(Control::StepBack, false);
    screen.setVisible(Control::StepForward, false);
    restartClock();
    if (!showBlock(size.shuffleSteps))
        return abandonReplay();
    setViewsEnabled(true);
    current = Phase::Playing;
    replayOffered = true;
    keep();
    return ReplayOutcome::Shown;
}

ReplayOutcome SmallBoard::stepBack()
{
    if (++replayBlock >= size.shuffleSteps) {
        platform.screen.setEnabled(Control::StepBack, false);
        replayBlock = size.shuffleSteps;
    }
    platform.screen.setEnabled(Control::StepForward, true);
    if (!showBlock(replayBlock))
        return abandonReplay();
    keep();
    return ReplayOutcome::Shown;
}

ReplayOutcome SmallBoard::stepForward()
{
    BoardScreen& screen = platform.screen;
    if (--replayBlock <= 0) {
        screen.setEnabled(Control::StepForward, false);
        replayBlock = 0;
    }
    screen.setEnabled(Control::StepBack, true);
    const auto block = showBlock(replayBlock);
    if (!block)
        return abandonReplay();
    const bool whole = block->isSolved();
    if (whole) {
        // Only the message of a win: the clock runs on and "开始" stays off.
        screen.setEnabled(Control::StepForward, false);
        showLastPiece();
    }
    keep();
    return whole ? ReplayOutcome::Solved : ReplayOutcome::Shown;
}

void SmallBoard::showNumberMap()
{
    // While a won picture waits to be celebrated, the board takes no commands.
    if (autoCount != 0 || current == Phase::Won)
        return;
    setMapVisible(true);
    showMapCaptions();
}

std::optional<Arrangement> SmallBoard::showBlock(int block)
{
    auto arrangement = readTrustedBlock(block);
    if (arrangement)
        drawArrangement(*arrangement);
    return arrangement;
}

std::optional<Arrangement> SmallBoard::readTrustedBlock(int block)
{
    auto arrangement = log.readBlock(block);
    // The last block is the start on screen; a log that says otherwise was rewritten behind our back.
    if (arrangement && block == size.shuffleSteps && *arrangement != board)
        return std::nullopt;
    return arrangement;
}

ReplayOutcome SmallBoard::abandonReplay()
{
    // A log changed behind our back cannot be trusted for any replay; the
    // arrangement the game started with is still in `board`, so play goes on.
    dropReplay();
    drawArrangement(board);
    keep();
    return ReplayOutcome::MoveLogDamaged;
}

void SmallBoard::dropReplay()
{
    log.close();
    setReplayButtonsVisible(false);
    platform.screen.setVisible(Control::AutoSolve, false);
    replayOffered = false;
    autoCount = 0;
    setViewsEnabled(true);
    current = Phase::Playing;
}

void SmallBoard::describeReplay(Snapshot& game) const
{
    game.replayOffered = replayOffered && current == Phase::Playing;
    game.replayBlock = current == Phase::Replaying ? replayBlock : 0;
}

void SmallBoard::resumeReplay(const Snapshot& kept)
{
    const bool stepping = kept.phase == Phase::Replaying;
    if (!kept.replayOffered && !stepping)
        return;
    // Only the log this game started with can replay it: one that went
    // meanwhile, or one that another game wrote since, is no use.
    Files& files = platform.files;
    const std::string& path = platform.dataFiles.moveLog;
    if (!files.exists(path) || !log.open(files, path) || !findSolvedBlock())
        return dropReplay();
    if (!stepping) {
        replayOffered = true;
        platform.screen.setVisible(Control::AutoSolve, true);
        return;
    }
    const auto shown = showBlock(kept.replayBlock);
    if (!shown)
        return dropReplay();
    BoardScreen& screen = platform.screen;
    replayBlock = kept.replayBlock;
    autoCount = 1;
    setViewsEnabled(false);
    setReplayButtonsVisible(true);
    // As stepping left them: "上" stops at the start, "下" at a whole picture.
    const bool whole = replayBlock != size.shuffleSteps && shown->isSolved();
    screen.setEnabled(Control::StepBack, replayBlock < size.shuffleSteps);
    screen.setEnabled(Control::StepForward, replayBlock > 0 && !whole);
    if (whole)
        showLastPiece();
}

void SmallBoard::setReplayButtonsVisible(bool visible)
{
    platform.screen.setVisible(Control::Restart, visible);
    platform.screen.setVisible(Control::StepBack, visible);
    platform.screen.setVisible(Control::StepForward, visible);
}

void SmallBoard::setMapVisible(bool visible)
{
    for (int c = 0; c < size.cells; ++c)
        platform.screen.setMapVisible(c, visible);
}

void SmallBoard::showMapCaptions()
{
    for (int c = 0; c < size.cells; ++c)
        platform.screen.setMapCaption(c, std::to_string(board.tileAt(c)));
}

} // namespace pintu
