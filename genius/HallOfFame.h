#pragma once

#include "platform/Files.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace pintu {

// A genius win as the hall of fame holds it, and whether the file took it.
struct HallOfFameEntry {
    std::string record;
    bool saved;
};

// One hall-of-fame line, CR LF included: the name exactly as typed (a quote
// in it stays as it is), the steps, the seconds and the date (mm-dd-yyyy).
std::string hallOfFameRecord(std::string_view name, long long steps, long long tenths, std::string_view date);

// What the viewer shows of a file of any size: the newest lines, each cut
// after so many characters. Far more than real wins ever fill, and few enough
// to open at once.
inline constexpr std::size_t hallOfFameShownLines = 10000;
inline constexpr std::size_t hallOfFameLineLength = 1000;
// What the viewer adds to the records, in the player's language.
struct ViewerMarks {
    std::string cut;                                    // ends a line that was cut
    std::function<std::string(std::int64_t)> earlier; // a last line that counts the earlier lines not shown
};

// The lines newest first, each followed by CR LF; a line that was cut ends
// in the cut mark, and a last line tells how many earlier lines are not shown.
std::string newestFirst(const LastLines& tail, const ViewerMarks& marks);

} // namespace pintu
