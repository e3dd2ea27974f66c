#include "SolveLines.h"

#include "AnswerText.h"
#include "ArrangementLine.h"

#include <chrono>
#include <set>
#include <string>

namespace pintu::solver::cli {

ExitStatus solveLines(std::istream& in, std::ostream& out, std::ostream& errors, Solver& solver,
                      const Options& options)
{
    ExitStatus status = ExitStatus::AllAnswered;
    const auto refuse = [&](int lineNumber, std::string_view reason) {
        errors << "pintu-solve: line " << lineNumber << ": " << reason << '\n';
        status = ExitStatus::LineRefused;
    };
    std::set<int> sidesPrepared;
    std::string text;
    for (int lineNumber = 1; std::getline(in, text); ++lineNumber) {
        const auto read = readArrangement(text);
        if (std::holds_alternative<BlankLine>(read))
            continue;
        if (const auto* notNumbers = std::get_if<NotNumbers>(&read)) {
            refuse(lineNumber, "\"" + std::string(notNumbers->word) + "\" is not a number");
            continue;
        }
        auto checked = Puzzle::from(std::get<std::vector<int>>(read));
        if (const auto* flaw = std::get_if<Flaw>(&checked)) {
            refuse(lineNumber, describe(*flaw));
            continue;
        }
        const Puzzle& puzzle = std::get<Puzzle>(checked);

        const int side = puzzle.grid().side;
        if (sidesPrepared.insert(side).second) {
            const auto start = std::chrono::steady_clock::now();
            const TableStatus tables = solver.prepare(side);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            if (const auto note = tableNote(tables, side, options.tables))
                errors << "pintu-solve: " << *note << '\n';
            if (options.stats && (tables == TableStatus::Built || tables == TableStatus::NotSaved))
                errors << buildStatsLine(side, took) << '\n';
        }
        const Answer answer = solver.solve(puzzle);
        out << answerLine(answer) << '\n' << std::flush;
        if (options.stats)
            errors << statsLine(lineNumber, answer) << '\n';
    }
    return status;
}

} // namespace pintu::solver::cli
