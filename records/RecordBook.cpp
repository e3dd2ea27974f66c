#include "records/RecordBook.h"

#include "platform/Files.h"

#include <utility>

namespace pintu {

RecordBook::RecordBook(Files& files, std::string path)
    : files(files), path(std::move(path)), setAsidePath(this->path + ".damaged")
{
}

Records RecordBook::read()
{
    return readForChange().value_or(Records{});
}

std::optional<Records> RecordBook::readForChange()
{
    if (!files.exists(path))
        return Records{};
    const auto text = files.readText(path, largestRecordsText + 1);
    if (auto records = text && text->size() <= largestRecordsText ? readRecords(*text) : std::nullopt)
        return records;
    // Kept as it was for the player to look at; a damaged file set aside earlier gives way.
    if (!files.rename(path, setAsidePath))
        return std::nullopt;
    lastTrouble = Trouble::DamagedSetAside;
    return Records{};
}

bool RecordBook::add(const Win& win)
{
    auto records = readForChange();
    if (!records)
        return write(std::nullopt);
    addWin(*records, win);
    return write(records);
}

bool RecordBook::addShortest(const Win& win, int shortest)
{
    auto records = readForChange();
    return records && pintu::addShortest(*records, win, shortest) && write(records);
}

bool RecordBook::write(const std::optional<Records>& records)
{
    // A damaged file that could not be set aside is never written over.
    const bool written = records && files.replaceText(path, recordsText(*records));
    if (!written)
        lastTrouble = Trouble::Unwritable;
    else if (lastTrouble == Trouble::Unwritable)
        lastTrouble = Trouble::None;
    return written;
}

} // namespace pintu
