#include "Shuffle.h"

#include "ClockAndChance.h"

#include <algorithm>
#include <cmath>

namespace pintu {

std::optional<Arrangement> shuffle(const BoardSize& size, Random& random, const BlockRecorder& record)
{
    Arrangement walk = Arrangement::solved(size.side);
    Arrangement shown = walk;
    for (int j = 0; j <= size.shuffleSteps; ++j) {
        shown = walk;
        const int blank = walk.blankCell();
        const Neighbours& neighbours = size.shuffleNeighbours[blank];
        const int pick = std::min(static_cast<int>(std::floor(random.next() * neighbours.count)),
                                  neighbours.count - 1);
        walk.apply(Move{neighbours.cell[pick], blank});
        if (record && !record(j, shown))
            return std::nullopt;
    }
    return shown;
}

} // namespace pintu
