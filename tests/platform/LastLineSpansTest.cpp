#include "LastLineSpans.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pintu {
namespace {

struct Text {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

void PrintTo(const Text& text, std::ostream* out)
{
    *out << text.name;
}

class LinesOf : public ::testing::TestWithParam<Text> {};

INSTANTIATE_TEST_SUITE_P(Texts, LinesOf,
                         ::testing::Values(Text{"CrLf", "A\r\nB\r\nC\r\n", {"A", "B", "C"}},
                                           Text{"LastLineUnended", "A\r\nB\r\nC", {"A", "B", "C"}},
                                           Text{"EmptyLine", "A\r\n\r\nC\r\n", {"A", "", "C"}},
                                           Text{"OneEmptyLine", "\r\n", {""}},
                                           Text{"Empty", "", {}},
                                           Text{"LineFeeds", "A\nB\n", {"A", "B"}},
                                           Text{"CarriageReturn", "A\rB", {"A", "B"}},
                                           Text{"TwoCarriageReturns", "A\r\rB", {"A", "", "B"}},
                                           Text{"LineFeedThenCarriageReturn", "A\n\rB\r", {"A", "", "B"}}),
                         [](const auto& info) { return std::string(info.param.name); });

std::vector<std::string> linesIn(const std::string& bytes, const LastLineSpans& finder)
{
    std::vector<std::string> lines;
    for (const LastLineSpans::Span& span : finder.spans())
        lines.push_back(bytes.substr(span.start, span.length));
    return lines;
}

// Fed in pieces of every size, so that a CR LF split between two pieces is still one line end.
TEST_P(LinesOf, AreFoundInPiecesOfAnySize)
{
    const std::string& bytes = GetParam().bytes;
    for (std::size_t piece = 1; piece <= std::max<std::size_t>(bytes.size(), 1); ++piece) {
        LastLineSpans finder(GetParam().lines.size());
        for (std::size_t start = 0; start < bytes.size(); start += piece)
            finder.feed(std::string_view(bytes).substr(start, piece));
        finder.end();
        EXPECT_EQ(linesIn(bytes, finder), GetParam().lines) << "pieces of " << piece;
        EXPECT_EQ(finder.lineCount(), static_cast<std::int64_t>(GetParam().lines.size()));
    }
}

TEST(LastLineSpans, KeepOnlyTheLastAndCountTheRest)
{
    const std::string bytes = "A\r\nB\nC\rD";
    LastLineSpans finder(2);
    finder.feed(bytes);
    finder.end();
    EXPECT_EQ(linesIn(bytes, finder), (std::vector<std::string>{"C", "D"}));
    EXPECT_EQ(finder.lineCount(), 4);
}

} // namespace
} // namespace pintu
