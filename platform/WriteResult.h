#pragma once

#include <system_error>

namespace pintu {

// Whether a write reached the disk, and when it did not, the system's reason.
struct WriteResult {
    std::error_code error; // none when everything was written

    explicit operator bool() const { return !error; }
};

} // namespace pintu
