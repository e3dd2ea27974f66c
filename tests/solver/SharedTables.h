#pragma once

#include "PatternHeuristic.h"

#include <filesystem>

namespace pintu::solver::test {

// The real 4x4 pattern tables take seconds to build, longer under the
// sanitizers. Every test process of a build shares one folder in the build
// tree: the first to need it builds the tables there, the others wait for it
// and load them.
const std::filesystem::path& sharedTableFolder();

// The 4x4 tables themselves, loaded once per process.
const PatternHeuristic& sharedFourByFour();

} // namespace pintu::solver::test
