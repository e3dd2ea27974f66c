#pragma once

#include <fstream>
#include <string>

namespace pintu::bench {

// A memory figure of the kernel's for this process, in MB: `field` is the
// name of its line in /proc/self/status, colon included ("VmRSS:").
inline double statusMegabytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(field))
            return std::stod(line.substr(line.find(':') + 1)) / 1024;
    }
    return 0;
}

inline double residentMegabytes()
{
    return statusMegabytes("VmRSS:");
}

// The process's peak resident memory in MB since the last reset.
inline double peakMegabytes()
{
    return statusMegabytes("VmHWM:");
}

inline void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace pintu::bench
