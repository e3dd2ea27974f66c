#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pintu::solver::cli {

inline constexpr std::size_t longestQuotedWord = 40;

// A word of the input in double quotes, safe to show on a terminal: control
// characters, bytes that are no UTF-8, quotes and backslashes are escaped
// (\n, \x1b, \", \\), and after so many characters the word is cut, with
// ... after the closing quote.
std::string quotedWord(std::string_view word);

} // namespace pintu::solver::cli
