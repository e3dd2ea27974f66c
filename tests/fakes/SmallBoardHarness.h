#pragma once

#include "FakeCellSource.h"
#include "FakeClock.h"
#include "FakeFiles.h"
#include "FakeMenu.h"
#include "FakeScreen.h"
#include "MoveLog.h"
#include "ScriptedRandom.h"
#include "SeededRandom.h"
#include "SmallBoard.h"

#include <memory>
#include <vector>

namespace pintu::test {

inline const DataFiles testDataFiles{"/data/pintu/kel.txt", "/data/pintu/grb.kel"};

// The blank's walk to `target` (row plus column even): up the last column,
// then along the row, then back and forth so that block J ends there.
inline std::vector<int> walkTo(const BoardSize& size, int target)
{
    std::vector<int> path;
    int blank = size.T - 1;
    if (target == blank)
        return {blank - 1, blank};
    while (blank / size.N > target / size.N)
        path.push_back(blank -= size.N);
    while (blank % size.N > target % size.N)
        path.push_back(blank -= 1);
    return path;
}

inline std::unique_ptr<Random> shuffleEndingAt(const BoardSize& size, int target)
{
    return std::make_unique<ScriptedRandom>(ScriptedRandom::walk(size, walkTo(size, target)));
}

// A small board wired to fakes, loaded and ready to play.
struct SmallBoardHarness {
    explicit SmallBoardHarness(const BoardSize& size, std::unique_ptr<Random> chance = nullptr)
        : size(size),
          random(chance ? std::move(chance) : std::make_unique<SeededRandom>()),
          screen(size.T),
          board(size, BoardPlatform{screen, menu, cells, files, clock, *random, testDataFiles})
    {
        board.Form_Load();
    }

    // As a player: a disabled view takes no clicks.
    void click(int cell)
    {
        if (screen.viewEnabled.at(cell))
            board.image1_Click(cell);
    }

    // The tile each view shows, T-1 for the empty one.
    Arrangement shownTiles() const
    {
        Arrangement tiles(size.T);
        for (int c = 0; c < size.T; ++c)
            tiles[c] = screen.view[c] == emptyPicture ? size.T - 1 : screen.view[c] - 1;
        return tiles;
    }

    Arrangement loggedBlock(int block)
    {
        const std::string bytes = files.contents.at(testDataFiles.moveLog);
        Arrangement arrangement(size.T);
        for (int c = 0; c < size.T; ++c) {
            const std::size_t offset = (static_cast<std::size_t>(block) * size.T + c) * size.L;
            arrangement[c] = decodeRecord(std::string_view(bytes).substr(offset, size.L), size).value();
        }
        return arrangement;
    }

    static int blankCell(const Arrangement& arrangement, const BoardSize& size)
    {
        for (int c = 0; c < size.T; ++c) {
            if (arrangement[c] == size.T - 1)
                return c;
        }
        return -1;
    }

    // Plays the logged shuffle backwards with tile clicks, from block `from` down to 0.
    void solveByLog(int from)
    {
        for (int b = from; b > 0; --b)
            click(blankCell(loggedBlock(b - 1), size));
    }

    const BoardSize& size;
    std::unique_ptr<Random> random;
    FakeScreen screen;
    FakeMenu menu;
    FakeCellSource cells;
    FakeFiles files;
    FakeClock clock;
    SmallBoard board;
};

} // namespace pintu::test
