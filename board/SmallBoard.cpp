#include "SmallBoard.h"

#include "Files.h"
#include "Messages.h"
#include "Screen.h"

#include <algorithm>
#include <utility>

namespace pintu {

SmallBoard::SmallBoard(const BoardSize& size, const BoardPlatform& platform)
    : Board(size, platform), log(size), replayBoard(size.T, 0)
{
}

void SmallBoard::Form_Load()
{
    BoardScreen& screen = platform.screen;
    steps = 0;
    autoCount = 0;
    platform.random.seed(static_cast<std::uint64_t>(platform.clock.timeOfDay().count()));
    setStatusVisible(false);
    screen.setVisible(Control::Command4, false);
    screen.setVisible(Control::Command3, false);
    for (int c = 0; c < size.T; ++c)
        screen.setMapVisible(c, false);
    if (!showPreview()) {
        screen.showMessage(messages::pictureUnreadable);
        Command2_Click();
    }
}

void SmallBoard::Command1_Click()
{
    BoardScreen& screen = platform.screen;
    if (!log.open(platform.files, platform.dataFiles.moveLog)) {
        screen.showMessage(messages::moveLogUnwritable);
        return;
    }
    screen.setTimerEnabled(true);
    steps = 0;
    screen.setCaption(Control::Label2, std::to_string(steps));
    const auto writeBlock = [this](int block, const Arrangement& arrangement) {
        return log.writeBlock(block, arrangement) && (block < size.J || log.flush());
    };
    switch (init(writeBlock)) {
    case StartOutcome::PictureUnreadable:
        log.close();
        screen.showMessage(messages::pictureUnreadable);
        Command2_Click();
        return;
    case StartOutcome::RecordFailed:
        log.close();
        screen.showMessage(messages::moveLogUnwritable);
        return;
    case StartOutcome::Started:
        break;
    }
    screen.setEnabled(Control::Command1, false);
    setStatusVisible(true);
    restartClock();
    screen.setVisible(Control::Command3, true);
    screen.setVisible(Control::Command4, false);
}

void SmallBoard::Command2_Click()
{
    log.close();
    Files& files = platform.files;
    if (files.exists(platform.dataFiles.moveLog))
        files.remove(platform.dataFiles.moveLog);
    platform.menu.show();
    platform.screen.unload();
}

void SmallBoard::image1_Click(int Index)
{
    if (Index < 0 || Index >= size.T)
        return;
    std::copy_n(board.begin(), size.T, workBoard.begin());
    platform.screen.setVisible(Control::Command3, false);
    platform.screen.setVisible(Control::Command4, false);
    if (const auto nb = emptyNeighbour(Index)) {
        std::swap(workBoard[Index], workBoard[*nb]);
        slideTile(Index, *nb);
        win();
    }
}

void SmallBoard::win()
{
    BoardScreen& screen = platform.screen;
    std::copy_n(workBoard.begin(), size.T, board.begin());
    for (int c = 0; c < size.T; ++c)
        screen.setMapCaption(c, std::to_string(board[c]));
    countStep();
    if (countInOrder() == size.T - 1) {
        showCompletedPicture();
        screen.showMessage(messages::solved);
        returnToWholePicture();
        for (int c = 0; c < size.T; ++c)
            screen.setMapVisible(c, false);
    }
    // The first legal move ends the log's use: nothing reads it after a tile has moved.
    log.close();
}

void SmallBoard::Command3_Click()
{
    BoardScreen& screen = platform.screen;
    replayLength = 0;
    screen.setVisible(Control::Command3, false);
    screen.setVisible(Control::Command4, true);
    setViewsEnabled(false);
    screen.setVisible(Control::Command5, true);
    screen.setVisible(Control::Command6, true);
    restartClock();
    for (int c = 0; c < size.T; ++c)
        screen.setMapVisible(c, false);
    for (int b = size.J; b >= 0; --b) {
        const auto block = readTrustedBlock(b);
        if (!block) {
            abandonReplay();
            return;
        }
        matchCount = 0;
        for (int c = 0; c < size.T; ++c) {
            if ((*block)[c] == c)
                ++matchCount;
        }
        if (matchCount == size.T) {
            replayLength = size.J - b;
            break;
        }
    }
    // Stepping starts from the block on screen, so every press is one shuffle step.
    replayBlock = size.J;
    screen.setEnabled(Control::Command5, false);
    screen.setEnabled(Control::Command6, true);
    ++autoCount;
}

void SmallBoard::Command4_Click()
{
    BoardScreen& screen = platform.screen;
    autoCount = 0;
    screen.setVisible(Control::Command4, false);
    screen.setVisible(Control::Command3, true);
    screen.setVisible(Control::Command5, false);
    screen.setVisible(Control::Command6, false);
    restartClock();
    if (!showBlock(size.J)) {
        abandonReplay();
        return;
    }
    setViewsEnabled(true);
}

void SmallBoard::Command5_Click()
{
    if (++replayBlock >= size.J) {
        platform.screen.setEnabled(Control::Command5, false);
        replayBlock = size.J;
    }
    platform.screen.setEnabled(Control::Command6, true);
    if (!showBlock(replayBlock))
        abandonReplay();
}

void SmallBoard::Command6_Click()
{
    BoardScreen& screen = platform.screen;
    matchCount = 0;
    if (--replayBlock <= 0) {
        screen.setEnabled(Control::Command6, false);
        replayBlock = 0;
    }
    screen.setEnabled(Control::Command5, true);
    if (!showBlock(replayBlock)) {
        abandonReplay();
        return;
    }
    if (countInOrder() >= size.T - 1) {
        screen.setEnabled(Control::Command6, false);
        setView(size.T - 1, platform.cells.cell(size.T - 1));
        screen.showMessage(messages::solved);
    }
}

void SmallBoard::Label3_Click()
{
    if (autoCount != 0)
        return;
    for (int c = 0; c < size.T; ++c)
        platform.screen.setMapVisible(c, true);
    for (int c = 0; c < size.T; ++c)
        platform.screen.setMapCaption(c, std::to_string(board[c]));
}

bool SmallBoard::showBlock(int block)
{
    const auto arrangement = readTrustedBlock(block);
    if (!arrangement)
        return false;
    std::copy_n(arrangement->begin(), size.T, replayBoard.begin());
    drawArrangement(replayBoard);
    return true;
}

std::optional<Arrangement> SmallBoard::readTrustedBlock(int block)
{
    auto arrangement = log.readBlock(block);
    // Block J is the start on screen; a log that says otherwise was rewritten behind our back.
    if (arrangement && block == size.J && !std::equal(arrangement->begin(), arrangement->begin() + size.T, board.begin()))
        return std::nullopt;
    return arrangement;
}

void SmallBoard::abandonReplay()
{
    // A log changed behind our back cannot be trusted for any replay; the
    // arrangement the game started with is still in `board`, so play goes on.
    BoardScreen& screen = platform.screen;
    log.close();
    for (const Control control : {Control::Command3, Control::Command4, Control::Command5, Control::Command6})
        screen.setVisible(control, false);
    autoCount = 0;
    drawArrangement(board);
    setViewsEnabled(true);
    screen.showMessage(messages::moveLogDamaged);
}

} // namespace pintu
