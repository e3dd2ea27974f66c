#include "app/session/InstanceChannel.h"
#include "tests/support/TestPictures.h"

#include <QTest>

#include <gtest/gtest.h>

#include <future>

namespace pintu::test {
namespace {

using namespace std::chrono_literals;

// What a second start names reaches the running game as the bytes it named,
// whatever they are; a path with a NUL inside, which no file has, as no
// picture at all.
TEST(InstanceChannel, HandsOverThePathsBytes)
{
    TestFolder folder;
    const QString name = folder.filePath("channel");
    std::vector<std::optional<std::string>> handed;
    const InstanceChannel channel(name, [&](std::optional<std::string> picture) { handed.push_back(picture); });

    const std::string gb18030Name = "/pictures/\xb2\xe2\xca\xd4.bmp";
    const std::string nulInside("/pictures/a\0b.bmp", 17);
    std::size_t sentSoFar = 0;
    for (const std::string& sent : {gb18030Name, nulInside}) {
        // The running game answers from its event loop, so the second start asks from a thread of its own.
        std::future<bool> answered = std::async(std::launch::async, [&] { return handOverToRunningGame(name, sent); });
        ASSERT_TRUE(QTest::qWaitFor([&] { return answered.wait_for(0s) == std::future_status::ready; }));
        EXPECT_TRUE(answered.get());
        // Each acted on before the next comes, which would take its place.
        ++sentSoFar;
        ASSERT_TRUE(QTest::qWaitFor([&] { return handed.size() == sentSoFar; }));
    }
    EXPECT_EQ(handed, (std::vector<std::optional<std::string>>{gb18030Name, std::nullopt}));
}

// Starts one after another, far more than the game hears at once: each has
// its answer, and the picture acted on last is the latest.
TEST(InstanceChannel, AnswersAFloodAndActsOnTheLatest)
{
    TestFolder folder;
    const QString name = folder.filePath("channel");
    std::optional<std::string> handed;
    const InstanceChannel channel(name, [&](std::optional<std::string> picture) { handed = picture; });
    std::future<int> answered = std::async(std::launch::async, [&] {
        int answers = 0;
        for (int start = 1; start <= 100; ++start)
            answers += handOverToRunningGame(name, "/" + std::to_string(start) + ".bmp") ? 1 : 0;
        return answers;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answered.wait_for(0s) == std::future_status::ready; }, 60'000));
    EXPECT_EQ(answered.get(), 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return handed == "/100.bmp"; }));
}

} // namespace
} // namespace pintu::test
