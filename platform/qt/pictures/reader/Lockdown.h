#pragma once

#include <chrono>
#include <cstdint>

namespace pintu {

// What a picture reader may use, whatever a file makes its decoders do.
struct ReaderLimits {
    std::uint64_t memoryBytes;
    std::chrono::seconds processorTime;
};

// The game's choice: a photo of 50 megapixels decodes within this, with room
// for the coefficients of a progressive CMYK one.
inline constexpr ReaderLimits readerLimits{std::uint64_t{512} << 20, std::chrono::seconds(30)};

// Locks this process down for good, before it reads a byte of a picture: it
// gains no privileges, dumps no core, holds no more than `limits`, and a
// filter of the kernel's kills it at any system call beyond what decoding
// takes (reading the files it holds, answering on its socket, memory, its
// own threads, time, leaving): no file is opened, no socket made, no program
// run, no process watched. The memory limit is left out under the
// sanitizers, which reserve terabytes of address space. False, and the
// process must not go on, when the kernel refused any of it.
bool lockDown(const ReaderLimits& limits);

} // namespace pintu
