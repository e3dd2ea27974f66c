#include "fuzz/Seeds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace pintu::fuzz {

// Outside the unnamed namespace, where gtest looks for it beside FuzzTarget;
// without it a test's name ends in the target's bytes.
void PrintTo(const FuzzTarget& target, std::ostream* out)
{
    *out << target.name;
}

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& text)
{
    return {text.begin(), text.end()};
}

class FuzzSeeds : public ::testing::TestWithParam<FuzzTarget> {};

INSTANTIATE_TEST_SUITE_P(Targets, FuzzSeeds, ::testing::ValuesIn(fuzzTargets),
                         [](const auto& info) { return std::string(info.param.name); });

// The checks hold on what the game really writes; a check that fails here
// would stop every fuzzer at its first input.
TEST_P(FuzzSeeds, TheGamesOwnFilesPassEveryCheck)
{
    const FuzzTarget& target = GetParam();
    const std::vector<Seed> seeds = target.seeds();
    EXPECT_FALSE(seeds.empty());
    for (const Seed& seed : seeds)
        EXPECT_EQ(target.check(bytesOf(seed.bytes)), std::nullopt) << seed.name;
}

// An input a fuzzer stopped on, kept under tests/fuzz/inputs/<target>/ with a
// name that says what it found.
struct KeptInput {
    const FuzzTarget* target;
    std::filesystem::path file;
};

std::vector<KeptInput> keptInputs()
{
    std::vector<KeptInput> inputs;
    for (const FuzzTarget& target : fuzzTargets) {
        const std::filesystem::path folder = std::filesystem::path(PINTU_FUZZ_INPUTS) / target.name;
        if (!std::filesystem::is_directory(folder))
            continue;
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const auto& file : files)
            inputs.push_back({&target, file});
    }
    return inputs;
}

void PrintTo(const KeptInput& input, std::ostream* out)
{
    *out << input.file;
}

std::string testName(const KeptInput& input)
{
    std::string name = std::string(input.target->name) + "_" + input.file.filename().string();
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

class KeptFuzzInput : public ::testing::TestWithParam<KeptInput> {};
// A target whose fuzzer never stopped has nothing kept.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(KeptFuzzInput);

INSTANTIATE_TEST_SUITE_P(Findings, KeptFuzzInput, ::testing::ValuesIn(keptInputs()),
                         [](const auto& info) { return testName(info.param); });

TEST_P(KeptFuzzInput, PassesItsTargetsChecks)
{
    std::ifstream file(GetParam().file, std::ios::binary);
    ASSERT_TRUE(file.is_open()) << GetParam().file;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(GetParam().target->check(bytes), std::nullopt);
}

} // namespace
} // namespace pintu::fuzz
