#pragma once

#include <string>

namespace pintu {

// Where the game keeps its own files.
struct DataFiles {
    std::string moveLog;
    std::string hallOfFame;
};

} // namespace pintu
