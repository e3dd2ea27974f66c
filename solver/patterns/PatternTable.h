#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <vector>

namespace pintu::solver {

// For a few tiles (a pattern): the fewest slides *of those tiles* that bring
// them all home, wherever they lie, while the other tiles move for free. No
// slide is ever charged to two disjoint patterns, so the entries of patterns
// that split the tiles between them add up to a lower bound of the distance.
struct PatternTable {
    // Every slide takes a tile one cell nearer home or one further away, so
    // the fewest slides are the tiles' Manhattan distance and an even number
    // more: an entry keeps half of that excess, in two bits. The few
    // placements that need more than `mostExtra` pairs are kept as that many,
    // which still never overestimates.
    static constexpr int mostExtra = 3;

    int side = 0;
    std::vector<int> tiles;
    // Indexed by placementRank of the pattern's cells, tile by tile in the
    // order of `tiles`; four entries a byte, the first in the lowest bits.
    std::vector<std::uint8_t> entries;

    int extra(std::uint32_t index) const { return entries[index >> 2] >> (2 * (index & 3)) & 3; }

    static std::size_t bytesFor(std::uint64_t entryCount) { return static_cast<std::size_t>((entryCount + 3) / 4); }
};

// Breadth-first outward from the pattern at home, the blank's whereabouts
// part of each state. A pattern holds at most seven tiles on boards up to
// 4x4 and six on 5x5. Nothing when `stop` is requested before it is done.
// `entriesDone`, when given, grows by the table's entries as they are found,
// up to placementCount(tiles.size(), side * side). `pause`, when given, is
// called every few milliseconds, and the build waits for it to return.
std::optional<PatternTable> buildPatternTable(int side, const std::vector<int>& tiles, std::stop_token stop,
                                              std::atomic<std::uint64_t>* entriesDone = nullptr,
                                              const std::function<void()>& pause = {});

} // namespace pintu::solver
