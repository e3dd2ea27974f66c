#pragma once

#include "solver/patterns/PatternHeuristic.h"

#include <filesystem>

namespace pintu::solver::test {

// The real 4x4 pattern tables take seconds to build, longer under the
// sanitizers. Every test process of a build shares one folder in the build
// tree: the first to need it builds the tables there, the others wait for it
// and load them.
const std::filesystem::path& sharedTableFolder();

// The 4x4 tables themselves, loaded once per process.
const PatternHeuristic& sharedFourByFour();

// The first 5x5 tables, put in the same folder when a test first needs them.
const PatternHeuristic& sharedFiveByFive();

// Copies the tables' files into `to`: a test that damages one of them, or
// removes the small one, costs a quick rebuild.
void copySharedTables(const std::filesystem::path& to);

} // namespace pintu::solver::test
