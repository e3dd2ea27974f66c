#include "solver/Solver.h"

#include "solver/BudgetedSearch.h"
#include "solver/ExactTable.h"
#include "solver/IdaSearch.h"
#include "solver/LineReduction.h"
#include "solver/RedundantMoves.h"

#include <algorithm>
#include <utility>

namespace pintu::solver {

namespace {

// Without a budget a 5x5 board is answered by lines at once, and needs no tables.
bool searchesFiveByFive(int side, const SolverOptions& options)
{
    return side == 5 && options.budget > std::chrono::milliseconds::zero();
}

} // namespace

Solver::Solver(SolverOptions options) : options(options), store(options.tableFolder) {}

Answer Solver::solve(const Puzzle& puzzle, std::stop_token stop)
{
    const auto start = std::chrono::steady_clock::now();
    const int side = puzzle.grid().side;
    Answer answer;
    if (side <= 3) {
        answer = {Verdict::Optimal, ExactTable::forSide(side).solve(puzzle.tiles())};
        answer.nodes = answer.slides.size() + 1; // the positions on the way down
    } else if (side == 4) {
        answer = solveFourByFour(puzzle, stop);
    } else if (searchesFiveByFive(side, options)) {
        answer = solveFiveByFive(puzzle, stop);
    } else {
        answer = {Verdict::Found, solveByLines(puzzle)};
    }
    answer.elapsed = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    return answer;
}

Answer Solver::solveFourByFour(const Puzzle& puzzle, std::stop_token stop)
{
    const PatternStore::Tables tables = store.tablesFor(PatternSet::FourByFour, stop);
    if (!tables.heuristic)
        return {};
    const PatternStore::Searching searching(store);
    SearchResult search = searchOptimal(puzzle, *tables.heuristic, {stop, std::nullopt});
    if (search.end != SearchEnd::Solved)
        return {Verdict::Stopped, {}, search.nodes};
    return {Verdict::Optimal, std::move(search.slides), search.nodes};
}

Answer Solver::solveFiveByFive(const Puzzle& puzzle, std::stop_token stop)
{
    if (store.prepare({PatternSet::FourByFour, PatternSet::FiveByFive}, stop) == TableStatus::Stopped)
        return {};
    // The large tables once they are there; until then the first ones.
    const PatternHeuristic* large = store.ifReady(PatternSet::LargeFiveByFive);
    const PatternHeuristic& own = large ? *large : *store.ifReady(PatternSet::FiveByFive);
    const PatternStore::Searching searching(store);
    return solveWithinBudget(puzzle, own, store.ifReady(PatternSet::FourByFour), options.budget, stop);
}

TableStatus Solver::prepare(int side, std::stop_token stop)
{
    const TableStatus first = prepareFirst(side, stop);
    if (first == TableStatus::Stopped || !searchesFiveByFive(side, options))
        return first;
    return std::max(first, store.prepare({PatternSet::LargeFiveByFive}, stop));
}

TableStatus Solver::prepareForPlay(int side, std::stop_token stop)
{
    const TableStatus first = prepareFirst(side, stop);
    if (first != TableStatus::Stopped && searchesFiveByFive(side, options))
        store.prepareInBackground(PatternSet::LargeFiveByFive);
    return first;
}

TableStatus Solver::prepareFirst(int side, std::stop_token stop)
{
    if (side == 4 || searchesFiveByFive(side, options))
        RedundantMoves::shared();
    if (side == 4)
        return store.prepare({PatternSet::FourByFour}, stop);
    if (!searchesFiveByFive(side, options))
        return TableStatus::Ready;
    return store.prepare({PatternSet::FourByFour, PatternSet::FiveByFive}, stop);
}

std::optional<int> Solver::buildProgress() const
{
    // A search that runs while the large tables are built waits for nothing.
    if (store.buildingInBackground())
        return std::nullopt;
    return store.buildProgress();
}

} // namespace pintu::solver
