#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

namespace pintu::solver {

// k distinct cells out of n (n <= 32), in order, numbered densely from 0 to
// n!/(n-k)! - 1 so that a table needs no unused entries: each cell counts among
// the cells not yet taken, as one digit of falling radix n, n-1, ... With k = n
// this numbers whole permutations in lexicographic order.
inline std::uint32_t placementRank(std::span<const int> cells, int n)
{
    // Comparisons rather than a population count: without a POPCNT
    // instruction in the baseline x86-64 set, a count is a library call.
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        int digit = cells[i];
        for (std::size_t j = 0; j < i; ++j)
            digit -= cells[j] < cells[i];
        rank = rank * static_cast<std::uint32_t>(n - static_cast<int>(i)) + static_cast<std::uint32_t>(digit);
    }
    return rank;
}

// The place value of each digit of placementRank for cells.size() cells out of n.
inline void placementWeights(int n, std::span<std::int32_t> weights)
{
    std::int32_t weight = 1;
    for (auto slot = static_cast<int>(weights.size()) - 1; slot >= 0; --slot) {
        weights[slot] = weight;
        weight *= n - slot;
    }
}

// How far placementRank moves when the cell at `slot` moves to the free cell
// `to`, from the digits that change rather than by ranking afresh; searches
// do this for every position they weigh. The moving cell's digit changes by
// the distance less the earlier cells passed over, and every later cell passed
// over gains or loses one smaller cell. A sideways step passes over none.
inline std::int32_t placementRankShift(std::span<const int> cells, std::span<const std::int32_t> weights, int slot,
                                       int to)
{
    const int from = cells[slot];
    const int low = std::min(from, to);
    const int high = std::max(from, to);
    std::int32_t passedEarlier = 0;
    std::int32_t passedLater = 0;
    if (high - low > 1) {
        // Without branches: which cells are passed over is as good as random.
        for (int j = 0; j < static_cast<int>(cells.size()); ++j) {
            const int passed = int{cells[j] > low} & int{cells[j] < high};
            passedEarlier += passed & int{j < slot};
            passedLater += (passed & int{j > slot}) * weights[j];
        }
    }
    const std::int32_t shift = (high - low - passedEarlier) * weights[slot] + passedLater;
    return to > from ? shift : -shift;
}

// n!/(n-k)!, the count of placements of k cells out of n.
std::uint64_t placementCount(int k, int n);

} // namespace pintu::solver
