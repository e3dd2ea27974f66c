#pragma once

#include "records/Records.h"

#include <optional>
#include <string>

namespace pintu {

class Files;

// The player's records in their file, read afresh for every change and
// replaced whole, so that a crash leaves the old records or the new ones.
class RecordBook {
public:
    // What went wrong with the file in this run, for the player to be told.
    enum class Trouble {
        None,
        DamagedSetAside, // a damaged file was renamed aside and new records begun
        Unwritable,      // the last win could not be written
    };

    RecordBook(Files& files, std::string path);

    // The records as the file holds them. A damaged file is set aside, with
    // ".damaged" after its name, and the records begin anew.
    Records read();
    // False when the file could not take the win.
    bool add(const Win& win);
    // The win added earlier learns its shortest way.
    bool addShortest(const Win& win, int shortest);

    Trouble trouble() const { return lastTrouble; }
    const std::string& damagedPath() const { return setAsidePath; }

private:
    // Nothing when the file is damaged and cannot be set aside.
    std::optional<Records> readForChange();
    bool write(const std::optional<Records>& records);

    Files& files;
    const std::string path;
    const std::string setAsidePath;
    Trouble lastTrouble = Trouble::None;
};

} // namespace pintu
