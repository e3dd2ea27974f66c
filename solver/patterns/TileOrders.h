#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace pintu::solver {

// The k! orders in which a pattern's k tiles can lie over the cells they
// hold, read in increasing cell order, numbered in lexicographic order, and
// what a slide does to an order: the sliding tile moves from one place in it
// to another, past the tiles whose cells it passes over.
class TileOrders {
public:
    using Order = std::array<std::uint8_t, 8>; // order[p]: the tile (its slot in the pattern) in the p-th cell

    // At most eight tiles.
    explicit TileOrders(int tileCount);

    std::uint32_t count() const { return static_cast<std::uint32_t>(orders.size()); }
    const Order& order(std::uint32_t number) const { return orders[number]; }
    std::uint32_t numberOf(const Order& order) const;

    // A slide of the tile at place `from` to place `to`, as one small number.
    int slide(int from, int to) const { return from * tiles + to; }
    // The order after `slide`.
    std::uint32_t afterSlide(std::uint32_t number, int slide) const
    {
        return slid[number * static_cast<std::uint32_t>(tiles * tiles) + static_cast<std::uint32_t>(slide)];
    }

private:
    int tiles;
    std::vector<Order> orders;
    std::vector<std::uint32_t> slid;
};

} // namespace pintu::solver
