#pragma once

#include "platform/qt/pictures/decoding/RowDecoder.h"

#include <QImageReader>

#include <memory>
#include <optional>

namespace pintu {

// One picture file, opened once with its header read. It reads the picture
// through its format's own library a row at a time where that library can,
// else through Qt's reader, and comes upright, turned as its EXIF or HEIF
// orientation says, transparent parts laid on white.
class PictureFile {
public:
    explicit PictureFile(QIODevice& file);

    // The upright picture's size as its header gives it; empty when the file
    // is no picture that can be read.
    QSize size() const;

    struct Reading {
        QSize size;  // of the upright picture, as decoded
        QImage part; // its top-left part of the area asked for, at its own size
        QImage whole;
    };
    // The top-left `area` of the upright picture (all of it when smaller), one
    // pixel per pixel, and the whole picture shrunk to `wanted` where its
    // decoder can shrink it, else at its own size; either is left out when
    // its size is empty. A picture is decoded once for both, unless its
    // decoder can shrink it for less work than the part takes at full size.
    // Nothing when the picture proves broken.
    std::optional<Reading> read(QSize area, QSize wanted);

private:
    void openRows(const QByteArray& format);
    bool openReader(const QByteArray& format);
    std::optional<Reading> readRows(QSize area, QSize wanted);
    std::optional<Reading> readWithQt(QSize area, QSize wanted);

    QIODevice& file;
    QImageReader reader;
    std::unique_ptr<RowDecoder> rows;
    QSize storedSize;
    QImageIOHandler::Transformations transformation;
};

} // namespace pintu
