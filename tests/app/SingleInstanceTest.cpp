#include "SingleInstance.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

#include <optional>

namespace pintu::test {
namespace {

TEST(SingleInstance, IsTheOnlyGameUntilItGoes)
{
    TestFolder folder;
    const QString data = folder.filePath("new/data");
    std::optional<SingleInstance> first(std::in_place, data);
    EXPECT_EQ(first->claim(), InstanceClaim::OnlyGame);
    EXPECT_EQ(SingleInstance(data).claim(), InstanceClaim::AnotherGameRuns);
    EXPECT_EQ(SingleInstance(data).claim(), InstanceClaim::AnotherGameRuns); // a refused run took nothing away

    first.reset();
    EXPECT_EQ(SingleInstance(data).claim(), InstanceClaim::OnlyGame);
}

TEST(SingleInstance, WhereNoLockCanBeWrittenGuardsNothing)
{
    TestFolder folder;
    folder.writeBytes("plain-file", "not a folder");
    EXPECT_EQ(SingleInstance(folder.filePath("plain-file/data")).claim(), InstanceClaim::Unguarded);
}

} // namespace
} // namespace pintu::test
