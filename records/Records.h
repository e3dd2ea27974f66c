#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pintu {

// One game won by moves.
struct Win {
    std::string date; // mm-dd-yyyy, as the clock gives it
    int side;         // of the board
    int steps;
    long long tenths; // of a second, as the clock stopped at the winning move
    std::optional<int> shortest = std::nullopt; // the fewest moves from the game's start, when proven

    friend bool operator==(const Win&, const Win&) = default;
};

// The best of every win on one board size.
struct SizeRecord {
    int side;
    long long wins;
    int fewestSteps;
    long long bestTenths;
    std::optional<int> shortest; // from the start of the game won in the fewest steps

    friend bool operator==(const SizeRecord&, const SizeRecord&) = default;
};

// The player's records: every board size won on, smallest first, and the
// latest wins, oldest first.
struct Records {
    std::vector<SizeRecord> sizes;
    std::vector<Win> wins;

    friend bool operator==(const Records&, const Records&) = default;
};

// The wins kept one by one; the sizes' bests count every win ever.
inline constexpr std::size_t keptWins = 1000;
// More than the records ever take: a longer file is damaged.
inline constexpr std::size_t largestRecordsText = 256 * 1024;

// ASCII lines: one a board size
//   "3x3 wins 2 fewest-steps 31 best-seconds 42.5 shortest 22"
// then one a win, newest last
//   "win 12-07-2026 3x3 steps 31 seconds 42.5 shortest 22"
// the shortest way only where it is known.
std::string recordsText(const Records& records);

// Nothing unless `text` is records as recordsText writes them (lines may end
// in CR LF, as an editor may have left them).
std::optional<Records> readRecords(std::string_view text);

void addWin(Records& records, const Win& win);

// A win's steps set against the fewest its start needed.
struct Closest {
    int steps;
    int shortest;

    friend bool operator==(const Closest&, const Closest&) = default;
};

// Of the wins kept on a board size and its win in the fewest steps, the one
// that took the fewest steps more than its shortest way; nothing when no
// such way is known.
std::optional<Closest> closestToShortest(const Records& records, int side);

// The newest win equal to `win` learns its shortest way, which came after
// it was added; false when there is no such win.
bool addShortest(Records& records, const Win& win, int shortest);

} // namespace pintu
