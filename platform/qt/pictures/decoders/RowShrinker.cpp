#include "platform/qt/pictures/decoders/RowShrinker.h"

#include <algorithm>

namespace pintu {

namespace {

constexpr int channels = 3;
constexpr qint64 bytesPerPixel = 4;

int shrinkFactor(const QRect& part, QSize size)
{
    if (size.isEmpty())
        return 1;
    return std::max(1, std::min(part.width() / size.width(), part.height() / size.height()));
}

QSize shrunkSize(const QRect& part, int factor)
{
    return QSize((part.width() + factor - 1) / factor, (part.height() + factor - 1) / factor);
}

int onWhite(int channel, int alpha)
{
    return (channel * alpha + 255 * (255 - alpha) + 127) / 255;
}

} // namespace

RowShrinker::RowShrinker(QSize rowSize, const QRect& part, QSize size)
    : part(part.intersected(QRect(QPoint(0, 0), rowSize))),
      size(size),
      factor(shrinkFactor(this->part, size)),
      shrunk(shrunkSize(this->part, factor), QImage::Format_RGB32),
      sums(static_cast<size_t>(shrunk.width()) * channels)
{}

qint64 RowShrinker::bytes(const QRect& part, QSize size)
{
    const QSize shrunk = shrunkSize(part, shrinkFactor(part, size));
    const qint64 shrunkBytes = qint64{shrunk.width()} * shrunk.height() * bytesPerPixel;
    const qint64 scaledBytes = shrunk == size ? 0 : qint64{size.width()} * size.height() * bytesPerPixel;
    return shrunkBytes + scaledBytes + qint64{shrunk.width()} * channels * sizeof(quint32);
}

bool RowShrinker::take(const uchar* rgba)
{
    const int y = next++;
    if (shrunk.isNull() || y > part.bottom())
        return false;
    if (y < part.top())
        return true;
    const uchar* pixel = rgba + 4 * part.left();
    quint32* sum = sums.data();
    for (int x = 0, inSquare = 0; x < part.width(); ++x, pixel += 4) {
        const int alpha = pixel[3];
        for (int c = 0; c < channels; ++c)
            sum[c] += static_cast<quint32>(alpha == 255 ? pixel[c] : onWhite(pixel[c], alpha));
        if (++inSquare == factor) {
            inSquare = 0;
            sum += channels;
        }
    }
    const int row = y - part.top();
    if ((row + 1) % factor == 0 || y == part.bottom())
        emitRow(row % factor + 1);
    return y < part.bottom();
}

void RowShrinker::emitRow(int rowsSummed)
{
    auto* line = reinterpret_cast<QRgb*>(shrunk.scanLine((next - 1 - part.top()) / factor));
    for (int x = 0; x < shrunk.width(); ++x) {
        const int columns = std::min(factor, part.width() - x * factor);
        const quint32 count = static_cast<quint32>(columns * rowsSummed);
        quint32* sum = &sums[static_cast<size_t>(x) * channels];
        line[x] = qRgb(static_cast<int>((sum[0] + count / 2) / count), static_cast<int>((sum[1] + count / 2) / count),
                       static_cast<int>((sum[2] + count / 2) / count));
        std::fill(sum, sum + channels, 0);
    }
}

std::optional<QImage> RowShrinker::result() const
{
    if (shrunk.isNull() || next <= part.bottom())
        return std::nullopt;
    if (shrunk.size() == size)
        return shrunk;
    QImage scaled = shrunk.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull())
        return std::nullopt;
    return scaled;
}

} // namespace pintu
