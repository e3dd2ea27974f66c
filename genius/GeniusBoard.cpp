#include "genius/GeniusBoard.h"

#include "board/BoardScreen.h"
#include "board/NumberText.h"
#include "platform/Files.h"

namespace pintu {

GeniusBoard::GeniusBoard(const BoardPlatform& platform, std::string picturePath)
    : Board(board10x10, platform, std::move(picturePath))
{
}

LoadOutcome GeniusBoard::load()
{
    return showPreview();
}

StartOutcome GeniusBoard::start()
{
    const StartOutcome outcome = begin(nullptr);
    if (outcome == StartOutcome::Started)
        keep();
    return outcome;
}

Departure GeniusBoard::exit()
{
    forgetGame();
    return {.hallOfFameButton = platform.files.exists(platform.dataFiles.hallOfFame)};
}

std::optional<HallOfFameEntry> GeniusBoard::recordWinner(const std::string& name)
{
    if (current != Phase::Won)
        return std::nullopt;
    // The clock stopped at the winning move: typing the name is no playing time.
    const long long tenths = elapsedTenths(playedTime());
    std::string record = hallOfFameRecord(name, steps, tenths, platform.clock.date());
    const bool saved = platform.files.appendText(platform.dataFiles.hallOfFame, record);
    return HallOfFameEntry{std::move(record), saved};
}

} // namespace pintu
