#include "resume/KeptGame.h"

#include "board/Bounds.h"
#include "platform/Files.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <vector>

#include <zlib.h>

namespace pintu {

namespace {

using Phase = Board::Phase;

// The first version kept no start; a game that knows none is still written so.
constexpr std::string_view versionLine = "pintu kept game 1";
constexpr std::string_view versionWithStart = "pintu kept game 2";
constexpr std::string_view lineEnd = "\r\n";
constexpr std::array<const BoardSize*, 4> sizes{&board3x3, &board4x4, &board5x5, &board10x10};
constexpr std::array<std::pair<Phase, std::string_view>, 3> phaseNames{{
    {Phase::Playing, "playing"},
    {Phase::Replaying, "replaying"},
    {Phase::Won, "won"},
}};
constexpr int layoutSets = 2;
// Enough for any count a game reaches, and no number can overflow.
constexpr std::size_t longestNumber = 18;

std::uint32_t crc32(std::string_view bytes)
{
    return static_cast<std::uint32_t>(::crc32_z(0, reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()));
}

std::string hex(std::uint32_t value)
{
    constexpr std::string_view digits = "0123456789ABCDEF";
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i, value >>= 4)
        text[i] = digits[value & 0xF];
    return text;
}

// A path may hold any byte but NUL; the file holds printable ASCII only.
bool writtenAsItIs(char c)
{
    return c >= 0x20 && c < 0x7F && c != '%';
}

std::string escaped(std::string_view path)
{
    std::string text;
    for (const char c : path) {
        if (writtenAsItIs(c))
            text += c;
        else
            text += "%" + hex(static_cast<unsigned char>(c)).substr(6);
    }
    return text;
}

std::optional<int> hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

std::optional<std::string> unescaped(std::string_view text)
{
    std::string path;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            if (!writtenAsItIs(text[i]))
                return std::nullopt;
            path += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const auto high = hexDigit(text[i + 1]);
        const auto low = hexDigit(text[i + 2]);
        // Only the one way the game writes a byte: no escape for what stands as it is.
        const char byte = static_cast<char>(high.value_or(0) * 16 + low.value_or(0));
        if (!high || !low || writtenAsItIs(byte))
            return std::nullopt;
        path += byte;
        i += 2;
    }
    return path;
}

std::optional<long long> number(std::optional<std::string_view> field)
{
    if (!field)
        return std::nullopt;
    const std::string_view text = *field;
    const bool digitsOnly = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (text.empty() || text.size() > longestNumber || !digitsOnly || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string replayText(const Board::Snapshot& game)
{
    if (game.phase == Phase::Replaying)
        return "block " + std::to_string(game.replayBlock);
    return game.replayOffered ? "offered" : "none";
}

// The lines of `text`, each without its CR LF; nothing unless every line has one.
std::optional<std::vector<std::string_view>> lines(std::string_view text)
{
    std::vector<std::string_view> found;
    while (!text.empty()) {
        const std::size_t end = text.find(lineEnd);
        if (end == std::string_view::npos)
            return std::nullopt;
        found.push_back(text.substr(0, end));
        text.remove_prefix(end + lineEnd.size());
    }
    return found;
}

// The value of a line "key value".
std::optional<std::string_view> field(std::string_view line, std::string_view key)
{
    if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != ' ')
        return std::nullopt;
    return line.substr(key.size() + 1);
}

std::optional<std::vector<int>> tiles(std::string_view text, int cells)
{
    std::vector<int> found;
    while (static_cast<int>(found.size()) < cells) {
        const std::size_t end = std::min(text.find(' '), text.size());
        const auto tile = number(text.substr(0, end));
        if (!tile || *tile >= cells)
            return std::nullopt;
        found.push_back(static_cast<int>(*tile));
        text.remove_prefix(end);
        if (static_cast<int>(found.size()) < cells) {
            if (text.empty())
                return std::nullopt;
            text.remove_prefix(1);
        }
    }
    if (!text.empty())
        return std::nullopt;
    return found;
}

// Can the board be where `game` says? Replays belong to the boards with a
// log, a won game to a whole picture.
bool playable(const BoardSize& size, const Board::Snapshot& game)
{
    const bool logged = size.kind == BoardKind::Logged;
    switch (game.phase) {
    case Phase::Playing:
        return logged || !game.replayOffered;
    case Phase::Replaying:
        return logged && !game.replayOffered && game.replayBlock >= 0 && game.replayBlock <= size.shuffleSteps;
    case Phase::Won:
        return !game.replayOffered && game.arrangement.isSolved();
    default:
        return false;
    }
}

std::string spaced(const Arrangement& arrangement)
{
    std::string text;
    for (const int tile : arrangement.tiles())
        text += (text.empty() ? "" : " ") + std::to_string(tile);
    return text;
}

std::optional<Arrangement> arrangementOf(std::optional<std::string_view> text, const BoardSize& size)
{
    const auto tileList = text ? tiles(*text, size.cells) : std::nullopt;
    return tileList ? Arrangement::fromTiles(size.side, *tileList) : std::nullopt;
}

} // namespace

