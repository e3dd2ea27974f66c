#include "platform/qt/pictures/SandboxedPictures.h"
#include "tests/platform/qt/pictures/reader/Misbehaviour.h"
#include "tests/support/HostilePictures.h"
#include "tests/support/TestPictures.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace pintu::test {

void PrintTo(const HostilePicture& picture, std::ostream* out)
{
    *out << picture.name;
}

namespace {

using namespace std::chrono_literals;

// The needs of the 10 x 10 board of the 800 x 600 set.
const PictureNeeds geniusNeeds{QSize(792, 573), 10, QSize(81, 49)};

// What `readers` answer for the file at `path`, waiting for it.
std::optional<ReadPicture> readIn(SandboxedPictures& readers, const QString& path, const PictureNeeds& needs)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::optional<std::optional<ReadPicture>> answer;
    const auto read = readers.read(file, needs, [&answer](std::optional<ReadPicture> picture) { answer = picture; });
    EXPECT_TRUE(QTest::qWaitFor([&answer] { return answer.has_value(); }, 30'000));
    return answer.value_or(std::nullopt);
}

// The reader gives what the decoders give in the game's own process, pixel
// for pixel, and one reader after another.
TEST(PictureReader, AnswersWithThePictureReadForABoard)
{
    SandboxedPictures readers(PINTU_PICTURE_READER);
    TestFolder folder;
    for (const char* format : {"bmp", "jpeg", "png"}) {
        const QString path = folder.writeBytes(QString("p.") + format, pictureFile(positionPicture(900, 700), format));
        const auto read = readIn(readers, path, geniusNeeds);
        const auto expected = readPictureFile(path.toStdString(), geniusNeeds);
        ASSERT_TRUE(read && expected) << format;
        EXPECT_EQ(read->size, QSize(900, 700));
        EXPECT_EQ(read->preview, expected->preview) << format;
        EXPECT_EQ(read->tiles, expected->tiles) << format;
    }
    EXPECT_FALSE(readIn(readers, folder.writeBytes("text.png", "not a picture"), geniusNeeds));
}

class EachHostilePicture : public testing::TestWithParam<HostilePicture> {};

INSTANTIATE_TEST_SUITE_P(Claims, EachHostilePicture, testing::ValuesIn(hostilePictures()), [](const auto& info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

// Whatever it claims, it is read into a board or refused, and the game goes on.
TEST_P(EachHostilePicture, IsReadIntoABoardOrRefused)
{
    const HostilePicture& picture = GetParam();
    TestFolder folder;
    SandboxedPictures readers(PINTU_PICTURE_READER);
    const auto read = readIn(readers, folder.writeBytes(QString("claim.") + picture.extension, picture.bytes()),
                             geniusNeeds);
    ASSERT_EQ(read.has_value(), picture.plays);
    if (read) {
        EXPECT_EQ(read->preview.size(), read->size.boundedTo(geniusNeeds.previewArea));
        EXPECT_EQ(read->tiles.size(), geniusNeeds.tilesSize());
    }
}

struct Misbehaving {
    const char* name;
    Misbehaviour misbehaviour;
    bool answered;
};

void PrintTo(const Misbehaving& reader, std::ostream* out)
{
    *out << reader.name;
}

class EachMisbehavingReader : public testing::TestWithParam<Misbehaving> {};

INSTANTIATE_TEST_SUITE_P(
    PictureReader, EachMisbehavingReader,
    testing::Values(Misbehaving{"ThatAnswers", Misbehaviour::Answers, true},
                    Misbehaving{"ThatOpensAFile", Misbehaviour::OpensAFile, false},
                    Misbehaving{"ThatMakesASocket", Misbehaviour::MakesASocket, false},
                    Misbehaving{"ThatRunsAProgram", Misbehaviour::RunsAProgram, false},
                    Misbehaving{"ThatWatchesAProcess", Misbehaviour::WatchesAProcess, false},
                    Misbehaving{"ThatHangs", Misbehaviour::Hangs, false},
                    Misbehaving{"ThatCrashes", Misbehaviour::Crashes, false},
                    Misbehaving{"ThatAnswersTooMuch", Misbehaviour::AnswersTooMuch, false},
                    Misbehaving{"ThatAnswersTooLittle", Misbehaviour::AnswersTooLittle, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A call the filter forbids kills the reader before it can answer; a reader
// that hangs is ended at the deadline, one that sends a byte past its answer
// or ends short of it is not believed.
TEST_P(EachMisbehavingReader, GivesAPictureOnlyWhenItAnswersAsAsked)
{
    constexpr auto deadline = 1s;
    SandboxedPictures readers(PINTU_MISBEHAVING_READER, deadline);
    TestFolder folder;
    const QString path = folder.writeBitmap("p.bmp", positionPicture(8, 6));
    QElapsedTimer waited;
    waited.start();
    const auto read = readIn(readers, path, PictureNeeds{QSize(static_cast<int>(GetParam().misbehaviour), 10), 2,
                                                         QSize(4, 4)});
    EXPECT_EQ(read.has_value(), GetParam().answered);
    if (GetParam().misbehaviour == Misbehaviour::Hangs) {
        EXPECT_GE(waited.elapsed(), std::chrono::milliseconds(deadline).count());
    }
}

} // namespace
} // namespace pintu::test
