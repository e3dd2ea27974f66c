#include "fuzz/InputBytes.h"

#include <gtest/gtest.h>

#include <array>

namespace pintu::fuzz {
namespace {

TEST(InputBytes, TakesFromTheFrontAndGivesZerosOrLessOnceItRunsOut)
{
    const std::array<std::uint8_t, 6> bytes{7, 0x34, 0x12, 'a', 'b', 'c'};
    InputBytes input(bytes);
    EXPECT_EQ(input.takeByte(), 7);
    EXPECT_EQ(input.takeLittleEndian16(), 0x1234);
    EXPECT_EQ(input.take(2), "ab");
    EXPECT_FALSE(input.empty());
    EXPECT_EQ(input.take(5), "c");
    EXPECT_TRUE(input.empty());
    EXPECT_EQ(input.takeByte(), 0);
    EXPECT_EQ(input.takeLittleEndian16(), 0);
    EXPECT_EQ(input.takeRest(), "");
}

TEST(InputBytes, ASixteenBitNumberCutShortKeepsItsLowByte)
{
    const std::array<std::uint8_t, 1> bytes{0xAB};
    InputBytes input(bytes);
    EXPECT_EQ(input.takeLittleEndian16(), 0xAB);
}

} // namespace
} // namespace pintu::fuzz
