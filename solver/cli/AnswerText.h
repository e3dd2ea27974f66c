#pragma once

#include "solver/Answer.h"
#include "solver/patterns/PatternStore.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace pintu::solver::cli {

// "<moves> optimal|found <tile> <tile> ..." for standard output.
std::string answerLine(const Answer& answer);

// "line <n>: <nodes> nodes, <ms> ms" for --stats.
std::string statsLine(int lineNumber, const Answer& answer);

// "tables for <n>x<n> boards: built in <s> s" for --stats.
std::string buildStatsLine(int side, std::chrono::duration<double> took);

// What to tell the user about getting a board size's tables ready; nothing
// when they were simply there.
std::optional<std::string> tableNote(TableStatus status, int side, const std::optional<std::filesystem::path>& folder);

} // namespace pintu::solver::cli
