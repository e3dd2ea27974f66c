#pragma once

#include "platform/qt/pictures/FilePrefix.h"
#include "platform/qt/pictures/PictureLayout.h"
#include "platform/qt/pictures/PictureLoader.h"
#include "platform/qt/pictures/decoders/RowDecoder.h"

#include <QFile>
#include <QImageReader>

#include <memory>

namespace pintu {

// One picture file, opened once with its header read and believed. It
// decodes one part of the upright picture at one size, once, when that fits
// the memory budget: through its format's own library a row at a time where
// that library takes less memory than Qt's reader, else through Qt's reader.
class PictureFile {
public:
    explicit PictureFile(const std::string& path);

    const std::optional<PictureHeader>& header() const { return fileHeader; }
    QRect uprightRect() const;
    // Whether the decoder can deliver a smaller picture for less work than the
    // whole one, rather than scaling after a full decode.
    bool shrinksWhileDecoding() const;

    // `part` of the upright picture, scaled to `size`.
    std::optional<QImage> read(const QRect& part, QSize size);

private:
    bool openReader(const QByteArray& format);
    void openRows(const QByteArray& format);

    // The memory a read of `part` of the stored pixels at `size` takes: what
    // the decoder holds, the pixels it decodes, and any copy made after.
    qint64 readingBytes(const QRect& part, QSize size) const;
    std::optional<QImage> readWithQt(const QRect& part, QSize size);
    std::optional<QImage> readRows(const QRect& part, QSize size);

    QFile file;
    std::optional<FilePrefix> picture; // the bytes the decoder may read
    QImageReader reader;
    std::unique_ptr<RowDecoder> rows;
    PictureLayout layout;
    QSize storedSize;
    int decodedBitsPerPixel = 0;
    bool shrinks = false;
    QImageIOHandler::Transformations transformation;
    std::optional<PictureHeader> fileHeader;
};

} // namespace pintu
