#pragma once

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

// The lines of `text` newest first, each followed by CR LF; a last line
// without a line end counts, empty lines are kept.
std::string newestFirst(std::string_view text);

} // namespace pintu
