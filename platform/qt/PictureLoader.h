#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace pintu {

// What a picture file's header says: the format Qt reads it with ("jpeg",
// "png", ...) and the size of the upright picture.
struct PictureHeader {
    QByteArray format;
    QSize size;
};

// Every read below takes the path of a picture file of any format Qt has a
// plugin for and gives nothing when it is not a readable picture: missing, a
// folder, empty, not an image, cut short (but for a bitmap short of pixels,
// which loads with the rest blank), or claiming a size too large to allocate.
// Photos come upright, turned as their EXIF orientation says, and
// each read opens the file once.

// The header alone, cheap enough to check a file before accepting it. A file
// cut short after its header passes; the reads below refuse it.
std::optional<PictureHeader> probePicture(const QString& path);

// The whole upright picture at its own size.
std::optional<QImage> loadPicture(const QString& path);

// The top-left `area` of the upright picture, or all of it when it is smaller,
// one picture pixel per pixel of the result. JPEG decodes no further down its
// stored rows than the area reaches: all of them for a photo stored upside
// down or turned, a few hundred for one stored upright.
std::optional<QImage> readPicturePart(const QString& path, QSize area);

// The whole upright picture, for cutting into cells of `size` pixels in all.
// Formats that can shrink while decoding (JPEG, in its DCT) deliver exactly
// `size`, never more than the picture's own size; every other format delivers
// its own size, which a full decode gives anyway.
std::optional<QImage> readPictureForSize(const QString& path, QSize size);

} // namespace pintu
