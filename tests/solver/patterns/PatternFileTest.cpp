#include "solver/patterns/PatternFile.h"

#include "tests/solver/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include <sys/wait.h>
#include <unistd.h>

namespace pintu::solver {
namespace {

const std::vector<int> rightColumn{3, 7, 11};

const PatternTable& rightColumnTable()
{
    static const PatternTable table = *buildPatternTable(4, rightColumn, {});
    return table;
}

std::string contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void replace(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(PatternFile, LoadsWhatWasSaved)
{
    const test::TempFolder folder;
    const auto file = folder.path() / "table.pdb";
    ASSERT_TRUE(savePatternTable(file, rightColumnTable()));
    const auto loaded = loadPatternTable(file, 4, rightColumn);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->entries, rightColumnTable().entries);
    // Nothing but the table is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

struct DamageRow {
    std::string name;
    std::function<void(const std::filesystem::path&)> damage;
};

class DamagedPatternFile : public ::testing::TestWithParam<DamageRow> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, DamagedPatternFile,
    ::testing::Values(
        DamageRow{"Missing", [](const auto& file) { std::filesystem::remove(file); }},
        DamageRow{"Empty", [](const auto& file) { replace(file, ""); }},
        DamageRow{"HeaderOnly", [](const auto& file) { replace(file, contents(file).substr(0, 64)); }},
        DamageRow{"OneByteShort",
                  [](const auto& file) {
                      const std::string bytes = contents(file);
                      replace(file, bytes.substr(0, bytes.size() - 1));
                  }},
        DamageRow{"OneByteLong", [](const auto& file) { replace(file, contents(file) + '\0'); }},
        DamageRow{"EntryChanged",
                  [](const auto& file) {
                      std::string bytes = contents(file);
                      bytes.back() ^= 0x01;
                      replace(file, bytes);
                  }},
        // The version is the 32-bit number after the eight-byte magic word.
        DamageRow{"OtherVersion",
                  [](const auto& file) {
                      std::string bytes = contents(file);
                      bytes[8] = static_cast<char>(patternFileVersion + 1);
                      replace(file, bytes);
                  }},
        DamageRow{"NotATable", [](const auto& file) { replace(file, std::string(64 + 3360, 'x')); }}),
    [](const auto& info) { return info.param.name; });

TEST_P(DamagedPatternFile, IsNotTrusted)
{
    const test::TempFolder folder;
    const auto file = folder.path() / "table.pdb";
    ASSERT_TRUE(savePatternTable(file, rightColumnTable()));
    GetParam().damage(file);
    EXPECT_FALSE(loadPatternTable(file, 4, rightColumn));
}

TEST(PatternFile, BelongsToOneBoardAndPattern)
{
    const test::TempFolder folder;
    const auto file = folder.path() / "table.pdb";
    ASSERT_TRUE(savePatternTable(file, rightColumnTable()));
    EXPECT_FALSE(loadPatternTable(file, 4, {3, 7, 12}));
    EXPECT_FALSE(loadPatternTable(file, 4, {7, 3, 11}));
    EXPECT_FALSE(loadPatternTable(file, 5, rightColumn));
}

TEST(PatternFile, SavingWhereNoFolderIsLeavesNothing)
{
    const test::TempFolder folder;
    EXPECT_FALSE(savePatternTable(folder.path() / "missing" / "table.pdb", rightColumnTable()));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

// The number of a process that has ended.
pid_t endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(PatternFile, OnlyHalfWrittenTablesOfEndedProgramsAreRemoved)
{
    const test::TempFolder folder;
    const std::string table = "pattern-4x4-3-7-11.pdb";
    const std::string partial = table + ".partial-";
    const std::vector<std::pair<std::string, bool>> files{
        {partial + std::to_string(endedProcess()) + "-3", false}, // its fourth save
        {partial + std::to_string(endedProcess()), false},        // a save of an earlier version's
        {partial + std::to_string(::getpid()), true},  // another save of this program's may be writing it
        {partial + std::to_string(::getppid()), true}, // or another program that runs
        {partial + "x" + std::to_string(endedProcess()), true},
        {"picture.bmp.partial-" + std::to_string(endedProcess()), true},
        {table, true},
    };
    for (const auto& [name, stays] : files)
        replace(folder.path() / name, "x");

    removeAbandonedTables(folder.path());
    for (const auto& [name, stays] : files)
        EXPECT_EQ(std::filesystem::exists(folder.path() / name), stays) << name;
}

TEST(PatternFile, OnlyTablesOfAnOlderFormatAreRemoved)
{
    const test::TempFolder folder;
    const auto saveAs = [&](const std::string& name, std::uint32_t version) {
        ASSERT_TRUE(savePatternTable(folder.path() / name, rightColumnTable()));
        std::string bytes = contents(folder.path() / name);
        bytes[8] = static_cast<char>(version);
        replace(folder.path() / name, bytes);
    };
    saveAs("pattern-4x4-3-7-11.pdb", patternFileVersion - 1);
    saveAs("pattern-4x4-0-1-2.pdb", patternFileVersion);
    saveAs("pattern-5x5-0-1-2.pdb", patternFileVersion + 1);
    saveAs("kept-3-7-11.pdb", patternFileVersion - 1);
    replace(folder.path() / "pattern-4x4-4-8-12.pdb", "x");

    removeOutdatedTables(folder.path());
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        left.push_back(entry.path().filename().string());
    std::ranges::sort(left);
    EXPECT_EQ(left, (std::vector<std::string>{"kept-3-7-11.pdb", "pattern-4x4-0-1-2.pdb", "pattern-4x4-4-8-12.pdb",
                                              "pattern-5x5-0-1-2.pdb"}));
}

} // namespace
} // namespace pintu::solver
