#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace pintu::solver::cli {

struct Options {
    bool stats = false;
    bool help = false;
    std::chrono::milliseconds budget{2000};
    // Empty when neither --tables nor a home folder says where.
    std::optional<std::filesystem::path> tables;
};

struct UsageError {
    std::string message;
};

// `arguments` without the program's name. `xdgDataHome` and `home` are the
// environment's values, null when unset; they choose the table folder when
// --tables does not: the game keeps its own files there too.
std::variant<Options, UsageError> parseCommandLine(std::span<const std::string_view> arguments,
                                                   const char* xdgDataHome, const char* home);

std::string_view usageText();

} // namespace pintu::solver::cli
