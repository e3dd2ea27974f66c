#pragma once

#include <array>
#include <span>
#include <vector>

namespace pintu {

// The neighbours of one cell in the order the shuffle's `pick` selects them.
struct Neighbours {
    int count;
    std::array<int, 4> cell;
};

// One row of constants describes a board size; everything else is shared.
struct BoardSize {
    int N;            // cells per row and per column
    int T;            // cells in all; tile T-1 is the blank
    int M;            // upper bound of the arrangement arrays
    int J;            // shuffle steps; the log holds blocks 0 to J
    int L;            // move-log record length in bytes (0: the board keeps no log)
    std::span<const Neighbours> pick; // indexed by the blank's cell
};

extern const BoardSize board3x3;
extern const BoardSize board4x4;
extern const BoardSize board5x5;
extern const BoardSize board10x10;

// board(c) is the tile lying in cell c; indices run from 0 to M.
using Arrangement = std::vector<int>;

Arrangement solvedArrangement(const BoardSize& size);

} // namespace pintu
