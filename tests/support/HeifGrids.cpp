#include "tests/support/HeifGrids.h"

#include "tests/support/HevcSets.h"
#include "tests/support/TestPictures.h"

namespace pintu::test {

namespace {

QByteArray fullBox(const char* type, const QByteArray& body)
{
    return box(type, QByteArray(4, '\0') + body);
}

QByteArray numbers(std::initializer_list<std::pair<quint64, int>> values)
{
    QByteArray bytes;
    for (const auto& [value, byteCount] : values)
        appendBigEndian(bytes, value, byteCount);
    return bytes;
}

quint64 number(qint64 value)
{
    return static_cast<quint64>(value);
}

// HEVC's unit of nothing, which decoders pass over.
constexpr int fillerUnit = 38;

} // namespace

QByteArray box(const char* type, const QByteArray& body)
{
    QByteArray bytes;
    appendBigEndian(bytes, number(body.size() + 8), 4);
    return bytes + type + body;
}

QByteArray boxBody(const QByteArray& file, const char* type)
{
    const qsizetype at = file.indexOf(type);
    quint64 size = 0;
    for (int i = -4; i < 0; ++i)
        size = size << 8 | static_cast<uchar>(file[at + i]);
    return file.mid(at + 4, static_cast<qsizetype>(size) - 8);
}

QByteArray gridFile(const GridParts& grid)
{
    const auto tiles = static_cast<quint64>(grid.coded.size());
    const quint64 gridId = tiles + 1;
    QByteArray types;
    QByteArray associations = numbers({{gridId, 4}});
    QByteArray references = numbers({{gridId, 2}, {number(static_cast<qint64>(grid.cells.size())), 2}});
    for (quint64 t = 1; t <= tiles; ++t) {
        types += box("infe", numbers({{0x02000001, 4}, {t, 2}, {0, 2}}) + "hvc1" + QByteArray(1, '\0'));
        associations += numbers({{t, 2}, {2, 1}, {0x81, 1}, {2, 1}});
    }
    for (const int cell : grid.cells)
        references += numbers({{number(cell + 1), 2}});
    types += box("infe", numbers({{0x02000000, 4}, {gridId, 2}, {0, 2}}) + "grid" + QByteArray(1, '\0'));
    associations += numbers({{gridId, 2}, {1, 1}, {3, 1}});
    const QByteArray properties =
        box("ipco", box("hvcC", grid.configuration) +
                        fullBox("ispe", numbers({{number(grid.tile.width()), 4}, {number(grid.tile.height()), 4}})) +
                        fullBox("ispe", numbers({{number(grid.picture.width()), 4}, {number(grid.picture.height()), 4}})));
    const QByteArray layout = numbers({{number(grid.rows - 1), 1}, {number(grid.columns - 1), 1},
                                       {number(grid.picture.width()), 2}, {number(grid.picture.height()), 2}});
    const QByteArray gridBody = numbers({{0, 2}}) + layout;
    // Version 1 locations, which may point into the metadata's own data box.
    const auto metadata = [&](quint64 dataAt) {
        QByteArray locations = numbers({{0x01000000, 4}, {0x4400, 2}, {gridId, 2}});
        for (quint64 t = 0; t < tiles; ++t) {
            const auto length = number(grid.coded[t].size());
            locations += numbers({{t + 1, 2}, {0, 2}, {0, 2}, {number(grid.extents), 2}});
            for (int extent = 0; extent < grid.extents; ++extent)
                locations += numbers({{dataAt, 4}, {length, 4}});
            dataAt += length;
        }
        locations += numbers({{gridId, 2}, {1, 2}, {0, 2}, {1, 2}, {0, 4}, {number(gridBody.size()), 4}});
        return fullBox("meta", fullBox("hdlr", numbers({{0, 4}}) + "pict" + QByteArray(13, '\0')) +
                                   fullBox("pitm", numbers({{gridId, 2}})) +
                                   fullBox("iinf", numbers({{gridId, 2}}) + types) + box("iloc", locations) +
                                   box("iprp", properties + fullBox("ipma", associations)) +
                                   fullBox("iref", box("dimg", references)) + box("idat", gridBody));
    };
    const QByteArray fileType = box("ftyp", QByteArray("heic") + QByteArray(4, '\0') + "mif1heic");
    const quint64 dataAt = number(fileType.size() + metadata(0).size() + 8);
    QByteArray data;
    for (const QByteArray& bytes : grid.coded)
        data += bytes;
    return fileType + metadata(dataAt) + box("mdat", data);
}

QByteArray heicGridOfOneTile(const QImage& tile, int rows, int columns, const OddTile& odd)
{
    const QByteArray single = heifFile(tile, "heic", {.quality = 90});
    QByteArray coded = boxBody(single, "mdat");
    if (odd.filler > 0) {
        appendBigEndian(coded, number(odd.filler + 2), 4);
        coded += QByteArray(1, static_cast<char>(fillerUnit << 1)) + QByteArray(1, '\1') + QByteArray(odd.filler, '\xFF');
    }
    QByteArray configuration = boxBody(single, "hvcC");
    if (odd.lumaBits != 8)
        configuration = withLumaBits(configuration, odd.lumaBits);
    return gridFile({configuration, {coded}, std::vector<int>(static_cast<size_t>(rows * columns), 0), rows, columns,
                     tile.size(), QSize(columns * tile.width(), rows * tile.height()), odd.extents});
}

} // namespace pintu::test