std::string keptGameText(const KeptGame& kept)
{
    const Board::Snapshot& game = kept.game;
    std::string phase;
    for (const auto& [value, name] : phaseNames) {
        if (value == game.phase)
            phase = name;
    }

    std::string text;
    for (const std::string& line : {
             std::string(game.start ? versionWithStart : versionLine),
             "layout-set " + std::to_string(kept.layoutSet),
             "board " + std::to_string(kept.size->side),
             "picture " + escaped(kept.picturePath),
             "phase " + phase,
             "steps " + std::to_string(game.steps),
             "played-nanoseconds " + std::to_string(game.played.count()),
             "replay " + replayText(game),
             "tiles " + spaced(game.arrangement),
         })
        text += line + std::string(lineEnd);
    if (game.start)
        text += "start " + spaced(*game.start) + std::string(lineEnd);
    return withChecksum(std::move(text));
}

std::string withChecksum(std::string lines)
{
    return lines + "crc32 " + hex(crc32(lines)) + std::string(lineEnd);
}

std::optional<KeptGame> readKeptGame(std::string_view text)
{
    const auto all = lines(text);
    if (!all || all->empty())
        return std::nullopt;
    const std::vector<std::string_view>& line = *all;
    const std::size_t checked = text.size() - line.back().size() - lineEnd.size();
    const bool withStart = line[0] == versionWithStart;
    if (field(line.back(), "crc32") != hex(crc32(text.substr(0, checked))) ||
        !(withStart || line[0] == versionLine) || line.size() != (withStart ? 11u : 10u))
        return std::nullopt;

    const auto layoutSet = number(field(line[1], "layout-set"));
    const auto side = number(field(line[2], "board"));
    const auto pictureText = field(line[3], "picture");
    const auto picture = pictureText ? unescaped(*pictureText) : std::nullopt;
    const auto phaseName = field(line[4], "phase");
    const auto steps = number(field(line[5], "steps"));
    const auto played = number(field(line[6], "played-nanoseconds"));
    const auto replay = field(line[7], "replay");
    const auto tileText = field(line[8], "tiles");
    if (!layoutSet || *layoutSet >= layoutSets || !side || !picture || picture->empty() || !canNameAFile(*picture) ||
        !phaseName || !steps || *steps > mostSteps || !played || *played > longestPlay.count() || !replay ||
        !tileText)
        return std::nullopt;

    const auto size =
        std::find_if(sizes.begin(), sizes.end(), [&](const BoardSize* candidate) { return candidate->side == *side; });
    const auto phase = std::find_if(phaseNames.begin(), phaseNames.end(),
                                    [&](const auto& named) { return named.second == *phaseName; });
    if (size == sizes.end() || phase == phaseNames.end())
        return std::nullopt;
    auto arrangement = arrangementOf(tileText, **size);
    auto start = withStart ? arrangementOf(field(line[9], "start"), **size) : std::nullopt;
    // Tiles that can never come home are damage, in the start as in the game.
    if (!arrangement || !arrangement->isSolvable() || (withStart && (!start || !start->isSolvable())))
        return std::nullopt;

    Board::Snapshot game{phase->first, std::move(*arrangement), static_cast<int>(*steps),
                         std::chrono::nanoseconds(*played), *replay == "offered", 0, std::move(start)};
    const auto block = number(field(*replay, "block"));
    if (block)
        game.replayBlock = static_cast<int>(std::min<long long>(*block, (*size)->shuffleSteps + 1));
    else if (*replay != "offered" && *replay != "none")
        return std::nullopt;
    if ((game.phase == Phase::Replaying) != block.has_value() || !playable(**size, game))
        return std::nullopt;
    return KeptGame{static_cast<int>(*layoutSet), *size, std::move(*picture), std::move(game)};
}

} // namespace pintu
