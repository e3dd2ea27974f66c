#include "solver/RedundantMoves.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <queue>
#include <ranges>
#include <utility>

namespace pintu::solver {

namespace {

// Long enough that the search's steps seldom end in a state outside a
// processor's nearest caches, short enough to be found in milliseconds.
constexpr int sharedLongest = 10;

using Steps = std::vector<std::uint8_t>;

// The longest sequence looked at; a step is two bits of a sequence's number.
constexpr int maxLongest = 15;

// Where the tiles a sequence moves end up, on a board wide enough that it
// never meets an edge: cells are numbered around the blank's first cell.
struct Effect {
    int blank = 0;
    int count = 0; // cells the blank entered, its first among them
    std::array<int, maxLongest + 1> cells{};
    std::array<int, maxLongest + 1> origins{}; // where each cell's content came from

    // The same for equal effects, whatever order the cells were entered in.
    std::uint64_t key() const
    {
        const auto mix = [](std::uint64_t value) {
            // splitmix64's finalizer
            value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9;
            value = (value ^ (value >> 27)) * 0x94d049bb133111eb;
            return value ^ (value >> 31);
        };
        std::uint64_t key = mix(static_cast<std::uint64_t>(blank));
        for (int i = 0; i < count; ++i) {
            if (cells[i] != origins[i])
                key += mix(static_cast<std::uint64_t>(cells[i]) << 32 | static_cast<std::uint64_t>(origins[i]) | 1u << 31);
        }
        return key;
    }

    // Sorted by cell: what equal effects agree on, and which cells were entered.
    std::vector<std::pair<int, int>> moved() const
    {
        std::vector<std::pair<int, int>> pairs;
        for (int i = 0; i < count; ++i)
            pairs.emplace_back(cells[i], origins[i]);
        std::ranges::sort(pairs);
        return pairs;
    }
};

Effect effectOf(std::uint32_t number, int length)
{
    constexpr int width = 2 * maxLongest + 1;
    constexpr std::array<int, 4> move{-width, width, -1, 1}; // up, down, left, right
    Effect effect;
    effect.blank = maxLongest * width + maxLongest;
    effect.cells[0] = effect.origins[0] = effect.blank;
    effect.count = 1;
    for (int i = length - 1; i >= 0; --i) {
        const int to = effect.blank + move[(number >> (2 * i)) & 3];
        int at = 0;
        while (at < effect.count && effect.cells[at] != to)
            ++at;
        if (at == effect.count) {
            effect.cells[at] = effect.origins[at] = to;
            ++effect.count;
        }
        int from = 0;
        while (effect.cells[from] != effect.blank)
            ++from;
        std::swap(effect.origins[from], effect.origins[at]);
        effect.blank = to;
    }
    return effect;
}

// Whether a sequence whose effect is `later` can be replaced by one whose
// effect is `earlier`: the same tiles end in the same cells, and the blank
// enters no cell the later one does not.
bool replaces(const Effect& earlier, const Effect& later)
{
    if (earlier.blank != later.blank)
        return false;
    const std::vector<std::pair<int, int>> before = earlier.moved();
    const std::vector<std::pair<int, int>> after = later.moved();
    const auto changed = [](const std::pair<int, int>& cell) { return cell.first != cell.second; };
    if (!std::ranges::equal(before | std::views::filter(changed), after | std::views::filter(changed)))
        return false;
    return std::ranges::includes(after, before, {}, &std::pair<int, int>::first, &std::pair<int, int>::first);
}

// Sequences seen so far by the key of their effect; open addressing, as a
// dozen steps make close to a million of them.
class EffectIndex {
public:
    struct Sequence {
        std::uint32_t number;
        int length; // none in an empty slot
    };

    // Calls `visit` with every sequence kept under `key` until it returns true.
    template <typename Visit>
    bool any(std::uint64_t key, Visit visit) const
    {
        for (std::size_t slot = key & mask();; slot = (slot + 1) & mask()) {
            if (sequences[slot].length < 0)
                return false;
            if (keys[slot] == key && visit(sequences[slot]))
                return true;
        }
    }

    void add(std::uint64_t key, Sequence sequence)
    {
        if (2 * (count + 1) > keys.size())
            grow();
        std::size_t slot = key & mask();
        while (sequences[slot].length >= 0)
            slot = (slot + 1) & mask();
        keys[slot] = key;
        sequences[slot] = sequence;
        ++count;
    }

private:
    std::size_t mask() const { return keys.size() - 1; }

