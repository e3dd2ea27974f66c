#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <array>

namespace pintu::test {

// A picture whose every pixel tells where it lies: red grows to the right,
// green downwards, blue stays at 96.
QImage positionPicture(int width, int height);

// The colour at the centre of cell k of an N x N cut of a position picture.
QColor cellCentreColour(int k, int N);

bool looksLike(const QColor& seen, const QColor& expected, int tolerance = 14);

// Four solid quarters, top-left, top-right, bottom-left, bottom-right: which
// corner went where shows how a picture was turned.
using Quarters = std::array<QColor, 4>;
QImage quarteredPicture(QSize size, const Quarters& quarters);

// `image` as the bytes of a file in `format` ("bmp", "gif", "jpeg", "png",
// "tiff", "webp"); lossless where the format allows, JPEG at quality 95. A GIF
// holds 256 colours at most.
QByteArray pictureFile(const QImage& image, const char* format);

// A JPEG file with an APP1 Exif segment that tells viewers to turn it by
// `orientation`, 1 to 8.
QByteArray withExifOrientation(const QByteArray& jpeg, int orientation);

// A folder of its own for one test: pictures, data files, whatever it writes.
class TestFolder {
public:
    TestFolder();

    QString path() const { return dir.path(); }
    QString filePath(const QString& name) const { return dir.filePath(name); }
    QString writeBitmap(const QString& name, const QImage& image) const;
    QString writeBytes(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir;
};

} // namespace pintu::test
