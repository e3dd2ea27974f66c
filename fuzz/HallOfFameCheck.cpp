#include "HallOfFameCheck.h"

#include "HallOfFame.h"
#include "HallOfFameWindow.h"
#include "QtFiles.h"
#include "ScratchFolder.h"

#include <string_view>
#include <vector>

namespace pintu::fuzz {

namespace {

using Lines = std::vector<std::string>;

// Lines end in CR LF, CR or LF; a last line without an end counts too.
Lines linesOf(std::string_view text)
{
    Lines lines;
    std::string line;
    bool lineOpen = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            line += c;
            lineOpen = true;
            continue;
        }
        lines.push_back(std::move(line));
        line.clear();
        lineOpen = false;
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    if (lineOpen)
        lines.push_back(std::move(line));
    return lines;
}

template <typename Order>
std::string eachWithCrLf(Order first, Order last)
{
    std::string text;
    for (; first != last; ++first)
        text += *first + "\r\n";
    return text;
}

std::string quoted(const std::string& text)
{
    constexpr std::size_t shown = 200;
    return "\"" + text.substr(0, shown) + (text.size() > shown ? "...\"" : "\"");
}

} // namespace

Finding checkHallOfFame(std::span<const std::uint8_t> input)
{
    const QString path = writeScratchFile("grb.kel", input);
    QtFiles files;
    const auto text = files.readText(path.toStdString());
    if (!text)
        return "a hall of fame on disk could not be read";

    const std::string_view bytes(reinterpret_cast<const char*>(input.data()), input.size());
    const Lines lines = linesOf(*text);
    if (lines.size() != linesOf(bytes).size())
        return "decoding turned " + std::to_string(linesOf(bytes).size()) + " lines into " +
               std::to_string(lines.size()) + ": " + quoted(*text);

    const std::string newest = newestFirst(*text);
    if (newest != eachWithCrLf(lines.rbegin(), lines.rend()))
        return "newest first is not the lines in reverse: " + quoted(newest);
    if (newestFirst(newest) != eachWithCrLf(lines.begin(), lines.end()))
        return "turning twice does not give the lines back: " + quoted(newestFirst(newest));

    // The window may show a character it cannot show in a line as another,
    // but every line as one, and no character more or less. The lines are
    // measured in the text converted whole, as the window converts it, since
    // Qt drops a byte order mark only at the very start.
    const HallOfFameWindow window(files, path.toStdString(), nullptr);
    const QStringList shown = window.text().split('\n');
    const QStringList expected = QString::fromStdString(newest).split("\r\n");
    bool same = shown.size() == expected.size();
    for (qsizetype i = 0; same && i < shown.size(); ++i)
        same = shown[i].size() == expected[i].size();
    if (!same)
        return "the window shows " + quoted(window.text().toStdString()) + " for " + quoted(newest);
    return std::nullopt;
}

} // namespace pintu::fuzz
