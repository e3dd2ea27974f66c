#pragma once

#include <QString>

#include <cstdint>
#include <span>

namespace pintu::fuzz {

// Writes `bytes` as the file `name` in a folder of this process's own, in
// memory where /dev/shm is there since the fuzzers write one file per input,
// and tells its path. The folder goes when the process ends.
QString writeScratchFile(const QString& name, std::span<const std::uint8_t> bytes);

} // namespace pintu::fuzz
