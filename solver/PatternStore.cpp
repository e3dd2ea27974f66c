#include "PatternStore.h"

#include "PatternFile.h"
#include "PatternGroups.h"

#include <algorithm>
#include <system_error>

namespace pintu::solver {

PatternStore::PatternStore(std::optional<std::filesystem::path> folder) : folder(std::move(folder)) {}

std::string PatternStore::fileName(int side, const std::vector<int>& tiles)
{
    std::string name = "pattern-" + std::to_string(side) + "x" + std::to_string(side);
    for (int tile : tiles)
        name += "-" + std::to_string(tile);
    return name + ".pdb";
}

PatternStore::Tables PatternStore::tablesFor(int side, std::stop_token stop)
{
    const std::lock_guard lock(building);
    std::unique_ptr<PatternHeuristic>& ready = side == 4 ? fourByFour : fiveByFive;
    if (ready)
        return {ready.get(), TableStatus::Ready};

    // A folder that cannot be made shows as tables that could not be saved.
    std::error_code error;
    if (folder)
        std::filesystem::create_directories(*folder, error);

    TableStatus status = TableStatus::Ready;
    std::vector<PatternTable> tables;
    const auto groups = side == 4 ? std::span<const int>(patternGroups4x4) : std::span<const int>(patternGroups5x5);
    for (const std::vector<int>& tiles : patternTiles(groups)) {
        const auto file = folder ? std::optional(*folder / fileName(side, tiles)) : std::nullopt;
        if (auto loaded = file ? loadPatternTable(*file, side, tiles) : std::nullopt) {
            tables.push_back(std::move(*loaded));
            continue;
        }
        auto built = buildPatternTable(side, tiles, stop);
        if (!built)
            return {nullptr, TableStatus::Stopped};
        const bool saved = file && savePatternTable(*file, *built);
        status = std::max(status, saved ? TableStatus::Built : TableStatus::NotSaved);
        tables.push_back(std::move(*built));
    }
    ready = std::make_unique<PatternHeuristic>(std::move(tables));
    return {ready.get(), status};
}

} // namespace pintu::solver
