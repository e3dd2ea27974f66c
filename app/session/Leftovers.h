#pragma once

#include <filesystem>

namespace pintu {

// Removes from the data folder what writes killed midway left beside the
// files the game replaces whole there (the kept game, the records, the
// pattern tables), in this version's way or an earlier one's. Only for the
// one game that holds the folder: a file that a running program may still
// be writing stays.
void removeLeftovers(const std::filesystem::path& dataFolder);

} // namespace pintu
