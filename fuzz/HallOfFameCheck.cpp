#include "fuzz/HallOfFameCheck.h"

#include "app/dialogs/HallOfFameWindow.h"
#include "fuzz/ScratchFolder.h"
#include "genius/HallOfFame.h"
#include "platform/qt/QtFiles.h"

#include <QStringDecoder>

#include <algorithm>
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

std::string quoted(const std::string& text)
{
    constexpr std::size_t shown = 200;
    return "\"" + text.substr(0, shown) + (text.size() > shown ? "...\"" : "\"");
}

std::size_t characters(std::string_view utf8)
{
    const auto startsACharacter = [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; };
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), startsACharacter));
}

// The whole file decoded at once, as an oracle for a read that takes each
// line on its own and only the lines it shows.
std::string decodedWhole(std::span<const std::uint8_t> input)
{
    QStringDecoder decoder("GB18030");
    const QByteArray bytes(reinterpret_cast<const char*>(input.data()), static_cast<qsizetype>(input.size()));
    QString text = decoder(bytes + '\n');
    text.chop(1);
    return text.toStdString();
}

// Every line shown is the file's line, or its start when it was cut.
Finding checkShownLines(const LastLines& tail, const Lines& decoded)
{
    for (std::size_t i = 0; i < tail.lines.size(); ++i) {
        const TextLine& line = tail.lines[i];
        const std::string& whole = decoded[static_cast<std::size_t>(tail.earlier) + i];
        const bool same = line.cut ? whole.starts_with(line.text) && characters(line.text) == hallOfFameLineLength &&
                                         characters(whole) > hallOfFameLineLength
                                   : line.text == whole;
        if (!same)
            return "line " + std::to_string(tail.earlier + static_cast<std::int64_t>(i)) + " reads as " +
                   quoted(line.text) + (line.cut ? " (cut)" : "") + " for " + quoted(whole);
    }
    return std::nullopt;
}

// The window may show a character it cannot show in a line as another, but
// every line as one, and no character more or less. The lines are measured in
// the text converted whole, as the window converts it, since Qt drops a byte
// order mark only at the very start.
Finding checkWindow(const QtFiles& files, const QString& path, const std::string& newest)
{
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

// A win's record starts a line of its own whatever the file ended in.
Finding checkAppend(QtFiles& files, const QString& path, std::int64_t linesBefore)
{
    const std::string record = hallOfFameRecord("玩家", 57, 124, "05-09-2001");
    if (!files.appendText(path.toStdString(), record))
        return "a record could not be appended";
    const auto tail = files.readLastLines(path.toStdString(), 1, hallOfFameLineLength);
    if (!tail || tail->lines.size() != 1 || tail->lines[0].text + "\r\n" != record || tail->earlier != linesBefore)
        return "the appended record does not read back as the line after the " + std::to_string(linesBefore) +
               " before it";
    return std::nullopt;
}

} // namespace

Finding checkHallOfFame(std::span<const std::uint8_t> input)
{
    const QString path = writeScratchFile("grb.kel", input);
    QtFiles files;
    const auto tail = files.readLastLines(path.toStdString(), hallOfFameShownLines, hallOfFameLineLength);
    if (!tail)
        return "a hall of fame on disk could not be read";

    const std::string_view bytes(reinterpret_cast<const char*>(input.data()), input.size());
    const std::string whole = decodedWhole(input);
    const Lines decoded = linesOf(whole);
    if (decoded.size() != linesOf(bytes).size())
        return "decoding turned " + std::to_string(linesOf(bytes).size()) + " lines into " +
               std::to_string(decoded.size()) + ": " + quoted(whole);
    const std::size_t shownLines = std::min(decoded.size(), hallOfFameShownLines);
    if (tail->lines.size() != shownLines || tail->earlier != static_cast<std::int64_t>(decoded.size() - shownLines))
        return "of " + std::to_string(decoded.size()) + " lines " + std::to_string(tail->lines.size()) +
               " were read and " + std::to_string(tail->earlier) + " counted before them";
    if (Finding finding = checkShownLines(*tail, decoded))
        return finding;

    const std::string newest = newestFirst(*tail, HallOfFameWindow::marks());
    const Lines newestLines = linesOf(newest);
    bool reversed = newestLines.size() == shownLines + (tail->earlier > 0 ? 1 : 0);
    for (std::size_t i = 0; reversed && i < shownLines; ++i)
        reversed = newestLines[i].starts_with(tail->lines[shownLines - 1 - i].text);
    if (!reversed)
        return "newest first is not the lines in reverse: " + quoted(newest);
    if (Finding finding = checkWindow(files, path, newest))
        return finding;
    return checkAppend(files, path, static_cast<std::int64_t>(decoded.size()));
}

} // namespace pintu::fuzz
