#include "platform/qt/pictures/PictureWire.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace pintu::test {
namespace {

const PictureNeeds needs{QSize(30, 20), 2, QSize(5, 4)};

ReadPicture picture(QSize size, const PictureNeeds& readFor = needs)
{
    ReadPicture read{size, QImage(readFor.previewSize(size), QImage::Format_RGB32),
                     QImage(readFor.tilesSize(), QImage::Format_RGB32)};
    read.preview.fill(qRgb(10, 20, 30));
    read.tiles.fill(qRgb(40, 50, 60));
    return read;
}

QByteArray answerBytes(const ReadPicture& read)
{
    QByteArray bytes = answerHead(read);
    for (const QImage* image : {&read.preview, &read.tiles})
        bytes.append(reinterpret_cast<const char*>(image->constBits()), image->sizeInBytes());
    return bytes;
}

// Fed a few bytes at a time, as a socket hands them on.
std::optional<ReadPicture> received(const QByteArray& bytes)
{
    AnswerReader reader(needs);
    for (qsizetype at = 0; at < bytes.size() && !reader.room().empty();) {
        const std::span<char> room = reader.room();
        const qsizetype count = std::min<qsizetype>({static_cast<qsizetype>(room.size()), bytes.size() - at, 7});
        std::memcpy(room.data(), bytes.constData() + at, static_cast<size_t>(count));
        if (!reader.received(count))
            return std::nullopt;
        at += count;
    }
    return reader.answer();
}

struct Answer {
    const char* name;
    std::function<QByteArray()> bytes;
    bool believed;
};

void PrintTo(const Answer& answer, std::ostream* out)
{
    *out << answer.name;
}

class EachAnswer : public testing::TestWithParam<Answer> {};

INSTANTIATE_TEST_SUITE_P(
    PictureWire, EachAnswer,
    testing::Values(
        Answer{"Whole", [] { return answerBytes(picture(QSize(40, 10))); }, true},
        Answer{"OfAPictureSmallerThanThePreview", [] { return answerBytes(picture(QSize(3, 2))); }, true},
        Answer{"OfAnotherVersion", [] { return answerBytes(picture(QSize(40, 10))).replace(8, 1, "\x7F"); }, false},
        Answer{"NoAnswerAtAll", [] { return QByteArray(100, 'x'); }, false},
        Answer{"PreviewOfAnotherSize",
               [] { return answerBytes(picture(QSize(40, 10), PictureNeeds{QSize(20, 20), 2, QSize(5, 4)})); }, false},
        Answer{"TilesOfAnotherSize",
               [] { return answerBytes(picture(QSize(40, 10), PictureNeeds{QSize(30, 20), 3, QSize(5, 4)})); }, false},
        Answer{"OfAPictureLargerThanAny", [] { return answerBytes(picture(QSize(1 << 15, 1 << 15))); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(EachAnswer, IsBelievedOnlyWhenItAnswersTheNeedsWhole)
{
    const auto read = received(GetParam().bytes());
    ASSERT_EQ(read.has_value(), GetParam().believed);
    if (read) {
        EXPECT_EQ(read->preview.pixel(0, 0), qRgb(10, 20, 30));
        EXPECT_EQ(read->tiles.pixel(9, 7), qRgb(40, 50, 60));
    }
}

TEST(PictureWire, ARequestAsksForWhatABoardCanNeed)
{
    const auto parsed = [](const PictureNeeds& asked) {
        const QByteArray bytes = request(asked);
        return parseRequest(std::span<const char, requestBytes>(bytes.constData(), requestBytes));
    };
    EXPECT_EQ(parsed(needs), needs);
    EXPECT_EQ(parsed(PictureNeeds{}), PictureNeeds{});
    EXPECT_FALSE(parsed(PictureNeeds{QSize(-1, 20), 2, QSize(5, 4)}));
    EXPECT_FALSE(parsed(PictureNeeds{QSize(30, 20), 101, QSize(5, 4)}));
    EXPECT_FALSE(parsed(PictureNeeds{QSize(30, 20), 100, QSize(400, 4)}));
    QByteArray other = request(needs);
    other[0] = 'x';
    EXPECT_FALSE(parseRequest(std::span<const char, requestBytes>(other.constData(), requestBytes)));
}

} // namespace
} // namespace pintu::test
