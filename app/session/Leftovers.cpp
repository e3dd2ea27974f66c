#include "app/session/Leftovers.h"

#include "platform/AtomicFile.h"
#include "solver/patterns/PatternFile.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace pintu {

namespace {

constexpr std::array<std::string_view, 2> replacedWhole{"kept-game.txt", "records.txt"};

// Earlier versions wrote the kept game beside it under its name, a dot and
// six random letters, and only while they held the folder, as this game
// does now: none of them can be writing.
constexpr std::string_view earlierKeptGame = "kept-game.txt.";
constexpr std::size_t randomLetters = 6;

bool isEarlierKeptGame(std::string_view name)
{
    if (!name.starts_with(earlierKeptGame) || name.size() != earlierKeptGame.size() + randomLetters)
        return false;
    return std::ranges::all_of(name.substr(earlierKeptGame.size()), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

} // namespace

void removeLeftovers(const std::filesystem::path& dataFolder)
{
    removeAbandonedPartials(dataFolder,
                            [](std::string_view name) { return std::ranges::count(replacedWhole, name) > 0; });
    solver::removeAbandonedTables(dataFolder);
    std::error_code error;
    for (std::filesystem::directory_iterator entry(dataFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        if (isEarlierKeptGame(entry->path().filename().string()) && entry->is_regular_file(ignored))
            std::filesystem::remove(entry->path(), ignored);
    }
}

} // namespace pintu
