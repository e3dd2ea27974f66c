#pragma once

#include <bit>
#include <cstdint>
#include <vector>

namespace pintu::solver {

// Two bits per search state: not seen yet, on one of the two frontiers the
// search alternates between, or done. The frontiers live in these bits rather
// than in lists, so a build needs about half the table's own memory besides,
// and each layer is expanded in the order of the states' numbers.
class StateMarks {
public:
    enum Mark : std::uint64_t { Unseen = 0, Done = 3 };

    static Mark frontier(int depth) { return static_cast<Mark>(1 + depth % 2); }

    explicit StateMarks(std::uint64_t states) : words((states + statesPerWord - 1) / statesPerWord, 0) {}

    Mark at(std::uint64_t state) const
    {
        return static_cast<Mark>((words[state / statesPerWord] >> shift(state)) & 3);
    }

    void set(std::uint64_t state, Mark mark)
    {
        std::uint64_t& word = words[state / statesPerWord];
        word = (word & ~(std::uint64_t{3} << shift(state))) | (static_cast<std::uint64_t>(mark) << shift(state));
    }

    void prefetch(std::uint64_t state) const { __builtin_prefetch(&words[state / statesPerWord]); }

    // Calls `visit` with every state marked `mark` when the scan passes it;
    // `visit` may mark any state. False as soon as `visit` returns false.
    template <typename Visit>
    bool forEach(Mark mark, Visit visit)
    {
        constexpr std::uint64_t lowBits = 0x5555555555555555;
        for (std::size_t w = 0; w < words.size(); ++w) {
            for (;;) {
                const std::uint64_t low = words[w] & lowBits;
                const std::uint64_t high = (words[w] >> 1) & lowBits;
                std::uint64_t matching = (mark & 1 ? low : ~low) & (mark & 2 ? high : ~high) & lowBits;
                if (matching == 0)
                    break;
                const auto state = w * statesPerWord + static_cast<std::uint64_t>(std::countr_zero(matching) / 2);
                if (!visit(state))
                    return false;
            }
        }
        return true;
    }

private:
    static constexpr std::uint64_t statesPerWord = 32;
    static int shift(std::uint64_t state) { return static_cast<int>(state % statesPerWord) * 2; }

    std::vector<std::uint64_t> words;
};

} // namespace pintu::solver
