#include "board/BoardSize.h"

namespace pintu {

namespace {

// Which neighbour each value of the random pick selects is part of every shuffle's
// outcome, so the small boards keep these exact assignments.
constexpr std::array<Neighbours, 9> pick3x3{{
    {2, {1, 3}},
    {3, {0, 4, 2}},
    {2, {1, 5}},
    {3, {4, 6, 0}},
    {4, {7, 3, 5, 1}},
    {3, {4, 8, 2}},
    {2, {3, 7}},
    {3, {6, 8, 4}},
    {2, {5, 7}},
}};

constexpr std::array<Neighbours, 16> pick4x4{{
    {2, {1, 4}},
    {3, {0, 5, 2}},
    {3, {1, 3, 6}},
    {2, {7, 2}},
    {3, {8, 0, 5}},
    {4, {4, 6, 9, 1}},
    {4, {7, 5, 2, 10}},
    {3, {6, 11, 3}},
    {3, {12, 9, 4}},
    {4, {8, 5, 13, 10}},
    {4, {9, 14, 6, 11}},
    {3, {7, 15, 10}},
    {2, {13, 8}},
    {3, {14, 9, 12}},
    {3, {13, 15, 10}},
    {2, {14, 11}},
}};

constexpr std::array<Neighbours, 25> pick5x5{{
    {2, {1, 5}},
    {3, {0, 6, 2}},
    {3, {1, 3, 7}},
    {3, {8, 4, 2}},
    {2, {9, 3}},
    {3, {10, 6, 0}},
    {4, {7, 5, 1, 11}},
    {4, {6, 2, 8, 12}},
    {4, {13, 9, 3, 7}},
    {3, {8, 4, 14}},
    {3, {11, 15, 5}},
    {4, {16, 12, 6, 10}},
    {4, {13, 11, 17, 7}},
    {4, {14, 8, 18, 12}},
    {3, {13, 9, 19}},
    {3, {16, 20, 10}},
    {4, {17, 15, 21, 11}},
    {4, {16, 22, 18, 12}},
    {4, {23, 13, 19, 17}},
    {3, {14, 24, 18}},
    {2, {15, 21}},
    {3, {20, 22, 16}},
    {3, {21, 23, 17}},
    {3, {24, 22, 18}},
    {2, {23, 19}},
}};

// On the genius board any one-to-one assignment will do: left, right, above, below.
template <int N>
constexpr std::array<Neighbours, N * N> plainNeighbours()
{
    std::array<Neighbours, N * N> table{};
    for (int c = 0; c < N * N; ++c) {
        Neighbours& n = table[c];
        n.count = 0;
        if (c % N != 0)
            n.cell[n.count++] = c - 1;
        if (c % N != N - 1)
            n.cell[n.count++] = c + 1;
        if (c / N != 0)
            n.cell[n.count++] = c - N;
        if (c / N != N - 1)
            n.cell[n.count++] = c + N;
    }
    return table;
}

constexpr auto pick10x10 = plainNeighbours<10>();

} // namespace

const BoardSize board3x3{
    .kind = BoardKind::Logged, .side = 3, .cells = 9, .shuffleSteps = 100, .recordLength = 4,
    .shuffleNeighbours = pick3x3};
const BoardSize board4x4{
    .kind = BoardKind::Logged, .side = 4, .cells = 16, .shuffleSteps = 150, .recordLength = 6,
    .shuffleNeighbours = pick4x4};
const BoardSize board5x5{
    .kind = BoardKind::Logged, .side = 5, .cells = 25, .shuffleSteps = 200, .recordLength = 6,
    .shuffleNeighbours = pick5x5};
const BoardSize board10x10{
    .kind = BoardKind::Genius, .side = 10, .cells = 100, .shuffleSteps = 10000, .recordLength = 0,
    .shuffleNeighbours = pick10x10};

} // namespace pintu
