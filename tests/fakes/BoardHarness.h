#pragma once

#include "board/MoveLog.h"
#include "board/SmallBoard.h"
#include "platform/SeededRandom.h"
#include "tests/fakes/FakeCellSource.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/FakeFiles.h"
#include "tests/fakes/FakeScreen.h"
#include "tests/fakes/RecordingKeeper.h"
#include "tests/fakes/ScriptedRandom.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pintu::test {

inline const DataFiles testDataFiles{"/data/pintu/kel.txt", "/data/pintu/grb.kel"};
inline const std::string testPicture = "/pictures/cat.bmp";

// The tile in each cell, as a test writes it down.
using Tiles = std::vector<int>;

inline int differingCells(const Tiles& a, const Tiles& b)
{
    int differing = 0;
    for (std::size_t c = 0; c < a.size(); ++c)
        differing += a[c] != b[c];
    return differing;
}

// The blank's walk to `target` (row plus column even): up the last column,
// then along the row, then back and forth so that the last block ends there.
inline std::vector<int> walkTo(const BoardSize& size, int target)
{
    std::vector<int> path;
    int blank = size.blankTile();
    if (target == blank)
        return {blank - 1, blank};
    while (blank / size.side > target / size.side)
        path.push_back(blank -= size.side);
    while (blank % size.side > target % size.side)
        path.push_back(blank -= 1);
    return path;
}

inline std::unique_ptr<Random> shuffleEndingAt(const BoardSize& size, int target)
{
    return std::make_unique<ScriptedRandom>(ScriptedRandom::walk(size, walkTo(size, target)));
}

// The fakes a board's logic reaches, as the test leaves them.
struct FakePlatform {
    FakePlatform(int cells, std::unique_ptr<Random> chance)
        : random(chance ? std::move(chance) : std::make_unique<SeededRandom>()), screen(cells)
    {
    }

    BoardPlatform platform()
    {
        return BoardPlatform{screen, this->cells, files, clock, *random, testDataFiles, &keeper};
    }

    std::unique_ptr<Random> random;
    FakeScreen screen;
    FakeCellSource cells;
    FakeFiles files;
    FakeClock clock;
    RecordingKeeper keeper;
};

// A board's logic wired to fakes and loaded; `size` comes first for the small boards.
template <typename Logic>
struct BoardHarness : FakePlatform {
    template <typename... Size>
    BoardHarness(int cells, std::unique_ptr<Random> chance, const Size&... size)
        : FakePlatform(cells, std::move(chance)), board(size..., platform(), testPicture)
    {
        loaded = board.load();
    }

    // As a player: a disabled view takes no clicks.
    MoveOutcome click(int cell)
    {
        if (!screen.viewEnabled.at(cell))
            return MoveOutcome::NoEffect;
        return board.click(cell);
    }

    Logic board;
    LoadOutcome loaded;
};

struct SmallBoardHarness : BoardHarness<SmallBoard> {
    explicit SmallBoardHarness(const BoardSize& size, std::unique_ptr<Random> chance = nullptr)
        : BoardHarness(size.cells, std::move(chance), size), size(size)
    {
    }

    // The tile each view shows, the blank tile for the empty one.
    Tiles shownTiles() const
    {
        Tiles tiles(size.cells);
        for (int c = 0; c < size.cells; ++c)
            tiles[c] = screen.view[c] == noTile ? size.blankTile() : screen.view[c];
        return tiles;
    }

    Tiles playedTiles() const { return board.arrangement().tiles(); }

    Tiles loggedBlock(int block) const { return loggedBlock(moveLog(), size, block); }

    // Through the game's own record reader; a damaged record throws.
    static Tiles loggedBlock(std::string_view log, const BoardSize& size, int block)
    {
        Tiles tiles(size.cells);
        for (int c = 0; c < size.cells; ++c) {
            const std::size_t offset = (static_cast<std::size_t>(block) * size.cells + c) * size.recordLength;
            tiles[c] = decodeRecord(log.substr(offset, size.recordLength), size).value();
        }
        return tiles;
    }

    static int blankCell(const Tiles& tiles, const BoardSize& size)
    {
        for (int c = 0; c < size.cells; ++c) {
            if (tiles[c] == size.blankTile())
                return c;
        }
        return -1;
    }

    // The cells a player clicks to play the logged shuffle backwards, from
    // block `from` down to 0: where the blank lies one block earlier.
    static std::vector<int> solvingClicks(std::string_view log, const BoardSize& size, int from)
    {
        std::vector<int> cells;
        for (int b = from; b > 0; --b)
            cells.push_back(blankCell(loggedBlock(log, size, b - 1), size));
        return cells;
    }

    std::vector<int> solvingClicks(int from) const { return solvingClicks(moveLog(), size, from); }

    // Plays solvingClicks(from) and tells how the last click ended.
    MoveOutcome solveByLog(int from)
    {
        MoveOutcome last = MoveOutcome::NoEffect;
        for (const int cell : solvingClicks(from))
            last = click(cell);
        return last;
    }

    const std::string& moveLog() const { return files.contents.at(testDataFiles.moveLog); }

    const BoardSize& size;
};

} // namespace pintu::test