    void grow()
    {
        std::vector<std::uint64_t> oldKeys(std::max<std::size_t>(1024, 2 * keys.size()));
        std::vector<Sequence> oldSequences(oldKeys.size(), Sequence{0, -1});
        std::swap(oldKeys, keys);
        std::swap(oldSequences, sequences);
        count = 0;
        for (std::size_t slot = 0; slot < oldKeys.size(); ++slot) {
            if (oldSequences[slot].length >= 0)
                add(oldKeys[slot], oldSequences[slot]);
        }
    }

    std::vector<std::uint64_t> keys;
    std::vector<Sequence> sequences;
    std::size_t count = 0;
};

// Every redundant sequence up to `longest` steps that holds no shorter one:
// sequences are taken by length, and in order within a length, so that any
// that does as well and comes first has been seen. One that holds a
// redundant sequence is never compared: skipping the sequence within skips it.
std::vector<Steps> findRedundant(int longest)
{
    EffectIndex seen;
    seen.add(effectOf(0, 0).key(), {0, 0});
    std::vector<Steps> redundant;
    // Sequences are numbered two bits a step, the first step highest, so
    // that those of one length, kept in increasing order, run in the order
    // of their steps.
    std::vector<std::uint32_t> kept{0};
    // Which sequences one step shorter were kept, by number.
    std::vector<bool> keptBefore{true};
    for (int length = 1; length <= longest; ++length) {
        const std::uint32_t withoutFirst = (std::uint32_t{1} << (2 * (length - 1))) - 1;
        std::vector<std::uint32_t> next;
        std::vector<bool> keptNow(std::size_t{1} << (2 * length), false);
        for (std::uint32_t shorter : kept) {
            for (std::uint32_t step = 0; step < 4; ++step) {
                const std::uint32_t number = shorter << 2 | step;
                if (!keptBefore[number & withoutFirst])
                    continue;
                const Effect effect = effectOf(number, length);
                const std::uint64_t key = effect.key();
                if (seen.any(key, [&](EffectIndex::Sequence earlier) {
                        return replaces(effectOf(earlier.number, earlier.length), effect);
                    })) {
                    Steps steps(static_cast<std::size_t>(length));
                    for (int i = 0; i < length; ++i)
                        steps[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(number >> (2 * (length - 1 - i)) & 3);
                    redundant.push_back(std::move(steps));
                } else {
                    seen.add(key, {number, length});
                    next.push_back(number);
                    keptNow[number] = true;
                }
            }
        }
        kept = std::move(next);
        keptBefore = std::move(keptNow);
    }
    return redundant;
}

} // namespace

RedundantMoves::RedundantMoves(int longest)
{
    // An Aho-Corasick automaton: a tree of the sequences' steps, each state
    // led on, for a step the tree lacks, to where the longest end of its
    // steps that starts some sequence leads.
    constexpr std::int32_t none = -2;
    std::vector<std::array<std::int32_t, 4>> next{{none, none, none, none}};
    std::vector<bool> ends{false};
    for (const Steps& steps : findRedundant(longest)) {
        std::size_t state = 0;
        for (std::uint8_t step : steps) {
            if (next[state][step] == none) {
                next[state][step] = static_cast<std::int32_t>(next.size());
                next.push_back({none, none, none, none});
                ends.push_back(false);
            }
            state = static_cast<std::size_t>(next[state][step]);
        }
        ends[state] = true;
    }

    std::vector<std::int32_t> fallback(next.size(), 0);
    std::queue<std::int32_t> queue;
    for (std::int32_t& child : next[0]) {
        if (child == none)
            child = 0;
        else
            queue.push(child);
    }
    while (!queue.empty()) {
        const auto state = static_cast<std::size_t>(queue.front());
        queue.pop();
        ends[state] = ends[state] || ends[static_cast<std::size_t>(fallback[state])];
        for (int step = 0; step < 4; ++step) {
            const std::int32_t onFallback = next[static_cast<std::size_t>(fallback[state])][step];
            std::int32_t& child = next[state][step];
            if (child == none) {
                child = onFallback;
            } else {
                fallback[static_cast<std::size_t>(child)] = onFallback;
                queue.push(child);
            }
        }
    }

    transitions.reserve(next.size() * 4);
    for (const auto& steps : next) {
        for (std::int32_t to : steps)
            transitions.push_back(ends[static_cast<std::size_t>(to)] ? skipped : to);
    }
}

const RedundantMoves& RedundantMoves::shared()
{
    static const RedundantMoves moves(sharedLongest);
    return moves;
}

} // namespace pintu::solver
