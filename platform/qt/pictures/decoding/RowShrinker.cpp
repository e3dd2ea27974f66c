#include "platform/qt/pictures/decoding/RowShrinker.h"

#include <algorithm>

namespace pintu {

namespace {

int onWhite(int channel, int alpha)
{
    return (channel * alpha + 255 * (255 - alpha) + 127) / 255;
}

} // namespace

// Measured in units of which a pixel of the part spans `to` and one of the
// result `from`, so that both are whole.
std::vector<RowShrinker::Cover> RowShrinker::covers(int from, int to)
{
    std::vector<Cover> cover(static_cast<size_t>(from));
    for (qint64 at = 0, pixel = 0; pixel < from; ++pixel, at += to) {
        const qint64 first = at / from;
        const qint64 firstEnd = (first + 1) * from;
        cover[static_cast<size_t>(pixel)] = {static_cast<int>(first), static_cast<quint32>(std::min<qint64>(to, firstEnd - at))};
    }
    return cover;
}

RowShrinker::RowShrinker(QSize rowSize, const QRect& part, QSize size)
    : part(part.intersected(QRect(QPoint(0, 0), rowSize))),
      size(size),
      columns(covers(this->part.width(), size.width())),
      rows(covers(this->part.height(), size.height())),
      next(this->part.top()),
      shrunk(size, QImage::Format_RGB32),
      rowLanes(static_cast<size_t>(size.width() + 1)),
      sums(static_cast<size_t>(size.width() + 1) * 2)
{}

bool RowShrinker::take(int y, const uchar* rgba)
{
    if (shrunk.isNull() || next > part.bottom())
        return false;
    if (y < next)
        return true;
    // A row of the part skipped can never be made up for.
    if (y > next) {
        shrunk = QImage();
        return false;
    }
    ++next;
    // Most of a read's time goes here, at every pixel of a photo of millions:
    // a pixel's colours are added up side by side, in registers until the
    // part's pixels move on to the next pixel of the result.
    std::fill(rowLanes.begin(), rowLanes.end(), Lanes{});
    const quint32 whole = static_cast<quint32>(size.width());
    Lanes onFirst{};
    Lanes onNext{};
    size_t first = columns.empty() ? 0 : static_cast<size_t>(columns.front().first);
    const uchar* pixel = rgba + 4 * part.left();
    for (const Cover& cover : columns) {
        if (static_cast<size_t>(cover.first) != first) {
            rowLanes[first] += onFirst;
            onFirst = onNext;
            onNext = Lanes{};
            first = static_cast<size_t>(cover.first);
        }
        const int alpha = pixel[3];
        const Lanes value = alpha == 255 ? Lanes{pixel[0], pixel[1], pixel[2], 0}
                                         : Lanes{static_cast<quint32>(onWhite(pixel[0], alpha)),
                                                 static_cast<quint32>(onWhite(pixel[1], alpha)),
                                                 static_cast<quint32>(onWhite(pixel[2], alpha)), 0};
        onFirst += cover.share * value;
        onNext += (whole - cover.share) * value;
        pixel += 4;
    }
    rowLanes[first] += onFirst;
    rowLanes[first + 1] += onNext;
    const int row = y - part.top();
    const Cover& cover = rows[static_cast<size_t>(row)];
    const quint64 rest = static_cast<quint64>(size.height()) - cover.share;
    const size_t half = sums.size() / 2;
    for (size_t x = 0; x < rowLanes.size(); ++x) {
        const WideLanes wide = __builtin_convertvector(rowLanes[x], WideLanes);
        sums[x] += quint64{cover.share} * wide;
        sums[half + x] += rest * wide;
    }
    // A row of the part that reaches the end of its row of the result finishes it.
    if (qint64{row + 1} * size.height() >= qint64{cover.first + 1} * part.height())
        emitRow(cover.first);
    return y < part.bottom();
}

void RowShrinker::emitRow(int row)
{
    const quint64 area = quint64{static_cast<quint32>(part.width())} * static_cast<quint32>(part.height());
    auto* line = reinterpret_cast<QRgb*>(shrunk.scanLine(row));
    const auto mean = [area](quint64 sum) { return static_cast<int>((sum + area / 2) / area); };
    for (int x = 0; x < size.width(); ++x) {
        const WideLanes& sum = sums[static_cast<size_t>(x)];
        line[x] = qRgb(mean(sum[0]), mean(sum[1]), mean(sum[2]));
    }
    const size_t half = sums.size() / 2;
    std::copy(sums.begin() + static_cast<qsizetype>(half), sums.end(), sums.begin());
    std::fill(sums.begin() + static_cast<qsizetype>(half), sums.end(), WideLanes{});
}

std::optional<QImage> RowShrinker::result() const
{
    if (shrunk.isNull() || next <= part.bottom())
        return std::nullopt;
    return shrunk;
}

} // namespace pintu
