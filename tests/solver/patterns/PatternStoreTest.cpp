#include "solver/patterns/PatternFile.h"
#include "solver/patterns/PatternStore.h"

#include "tests/solver/SharedTables.h"
#include "tests/solver/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <new>
#include <optional>
#include <thread>

namespace pintu::solver {
namespace {

const std::vector<int> rightColumnTiles{3, 7, 11};

std::filesystem::file_time_type writeTime(const std::filesystem::path& folder, const std::vector<int>& tiles)
{
    return std::filesystem::last_write_time(folder / PatternStore::fileName(4, tiles));
}

TEST(PatternStore, LoadsSoundTables)
{
    const test::TempFolder folder;
    test::copySharedTables(folder.path());
    PatternStore store(folder.path());
    const PatternStore::Tables tables = store.tablesFor(PatternSet::FourByFour, {});
    EXPECT_EQ(tables.status, TableStatus::Ready);
    ASSERT_TRUE(tables.heuristic);
    EXPECT_EQ(tables.heuristic->tableBytes(), test::sharedFourByFour().tableBytes());
    // Reading is no build to tell of.
    EXPECT_EQ(store.buildProgress(), std::nullopt);
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
    test::copySharedTables(folder.path());
    const auto damaged = folder.path() / PatternStore::fileName(4, rightColumnTiles);
    const auto untouched = writeTime(folder.path(), {0, 1, 2, 4, 5, 6});
    GetParam().damage(damaged);

    PatternStore store(folder.path());
    const PatternStore::Tables tables = store.tablesFor(PatternSet::FourByFour, {});
    EXPECT_EQ(tables.status, TableStatus::Built);
    ASSERT_TRUE(tables.heuristic);
    EXPECT_EQ(PatternStore(folder.path()).tablesFor(PatternSet::FourByFour, {}).status, TableStatus::Ready);
    EXPECT_EQ(writeTime(folder.path(), {0, 1, 2, 4, 5, 6}), untouched);
}

TEST(PatternStore, StoppedBuildLeavesNoFileBehind)
{
    const test::TempFolder folder;
    std::stop_source stop;
    stop.request_stop();
    PatternStore store(folder.path());
    const PatternStore::Tables tables = store.tablesFor(PatternSet::FourByFour, stop.get_token());
    EXPECT_EQ(tables.status, TableStatus::Stopped);
    EXPECT_FALSE(tables.heuristic);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ADD_FAILURE() << "left behind: " << entry.path();
}

// Waits, without a timeout of its own, until `done` holds.
void waitFor(const std::function<bool()>& done)
{
    while (!done())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST(PatternStore, ABuildStoppedPartWayRisesUntilThenAndLeavesNoPartOfATableBehind)
{
    const test::TempFolder folder;
    PatternStore store(folder.path());
    TableStatus status = TableStatus::Ready;
    std::jthread build([&](std::stop_token stop) { status = store.prepare({PatternSet::FourByFour}, stop); });

    std::vector<int> seen;
    waitFor([&] {
        const std::optional<int> done = store.buildProgress();
        if (done && (seen.empty() || seen.back() != *done))
            seen.push_back(*done);
        return done >= 5;
    });
    EXPECT_FALSE(store.buildingInBackground());
    build.request_stop();
    build.join();

    EXPECT_TRUE(std::ranges::is_sorted(seen)) << ::testing::PrintToString(seen);
    EXPECT_LE(seen.back(), 100);
    EXPECT_EQ(status, TableStatus::Stopped);
    EXPECT_EQ(store.buildProgress(), std::nullopt);
    // A small table may be done, and kept, before the stop.
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_EQ(entry.path().extension(), ".pdb") << entry.path();
}

TEST(PatternStore, TheLargeTablesBuildInTheBackgroundAndWaitWhileASearchRuns)
{
    PatternStore store(std::nullopt);
    std::jthread build([&](std::stop_token stop) { store.prepare({PatternSet::LargeFiveByFive}, stop); });
    waitFor([&] { return store.buildProgress() >= 1; });
    EXPECT_TRUE(store.buildingInBackground());
    std::optional<PatternStore::Searching> searching(std::in_place, store);
    // A build looks for searches every few thousand placements.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::optional<int> waiting = store.buildProgress();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(store.buildProgress(), waiting);

    searching.reset();
    waitFor([&] { return store.buildProgress() > waiting; });
}

TEST(PatternStore, ABuildOnTheStoresOwnThreadEndsWithTheStore)
{
    const test::TempFolder folder;
    std::optional<PatternStore> store(std::in_place, folder.path());
    store->prepareInBackground(PatternSet::LargeFiveByFive);
    waitFor([&] { return store->buildProgress() >= 1; });
    EXPECT_TRUE(store->buildingInBackground());

    // Stopped, not waited for: no table was finished.
    store.reset();
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(PatternStore, ABuildThatRunsOutOfMemoryLeavesNoPartOfItsTableAndIsTriedAgainWhenAskedAgain)
{
    const test::TempFolder folder;
    test::copySharedTables(folder.path());
    const auto missing = folder.path() / PatternStore::fileName(4, rightColumnTiles);
    std::atomic<int> builds = 0;
    // Every other build runs out of memory, the first among them.
    const auto failingFirst = [&](auto... arguments) {
        if (builds++ % 2 == 0)
            throw std::bad_alloc();
        return buildPatternTable(arguments...);
    };

    std::filesystem::remove(missing);
    PatternStore store(folder.path(), failingFirst);
    EXPECT_THROW(store.prepare({PatternSet::FourByFour}, {}), std::bad_alloc);
    EXPECT_FALSE(store.ifReady(PatternSet::FourByFour));
    EXPECT_EQ(store.buildProgress(), std::nullopt);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_FALSE(entry.path().filename().string().starts_with(missing.filename().string())) << entry.path();
    EXPECT_EQ(store.prepare({PatternSet::FourByFour}, {}), TableStatus::Built);

    // On the store's own thread, which the next call starts again.
    std::filesystem::remove(missing);
    PatternStore behind(folder.path(), failingFirst);
    waitFor([&] {
        behind.prepareInBackground(PatternSet::FourByFour);
        return behind.ifReady(PatternSet::FourByFour) != nullptr;
    });
    EXPECT_EQ(PatternStore(folder.path()).tablesFor(PatternSet::FourByFour, {}).status, TableStatus::Ready);
}

// Asks for the 4x4 tables on a thread of its own while another thread builds
// them, sees it wait, and lets `release` end the wait: what the thread got.
PatternStore::Tables requestWhileBuilt(PatternStore& store, const std::function<void(std::jthread&)>& release)
{
    std::atomic<bool> answered = false;
    PatternStore::Tables tables{};
    std::jthread request([&](std::stop_token stop) {
        tables = store.tablesFor(PatternSet::FourByFour, stop);
        answered = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(answered);
    release(request);
    request.join();
    return tables;
}

TEST(PatternStore, AWaitForAnotherThreadsBuildEndsWhenAskedToStop)
{
    PatternStore store(std::nullopt);
    std::jthread builder([&](std::stop_token stop) { store.prepare({PatternSet::FourByFour}, stop); });
    waitFor([&] { return store.buildProgress().has_value(); });

    const PatternStore::Tables tables = requestWhileBuilt(store, [](std::jthread& request) { request.request_stop(); });

    EXPECT_EQ(tables.status, TableStatus::Stopped);
    EXPECT_FALSE(tables.heuristic);
    // The build it waited for goes on.
    EXPECT_TRUE(store.buildProgress().has_value());
}

TEST(PatternStore, AThreadWaitingForABuildThatIsStoppedBuildsTheTablesItself)
{
    const test::TempFolder folder;
    test::copySharedTables(folder.path());
    const std::vector<int> topLeft{0, 1, 2, 4, 5, 6};
    std::filesystem::remove(folder.path() / PatternStore::fileName(4, topLeft));
    PatternStore store(folder.path());
    std::jthread builder([&](std::stop_token stop) { store.prepare({PatternSet::FourByFour}, stop); });
    waitFor([&] { return store.buildProgress().has_value(); });

    const PatternStore::Tables tables = requestWhileBuilt(store, [&](std::jthread&) { builder.request_stop(); });

    EXPECT_EQ(tables.status, TableStatus::Built);
    ASSERT_TRUE(tables.heuristic);
    EXPECT_EQ(tables.heuristic->tableBytes(), test::sharedFourByFour().tableBytes());
    EXPECT_TRUE(loadPatternTable(folder.path() / PatternStore::fileName(4, topLeft), 4, topLeft));
}

} // namespace
} // namespace pintu::solver
