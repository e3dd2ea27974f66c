#include "resume/KeptGameStore.h"
#include "tests/fakes/FakeFiles.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace pintu::test {
namespace {

const std::string keptPath = "/data/pintu/kept-game.txt";

KeptGame gameOfSteps(int steps)
{
    const Board::Snapshot game{
        Board::Phase::Playing, Arrangement::solved(3), steps, std::chrono::seconds(steps), false, 0};
    return {0, &board3x3, "/pictures/cat.bmp", game};
}

TEST(KeptGameStore, WritesTheLatestGameWholeAndOnlyThat)
{
    FakeFiles files;
    KeptGameStore store(files, keptPath);
    EXPECT_EQ(store.read(), std::nullopt);
    for (int steps = 1; steps <= 50; ++steps)
        store.keep(gameOfSteps(steps));
    store.settle();
    EXPECT_EQ(files.contents.at(keptPath), keptGameText(gameOfSteps(50)));

    // Each write tells how it went.
    std::vector<std::error_code> told;
    const auto tell = [&told](std::error_code error) { told.push_back(error); };
    const std::error_code full = std::make_error_code(std::errc::no_space_on_device);
    files.replaceFailure = full;
    store.keep(gameOfSteps(51), tell);
    EXPECT_EQ(store.read(), gameOfSteps(50)) << "a failed write leaves the game kept before";
    files.replaceFailure.clear();
    store.keep(gameOfSteps(52), tell);
    store.settle();
    EXPECT_EQ(told, (std::vector<std::error_code>{full, std::error_code()}));

    store.forget();
    store.settle();
    EXPECT_FALSE(files.exists(keptPath));
}

TEST(KeptGameStore, ForgetsADamagedGameWhenReadingIt)
{
    FakeFiles files;
    files.contents[keptPath] = keptGameText(gameOfSteps(3)).substr(1);
    KeptGameStore store(files, keptPath);
    EXPECT_EQ(store.read(), std::nullopt);
    store.settle();
    EXPECT_FALSE(files.exists(keptPath));
}

TEST(KeptGameStore, WritesWhatWasAskedBeforeItGoes)
{
    FakeFiles files;
    std::optional<KeptGameStore> store(std::in_place, files, keptPath);
    store->keep(gameOfSteps(7));
    store.reset();
    EXPECT_EQ(files.contents.at(keptPath), keptGameText(gameOfSteps(7)));
}

} // namespace
} // namespace pintu::test
