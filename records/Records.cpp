#include "records/Records.h"

#include "board/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <span>

namespace pintu {

namespace {

constexpr std::array knownSides{3, 4, 5, 10};
// Enough for any count a player reaches, and no number can overflow.
constexpr std::size_t longestNumber = 15;
constexpr std::string_view shortestKey = "shortest";

std::string sizeName(int side)
{
    return std::to_string(side) + "x" + std::to_string(side);
}

std::string shortestText(const std::optional<int>& shortest)
{
    return shortest ? " " + std::string(shortestKey) + " " + std::to_string(*shortest) : "";
}

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> found;
    for (std::size_t space; (space = line.find(' ')) != std::string_view::npos; line.remove_prefix(space + 1))
        found.push_back(line.substr(0, space));
    found.push_back(line);
    return found;
}

std::optional<long long> number(std::string_view text)
{
    const bool digitsOnly = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (text.empty() || text.size() > longestNumber || !digitsOnly || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::optional<int> count(std::string_view text)
{
    const auto value = number(text);
    if (!value || *value > 1'000'000'000)
        return std::nullopt;
    return static_cast<int>(*value);
}

// "42.5", "61": as plainTenths writes them.
std::optional<long long> tenths(std::string_view text)
{
    const std::size_t point = text.find('.');
    const auto whole = number(text.substr(0, point));
    if (!whole)
        return std::nullopt;
    if (point == std::string_view::npos)
        return *whole * 10;
    const std::string_view fraction = text.substr(point + 1);
    if (fraction.size() != 1 || fraction[0] < '1' || fraction[0] > '9')
        return std::nullopt;
    return *whole * 10 + (fraction[0] - '0');
}

std::optional<int> side(std::string_view text)
{
    for (const int known : knownSides) {
        if (text == sizeName(known))
            return known;
    }
    return std::nullopt;
}

bool isDate(std::string_view text)
{
    if (text.size() != 10)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool dash = i == 2 || i == 5;
        if (dash ? text[i] != '-' : text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}

// The values after `keys`, in order, and after an optional last "shortest";
// nothing when the words say anything else.
struct Values {
    std::vector<std::string_view> values;
    std::optional<int> shortest;
};

std::optional<Values> valuesAfter(std::span<const std::string_view> line, std::span<const std::string_view> keys)
{
    Values found;
    for (const std::string_view key : keys) {
        if (line.size() < 2 || line[0] != key)
            return std::nullopt;
        found.values.push_back(line[1]);
        line = line.subspan(2);
    }
    if (line.empty())
        return found;
    found.shortest = line.size() == 2 && line[0] == shortestKey ? count(line[1]) : std::nullopt;
    if (!found.shortest)
        return std::nullopt;
    return found;
}

std::optional<SizeRecord> sizeRecord(std::span<const std::string_view> line)
{
    static constexpr std::array<std::string_view, 3> keys{"wins", "fewest-steps", "best-seconds"};
    const auto boardSide = line.empty() ? std::nullopt : side(line[0]);
    const auto found = boardSide ? valuesAfter(line.subspan(1), keys) : std::nullopt;
    if (!found)
        return std::nullopt;
    const auto wins = number(found->values[0]);
    const auto fewest = count(found->values[1]);
    const auto best = tenths(found->values[2]);
    if (!wins || *wins == 0 || !fewest || !best)
        return std::nullopt;
    return SizeRecord{*boardSide, *wins, *fewest, *best, found->shortest};
}

std::optional<Win> win(std::span<const std::string_view> line)
{
    static constexpr std::array<std::string_view, 2> keys{"steps", "seconds"};
    if (line.size() < 3 || line[0] != "win" || !isDate(line[1]))
        return std::nullopt;
    const auto boardSide = side(line[2]);
    const auto found = boardSide ? valuesAfter(line.subspan(3), keys) : std::nullopt;
    if (!found)
        return std::nullopt;
    const auto steps = count(found->values[0]);
    const auto seconds = tenths(found->values[1]);
    if (!steps || !seconds)
        return std::nullopt;
    return Win{std::string(line[1]), *boardSide, *steps, *seconds, found->shortest};
}

SizeRecord* recordOf(Records& records, int boardSide)
{
    const auto found = std::ranges::find(records.sizes, boardSide, &SizeRecord::side);
    return found == records.sizes.end() ? nullptr : &*found;
}

// Of two wins in as few steps, the one with the longer shortest way came closer to it.
void takeShortestOf(SizeRecord& record, int steps, const std::optional<int>& shortest)
{
    if (steps == record.fewestSteps && shortest > record.shortest)
        record.shortest = shortest;
}

} // namespace

std::string recordsText(const Records& records)
{
    std::string text;
    for (const SizeRecord& size : records.sizes) {
        text += sizeName(size.side) + " wins " + std::to_string(size.wins) + " fewest-steps " +
                std::to_string(size.fewestSteps) + " best-seconds " + plainTenths(size.bestTenths) +
                shortestText(size.shortest) + "\n";
    }
    for (const Win& won : records.wins) {
        text += "win " + won.date + " " + sizeName(won.side) + " steps " + std::to_string(won.steps) + " seconds " +
                plainTenths(won.tenths) + shortestText(won.shortest) + "\n";
    }
    return text;
}

std::optional<Records> readRecords(std::string_view text)
{
    Records records;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt;
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const std::vector<std::string_view> parts = words(line);
        if (const auto size = records.wins.empty() ? sizeRecord(parts) : std::nullopt) {
            if (!records.sizes.empty() && records.sizes.back().side >= size->side)
                return std::nullopt;
            records.sizes.push_back(*size);
            continue;
        }
        const auto won = win(parts);
        const SizeRecord* size = won ? recordOf(records, won->side) : nullptr;
        if (!size || records.wins.size() == keptWins)
            return std::nullopt;
        records.wins.push_back(*won);
        const auto wonHere = std::ranges::count(records.wins, won->side, &Win::side);
        if (wonHere > size->wins || won->steps < size->fewestSteps || won->tenths < size->bestTenths)
            return std::nullopt;
    }
    return records;
}

void addWin(Records& records, const Win& win)
{
    SizeRecord* record = recordOf(records, win.side);
    if (!record) {
        const auto place = std::ranges::find_if(records.sizes, [&](const SizeRecord& size) { return size.side > win.side; });
        records.sizes.insert(place, SizeRecord{win.side, 1, win.steps, win.tenths, win.shortest});
    } else {
        ++record->wins;
        if (win.steps < record->fewestSteps) {
            record->fewestSteps = win.steps;
            record->shortest = win.shortest;
        }
        takeShortestOf(*record, win.steps, win.shortest);
        record->bestTenths = std::min(record->bestTenths, win.tenths);
    }
    records.wins.push_back(win);
    if (records.wins.size() > keptWins)
        records.wins.erase(records.wins.begin());
}

std::optional<Closest> closestToShortest(const Records& records, int side)
{
    std::optional<Closest> closest;
    const auto consider = [&closest](int steps, const std::optional<int>& shortest) {
        if (shortest && (!closest || steps - *shortest < closest->steps - closest->shortest))
            closest = Closest{steps, *shortest};
    };
    for (const SizeRecord& size : records.sizes) {
        if (size.side == side)
            consider(size.fewestSteps, size.shortest);
    }
    for (const Win& won : records.wins) {
        if (won.side == side)
            consider(won.steps, won.shortest);
    }
    return closest;
}

bool addShortest(Records& records, const Win& win, int shortest)
{
    const auto found = std::find(records.wins.rbegin(), records.wins.rend(), win);
    SizeRecord* record = recordOf(records, win.side);
    if (found == records.wins.rend() || !record)
        return false;
    found->shortest = shortest;
    takeShortestOf(*record, win.steps, shortest);
    return true;
}

} // namespace pintu
