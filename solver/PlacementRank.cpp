#include "solver/PlacementRank.h"

namespace pintu::solver {

std::uint64_t placementCount(int k, int n)
{
    std::uint64_t count = 1;
    for (int i = 0; i < k; ++i)
        count *= static_cast<std::uint64_t>(n - i);
    return count;
}

} // namespace pintu::solver
