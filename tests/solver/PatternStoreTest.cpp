#include "PatternFile.h"
#include "PatternStore.h"

#include "SharedTables.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace pintu::solver {
namespace {

const std::vector<int> rightColumn{3, 7, 11};

// A copy of the real 4x4 tables: damaging the small one costs one quick rebuild.
void copySharedTables(const std::filesystem::path& to)
{
    for (const auto& entry : std::filesystem::directory_iterator(test::sharedTableFolder())) {
        if (entry.path().extension() == ".pdb")
            std::filesystem::copy_file(entry.path(), to / entry.path().filename());
    }
}

std::filesystem::file_time_type writeTime(const std::filesystem::path& folder, const std::vector<int>& tiles)
{
    return std::filesystem::last_write_time(folder / PatternStore::fileName(4, tiles));
}

TEST(PatternStore, LoadsSoundTables)
{
    const test::TempFolder folder;
    copySharedTables(folder.path());
    PatternStore store(folder.path());
    const PatternStore::Tables tables = store.tablesFor(4, {});
    EXPECT_EQ(tables.status, TableStatus::Ready);
    ASSERT_TRUE(tables.heuristic);
    EXPECT_EQ(tables.heuristic->tableBytes(), test::sharedFourByFour().tableBytes());
}

struct StoreDamageRow {
    std::string name;
    std::function<void(const std::filesystem::path&)> damage;
};

class DamagedStore : public ::testing::TestWithParam<StoreDamageRow> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedStore,
    ::testing::Values(StoreDamageRow{"Missing", [](const auto& file) { std::filesystem::remove(file); }},
                      StoreDamageRow{"Short", [](const auto& file) { std::filesystem::resize_file(file, 100); }},
                      StoreDamageRow{"OtherVersion",
                                     [](const auto& file) {
                                         std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
                                         out.seekp(8);
                                         out.put(static_cast<char>(patternFileVersion + 1));
                                     }},
                      StoreDamageRow{"EntryChanged",
                                     [](const auto& file) {
                                         std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
                                         out.seekp(64 + 100);
                                         out.put('\x7f');
                                     }}),
    [](const auto& info) { return info.param.name; });

TEST_P(DamagedStore, RebuildsTheDamagedTableAndSavesItWhole)
{
    const test::TempFolder folder;
    copySharedTables(folder.path());
    const auto damaged = folder.path() / PatternStore::fileName(4, rightColumn);
    const auto untouched = writeTime(folder.path(), {0, 1, 2, 4, 5, 6});
    GetParam().damage(damaged);

    PatternStore store(folder.path());
    const PatternStore::Tables tables = store.tablesFor(4, {});
    EXPECT_EQ(tables.status, TableStatus::Built);
    ASSERT_TRUE(tables.heuristic);
    EXPECT_TRUE(loadPatternTable(damaged, 4, rightColumn));
    EXPECT_EQ(writeTime(folder.path(), {0, 1, 2, 4, 5, 6}), untouched);
}

TEST(PatternStore, StoppedBuildLeavesNoFileBehind)
{
    const test::TempFolder folder;
    std::stop_source stop;
    stop.request_stop();
    PatternStore store(folder.path());
    const PatternStore::Tables tables = store.tablesFor(4, stop.get_token());
    EXPECT_EQ(tables.status, TableStatus::Stopped);
    EXPECT_FALSE(tables.heuristic);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ADD_FAILURE() << "left behind: " << entry.path();
}

} // namespace
} // namespace pintu::solver
