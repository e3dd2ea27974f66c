#pragma once

#include <QImage>
#include <QRect>

#include <optional>
#include <vector>

namespace pintu {

// Takes a decoder's rows top to bottom, 8-bit RGBA whose colour is not
// multiplied by its alpha, and keeps `part` of them shrunk to `size`: each
// pixel laid on white as it comes, so that the colour under clear pixels
// never bleeds into their neighbours, then averaged into the pixels of
// `size` it covers, by the share of each it covers.
class RowShrinker {
public:
    // Rows `rowSize` wide, of which `part` is kept.
    RowShrinker(QSize rowSize, const QRect& part, QSize size);

    // The memory a shrinker of these sizes holds.
    static qint64 bytes(QSize size);

    // The next row; false once it needs no more.
    bool take(const uchar* rgba);
    // The part shrunk to its size; nothing when rows were missing or memory ran out.
    std::optional<QImage> result() const;

private:
    // Where a pixel of the part falls among those of the result along one
    // side: on `first`, with `share` of its extent, and on the next with the rest.
    struct Cover {
        int first;
        quint32 share;
    };
    static std::vector<Cover> covers(int from, int to);

    void emitRow(int row);

    QRect part;
    QSize size;
    std::vector<Cover> columns;
    std::vector<Cover> rows;
    int next = 0;
    QImage shrunk;
    std::vector<quint32> rowSums;
    std::vector<quint64> sums; // the result's row under way, then the one after
};

} // namespace pintu
