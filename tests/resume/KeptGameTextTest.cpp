#include "board/Bounds.h"
#include "resume/KeptGame.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace pintu {
namespace {

using Lines = std::vector<std::string>;
using Phase = Board::Phase;

// A 4x4 game stepping through its shuffle, on a picture whose path needs escaping.
KeptGame stepping()
{
    const auto tiles = Arrangement::fromTiles(4, {1, 2, 3, 15, 0, 5, 6, 7, 4, 9, 10, 11, 8, 12, 13, 14});
    return {1, &board4x4, "/图片/50% off\r\n.bmp",
            Board::Snapshot{Phase::Replaying, *tiles, 0, std::chrono::nanoseconds(61'234'567'890), false, 37}};
}

Lines linesOf(std::string text)
{
    Lines lines;
    for (std::size_t end; (end = text.find("\r\n")) != std::string::npos; text.erase(0, end + 2))
        lines.push_back(text.substr(0, end));
    lines.pop_back(); // the checksum
    return lines;
}

std::string joined(const Lines& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

TEST(KeptGameText, IsAsciiLinesThatReadBackAsTheGame)
{
    const std::string text = keptGameText(stepping());
    EXPECT_EQ(linesOf(text), (Lines{"pintu kept game 1", "layout-set 1", "board 4",
                                    "picture /%E5%9B%BE%E7%89%87/50%25 off%0D%0A.bmp", "phase replaying", "steps 0",
                                    "played-nanoseconds 61234567890", "replay block 37",
                                    "tiles 1 2 3 15 0 5 6 7 4 9 10 11 8 12 13 14"}));
    EXPECT_EQ(readKeptGame(text), stepping());
}

TEST(KeptGameText, KeepsTheStartInItsOwnVersionAndStillReadsTheFirst)
{
    KeptGame started = stepping();
    started.game.start = Arrangement::fromTiles(4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14});
    Lines expected = linesOf(keptGameText(stepping()));
    expected.front() = "pintu kept game 2";
    expected.push_back("start 0 1 2 3 4 5 6 7 8 9 10 11 12 13 15 14");
    const std::string text = keptGameText(started);
    EXPECT_EQ(linesOf(text), expected);
    EXPECT_EQ(readKeptGame(text), started);
    // A game kept before starts were kept plays on without one.
    EXPECT_EQ(readKeptGame(keptGameText(stepping()))->game.start, std::nullopt);
}

// Every game a board can keep, at either end of each count, reads back as itself.
TEST(KeptGameText, ReadsBackEveryGameUpToTheBounds)
{
    for (const BoardSize* size : {&board3x3, &board4x4, &board5x5, &board10x10}) {
        Arrangement moved = Arrangement::solved(size->side);
        moved.apply(*moved.moveFor(Direction::Down));
        std::vector<Board::Snapshot> games{{Phase::Playing, moved, 0, {}, false, 0},
                                           {Phase::Won, Arrangement::solved(size->side), 0, {}, false, 0}};
        if (size->kind == BoardKind::Logged) {
            games.push_back({Phase::Playing, moved, 0, {}, true, 0});
            for (const int block : {0, size->shuffleSteps})
                games.push_back({Phase::Replaying, moved, 0, {}, false, block});
        }
        for (Board::Snapshot game : games) {
            for (const int steps : {0, mostSteps}) {
                for (const std::chrono::nanoseconds played : {std::chrono::nanoseconds(0), longestPlay}) {
                    game.steps = steps;
                    game.played = played;
                    const KeptGame kept{1, size, "/p.bmp", game};
                    EXPECT_EQ(readKeptGame(keptGameText(kept)), kept) << keptGameText(kept);
                }
            }
        }
    }
}

// The standard CRC-32, as zip and PNG sum their bytes, so that a kept game
// stays readable whatever code sums it.
TEST(KeptGameText, IsCheckedByTheStandardCrc32)
{
    EXPECT_EQ(withChecksum("123456789"), "123456789crc32 CBF43926\r\n"); // the published check value
}

struct DamageRow {
    const char* name;
    std::function<std::string(Lines)> damage; // the lines of the stepping game, to text
};

// Well formed and checked, so that only the meaning is at fault.
std::function<std::string(Lines)> changed(std::size_t line, std::string value)
{
    return [line, value](Lines lines) {
        lines.at(line) = value;
        return withChecksum(joined(lines));
    };
}

// The stepping game kept with a start that is damaged.
std::function<std::string(Lines)> startOfVersion2(std::string start)
{
    return [start](Lines lines) {
        lines[0] = "pintu kept game 2";
        lines.push_back(start);
        return withChecksum(joined(lines));
    };
}

const DamageRow damageRows[] = {
    {"Empty", [](Lines) { return std::string(); }},
    {"CutShort", [](Lines lines) { return withChecksum(joined(lines)).substr(0, 90); }},
    {"LastLineEndCut",
     [](Lines lines) {
         const std::string text = withChecksum(joined(lines));
         return text.substr(0, text.size() - 2);
     }},
    {"TilesSwappedBehindTheChecksum",
     [](Lines lines) {
         std::string text = withChecksum(joined(lines));
         return text.replace(text.find("tiles 1 2"), 9, "tiles 2 1");
     }},
    {"OtherVersion", changed(0, "pintu kept game 3")},
    {"StartVersionWithoutStart", changed(0, "pintu kept game 2")},
    {"StartInTheFirstVersion",
     [](Lines lines) {
         lines.push_back("start 1 2 3 15 0 5 6 7 4 9 10 11 8 12 13 14");
         return withChecksum(joined(lines));
     }},
    {"StartTileMissing", startOfVersion2("start 1 2 3 15 0 5 6 7 4 9 10 11 8 12 13")},
    {"StartThatCanNeverComeHome", startOfVersion2("start 2 1 3 15 0 5 6 7 4 9 10 11 8 12 13 14")},
    {"OtherBoardSize", changed(2, "board 3")},
    {"PictureHoldingNul", changed(3, "picture /a%00b.bmp")},
    {"StepsNegative", changed(5, "steps -1")},
    {"StepsBeyondTheirBound", changed(5, "steps " + std::to_string(mostSteps + 1))},
    {"TimeBeyondItsBound", changed(6, "played-nanoseconds " + std::to_string(longestPlay.count() + 1))},
    {"ReplayBlockBeyondTheShuffle", changed(7, "replay block " + std::to_string(board4x4.shuffleSteps + 1))},
    {"ReplayingWithoutBlock", changed(7, "replay none")},
    {"TileTwice", changed(8, "tiles 1 1 3 15 0 5 6 7 4 9 10 11 8 12 13 14")},
    {"TileMissing", changed(8, "tiles 1 2 3 15 0 5 6 7 4 9 10 11 8 12 13")},
    {"TwoTilesSwapped", changed(8, "tiles 2 1 3 15 0 5 6 7 4 9 10 11 8 12 13 14")},
    {"WonUnsolved",
     [](Lines lines) {
         lines[4] = "phase won";
         lines[7] = "replay none";
         return withChecksum(joined(lines));
     }},
    {"ReplayOnTheGeniusBoard",
     [](Lines) {
         KeptGame genius = stepping();
         genius.size = &board10x10;
         genius.game.arrangement = Arrangement::solved(10);
         return keptGameText(genius);
     }},
};

void PrintTo(const DamageRow& row, std::ostream* out)
{
    *out << row.name;
}

class DamagedKeptGame : public ::testing::TestWithParam<DamageRow> {};

INSTANTIATE_TEST_SUITE_P(Rows, DamagedKeptGame, ::testing::ValuesIn(damageRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(DamagedKeptGame, IsNotTrusted)
{
    const std::string text = GetParam().damage(linesOf(keptGameText(stepping())));
    EXPECT_EQ(readKeptGame(text), std::nullopt) << text;
}

} // namespace
} // namespace pintu
