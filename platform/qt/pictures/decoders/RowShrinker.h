#pragma once

#include <QImage>
#include <QRect>

#include <optional>
#include <vector>

namespace pintu {

// Takes a decoder's rows top to bottom, 8-bit RGBA whose colour is not
// multiplied by its alpha, and keeps `part` of them shrunk to `size`: each
// pixel laid on white as it comes, so that the colour under clear pixels
// never bleeds into their neighbours, then averaged over squares of whole
// pixels; a last smooth scale makes up the fraction of a pixel left over.
class RowShrinker {
public:
    // Rows `rowSize` wide, of which `part` is kept.
    RowShrinker(QSize rowSize, const QRect& part, QSize size);

    // The memory a shrinker of these sizes holds.
    static qint64 bytes(const QRect& part, QSize size);

    // The next row; false once it needs no more.
    bool take(const uchar* rgba);
    // The part shrunk to its size; nothing when rows were missing or memory ran out.
    std::optional<QImage> result() const;

private:
    void emitRow(int rowsSummed);

    QRect part;
    QSize size;
    int factor;
    int next = 0;
    QImage shrunk;
    std::vector<quint32> sums;
};

} // namespace pintu
