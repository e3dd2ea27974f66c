#pragma once

#include <chrono>
#include <string>

namespace pintu {

// Elapsed time rounded up to the next tenth of a second: 12.25 s is 123.
long long elapsedTenths(std::chrono::nanoseconds elapsed);

// Numbers as labels show them: "8", "12.3", "0.1", "60".
std::string plainTenths(long long tenths);

// Numbers as files hold them: a leading space, a full stop and no zero before
// it, no trailing zero: " 57", " 12.3", " .1", " 60".
std::string fileNumber(long long value);
std::string fileTenths(long long tenths);

} // namespace pintu
