#include "PlacementRank.h"

#include <array>

namespace pintu::solver {

void unrankPlacement(std::uint32_t rank, int n, std::span<int> cells)
{
    const int k = static_cast<int>(cells.size());
    std::array<int, 32> digits{};
    for (int i = k - 1; i >= 0; --i) {
        const auto radix = static_cast<std::uint32_t>(n - i);
        digits[i] = static_cast<int>(rank % radix);
        rank /= radix;
    }
    std::uint32_t taken = 0;
    for (int i = 0; i < k; ++i) {
        // The digit counts the free cells to pass over.
        int cell = 0;
        for (int remaining = digits[i];; ++cell) {
            if (taken & (std::uint32_t{1} << cell))
                continue;
            if (remaining == 0)
                break;
            --remaining;
        }
        cells[i] = cell;
        taken |= std::uint32_t{1} << cell;
    }
}

std::uint64_t placementCount(int k, int n)
{
    std::uint64_t count = 1;
    for (int i = 0; i < k; ++i)
        count *= static_cast<std::uint64_t>(n - i);
    return count;
}

} // namespace pintu::solver
