#include "solver/TileRouter.h"

#include <algorithm>
#include <utility>

namespace pintu::solver {

namespace {

constexpr int hopLength = 2;

} // namespace

TileRouter::TileRouter(const Puzzle& puzzle)
    : grid(puzzle.grid()), board(puzzle.tiles()), cells(board.size()), locked(board.size(), false)
{
    for (int c = 0; c < grid.cells(); ++c)
        cells[board[c]] = c;
}

void TileRouter::slideFrom(int cell)
{
    const int blank = blankCell();
    const int tile = board[cell];
    std::swap(board[blank], board[cell]);
    cells[tile] = blank;
    cells[grid.blank()] = cell;
    made.push_back(tile);
}

TileRouter::Window TileRouter::around(std::initializer_list<int> cellsInside) const
{
    // One spare row and column on each side leave the blank room to get
    // round the tile.
    Window window{grid.side, grid.side, -1, -1};
    for (int cell : cellsInside) {
        window.top = std::min(window.top, grid.row(cell) - 1);
        window.left = std::min(window.left, grid.column(cell) - 1);
        window.bottom = std::max(window.bottom, grid.row(cell) + 1);
        window.right = std::max(window.right, grid.column(cell) + 1);
    }
    return {std::max(window.top, 0), std::max(window.left, 0), std::min(window.bottom, grid.side - 1),
            std::min(window.right, grid.side - 1)};
}

void TileRouter::routeTile(int tile, int target)
{
    // A search over n cells weighs n * n states, so a tile far from home goes
    // in short hops, each with the blank brought beside it first, and only
    // the last hop may fall back to the whole board.
    if (cellOf(tile) == target)
        return;
    const auto stepsToward = [](int from, int to) { return std::clamp(to - from, -hopLength, hopLength); };
    for (;;) {
        const int cell = cellOf(tile);
        const int rows = stepsToward(grid.row(cell), grid.row(target));
        const int columns = stepsToward(grid.column(cell), grid.column(target));
        const int hop = grid.cellAt(grid.row(cell) + rows, grid.column(cell) + columns);
        if (hop == target || locked[hop])
            break;
        bringBlankBeside(cell);
        if (!routeTileWithin(tile, hop, around({cell, blankCell(), hop})))
            break;
    }
    bringBlankBeside(cellOf(tile));
    if (!routeTileWithin(tile, target, around({cellOf(tile), blankCell(), target})))
        routeTileWithin(tile, target, {0, 0, grid.side - 1, grid.side - 1});
}

void TileRouter::bringBlankBeside(int cell)
{
    locked[cell] = true;
    const Adjacent beside = grid.adjacent(cell);
    routeBlankTo([&](int c) { return std::find(beside.begin(), beside.end(), c) != beside.end(); });
    locked[cell] = false;
}

bool TileRouter::routeTileWithin(int tile, int target, const Window& window)
{
    if (cellOf(tile) == target)
        return true;
    // A state is where the tile and the blank are, numbered among the cells
    // the route may use.
    std::vector<int> local(board.size(), -1);
    std::vector<int> usable;
    for (int row = window.top; row <= window.bottom; ++row) {
        for (int column = window.left; column <= window.right; ++column) {
            const int cell = grid.cellAt(row, column);
            if (!locked[cell]) {
                local[cell] = static_cast<int>(usable.size());
                usable.push_back(cell);
            }
        }
    }
    if (local[cellOf(tile)] < 0 || local[blankCell()] < 0 || local[target] < 0)
        return false;

    const int count = static_cast<int>(usable.size());
    const int start = local[cellOf(tile)] * count + local[blankCell()];
    std::vector<int> cameFrom(static_cast<std::size_t>(count) * count, -1);
    cameFrom[start] = start;
    std::vector<int> queue{start};
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const int state = queue[head];
        const int tileAt = state / count;
        const int blankAt = state % count;
        if (usable[tileAt] == target) {
            slideAlong(cameFrom, start, state, [&](int s) { return usable[s % count]; });
            return true;
        }
        for (int next : grid.adjacent(usable[blankAt])) {
            const int nextBlank = local[next];
            if (nextBlank < 0)
                continue;
            const int nextTile = nextBlank == tileAt ? blankAt : tileAt;
            const int nextState = nextTile * count + nextBlank;
            if (cameFrom[nextState] < 0) {
                cameFrom[nextState] = state;
                queue.push_back(nextState);
            }
        }
    }
    return false;
}

void TileRouter::routeBlank(int target)
{
    routeBlankTo([&](int cell) { return cell == target; });
}

void TileRouter::routeBlankTo(const std::function<bool(int)>& arrived)
{
    std::vector<int> cameFrom(board.size(), -1);
    const int start = blankCell();
    cameFrom[start] = start;
    std::vector<int> queue{start};
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const int cell = queue[head];
        if (arrived(cell)) {
            slideAlong(cameFrom, start, cell, [](int c) { return c; });
            return;
        }
        for (int next : grid.adjacent(cell)) {
            if (!locked[next] && cameFrom[next] < 0) {
                cameFrom[next] = cell;
                queue.push_back(next);
            }
        }
    }
}

void TileRouter::slideAlong(const std::vector<int>& cameFrom, int start, int end,
                            const std::function<int(int)>& blankIn)
{
    std::vector<int> path;
    for (int s = end; s != start; s = cameFrom[s])
        path.push_back(blankIn(s));
    for (auto cell = path.rbegin(); cell != path.rend(); ++cell)
        slideFrom(*cell);
}

} // namespace pintu::solver
