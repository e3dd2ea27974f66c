#include "fuzz/Seeds.h"

#include "app/look/BoardLayouts.h"
#include "fuzz/HallOfFameCheck.h"
#include "fuzz/InputSeededRandom.h"
#include "fuzz/KeptGameCheck.h"
#include "fuzz/LogDamage.h"
#include "fuzz/MoveLogReplayCheck.h"
#include "fuzz/PictureReadsCheck.h"
#include "fuzz/ScratchFolder.h"
#include "genius/GeniusBoard.h"
#include "genius/HallOfFame.h"
#include "platform/qt/QtFiles.h"
#include "resume/KeptGame.h"
#include "tests/fakes/BoardHarness.h"
#include "tests/support/HostilePictures.h"
#include "tests/support/TestPictures.h"

#include <QFile>

#include <algorithm>

namespace pintu::fuzz {

const std::array<FuzzTarget, 4> fuzzTargets{{
    {"move_log_replay", checkMoveLogReplay, moveLogReplaySeeds},
    {"hall_of_fame", checkHallOfFame, hallOfFameSeeds},
    {"picture_reads", checkPictureReads, pictureReadsSeeds},
    {"kept_game", checkKeptGame, keptGameSeeds},
}};

namespace {

constexpr std::uint8_t seedShuffle = 7;

// Spells an input in the language its check reads, byte by byte.
class InputWriter {
public:
    InputWriter& byte(int value)
    {
        bytes += static_cast<char>(value);
        return *this;
    }
    InputWriter& littleEndian16(std::size_t value) { return byte(value & 0xFF).byte(value >> 8 & 0xFF); }
    InputWriter& text(const std::string& text)
    {
        bytes += text;
        return *this;
    }
    InputWriter& command(ReplayCommand command, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            byte(static_cast<int>(command));
        return *this;
    }

