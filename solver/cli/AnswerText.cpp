#include "solver/cli/AnswerText.h"

#include <cstdio>

namespace pintu::solver::cli {

namespace {

// 5x5 boards use the 4x4 tables too: what is named is the board size.
std::string tablesFor(int side)
{
    return "tables for " + std::to_string(side) + "x" + std::to_string(side) + " boards";
}

} // namespace

std::string answerLine(const Answer& answer)
{
    std::string line = std::to_string(answer.slides.size());
    line += answer.verdict == Verdict::Optimal ? " optimal" : " found";
    for (int tile : answer.slides)
        line += " " + std::to_string(tile);
    return line;
}

std::string statsLine(int lineNumber, const Answer& answer)
{
    char milliseconds[32];
    std::snprintf(milliseconds, sizeof milliseconds, "%.3f", static_cast<double>(answer.elapsed.count()) / 1000);
    return "line " + std::to_string(lineNumber) + ": " + std::to_string(answer.nodes) + " nodes, " + milliseconds
         + " ms";
}

std::string buildStatsLine(int side, std::chrono::duration<double> took)
{
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f", took.count());
    return tablesFor(side) + ": built in " + seconds + " s";
}

std::optional<std::string> tableNote(TableStatus status, int side, const std::optional<std::filesystem::path>& folder)
{
    // The status does not say which size was built.
    const std::string tables = tablesFor(side);
    switch (status) {
    case TableStatus::Ready:
    case TableStatus::Stopped:
        return std::nullopt;
    case TableStatus::Built:
        return "built " + tables + " in " + folder->string() + "; later runs load them";
    case TableStatus::NotSaved:
        if (!folder)
            return "built " + tables + " for this run only: no home folder to keep them in (see --tables)";
        return "built " + tables + " for this run only: " + folder->string() + " would not take them";
    }
    return std::nullopt;
}

} // namespace pintu::solver::cli
