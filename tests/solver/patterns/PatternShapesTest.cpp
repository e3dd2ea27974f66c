#include "solver/patterns/PatternShapes.h"
#include "solver/patterns/PatternTable.h"
#include "solver/PlacementRank.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace pintu::solver {
namespace {

struct ShapeRow {
    std::string name;
    int side;
    std::vector<int> tiles;
    bool readElsewhere; // through another pattern's table
};

class SharedShape : public ::testing::TestWithParam<ShapeRow> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, SharedShape,
    ::testing::Values(ShapeRow{"RightColumn", 4, {3, 7, 11}, true}, ShapeRow{"LowerBlock", 4, {8, 9, 12, 13}, true},
                      ShapeRow{"EarliestAlready", 4, {0, 1, 4}, false},
                      // Around the blank's home, which only the mirror keeps in place.
                      ShapeRow{"EnclosingTheBlanksHome", 5, {17, 19, 23}, true},
                      ShapeRow{"EnclosingAndEarliest", 5, {13, 19, 23}, false},
                      ShapeRow{"BottomRow", 5, {20, 21, 22}, true}),
    [](const auto& info) { return info.param.name; });

// Calls `visit` with every placement of `count` tiles on `cells` cells.
void forEachPlacement(int cells, int count, const std::function<void(const std::vector<int>&)>& visit)
{
    std::vector<int> placement;
    const std::function<void()> extend = [&] {
        if (static_cast<int>(placement.size()) == count) {
            visit(placement);
            return;
        }
        for (int cell = 0; cell < cells; ++cell) {
            if (std::ranges::find(placement, cell) == placement.end()) {
                placement.push_back(cell);
                extend();
                placement.pop_back();
            }
        }
    };
    extend();
}

TEST_P(SharedShape, ItsTableReadThroughTheSymmetryIsItsOwn)
{
    const ShapeRow& row = GetParam();
    const Grid grid{row.side};
    const PatternShape shape = shapeOf(grid, row.tiles);
    EXPECT_EQ(shape.tiles != row.tiles, row.readElsewhere);

    const BoardSymmetry symmetry(grid, shape.symmetry);
    const PatternTable own = *buildPatternTable(row.side, row.tiles, {});
    const PatternTable shared = *buildPatternTable(row.side, shape.tiles, {});
    forEachPlacement(grid.cells(), static_cast<int>(row.tiles.size()), [&](const std::vector<int>& cells) {
        // The shape's tile s is the pattern's tile symmetry(s), in the symmetry's cell.
        std::vector<int> seen(cells.size());
        for (std::size_t slot = 0; slot < shape.tiles.size(); ++slot) {
            const auto mine = std::ranges::find(row.tiles, symmetry.apply(shape.tiles[slot])) - row.tiles.begin();
            seen[slot] = symmetry.undo(cells[static_cast<std::size_t>(mine)]);
        }
        ASSERT_EQ(own.extra(placementRank(cells, grid.cells())), shared.extra(placementRank(seen, grid.cells())))
            << ::testing::PrintToString(cells);
    });
}

} // namespace
} // namespace pintu::solver
