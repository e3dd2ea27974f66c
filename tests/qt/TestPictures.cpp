#include "TestPictures.h"

#include <QBuffer>
#include <QFile>

#include <cstdlib>

namespace pintu::test {

QImage positionPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            line[3 * x] = static_cast<uchar>(x * 255 / std::max(1, width - 1));
            line[3 * x + 1] = static_cast<uchar>(y * 255 / std::max(1, height - 1));
            line[3 * x + 2] = 96;
        }
    }
    return image;
}

QColor cellCentreColour(int k, int N)
{
    const double column = (k % N + 0.5) / N;
    const double row = (k / N + 0.5) / N;
    return QColor(static_cast<int>(column * 255), static_cast<int>(row * 255), 96);
}

bool looksLike(const QColor& seen, const QColor& expected, int tolerance)
{
    return std::abs(seen.red() - expected.red()) <= tolerance && std::abs(seen.green() - expected.green()) <= tolerance &&
           std::abs(seen.blue() - expected.blue()) <= tolerance;
}

QImage quarteredPicture(QSize size, const Quarters& quarters)
{
    QImage image(size, QImage::Format_RGB32);
    const int halfWidth = size.width() / 2;
    const int halfHeight = size.height() / 2;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, quarters[(y < halfHeight ? 0 : 2) + (x < halfWidth ? 0 : 1)]);
    }
    return image;
}

namespace {

void appendLittleEndian16(QByteArray& bytes, int value)
{
    bytes.append(static_cast<char>(value & 0xFF)).append(static_cast<char>(value >> 8 & 0xFF));
}

void appendBigEndian(QByteArray& bytes, quint32 value, int byteCount)
{
    for (int shift = 8 * (byteCount - 1); shift >= 0; shift -= 8)
        bytes.append(static_cast<char>(value >> shift & 0xFF));
}

// LSB-first codes of a fixed width, as GIF's LZW stream packs them.
class CodeWriter {
public:
    void write(int code, int width)
    {
        pending |= static_cast<quint32>(code) << pendingBits;
        pendingBits += width;
        while (pendingBits >= 8) {
            bytes.append(static_cast<char>(pending & 0xFF));
            pending >>= 8;
            pendingBits -= 8;
        }
    }

    QByteArray finish()
    {
        if (pendingBits > 0)
            bytes.append(static_cast<char>(pending & 0xFF));
        return bytes;
    }

private:
    QByteArray bytes;
    quint32 pending = 0;
    int pendingBits = 0;
};

// Qt reads GIF but cannot write it. Every pixel goes out as a literal 9-bit
// code, with a clear code often enough that the code width never grows.
QByteArray gifFile(const QImage& image)
{
    constexpr int clearCode = 256;
    constexpr int endCode = 257;
    constexpr int codeWidth = 9;
    constexpr int literalsPerClear = 100;

    QList<QRgb> palette;
    CodeWriter codes;
    codes.write(clearCode, codeWidth);
    int sinceClear = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y) | 0xFF000000u;
            if (!palette.contains(colour))
                palette.append(colour);
            if (palette.size() > 256)
                return {}; // more colours than a GIF holds: no file at all
            if (sinceClear == literalsPerClear) {
                codes.write(clearCode, codeWidth);
                sinceClear = 0;
            }
            codes.write(static_cast<int>(palette.indexOf(colour)), codeWidth);
            ++sinceClear;
        }
    }
    codes.write(endCode, codeWidth);
    const QByteArray data = codes.finish();

    QByteArray gif("GIF89a");
    appendLittleEndian16(gif, image.width());
    appendLittleEndian16(gif, image.height());
    gif.append('\xF7').append('\0').append('\0'); // a global table of 256 colours
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = i < palette.size() ? palette[i] : 0;
        gif.append(static_cast<char>(qRed(colour))).append(static_cast<char>(qGreen(colour))).append(static_cast<char>(qBlue(colour)));
    }
    gif.append('\x2C');
    appendLittleEndian16(gif, 0);
    appendLittleEndian16(gif, 0);
    appendLittleEndian16(gif, image.width());
    appendLittleEndian16(gif, image.height());
    gif.append('\0').append('\x08');
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(static_cast<char>(block.size())).append(block);
    }
    gif.append('\0').append('\x3B');
    return gif;
}

} // namespace

QByteArray pictureFile(const QImage& image, const char* format)
{
    if (qstrcmp(format, "gif") == 0)
        return gifFile(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const int quality = qstrcmp(format, "jpeg") == 0 ? 95 : 100; // WebP at 100 is lossless
    image.save(&buffer, format, quality);
    return bytes;
}

QByteArray withExifOrientation(const QByteArray& jpeg, int orientation)
{
    constexpr quint32 orientationTag = 0x0112;
    constexpr quint32 shortType = 3;
    QByteArray exif("Exif\0\0", 6);
    exif.append("MM");                 // big-endian TIFF header
    appendBigEndian(exif, 42, 2);
    appendBigEndian(exif, 8, 4);       // the first directory follows at once
    appendBigEndian(exif, 1, 2);       // of one entry
    appendBigEndian(exif, orientationTag, 2);
    appendBigEndian(exif, shortType, 2);
    appendBigEndian(exif, 1, 4);
    appendBigEndian(exif, static_cast<quint32>(orientation), 2);
    appendBigEndian(exif, 0, 2);
    appendBigEndian(exif, 0, 4);       // and no further directory
    QByteArray segment("\xFF\xE1", 2);
    appendBigEndian(segment, static_cast<quint32>(exif.size() + 2), 2);
    segment.append(exif);
    QByteArray file = jpeg;
    file.insert(2, segment); // straight after the start-of-image marker
    return file;
}

TestFolder::TestFolder()
{
    dir.setAutoRemove(true);
}

QString TestFolder::writeBitmap(const QString& name, const QImage& image) const
{
    const QString path = filePath(name);
    image.save(path, "BMP");
    return path;
}

QString TestFolder::writeBytes(const QString& name, const QByteArray& bytes) const
{
    const QString path = filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace pintu::test
