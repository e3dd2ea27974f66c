#include "solver/BudgetedSearch.h"

#include "solver/IdaSearch.h"
#include "solver/LineReduction.h"
#include "solver/Slides.h"

#include <utility>

namespace pintu::solver {

namespace {

constexpr int cornerSide = 4;

} // namespace

Answer quickAnswer(const Puzzle& puzzle, const PatternHeuristic* corner,
                   std::chrono::steady_clock::time_point deadline, std::stop_token stop)
{
    Answer answer{Verdict::Found, solveByLines(puzzle)};
    if (!corner || puzzle.grid().side <= cornerSide)
        return answer;

    Reduction reduction = reduceByLines(puzzle, cornerSide);
    const SearchResult finish = searchOptimal(reduction.corner, *corner, {stop, deadline});
    answer.nodes = finish.nodes;
    if (finish.end == SearchEnd::Stopped)
        return {Verdict::Stopped, {}, answer.nodes};
    if (finish.end == SearchEnd::Solved) {
        const auto lifted = liftFromCorner(finish.slides, puzzle.grid().side, cornerSide);
        reduction.slides.insert(reduction.slides.end(), lifted.begin(), lifted.end());
        if (std::vector<int> slides = withoutReturns(reduction.slides); slides.size() < answer.slides.size())
            answer.slides = std::move(slides);
    }
    return answer;
}

Answer solveWithinBudget(const Puzzle& puzzle, const PatternHeuristic& heuristic, const PatternHeuristic* corner,
                         std::chrono::milliseconds budget, std::stop_token stop)
{
    const auto start = std::chrono::steady_clock::now();
    const SearchResult search = searchOptimal(puzzle, heuristic, {stop, start + budget * 19 / 20});
    switch (search.end) {
    case SearchEnd::Solved:
        return {Verdict::Optimal, search.slides, search.nodes};
    case SearchEnd::Stopped:
        return {Verdict::Stopped, {}, search.nodes};
    case SearchEnd::OutOfTime:
        break;
    }
    Answer answer = quickAnswer(puzzle, corner, start + budget, stop);
    answer.nodes += search.nodes;
    return answer;
}

} // namespace pintu::solver
