#include "hint/Hint.h"

#include "solver/Solver.h"

#include <algorithm>

namespace pintu {

namespace {

// Nothing when the arrangement cannot be solved or the search was stopped.
std::optional<solver::Answer> answerFor(solver::Solver& solver, const Arrangement& arrangement, std::stop_token stop)
{
    auto puzzle = solver::Puzzle::from(arrangement.tiles());
    if (!std::holds_alternative<solver::Puzzle>(puzzle))
        return std::nullopt;
    solver::Answer answer = solver.solve(std::get<solver::Puzzle>(puzzle), stop);
    if (answer.verdict == solver::Verdict::Stopped)
        return std::nullopt;
    return answer;
}

} // namespace

std::optional<Hint> findHint(solver::Solver& solver, const Arrangement& arrangement, std::stop_token stop)
{
    const auto answer = answerFor(solver, arrangement, stop);
    if (!answer || answer->slides.empty())
        return std::nullopt;
    const auto& tiles = arrangement.tiles();
    const int cell = static_cast<int>(std::find(tiles.begin(), tiles.end(), answer->slides.front()) - tiles.begin());
    // The answer is a solver's word; the board takes only a move it can make.
    if (!arrangement.moveFor(cell))
        return std::nullopt;
    return Hint{cell, static_cast<int>(answer->slides.size()), answer->verdict == solver::Verdict::Optimal};
}

std::optional<ShortestWay> shortestWay(solver::Solver& solver, const Arrangement& arrangement, std::stop_token stop)
{
    const auto answer = answerFor(solver, arrangement, stop);
    if (!answer)
        return std::nullopt;
    return ShortestWay{static_cast<int>(answer->slides.size()), answer->verdict == solver::Verdict::Optimal};
}

} // namespace pintu
