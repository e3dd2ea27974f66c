#include "fuzz/KeptGameCheck.h"

#include "board/Bounds.h"
#include "fuzz/InputBytes.h"
#include "fuzz/ScratchFolder.h"
#include "genius/MakeBoard.h"
#include "platform/qt/QtFiles.h"
#include "resume/KeptGame.h"
#include "tests/fakes/BoardHarness.h"

namespace pintu::fuzz {

namespace {

using Phase = Board::Phase;

} // namespace

Finding checkKeptGame(std::span<const std::uint8_t> input)
{
    InputBytes bytes(input);
    const auto mode = static_cast<KeptInput>(bytes.takeByte() % 2);
    std::string file = bytes.takeRest();
    if (mode == KeptInput::WithChecksum)
        file = withChecksum(std::move(file));
    const QString path =
        writeScratchFile("kept-game.txt", {reinterpret_cast<const std::uint8_t*>(file.data()), file.size()});
    const auto text = QtFiles().readText(path.toStdString(), largestKeptGameText);
    if (!text)
        return "a kept game on disk could not be read";
    const auto kept = readKeptGame(*text);
    if (!kept)
        return std::nullopt;
    if (keptGameText(*kept) != *text)
        return "read as a game the game would write otherwise: " + keptGameText(*kept);

    test::FakePlatform platform(kept->size->cells, nullptr);
    const auto board = makeBoard(*kept->size, platform.platform(), kept->picturePath).board;
    board->load();
    if (!board->resume(kept->game))
        return "a readable picture was not played on";
    Board::Snapshot expected = kept->game;
    if (expected.phase == Phase::Replaying)
        expected.phase = Phase::Playing;
    expected.replayOffered = false;
    expected.replayBlock = 0;
    if (board->snapshot() != expected)
        return "the board does not stand where the kept game says";
    const int emptyViews = platform.screen.emptyViews();
    if (emptyViews != (expected.phase == Phase::Won ? 0 : 1))
        return std::to_string(emptyViews) + " empty views";

    for (const Direction direction : {Direction::Left, Direction::Right, Direction::Up, Direction::Down}) {
        if (board->press(direction) != MoveOutcome::NoEffect)
            break;
    }
    platform.clock.advance(longestPlay);
    const KeptGame playedOn{kept->layoutSet, kept->size, kept->picturePath, *board->snapshot()};
    if (readKeptGame(keptGameText(playedOn)) != playedOn)
        return "a game played on is kept as a file the game cannot read: " + keptGameText(playedOn);
    return std::nullopt;
}

} // namespace pintu::fuzz
