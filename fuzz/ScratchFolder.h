#pragma once

#include <QString>

#include <cstdint>
#include <span>

namespace pintu::fuzz {

// Writes `bytes` as the file `name` in a folder of this process's own and
// tells its path. The folder lies in PINTU_FUZZ_SCRATCH when that is set,
// else in memory where /dev/shm is there, since the fuzzers write one file per
// input. It goes when the process exits; a fuzzer that stops on a finding
// aborts and leaves it behind, so scripts/fuzz keeps it in its build folder.
QString writeScratchFile(const QString& name, std::span<const std::uint8_t> bytes);

} // namespace pintu::fuzz
