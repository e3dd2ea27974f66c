#include "GeniusBoard.h"

#include "Files.h"
#include "HallOfFame.h"
#include "Messages.h"
#include "NumberText.h"
#include "Screen.h"

namespace pintu {

GeniusBoard::GeniusBoard(const BoardPlatform& platform) : Board(board10x10, platform) {}

void GeniusBoard::Form_Load()
{
    steps = 0;
    recText.clear();
    platform.random.seed(static_cast<std::uint64_t>(platform.clock.timeOfDay().count()));
    setStatusVisible(false);
    if (!showPreview()) {
        platform.screen.showMessage(messages::pictureUnreadable);
        Command2_Click();
    }
}

void GeniusBoard::Command1_Click()
{
    BoardScreen& screen = platform.screen;
    screen.setTimerEnabled(true);
    steps = 0;
    screen.setCaption(Control::Label2, std::to_string(steps));
    if (init(nullptr) != StartOutcome::Started) {
        screen.showMessage(messages::pictureUnreadable);
        Command2_Click();
        return;
    }
    screen.setEnabled(Control::Command1, false);
    setStatusVisible(true);
    restartClock();
}

void GeniusBoard::Command2_Click()
{
    MenuScreen& menu = platform.menu;
    menu.show();
    menu.setHallOfFameButtonVisible(platform.files.exists(platform.dataFiles.hallOfFame));
    platform.screen.unload();
}

void GeniusBoard::image1_Click(int Index)
{
    if (Index < 0 || Index >= size.T)
        return;
    // Here the views are the game: `board` keeps what the shuffle left.
    if (const auto nb = emptyNeighbour(Index)) {
        slideTile(Index, *nb);
        win();
    }
}

void GeniusBoard::win()
{
    countStep();
    if (countInOrder() != size.T - 1)
        return;
    showCompletedPicture();
    recordWin();
    returnToWholePicture();
}

void GeniusBoard::recordWin()
{
    BoardScreen& screen = platform.screen;
    do
        recText = screen.askText(messages::namePrompt, messages::nameTitle);
    while (recText.empty());
    // Taken after the name is in, so the typing counts as playing time.
    const long long tenths = elapsedTenths(platform.clock.now() - startTime);
    recText = hallOfFameRecord(recText, steps, tenths, platform.clock.date());
    if (!platform.files.appendText(platform.dataFiles.hallOfFame, recText))
        screen.showMessage(messages::hallOfFameUnwritable + recText);
}

} // namespace pintu
