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

// The fakes a board's logic reaches, as the test leaves them.
struct FakePlatform {
    FakePlatform(int cells, std::unique_ptr<Random> chance)
        : random(chance ? std::move(chance) : std::make_unique<SeededRandom>()), screen(cells)
    {
    }

    BoardPlatform platform() { return BoardPlatform{screen, menu, this->cells, files, clock, *random, testDataFiles}; }

    std::unique_ptr<Random> random;
    FakeScreen screen;
    FakeMenu menu;
    FakeCellSource cells;
    FakeFiles files;
    FakeClock clock;
};

// A board's logic wired to fakes and loaded; `size` comes first for the small boards.
template <typename Logic>
struct BoardHarness : FakePlatform {
    template <typename... Size>
    BoardHarness(int cells, std::unique_ptr<Random> chance, const Size&... size)
        : FakePlatform(cells, std::move(chance)), board(size..., platform())
    {
        board.Form_Load();
    }

    // As a player: a disabled view takes no clicks.
    void click(int cell)
    {
        if (screen.viewEnabled.at(cell))
            board.image1_Click(cell);
    }

    Logic board;
};

struct SmallBoardHarness : BoardHarness<SmallBoard> {
    explicit SmallBoardHarness(const BoardSize& size, std::unique_ptr<Random> chance = nullptr)
        : BoardHarness(size.T, std::move(chance), size), size(size)
    {
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
};

} // namespace pintu::test
