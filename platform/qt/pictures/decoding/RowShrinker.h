#pragma once

#include "platform/qt/pictures/decoding/RowDecoder.h"

#include <QImage>
#include <QRect>

#include <optional>
#include <vector>

namespace pintu {

// Keeps `part` of a decoder's rows shrunk to `size`: each pixel laid on
// white as it comes, so that the colour under clear pixels never bleeds into
// their neighbours, then averaged into the pixels of `size` it covers, by the
// share of each it covers. At the part's own size it keeps the part as it is.
class RowShrinker final : public RowSink {
public:
    // Rows `rowSize` wide, of which `part` is kept.
    RowShrinker(QSize rowSize, const QRect& part, QSize size);

    bool take(int y, const uchar* rgba) override;
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
    // A pixel's colours side by side, added up at once.
    using Lanes = quint32 __attribute__((vector_size(16)));
    using WideLanes = quint64 __attribute__((vector_size(32)));
    std::vector<Lanes> rowLanes;   // a row of the part
    std::vector<WideLanes> sums; // the result's row under way, then the one after
};

} // namespace pintu
