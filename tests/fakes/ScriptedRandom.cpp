#include "tests/fakes/ScriptedRandom.h"

#include <stdexcept>

namespace pintu::test {

namespace {

double drawFor(const BoardSize& size, int from, int to)
{
    const Neighbours& neighbours = size.shuffleNeighbours[from];
    for (int i = 0; i < neighbours.count; ++i) {
        if (neighbours.cell[i] == to)
            return (i + 0.5) / neighbours.count;
    }
    throw std::invalid_argument("the walk leaves the blank's neighbours");
}

} // namespace

ScriptedRandom ScriptedRandom::walk(const BoardSize& size, const std::vector<int>& path)
{
    std::vector<double> values;
    int previous = size.blankTile();
    int blank = previous;
    for (int step = 0; step <= size.shuffleSteps; ++step) {
        const int next = step < static_cast<int>(path.size()) ? path[step] : previous;
        values.push_back(drawFor(size, blank, next));
        previous = blank;
        blank = next;
    }
    return ScriptedRandom(std::move(values));
}

ScriptedRandom ScriptedRandom::geniusTwoMovesFromSolved()
{
    return walk(board10x10, {89, 79});
}

} // namespace pintu::test
