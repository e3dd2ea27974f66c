#include "platform/qt/pictures/FormatLayouts.h"
#include "platform/qt/pictures/PictureLayout.h"
#include "tests/support/TestPictures.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <tuple>
#include <vector>

namespace pintu::test {
namespace {

std::optional<PictureLayout> layoutOf(QByteArray bytes, const char* format)
{
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    return readPictureLayout(file, format);
}

bool holdsWhole(const QByteArray& bytes, const char* format)
{
    return layoutOf(bytes, format).has_value();
}

QByteArray cutAt(const QByteArray& bytes, double kept)
{
    return bytes.left(static_cast<qsizetype>(bytes.size() * kept));
}

// A JPEG must reach its end marker, a GIF hold all of its first frame.
TEST(PictureLayout, IsFoundOnlyInAFileThatHoldsThePictureWhole)
{
    const QByteArray jpeg = pictureFile(positionPicture(300, 200), "jpeg");
    QByteArray withThumbnail = jpeg;
    // A segment holding a whole little JPEG, end marker and all.
    withThumbnail.insert(2, QByteArray("\xFF\xE1\x00\x08\xFF\xD8\xFF\xD9", 8));
    const QByteArray gif =
        pictureFile(quarteredPicture(QSize(60, 40), {Qt::red, Qt::green, Qt::blue, Qt::yellow}), "gif");
    for (const auto& [format, bytes, whole] : std::vector<std::tuple<const char*, QByteArray, bool>>{
             {"jpeg", jpeg, true}, {"jpeg", withThumbnail, true}, {"jpeg", jpeg.chopped(2), false},
             {"jpeg", cutAt(jpeg, 0.5), false}, {"jpeg", cutAt(withThumbnail, 0.5), false},
             {"jpeg", "not a JPEG at all", false}, {"gif", gif, true},
             {"gif", gif.chopped(1), true}, // only the trailer missing
             {"gif", gif.chopped(2), false}, {"gif", cutAt(gif, 0.5), false}}) {
        EXPECT_EQ(holdsWhole(bytes, format), whole) << format << " of " << bytes.size() << " bytes";
    }

    const auto motionPhoto = layoutOf(jpeg + QByteArray(100000, '\x5A'), "jpeg");
    ASSERT_TRUE(motionPhoto.has_value()) << "a motion photo's video after the end";
    EXPECT_EQ(motionPhoto->end, jpeg.size()) << "the video goes to no decoder";
}

// `start`, then one byte over and over for ever, counting what is read.
class EndlessFile final : public QIODevice {
public:
    EndlessFile(QByteArray start, char filler) : start(std::move(start)), filler(filler)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return false; }
    qint64 size() const override { return std::numeric_limits<qint64>::max() / 2; }

    qint64 bytesRead = 0;

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 fromStart = std::clamp<qint64>(start.size() - pos(), 0, maxSize);
        std::memcpy(data, start.constData() + pos(), static_cast<size_t>(fromStart));
        std::memset(data + fromStart, filler, static_cast<size_t>(maxSize - fromStart));
        bytesRead += maxSize;
        return maxSize;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray start;
    char filler;
};

struct NeverEnding {
    const char* format;
    char filler; // what keeps the picture going: no marker, block or chunk ever ends it
};

void PrintTo(const NeverEnding& file, std::ostream* out)
{
    *out << file.format;
}

class EachNeverEndingPicture : public testing::TestWithParam<NeverEnding> {};

INSTANTIATE_TEST_SUITE_P(PictureLayout, EachNeverEndingPicture,
                         testing::Values(NeverEnding{"jpeg", '\0'}, // scan data without a marker
                                         NeverEnding{"gif", '\xFF'}, // blocks of 255 bytes, never an empty one
                                         NeverEnding{"png", '\1'}), // chunks of 16 MB, never the end chunk
                         [](const auto& info) { return std::string(info.param.format); });

// A picture whose file never ends, as a 4 GB JPEG without its end marker
// nearly does: it is refused once the bytes a picture of its size could take
// are read, not at the end of the file.
TEST_P(EachNeverEndingPicture, IsReadNoFurtherThanItsPictureCouldTake)
{
    const QSize photo(64, 48);
    const QImage picture = positionPicture(photo.width(), photo.height()).convertToFormat(QImage::Format_Indexed8);
    const QByteArray start = cutAt(pictureFile(picture, GetParam().format), 0.9);
    EndlessFile file(start, GetParam().filler);
    EXPECT_FALSE(readPictureLayout(file, GetParam().format).has_value());
    // What its header holds, and what a picture of its size could take.
    EXPECT_LE(file.bytesRead, start.size() + byteLimit(photo));
}

} // namespace
} // namespace pintu::test