    std::string bytes;
};

// The log a start writes on this size with the seeds' shuffle, and the
// cells a player clicks to play it back to the whole picture.
struct PlayedStart {
    std::string log;
    std::vector<int> solvingClicks;
};

PlayedStart playedStart(const BoardSize& size)
{
    test::SmallBoardHarness game(size, std::make_unique<InputSeededRandom>(seedShuffle));
    game.board.start();
    return {game.moveLog(), game.solvingClicks(size.shuffleSteps)};
}

std::string name(const BoardSize& size, const char* what)
{
    return std::to_string(size.side) + "x" + std::to_string(size.side) + "-" + what;
}

} // namespace

std::vector<Seed> moveLogReplaySeeds()
{
    using enum ReplayCommand;
    std::vector<Seed> seeds;
    for (std::size_t s = 0; s < smallSizes.size(); ++s) {
        const BoardSize& size = *smallSizes[s];
        const PlayedStart played = playedStart(size);
        const std::size_t blockBytes = static_cast<std::size_t>(size.cells) * size.recordLength;

        InputWriter replay;
        replay.byte(sizeChoice(s, LogChange::Patch)).byte(seedShuffle).byte(0);
        replay.command(ShowNumberMap).command(AutoSolve).command(StepForward, size.shuffleSteps);
        replay.command(StepBack, 3).command(Restart).command(AutoSolve).command(StepForward, 2).command(Restart);
        seeds.push_back({name(size, "replayed"), replay.bytes});

        InputWriter won;
        won.byte(sizeChoice(s, LogChange::Patch)).byte(seedShuffle).byte(0).command(ShowNumberMap);
        for (const int cell : played.solvingClicks)
            won.command(Click).byte(cell);
        won.command(CloseCompletedPicture).command(Start).command(Press).byte(0).command(Press).byte(2);
        seeds.push_back({name(size, "won-and-started-again"), won.bytes});

        InputWriter rewritten;
        rewritten.byte(sizeChoice(s, LogChange::Replace)).byte(seedShuffle).littleEndian16(played.log.size());
        rewritten.text(played.log).command(AutoSolve).command(StepForward, 5).command(StepBack).command(Restart);
        seeds.push_back({name(size, "log-as-written"), rewritten.bytes});

        InputWriter damagedMidway;
        damagedMidway.byte(sizeChoice(s, LogChange::Patch)).byte(seedShuffle).byte(0);
        damagedMidway.command(AutoSolve).command(StepForward, 3);
        damagedMidway.command(DamageLog).littleEndian16(blockBytes * (size.shuffleSteps - 5) + 2);
        damagedMidway.byte(damageChoice(Damage::Overwrite)).text("x");
        damagedMidway.command(StepForward, 3).command(Click).byte(size.cells - 2);
        seeds.push_back({name(size, "damaged-while-stepping"), damagedMidway.bytes});

        InputWriter anotherStart;
        anotherStart.byte(sizeChoice(s, LogChange::Patch)).byte(seedShuffle).byte(1);
        anotherStart.littleEndian16(blockBytes * size.shuffleSteps).byte(damageChoice(Damage::CopyBlock));
        anotherStart.littleEndian16(size.shuffleSteps - 2);
        anotherStart.command(AutoSolve).command(Click).byte(0);
        seeds.push_back({name(size, "log-ending-in-another-start"), anotherStart.bytes});

        const int swappedBlock = size.shuffleSteps - 10;
        InputWriter swapped;
        swapped.byte(sizeChoice(s, LogChange::Patch)).byte(seedShuffle).byte(1);
        swapped.littleEndian16(blockBytes * swappedBlock).byte(damageChoice(Damage::SwapRecords));
        swapped.littleEndian16(swappedBlock * size.cells + 1);
        swapped.command(AutoSolve).command(StepForward, 12).command(StepBack, 4).command(Restart);
        seeds.push_back({name(size, "two-records-swapped"), swapped.bytes});
    }
    return seeds;
}

std::vector<Seed> hallOfFameSeeds()
{
    const std::string records[] = {
        hallOfFameRecord("玩家", 1234, 4567, "05-09-2001"),
        hallOfFameRecord("say \"hi\"", 57, 600, "12-31-2026"),
        hallOfFameRecord("😀€ Ünïcode", 3, 1, "01-02-2027"),
    };
    // Through the game's own writer, so the seeds hold its GB18030 bytes.
    QtFiles files;
    const std::string path = writeScratchFile("seed-grb.kel", {}).toStdString();
    for (const std::string& record : records)
        files.appendText(path, record);
    QFile file(QString::fromStdString(path));
    file.open(QIODevice::ReadOnly);
    const std::string written = file.readAll().toStdString();
    const std::string firstRecord = written.substr(0, written.find("\r\n") + 2);

    std::string lineFeedsOnly = written;
    std::erase(lineFeedsOnly, '\r');
    // Past what the viewer shows: a name far longer than a line shown, two
    // bytes a character, and more lines than it lists.
    std::string longName;
    for (std::size_t i = 0; i <= hallOfFameLineLength; ++i)
        longName += "\xcd\xe6";
    std::string manyLines;
    for (std::size_t i = 0; i < hallOfFameShownLines + 2; ++i)
        manyLines += "\r\n";
    return {
        {"three-records", written},
        {"one-record", firstRecord},
        {"last-line-unended", written.substr(0, written.size() - 2)},
        {"line-feeds-only", lineFeedsOnly},
        {"empty-lines", "\r\n\r\n" + firstRecord + "\r\n"},
        {"empty", ""},
        {"line-longer-than-shown", firstRecord + "\"" + longName + "\"\r\n" + firstRecord},
        {"more-lines-than-shown", manyLines + firstRecord.substr(0, firstRecord.size() - 2)},
    };
}

std::vector<Seed> pictureReadsSeeds()
{
    struct Picture {
        const char* name;
        std::uint8_t extension;
        QByteArray bytes;
    };
    const QImage picture = test::positionPicture(16, 12);
    const QImage mono = picture.convertToFormat(QImage::Format_Mono);
    const QImage indexed = picture.convertToFormat(QImage::Format_Indexed8);
    const QByteArray jpeg = test::pictureFile(picture, "jpeg");
    const Picture pictures[] = {
        {"bitmap", extensionChoice("bmp"), test::pictureFile(picture, "bmp")},
        {"bitmap-1-bit", extensionChoice("bmp"), test::pictureFile(mono, "bmp")},
        {"jpeg", extensionChoice("jpg"), jpeg},
        {"jpeg-exif-turned", extensionChoice("jpg"), test::withExifOrientation(jpeg, 6)},
        {"png", extensionChoice("png"), test::pictureFile(picture, "png")},
        {"png-palette", extensionChoice("png"), test::pictureFile(indexed, "png")},
        {"gif", extensionChoice("gif"), test::pictureFile(indexed, "gif")},
        {"webp", extensionChoice("webp"), test::pictureFile(picture, "webp")},
        {"tiff", extensionChoice("tif"), test::pictureFile(picture, "tiff")},
        // HEIF is told by its bytes, whatever the file's name.
        {"heic", extensionChoice("bmp"), test::heifFile(picture, "heic")},
        {"heic-grid", extensionChoice("bmp"), test::heicGrid(test::positionPicture(100, 70), QSize(64, 64))},
        {"avif-turned", extensionChoice("bmp"), test::heifFile(picture, "avif", {.orientation = 6})},
    };
    std::vector<Seed> seeds;
    const std::size_t layouts = boardLayouts().size();
    const auto addSeed = [&](const char* name, std::uint8_t extension, const QByteArray& bytes) {
        InputWriter input;
        input.byte(extension).byte(static_cast<int>(seeds.size() % layouts)).text(bytes.toStdString());
        seeds.push_back({name, input.bytes});
    };
    for (const Picture& picture : pictures)
        addSeed(picture.name, picture.extension, picture.bytes);
    // Headers claiming more than their bytes hold, each named for its claim.
    // A format the check names no file for is told by its bytes.
    for (const test::HostilePicture& hostile : test::hostilePictures()) {
        const auto named =
            std::find(pictureExtensions.begin(), pictureExtensions.end(), std::string_view(hostile.extension));
        const auto extension = named == pictureExtensions.end() ? 0 : named - pictureExtensions.begin();
        addSeed(hostile.name.c_str(), static_cast<std::uint8_t>(extension), hostile.bytes());
    }
    return seeds;
}

std::vector<Seed> keptGameSeeds()
{
    std::vector<Seed> seeds;
    const auto add = [&seeds](const std::string& name, const test::FakePlatform& game, const BoardSize& size) {
        const KeptGame kept{1, &size, test::testPicture, *game.keeper.kept};
        seeds.push_back({name, static_cast<char>(KeptInput::AsItIs) + keptGameText(kept)});
    };
    for (const BoardSize* size : smallSizes) {
        test::SmallBoardHarness game(*size, std::make_unique<InputSeededRandom>(seedShuffle));
        game.board.start();
        add(name(*size, "started"), game, *size);
        game.board.autoSolve();
        game.board.stepForward();
        add(name(*size, "stepping"), game, *size);
        game.board.restart();
        game.solveByLog(size->shuffleSteps);
        add(name(*size, "won"), game, *size);
    }
    test::BoardHarness<GeniusBoard> genius(board10x10.cells, std::make_unique<InputSeededRandom>(seedShuffle));
    genius.board.start();
    genius.board.click(genius.board.arrangement().moveFor(Direction::Down)->from);
    add(name(board10x10, "moved"), genius, board10x10);

    // The lines alone, for the target to sign: the checksum is no wall.
    Seed toSign = seeds.back();
    toSign.name = name(board10x10, "moved-to-sign");
    toSign.bytes[0] = static_cast<char>(KeptInput::WithChecksum);
    toSign.bytes.erase(toSign.bytes.rfind("crc32 "));
    seeds.push_back(toSign);
    return seeds;
}

} // namespace pintu::fuzz
