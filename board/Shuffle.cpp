#include "board/Shuffle.h"

#include "platform/ClockAndChance.h"

#include <algorithm>
#include <cmath>

namespace pintu {

std::optional<Arrangement> shuffle(const BoardSize& size, Random& random, const BlockRecorder& record)
{
    Arrangement walk = Arrangement::solved(size.side);
    for (int j = 0; j <= size.shuffleSteps; ++j) {
        const int blank = walk.blankCell();
        const Neighbours& neighbours = size.shuffleNeighbours[blank];
        const int pick = std::min(static_cast<int>(std::floor(random.next() * neighbours.count)),
                                  neighbours.count - 1);
        if (record && !record(j, walk))
            return std::nullopt;
        if (j < size.shuffleSteps)
            walk.apply(Move{neighbours.cell[pick], blank});
    }
    return walk;
}

} // namespace pintu
