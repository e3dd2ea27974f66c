#include "genius/HallOfFame.h"
#include "platform/qt/QtFiles.h"
#include "tests/support/TestPictures.h"

#include <QDir>
#include <QFile>

#include <sys/resource.h>

#include <csignal>
#include <utility>
#include <vector>

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

// Each line followed by CR LF, a line that was cut as far as it was read and marked.
std::optional<std::string> textOf(const std::optional<LastLines>& tail)
{
    if (!tail)
        return std::nullopt;
    std::string text;
    for (const TextLine& line : tail->lines)
        text += line.text + (line.cut ? "[cut]" : "") + "\r\n";
    return text;
}

// What `write` gives on a disk that lets a file grow to `bytes` only.
template <typename Write>
auto onADiskFullAt(rlim_t bytes, Write write)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &tight);
    const auto written = write();
    setrlimit(RLIMIT_FSIZE, &saved);
    return written;
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

    EXPECT_EQ(textOf(files.readLastLines(path, 4, 100)),
              hallOfFameRecord("玩家", 57, 124, "05-09-2001") + hallOfFameRecord("say \"hi\"", 3, 600, "12-31-2026") +
                  hallOfFameRecord("  ", 3, 5, "01-01-2027") + hallOfFameRecord("😀€", 1, 1, "01-01-2027"));
}

// A file edited by hand, or cut short by another program, never glues the
// next winner onto its last line.
TEST(HallOfFameFile, PutsEachRecordOnALineOfItsOwn)
{
    for (const auto& [before, lineEnd] : std::vector<std::pair<QByteArray, QByteArray>>{{"\"earlier\"", "\r\n"},
                                                                                        {"\"earlier\"\xcd", "\r\n"},
                                                                                        {"\"earlier\"\r\n", ""},
                                                                                        {"\"earlier\"\n", ""},
                                                                                        {"\"earlier\"\r", ""},
                                                                                        {"", ""}}) {
        TestFolder folder;
        const QString path = folder.writeBytes("grb.kel", before);
        ASSERT_TRUE(QtFiles().appendText(path.toStdString(), "\"x\"\r\n"));
        EXPECT_EQ(bytesOf(path), before + lineEnd + "\"x\"\r\n");
    }
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
    const bool appended = onADiskFullAt(11 + 5, [&] { return files.appendText(path, "\"a longer record\"\r\n"); });

    EXPECT_FALSE(appended);
    EXPECT_EQ(bytesOf(QString::fromStdString(path)), "\"earlier\"\r\n");
}

// Whole, or on a full disk the text before it whole, and never a temporary file left beside it.
TEST(ReplacedFile, HoldsTheNewTextOrTheOldWholeAndNothingBeside)
{
    TestFolder folder;
    QtFiles files;
    const std::string path = fileIn(folder, "new/folder/kept-game.txt");
    ASSERT_TRUE(files.replaceText(path, "a longer first text\r\n"));
    ASSERT_TRUE(files.replaceText(path, "玩家\r\n"));
    const QByteArray written = QByteArray::fromHex("cde6bcd2" "0d0a");
    EXPECT_EQ(bytesOf(QString::fromStdString(path)), written);
    const WriteResult full = onADiskFullAt(written.size(), [&] {
        return files.replaceText(path, "a game that took far longer to write down\r\n");
    });
    EXPECT_EQ(full.error, std::errc::file_too_large);
    EXPECT_EQ(bytesOf(QString::fromStdString(path)), written);
    EXPECT_EQ(QDir(folder.filePath("new/folder")).entryList(QDir::Files), QStringList{"kept-game.txt"});

    folder.writeBytes("plain-file", "x");
    EXPECT_EQ(files.replaceText(fileIn(folder, "plain-file/kept-game.txt"), "text").error,
              std::errc::not_a_directory);
}

TEST(RenamedFile, TakesThePlaceOfAnyFileOfItsNewNameWithItsBytesAsTheyWere)
{
    TestFolder folder;
    QtFiles files;
    folder.writeBytes("records.txt", "win\xff\r\n");
    folder.writeBytes("records.txt.damaged", "an earlier one");
    ASSERT_TRUE(files.rename(fileIn(folder, "records.txt"), fileIn(folder, "records.txt.damaged")));
    EXPECT_EQ(bytesOf(folder.filePath("records.txt.damaged")), QByteArray("win\xff\r\n"));
    EXPECT_FALSE(files.exists(fileIn(folder, "records.txt")));
    EXPECT_FALSE(files.rename(fileIn(folder, "records.txt"), fileIn(folder, "elsewhere.txt")));
}

TEST(HallOfFameFile, ReadsBytesThatAreNotGb18030AsReplacements)
{
    TestFolder folder;
    QtFiles files;
    const QString path = folder.writeBytes("grb.kel", QByteArray("\"A\xff\x80\"\r\n\xcd\xe6\r\n", 10));
    const auto text = textOf(files.readLastLines(path.toStdString(), 2, 100));
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->substr(0, 2), "\"A");
    EXPECT_NE(text->find("\xef\xbf\xbd"), std::string::npos); // U+FFFD
    EXPECT_NE(text->find("玩"), std::string::npos);
    EXPECT_FALSE(files.readLastLines(fileIn(folder, "missing"), 2, 100).has_value());
    EXPECT_FALSE(files.readLastLines(folder.path().toStdString(), 2, 100).has_value());
}

TEST(HallOfFameFile, ReadsTheLastLinesEachCutAfterSoManyCharacters)
{
    TestFolder folder;
    QtFiles files;
    // 玩 is two bytes in GB18030, 😀 four; each is one character.
    const QString path = folder.writeBytes("grb.kel", "first\r\nsecond\r\n"
                                                      "\xcd\xe6\x94\x39\xfc\x36" "abc\r\n"
                                                      "\x94\x39\xfc\x36" "abcd\r\n"
                                                      "five!");
    // Every line is five characters long: cut at four, kept whole at five.
    for (const auto& [longest, text] : std::vector<std::pair<std::size_t, std::string>>{
             {5, "玩😀abc\r\n😀abcd\r\nfive!\r\n"}, {4, "玩😀ab[cut]\r\n😀abc[cut]\r\nfive[cut]\r\n"}}) {
        const auto tail = files.readLastLines(path.toStdString(), 3, longest);
        ASSERT_TRUE(tail.has_value());
        EXPECT_EQ(tail->earlier, 2);
        EXPECT_EQ(textOf(tail), text);
    }
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
