#include "solver/cli/QuotedWord.h"

#include <cstdio>

namespace pintu::solver::cli {

namespace {

// The length of the UTF-8 character that `text` starts with when it is one a
// terminal prints as it is, else 0: ASCII controls, C1 controls (which some
// terminals obey like escape sequences), overlong forms, surrogates and
// broken sequences are not.
std::size_t printableLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead >= 0x20 && lead < 0x7F)
        return 1;
    const std::size_t length = lead >= 0xF5 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    }
    const unsigned char second = byte(1);
    const bool refused = (lead == 0xC2 && second < 0xA0) || (lead == 0xE0 && second < 0xA0)
                      || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90)
                      || (lead == 0xF4 && second >= 0x90);
    return refused ? 0 : length;
}

std::string escaped(char byte)
{
    switch (byte) {
    case '\t':
        return "\\t";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '"':
        return "\\\"";
    case '\\':
        return "\\\\";
    }
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(byte));
    return hex;
}

} // namespace

std::string quotedWord(std::string_view word)
{
    std::string quoted = "\"";
    std::size_t characters = 0;
    for (std::size_t at = 0; at < word.size(); ++characters) {
        if (characters == longestQuotedWord)
            return quoted + "\"...";
        const std::size_t length = word[at] == '"' || word[at] == '\\' ? 0 : printableLength(word.substr(at));
        quoted += length == 0 ? escaped(word[at]) : std::string(word.substr(at, length));
        at += length == 0 ? 1 : length;
    }
    return quoted + "\"";
}

} // namespace pintu::solver::cli
