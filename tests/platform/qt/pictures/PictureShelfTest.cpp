#include "platform/qt/pictures/PictureShelf.h"
#include "tests/support/LaterPictures.h"
#include "tests/support/TestPictures.h"

#include <QCursor>
#include <QFile>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <utime.h>

namespace pintu::test {
namespace {

const PictureNeeds boardNeeds{QSize(60, 40), 2, QSize(10, 10)};

struct ShelfOfLaterPictures {
    ShelfOfLaterPictures() { path = folder.writeBitmap("p.bmp", positionPicture(80, 60)).toStdString(); }

    // How often `then` is called for one preparation.
    int prepare(const PictureNeeds& needs = boardNeeds)
    {
        shelf.prepare(path, needs, &window, [this] { ++calls; });
        return calls;
    }

    bool busy() const { return QGuiApplication::overrideCursor() != nullptr; }

    TestFolder folder;
    std::string path;
    LaterPictures source;
    PictureShelf shelf{source};
    QObject window;
    int calls = 0;
};

// Read once when chosen, the picture serves every later game on it, the
// cursor busy only while a read goes on.
TEST(PictureShelf, ReadsAPictureOnceForAsLongAsItsFileStaysAsItWas)
{
    ShelfOfLaterPictures shelf;
    EXPECT_EQ(shelf.prepare(), 0);
    EXPECT_TRUE(shelf.busy());
    EXPECT_EQ(shelf.shelf.find(shelf.path), nullptr);
    ASSERT_TRUE(shelf.source.answerNext());
    EXPECT_EQ(shelf.calls, 1);
    EXPECT_FALSE(shelf.busy());
    const ReadPicture* read = shelf.shelf.find(shelf.path);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->preview.size(), QSize(60, 40));
    EXPECT_EQ(read->tiles.size(), QSize(20, 20));

    EXPECT_EQ(shelf.prepare(), 2);
    EXPECT_EQ(shelf.source.reads, 1);

    // Read again for other needs, and for a file that changed.
    shelf.prepare(PictureNeeds{QSize(60, 40), 3, QSize(10, 10)});
    EXPECT_EQ(shelf.source.reads, 2);
    shelf.source.answerNext();
    const utimbuf later{1'000'000'000, 1'000'000'000};
    ASSERT_EQ(::utime(shelf.path.c_str(), &later), 0);
    shelf.prepare(PictureNeeds{QSize(60, 40), 3, QSize(10, 10)});
    EXPECT_EQ(shelf.source.reads, 3);
}

TEST(PictureShelf, ALaterPreparationTakesThePlaceOfOneUnderWay)
{
    ShelfOfLaterPictures shelf;
    shelf.prepare();
    int others = 0;
    const std::string other = shelf.folder.writeBitmap("q.bmp", positionPicture(30, 20)).toStdString();
    shelf.shelf.prepare(other, boardNeeds, &shelf.window, [&others] { ++others; });
    EXPECT_EQ(shelf.source.ended, 1);
    while (shelf.source.answerNext()) {
    }
    EXPECT_EQ(shelf.calls, 0);
    EXPECT_EQ(others, 1);
    EXPECT_EQ(shelf.shelf.find(shelf.path), nullptr);
    EXPECT_NE(shelf.shelf.find(other), nullptr);

    // The same preparation asked again while it goes on waits for the same read.
    shelf.prepare();
    shelf.prepare();
    EXPECT_EQ(shelf.source.reads, 3);
    shelf.source.answerNext();
    EXPECT_EQ(shelf.calls, 1);
}

TEST(PictureShelf, CallsNobodyBackOnceTheyAreGone)
{
    ShelfOfLaterPictures shelf;
    auto* window = new QObject;
    shelf.shelf.prepare(shelf.path, boardNeeds, window, [&shelf] { ++shelf.calls; });
    delete window;
    shelf.source.answerNext();
    EXPECT_EQ(shelf.calls, 0);
    EXPECT_NE(shelf.shelf.find(shelf.path), nullptr); // read all the same, for whoever asks next
}

// What cannot be read leaves the shelf without it, and the caller goes on to say so.
TEST(PictureShelf, KeepsNothingOfAFileThatCannotBeRead)
{
    ShelfOfLaterPictures shelf;
    shelf.prepare();
    shelf.source.answerNext();
    QFile::resize(QString::fromStdString(shelf.path), 10);
    shelf.prepare();
    shelf.source.answerNext();
    EXPECT_EQ(shelf.calls, 2);
    EXPECT_EQ(shelf.shelf.find(shelf.path), nullptr);

    QFile::remove(QString::fromStdString(shelf.path));
    EXPECT_EQ(shelf.prepare(), 3);
    std::optional<bool> readable;
    shelf.shelf.probe(shelf.path, &shelf.window, [&readable](bool answer) { readable = answer; });
    EXPECT_EQ(readable, false);
}

} // namespace
} // namespace pintu::test
