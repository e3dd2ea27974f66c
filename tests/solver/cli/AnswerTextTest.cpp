#include "solver/cli/AnswerText.h"

#include <gtest/gtest.h>

namespace pintu::solver::cli {
namespace {

TEST(TableNote, NamesTheBoardSizeRatherThanTheTablesBuilt)
{
    // Getting 5x5 boards ready may build no more than the 4x4 tables they use.
    EXPECT_EQ(tableNote(TableStatus::Built, 5, "/t"), "built tables for 5x5 boards in /t; later runs load them");
    EXPECT_EQ(tableNote(TableStatus::NotSaved, 5, std::nullopt),
              "built tables for 5x5 boards for this run only: no home folder to keep them in (see --tables)");
    EXPECT_EQ(tableNote(TableStatus::NotSaved, 4, "/t"),
              "built tables for 4x4 boards for this run only: /t would not take them");
}

TEST(TableNote, SaysNothingWhenNothingWasBuilt)
{
    EXPECT_EQ(tableNote(TableStatus::Ready, 5, "/t"), std::nullopt);
    EXPECT_EQ(tableNote(TableStatus::Stopped, 4, "/t"), std::nullopt);
}

} // namespace
} // namespace pintu::solver::cli
