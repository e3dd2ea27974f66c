#include "HallOfFame.h"
#include "QtFiles.h"
#include "TestPictures.h"

#include <QDir>
#include <QFile>

#include <sys/resource.h>

#include <csignal>

#include <gtest/gtest.h>

namespace pintu::test {
namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

std::string fileIn(const TestFolder& folder, const char* name)
{
    return folder.filePath(name).toStdString();
}

TEST(HallOfFameFile, HoldsGb18030RecordsWithCrLf)
{
    TestFolder folder;
    QtFiles files;
    const std::string path = fileIn(folder, "new/folder/grb.kel");

    ASSERT_TRUE(files.appendText(path, hallOfFameRecord("玩家", 57, 124, "05-09-2001")));
    // 玩家 is CD E6 BC D2, 步数 B2 BD CA FD, 时间 CA B1 BC E4, 秒 C3 EB in GB2312.
    const QByteArray first = QByteArray::fromHex("22" "cde6bcd2" "20202020" "b2bdcafd" "3a" "203537"
                                                 "20202020" "cab1bce4" "3a" "2031322e34" "20" "c3eb" "20202020"
                                                 "30352d30392d32303031" "22" "0d0a");
    EXPECT_EQ(bytesOf(QString::fromStdString(path)), first);

    ASSERT_TRUE(files.appendText(path, hallOfFameRecord("say \"hi\"", 3, 600, "12-31-2026")));
    ASSERT_TRUE(files.appendText(path, hallOfFameRecord("  ", 3, 5, "01-01-2027")));
    ASSERT_TRUE(files.appendText(path, hallOfFameRecord("😀€", 1, 1, "01-01-2027")));
    const QByteArray all = bytesOf(QString::fromStdString(path));
    EXPECT_TRUE(all.startsWith(first));
    EXPECT_TRUE(all.contains("\"say \"hi\"    "));
    EXPECT_TRUE(all.contains("\"      \xb2\xbd"));
    // Outside GB2312: four-byte GB18030 for the emoji, and the euro sign's own code.
    EXPECT_TRUE(all.contains(QByteArray::fromHex("22" "9439fc36" "a2e3" "20202020")));

    EXPECT_EQ(files.readText(path), hallOfFameRecord("玩家", 57, 124, "05-09-2001") +
                                        hallOfFameRecord("say \"hi\"", 3, 600, "12-31-2026") +
                                        hallOfFameRecord("  ", 3, 5, "01-01-2027") +
                                        hallOfFameRecord("😀€", 1, 1, "01-01-2027"));
}

TEST(HallOfFameFile, ThatCannotBeWrittenReportsIt)
{
    TestFolder folder;
    QtFiles files;
    folder.writeBytes("plain-file", "not a folder");
    EXPECT_FALSE(files.appendText(fileIn(folder, "plain-file/grb.kel"), "\"x\"\r\n"));
    EXPECT_FALSE(files.appendText(fileIn(folder, ""), "\"x\"\r\n")); // a folder, not a file
    EXPECT_FALSE(files.appendText("/dev/full", "\"x\"\r\n"));         // a full disk
}

TEST(HallOfFameFile, CutShortByAFullDiskKeepsExactlyItsEarlierRecords)
{
    TestFolder folder;
    QtFiles files;
    const std::string path = fileIn(folder, "grb.kel");
    ASSERT_TRUE(files.appendText(path, "\"earlier\"\r\n"));

    // Let the file grow by five bytes only, as a disk that fills up halfway through a record.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = 11 + 5;
    setrlimit(RLIMIT_FSIZE, &tight);
    const bool appended = files.appendText(path, "\"a longer record\"\r\n");
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(appended);
    EXPECT_EQ(bytesOf(QString::fromStdString(path)), "\"earlier\"\r\n");
}

TEST(ReplacedFile, HoldsTheNewTextWholeAndNothingBeside)
{
    TestFolder folder;
    QtFiles files;
    const std::string path = fileIn(folder, "new/folder/kept-game.txt");
    ASSERT_TRUE(files.replaceText(path, "a longer first text\r\n"));
    ASSERT_TRUE(files.replaceText(path, "玩家\r\n"));
    EXPECT_EQ(bytesOf(QString::fromStdString(path)), QByteArray::fromHex("cde6bcd2" "0d0a"));
    EXPECT_EQ(QDir(folder.filePath("new/folder")).entryList(QDir::Files), QStringList{"kept-game.txt"});

    folder.writeBytes("plain-file", "x");
    EXPECT_FALSE(files.replaceText(fileIn(folder, "plain-file/kept-game.txt"), "text"));
}

TEST(ReplacedFile, CutShortByAFullDiskKeepsWhatItHeld)
{
    TestFolder folder;
    QtFiles files;
    const std::string path = fileIn(folder, "kept-game.txt");
    const QByteArray before = "the game before\r\n";
    ASSERT_TRUE(files.replaceText(path, before.toStdString()));

    // The new text would need more room than the disk has left.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = before.size();
    setrlimit(RLIMIT_FSIZE, &tight);
    const bool replaced = files.replaceText(path, "a game that took far longer to write down\r\n");
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(replaced);
    EXPECT_EQ(bytesOf(QString::fromStdString(path)), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept-game.txt"});
}

TEST(HallOfFameFile, ReadsBytesThatAreNotGb18030AsReplacements)
{
    TestFolder folder;
    QtFiles files;
    const QString path = folder.writeBytes("grb.kel", QByteArray("\"A\xff\x80\"\r\n\xcd\xe6\r\n", 10));
    const auto text = files.readText(path.toStdString());
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->substr(0, 2), "\"A");
    EXPECT_NE(text->find("\xef\xbf\xbd"), std::string::npos); // U+FFFD
    EXPECT_NE(text->find("玩"), std::string::npos);
    EXPECT_FALSE(files.readText(fileIn(folder, "missing")).has_value());
    EXPECT_FALSE(files.readText(folder.path().toStdString()).has_value());
}

TEST(RecordFiles, ReuseAnExistingFileAndReadOnlyWhatIsThere)
{
    TestFolder folder;
    QtFiles files;
    const std::string path = fileIn(folder, "data/kel.txt");
    EXPECT_FALSE(files.exists(path));
    {
        auto file = files.openRecords(path);
        ASSERT_NE(file, nullptr);
        EXPECT_TRUE(file->write(0, "0123456789"));
        EXPECT_TRUE(file->flush());
    }
    EXPECT_TRUE(files.exists(path));
    {
        auto file = files.openRecords(path);
        ASSERT_NE(file, nullptr);
        EXPECT_TRUE(file->write(2, "ab"));
        EXPECT_EQ(file->read(0, 10), "01ab456789");
        EXPECT_EQ(file->read(8, 2), "89");
        EXPECT_FALSE(file->read(8, 3).has_value());
    }
    EXPECT_EQ(bytesOf(QString::fromStdString(path)), "01ab456789");
    EXPECT_TRUE(files.remove(path));
    EXPECT_FALSE(files.exists(path));
    EXPECT_FALSE(files.exists(folder.path().toStdString())); // a folder is no file

    folder.writeBytes("plain-file", "x");
    EXPECT_EQ(files.openRecords(fileIn(folder, "plain-file/kel.txt")), nullptr);
}

} // namespace
} // namespace pintu::test
