#pragma once

#include <fstream>
#include <string>

namespace pintu::bench {

// The process's peak resident memory in MB since the last reset.
inline double peakMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:"))
            return std::stod(line.substr(6)) / 1024;
    }
    return 0;
}

inline void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace pintu::bench
