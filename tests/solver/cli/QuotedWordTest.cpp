#include "solver/cli/QuotedWord.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace pintu::solver::cli {
namespace {

// Echoed input must not drive the terminal: an escape sequence, a C1 control
// (CSI, U+009B), broken or overlong UTF-8 and surrogates all show as bytes,
// and a long word is cut after so many characters, escaped or not.
TEST(QuotedWord, EscapesWhatATerminalWouldObeyAndCutsALongWord)
{
    const std::string longest(longestQuotedWord, '7');
    std::string chinese;
    for (std::size_t i = 0; i < longestQuotedWord; ++i)
        chinese += "三";
    for (const auto& [word, quoted] : std::vector<std::pair<std::string, std::string>>{
             {"3x", R"("3x")"},
             {"三", R"("三")"},
             {"\x1b[2J", R"("\x1b[2J")"},
             {"\xc2\x9b" "31m", R"("\xc2\x9b31m")"},
             {"a\tb\rc\x7f", R"("a\tb\rc\x7f")"},
             {"say \"hi\\\"", R"("say \"hi\\\"")"},
             {"\xff\xe4\xb8", R"("\xff\xe4\xb8")"},
             {"\xc0\xaf", R"("\xc0\xaf")"},
             {"\xed\xa0\x80", R"("\xed\xa0\x80")"},
             {longest, "\"" + longest + "\""},
             {longest + "8", "\"" + longest + "\"..."},
             {chinese + "\x1b", "\"" + chinese + "\"..."}}) {
        EXPECT_EQ(quotedWord(word), quoted);
    }
}

} // namespace
} // namespace pintu::solver::cli
