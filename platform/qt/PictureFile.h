#pragma once

#include "PictureLoader.h"

#include <QFile>
#include <QImageReader>

namespace pintu {

// One picture file, opened once with its header read and believed. It
// decodes one part of the upright picture at one size, once.
class PictureFile {
public:
    explicit PictureFile(const QString& path);

    const std::optional<PictureHeader>& header() const { return fileHeader; }
    QRect uprightRect() const;
    // Whether the decoder can deliver a smaller picture for less work than the
    // whole one, rather than scaling after a full decode.
    bool shrinksWhileDecoding() const;

    // `part` of the upright picture, scaled to `size`.
    std::optional<QImage> read(const QRect& part, QSize size);

private:
    QFile file;
    QImageReader reader;
    QImageIOHandler::Transformations transformation;
    std::optional<PictureHeader> fileHeader;
};

} // namespace pintu
