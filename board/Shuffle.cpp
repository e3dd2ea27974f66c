#include "Shuffle.h"

#include "ClockAndChance.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace pintu {

bool shuffle(const BoardSize& size, Random& random, Arrangement& board, Arrangement& workBoard,
             const BlockRecorder& record)
{
    board = solvedArrangement(size);
    workBoard = board;
    for (int j = 0; j <= size.J; ++j) {
        int blankPos = 0;
        for (int c = 0; c < size.T; ++c) {
            board[c] = workBoard[c];
            if (board[c] == size.T - 1)
                blankPos = c;
        }
        const Neighbours& neighbours = size.pick[blankPos];
        const int pick = std::min(static_cast<int>(std::floor(random.next() * neighbours.count)),
                                  neighbours.count - 1);
        std::swap(workBoard[blankPos], workBoard[neighbours.cell[pick]]);
        if (record && !record(j, board))
            return false;
    }
    return true;
}

} // namespace pintu
