#include "platform/AtomicFile.h"
#include "tests/support/TestPictures.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace pintu::test {
namespace {

// Two threads of one program replacing the same file at once each write
// their own partial file: every replace is whole, and nothing stays beside.
TEST(ReplacedFile, ByTwoThreadsAtOnceIsWholeEveryTime)
{
    const TestFolder folder;
    const std::filesystem::path file = folder.filePath("kept-game.txt").toStdString();
    const std::array<std::string, 2> texts{std::string(64 * 1024, 'a'), "b"};
    std::atomic<int> failed = 0;
    {
        std::vector<std::jthread> writers;
        for (const std::string& text : texts) {
            writers.emplace_back([&] {
                for (int round = 0; round < 50; ++round)
                    failed += replaceFile(file, {std::as_bytes(std::span(text))}) ? 0 : 1;
            });
        }
    }
    EXPECT_EQ(failed, 0);
    std::ifstream in(file, std::ios::binary);
    const std::string kept{std::istreambuf_iterator<char>(in), {}};
    EXPECT_TRUE(kept == texts[0] || kept == texts[1]) << kept.size() << " bytes";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()), {}), 1);
}

} // namespace
} // namespace pintu::test
