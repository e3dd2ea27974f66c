#include "records/RecordBook.h"
#include "tests/fakes/FakeFiles.h"

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

const std::string path = "/data/pintu/records.txt";
const Win win{"12-07-2026", 3, 31, 425, 22};

TEST(RecordBook, AddsAWinToTheFileItReadsAfresh)
{
    FakeFiles files;
    RecordBook book(files, path);
    ASSERT_TRUE(book.add(win));
    Records expected;
    addWin(expected, win);
    EXPECT_EQ(files.contents.at(path), recordsText(expected));

    // Another run's win in the meantime stays.
    Records elsewhere = expected;
    addWin(elsewhere, {"12-08-2026", 4, 90, 900});
    files.contents[path] = recordsText(elsewhere);
    ASSERT_TRUE(book.add(win));
    addWin(elsewhere, win);
    EXPECT_EQ(book.read(), elsewhere);
    EXPECT_EQ(book.trouble(), RecordBook::Trouble::None);
}

TEST(RecordBook, SetsADamagedFileAsideAndBeginsAnew)
{
    FakeFiles files;
    const std::string damaged = "3x3 wins 1 fewest-steps\n\xff";
    files.contents[path] = damaged;
    RecordBook book(files, path);
    ASSERT_TRUE(book.add(win));
    EXPECT_EQ(files.contents.at(book.damagedPath()), damaged);
    EXPECT_EQ(book.read().wins, std::vector<Win>{win});
    EXPECT_EQ(book.trouble(), RecordBook::Trouble::DamagedSetAside);
}

TEST(RecordBook, NeverWritesOverADamagedFileItCannotSetAside)
{
    FakeFiles files;
    files.contents[path] = "damaged\n";
    files.replaceFailure = std::make_error_code(std::errc::no_space_on_device);
    RecordBook book(files, path);
    EXPECT_FALSE(book.add(win));
    EXPECT_EQ(files.contents.at(path), "damaged\n");
    EXPECT_EQ(book.trouble(), RecordBook::Trouble::Unwritable);
}

} // namespace
} // namespace pintu::test
