#pragma once

#include <QByteArray>
#include <QImageIOHandler>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

class QIODevice;

namespace pintu {

// How a coded picture's samples are stored: bits a sample, chroma planes
// subsampled by 2 to the shift along each side, or none at all.
struct SampleFormat {
    int bits = 8;
    int chromaShiftX = 1;
    int chromaShiftY = 1;
    bool monochrome = false;

    bool operator==(const SampleFormat&) const = default;
    // The bytes the planes of `pixels` pixels take.
    qint64 planeBytes(qint64 pixels) const;
};

enum class HeifCodec { Hevc, Av1 };

// Where one coded picture's bytes lie and what its decoder is told before
// them: HEVC's parameter sets, AV1's sequence header.
struct CodedItem {
    struct Extent {
        qint64 offset;
        qint64 length;
    };
    std::vector<Extent> extents;
    QByteArray configuration; // the hvcC or av1C property, without its box header
    QSize codedSize; // what its decoder allocates for

    qint64 bytes() const;
};

// A picture of a HEIF file: one coded picture, or a grid of tiles that are
// each one, laid left to right and top to bottom.
struct HeifPicture {
    HeifCodec codec = HeifCodec::Hevc;
    SampleFormat format;
    QSize size; // the pixels it decodes to, before any crop or turn
    int columns = 1;
    QSize tileSize; // the size of every tile; `size` itself for a single picture
    std::vector<CodedItem> tiles;
};

// The primary picture of a HEIF or AVIF file as its boxes describe it, each
// of its claims checked against the others: the pixels of its grid no more
// than its properties say, the size each tile's decoder is told to allocate
// no more than the tile's own rounded up to whole coding blocks.
struct HeifStructure {
    HeifPicture colour;
    std::optional<HeifPicture> alpha;
    // The part of the decoded pixels shown (a clean aperture), and how that
    // part is turned upright.
    QRect shown;
    QImageIOHandler::Transformations transformation;
};

// Nothing for a file whose boxes are broken, name items that are not there,
// nest or count beyond what any camera writes, disagree with each other, or
// claim more than `largestPixels` pixels; nor for a primary picture other
// than HEVC or AV1, alone or in a grid of tiles. Only the file's metadata is
// read, never its pixels' bytes.
std::optional<HeifStructure> readHeifStructure(QIODevice& file, qint64 largestPixels);

} // namespace pintu
