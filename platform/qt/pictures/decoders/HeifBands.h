#pragma once

#include "platform/qt/pictures/decoders/CodedPicture.h"

#include <vector>

namespace pintu {

// A HEIF picture's samples a band of rows at a time, top to bottom: a single
// coded picture is one band, decoded whole; a grid's bands are its rows of
// tiles, decoded side by side and laid in place, so that no more than one
// row of tiles is held at once.
class HeifBands {
public:
    // Only the tiles that reach into `columns` of the picture are decoded.
    HeifBands(QIODevice& file, const HeifPicture& picture, std::pair<int, int> columns);

    // What holding one band costs, beside the rows handed on.
    static qint64 bytes(const HeifPicture& picture);

    // The planes of the band holding row `y`, its first row `top`; nothing
    // once a tile turned out broken.
    struct Band {
        Planes planes;
        int top = 0;
        int bottom = 0; // one past its last row
    };
    const Band* bandFor(int y);
    StreamColours colours() const { return streamColours; }

private:
    bool decodeBand(int tileRow);
    // Decodes one tile of the band and lays it in its columns.
    bool place(int tileRow, int column, int height, bool first);

    QIODevice& file;
    std::mutex reading;
    const HeifPicture& picture;
    int firstColumn;
    int lastColumn;
    std::unique_ptr<CodedPicture> whole;
    std::array<std::vector<uchar>, 3> samples;
    Band band;
    bool broken = false;
    StreamColours streamColours;
};

} // namespace pintu
