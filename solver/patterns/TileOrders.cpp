#include "solver/patterns/TileOrders.h"

#include "solver/PlacementRank.h"

#include <algorithm>
#include <numeric>
#include <span>

namespace pintu::solver {

TileOrders::TileOrders(int tileCount) : tiles(tileCount)
{
    Order order{};
    std::iota(order.begin(), order.begin() + tiles, 0);
    do {
        orders.push_back(order);
    } while (std::next_permutation(order.begin(), order.begin() + tiles));

    slid.resize(orders.size() * static_cast<std::size_t>(tiles * tiles));
    for (std::uint32_t number = 0; number < count(); ++number) {
        for (int from = 0; from < tiles; ++from) {
            for (int to = 0; to < tiles; ++to) {
                Order moved = orders[number];
                if (to > from)
                    std::rotate(moved.begin() + from, moved.begin() + from + 1, moved.begin() + to + 1);
                else
                    std::rotate(moved.begin() + to, moved.begin() + from, moved.begin() + from + 1);
                slid[number * static_cast<std::uint32_t>(tiles * tiles) + static_cast<std::uint32_t>(slide(from, to))] =
                    numberOf(moved);
            }
        }
    }
}

std::uint32_t TileOrders::numberOf(const Order& order) const
{
    std::array<int, std::tuple_size_v<Order>> slots{};
    std::copy(order.begin(), order.begin() + tiles, slots.begin());
    return placementRank(std::span(slots.data(), static_cast<std::size_t>(tiles)), tiles);
}

} // namespace pintu::solver
