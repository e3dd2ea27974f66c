#pragma once

#include "platform/WriteResult.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>

namespace pintu {

// Replaces the whole of `file` with `parts`, one after another, at once:
// whenever it ends, even by a crash or a power cut, the file holds either what
// it held before or all of the new bytes. They are written beside it, under
// its name with ".partial-", the writer's process id and a count added,
// pushed to the disk and renamed over it. On any failure the system's reason,
// the old file kept and nothing left beside it. The folder must exist already.
WriteResult replaceFile(const std::filesystem::path& file, std::initializer_list<std::span<const std::byte>> parts);

// Removes from `folder` what replaces of programs no longer running left half
// written when they were killed, of the files whose names `replaced`
// accepts. A partial file that a running program may still be writing stays.
void removeAbandonedPartials(const std::filesystem::path& folder,
                             const std::function<bool(std::string_view name)>& replaced);

} // namespace pintu
