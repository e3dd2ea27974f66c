#pragma once

#include "solver/Grid.h"
#include "solver/Puzzle.h"

#include <functional>
#include <vector>

namespace pintu::solver {

// A board being put in order a few tiles at a time: cells whose tiles are
// home can be locked, and one tile (or the blank) routed to a cell without
// passing through them. Every slide made is recorded.
class TileRouter {
public:
    explicit TileRouter(const Puzzle& puzzle);

    // Few slides, over unlocked cells only. With no route at all, the tile or
    // blank stops short of `target`, perhaps moved on the way.
    void routeTile(int tile, int target);
    void routeBlank(int target);
    void slideFrom(int cell);

    void lock(int cell) { locked[cell] = true; }
    void unlock(int cell) { locked[cell] = false; }

    int cellOf(int tile) const { return cells[tile]; }
    int blankCell() const { return cells[grid.blank()]; }
    const std::vector<int>& tiles() const { return board; }
    const std::vector<int>& slides() const { return made; }

private:
    struct Window {
        int top, left, bottom, right;
    };
    Window around(std::initializer_list<int> cellsInside) const;
    bool routeTileWithin(int tile, int target, const Window& window);
    // Over unlocked cells other than `cell`, when a way is open.
    void bringBlankBeside(int cell);
    // The nearest cell where `arrived` holds, over unlocked cells.
    void routeBlankTo(const std::function<bool(int)>& arrived);
    // A breadth-first search's states record only where each came from, so
    // its path is walked back from `end` and slid in reverse; `blankIn` gives
    // the blank's cell in a state.
    void slideAlong(const std::vector<int>& cameFrom, int start, int end, const std::function<int(int)>& blankIn);

    Grid grid;
    std::vector<int> board;
    std::vector<int> cells;
    std::vector<bool> locked;
    std::vector<int> made;
};

} // namespace pintu::solver
