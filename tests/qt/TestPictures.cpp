#include "TestPictures.h"

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
