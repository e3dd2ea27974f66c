#pragma once

#include "platform/qt/pictures/PictureNeeds.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <array>
#include <optional>
#include <string>

namespace pintu::test {

// A picture whose every pixel tells where it lies: red grows to the right,
// green downwards, blue stays at 96.
QImage positionPicture(int width, int height);

// A photo's worth of work for a decoder: smooth light, some structure and
// sensor noise, so that JPEG compresses it about as well as a real one.
QImage photoLikePicture(QSize size);

// The colour at the centre of cell k of an N x N cut of a position picture.
QColor cellCentreColour(int k, int N);

bool looksLike(const QColor& seen, const QColor& expected, int tolerance = 14);

// The picture file at `path` read for `needs` in this process, as the
// game's picture reader reads it.
std::optional<ReadPicture> readPictureFile(const std::string& path, const PictureNeeds& needs);

// The whole upright picture at its own size, as the reader delivers it: a
// preview as large as any picture is all of it.
std::optional<QImage> loadPicture(const std::string& path);
// The preview of `area`, and the whole picture at `size`, as the tiles of a
// board of one tile.
std::optional<QImage> readPreview(const std::string& path, QSize area);
std::optional<QImage> readWhole(const std::string& path, QSize size);

// Four solid quarters, top-left, top-right, bottom-left, bottom-right: which
// corner went where shows how a picture was turned.
using Quarters = std::array<QColor, 4>;
QImage quarteredPicture(QSize size, const Quarters& quarters);

// `image` as the bytes of a file in `format` ("bmp", "gif", "jpeg", "png",
// "tiff", "webp"); lossless where the format allows, JPEG at quality 95. A GIF
// holds 256 colours at most.
QByteArray pictureFile(const QImage& image, const char* format);

// How a HEIF file is written: its rotation and mirror say to turn the stored
// pixels upright as the EXIF `orientation`, 1 to 8, would; `quality` is the
// encoder's (100 the best); its colours are said to have the primaries of
// sRGB, or of Display P3 as a phone's camera takes them.
struct HeifWriting {
    int orientation = 1;
    int quality = 100;
    bool displayP3 = false;
};

// `image` as a HEIF file, its pixels compressed by HEVC ("heic") or AV1
// ("avif"), the encoder at its fastest, with an alpha plane where the image
// has one.
QByteArray heifFile(const QImage& image, const char* format, const HeifWriting& writing = {});

// `image` as a HEIC laid out as a phone's camera writes one: a grid of HEVC
// tiles of `tile` pixels (a multiple of 64 on each side), each encoded apart,
// the last column and row reaching past the picture's edge.
QByteArray heicGrid(const QImage& image, QSize tile);

// `image` as a CMYK JPEG at quality 95, stored inverted as Adobe's programs
// write it, baseline or progressive.
QByteArray cmykJpeg(const QImage& image, bool progressive);

// `frame` as a GIF whose logical screen, the canvas its frames lie on, is `canvas`.
QByteArray gifOnCanvas(const QImage& frame, QSize canvas);

// A bitmap's header claiming `width` x `height` (stored top-down where the
// height is negative) at 24 or 32 bits a pixel, and `pixelBytes` bytes after
// it, however many the claim needs.
QByteArray bitmapClaiming(qint32 width, qint32 height, int pixelBytes, int bitsPerPixel = 24);

// `value`'s lowest `byteCount` bytes, as file formats store numbers.
void appendLittleEndian(QByteArray& bytes, quint64 value, int byteCount);
void appendBigEndian(QByteArray& bytes, quint64 value, int byteCount);

// A JPEG file with an APP1 Exif segment that tells viewers to turn it by
// `orientation`, 1 to 8.
QByteArray withExifOrientation(const QByteArray& jpeg, int orientation);

// A JPEG of one flat grey, written by hand as no encoder would: of
// `components` components (4 make it CMYK), baseline or progressive (with a
// scan of DC coefficients only), its scan data all there or cut to a few
// bytes, which libjpeg makes up for with grey, warning but not failing. A
// photo of 50 megapixels takes a few hundred kilobytes.
QByteArray flatJpeg(QSize size, int components, bool progressive, bool complete = true);

// How a bitmap stores its pixels: the header (12 bytes for OS/2's, 40, or
// 108 and 124 with colour masks, as V4 and V5), the bits a pixel (1, 4 and 8
// through a palette of the picture's colours, 16 as 5-6-5, 24, 32 with alpha
// where the header has room for its mask), and the rows from the top down, as
// some programs write them, or from the bottom up as most do.
struct BitmapStorage {
    int headerBytes = 40;
    int bitsPerPixel = 24;
    bool topDown = false;
};

QByteArray bitmapFile(const QImage& image, const BitmapStorage& storage);

// A folder of its own for one test: pictures, data files, whatever it writes.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();

    QString path() const { return dir.path(); }
    QString filePath(const QString& name) const { return dir.filePath(name); }
    QString writeBitmap(const QString& name, const QImage& image) const;
    QString writeBytes(const QString& name, const QByteArray& bytes) const;
    // `name` in the system's bytes, which need not be UTF-8, with the folders
    // it names made on the way; gives the path, in bytes too.
    std::string writeNamedBytes(const std::string& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir;
};

} // namespace pintu::test
