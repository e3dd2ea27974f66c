#include "platform/LastLineSpans.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace pintu {
namespace {

// Fed in pieces of every size, so that a CR LF split between two pieces is
// still one line end.
TEST(LastLineSpans, FindLinesEndedByCrLfCrOrLfInPiecesOfAnySize)
{
    for (const auto& [bytes, lines] : std::vector<std::pair<std::string, std::vector<std::string>>>{
             {"A\r\nB\r\nC\r\n", {"A", "B", "C"}},
             {"A\r\nB\r\nC", {"A", "B", "C"}},
             {"A\r\n\r\nC\r\n", {"A", "", "C"}},
             {"\r\n", {""}},
             {"", {}},
             {"A\nB\n", {"A", "B"}},
             {"A\r\rB", {"A", "", "B"}},
             {"A\n\rB\r", {"A", "", "B"}}}) {
        for (std::size_t piece = 1; piece <= std::max<std::size_t>(bytes.size(), 1); ++piece) {
            LastLineSpans finder(lines.size());
            for (std::size_t start = 0; start < bytes.size(); start += piece)
                finder.feed(std::string_view(bytes).substr(start, piece));
            finder.end();
            std::vector<std::string> found;
            for (const LastLineSpans::Span& span : finder.spans())
                found.push_back(bytes.substr(span.start, span.length));
            EXPECT_EQ(found, lines) << testing::PrintToString(bytes) << " in pieces of " << piece;
            EXPECT_EQ(finder.lineCount(), static_cast<std::int64_t>(lines.size()));
        }
    }
}

} // namespace
} // namespace pintu
