#pragma once

#include <array>
#include <span>

namespace pintu {

// The neighbours of one cell in the order the shuffle's random pick selects them.
struct Neighbours {
    int count;
    std::array<int, 4> cell;
};

// What a won game leads to: the small boards congratulate, the genius board
// asks for the winner's name for the hall of fame.
enum class BoardKind { Logged, Genius };

// One row of constants describes a board size; everything else is shared.
struct BoardSize {
    BoardKind kind;
    int side;         // cells per row and per column
    int cells;        // side x side; tile cells-1 is the blank
    int shuffleSteps; // moves of the blank's walk; the move log holds blocks 0 to shuffleSteps
    int recordLength; // bytes per move-log record (0: the board keeps no log)
    std::span<const Neighbours> shuffleNeighbours; // indexed by the blank's cell

    int blankTile() const { return cells - 1; }
};

extern const BoardSize board3x3;
extern const BoardSize board4x4;
extern const BoardSize board5x5;
extern const BoardSize board10x10;

} // namespace pintu
