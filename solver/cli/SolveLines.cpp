#include "solver/cli/SolveLines.h"

#include "solver/cli/AnswerText.h"
#include "solver/cli/ArrangementLine.h"
#include "solver/cli/QuotedWord.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <set>
#include <string>

namespace pintu::solver::cli {

namespace {

enum class LineRead { Whole, TooLong, End };

// One line without its line end, in `line`. Of a line longer than `longestLine`
// only the start is kept, so that input without line ends takes no more memory.
LineRead readLine(std::istream& in, std::string& line)
{
    line.clear();
    std::streambuf& buffer = *in.rdbuf();
    for (auto next = buffer.sbumpc(); next != std::streambuf::traits_type::eof(); next = buffer.sbumpc()) {
        if (next == '\n')
            return line.size() > longestLine ? LineRead::TooLong : LineRead::Whole;
        if (line.size() <= longestLine)
            line += static_cast<char>(next);
    }
    if (line.empty())
        return LineRead::End;
    return line.size() > longestLine ? LineRead::TooLong : LineRead::Whole;
}

} // namespace

ExitStatus solveLines(std::istream& in, std::ostream& out, std::ostream& errors, Solver& solver,
                      const Options& options)
{
    ExitStatus status = ExitStatus::AllAnswered;
    const auto refuse = [&](int lineNumber, std::string_view reason) {
        errors << "pintu-solve: line " << lineNumber << ": " << reason << '\n';
        status = ExitStatus::LineRefused;
    };
    const std::string largest = std::to_string(largestSide) + "x" + std::to_string(largestSide);
    std::set<int> sidesPrepared;
    std::string text;
    for (int lineNumber = 1;; ++lineNumber) {
        const LineRead line = readLine(in, text);
        if (line == LineRead::End)
            break;
        if (text.find('\0') != std::string::npos) {
            errors << "pintu-solve: line " << lineNumber << " holds a NUL byte: the input is not text\n";
            return ExitStatus::StreamFailed;
        }
        if (line == LineRead::TooLong) {
            refuse(lineNumber, "longer than " + std::to_string(longestLine) + " bytes, more than any board up to "
                                   + largest + " takes");
            continue;
        }
        const auto read = readArrangement(text);
        if (std::holds_alternative<BlankLine>(read))
            continue;
        if (const auto* notNumbers = std::get_if<NotNumbers>(&read)) {
            refuse(lineNumber, quotedWord(notNumbers->word) + " is not a number");
            continue;
        }
        auto checked = Puzzle::from(std::get<std::vector<int>>(read));
        if (const auto* flaw = std::get_if<Flaw>(&checked)) {
            refuse(lineNumber, describe(*flaw));
            continue;
        }
        const Puzzle& puzzle = std::get<Puzzle>(checked);

        const int side = puzzle.grid().side;
        if (side > largestSide) {
            refuse(lineNumber, "a " + std::to_string(side) + "x" + std::to_string(side)
                                   + " board is larger than the largest answered, " + largest);
            continue;
        }
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
        if (!out) {
            errors << "pintu-solve: the answer to line " << lineNumber
                   << " could not be written: " << std::strerror(errno) << '\n';
            return ExitStatus::StreamFailed;
        }
        if (options.stats)
            errors << statsLine(lineNumber, answer) << '\n';
    }
    return status;
}

} // namespace pintu::solver::cli
