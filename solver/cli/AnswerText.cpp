#include "AnswerText.h"

#include <cstdio>

namespace pintu::solver::cli {

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

std::optional<std::string> tableNote(TableStatus status, int side, const std::optional<std::filesystem::path>& folder)
{
    // 5x5 boards use the 4x4 tables too, and the status does not say which
    // size was built: only the board size is named.
    const std::string tables = "tables for " + std::to_string(side) + "x" + std::to_string(side) + " boards";
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
