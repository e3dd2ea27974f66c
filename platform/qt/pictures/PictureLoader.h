#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

#include <optional>
#include <string>

namespace pintu {

// What a picture file's header says: its format as Qt names it ("jpeg",
// "png", ...; "heif" and "avif" for the two Qt has no reader for), the size
// of the upright picture, and whether its decoder can deliver it smaller than
// that for less memory than the whole.
struct PictureHeader {
    QByteArray format;
    QSize size;
    bool shrinksWhileDecoding = false;
};

// The most memory one read of a picture may take, decoder and all, so that
// with its own 50 MB the game stays under 400 MB whatever file it is given.
// Each read counts before decoding what its decoder will allocate (bit depth,
// channels, a progressive JPEG's coefficients, an animation's canvas, a file
// read whole) and refuses a picture that would take more.
inline constexpr qint64 pictureMemoryBudget = qint64{320} << 20;
// The most pixels a picture may have, however few bytes each takes: decoding
// one larger would keep the game busy for seconds.
inline constexpr qint64 largestPicturePixels = qint64{1} << 27;

// Every read below takes the path of a picture file of any format Qt has a
// plugin for and gives nothing when it is not a readable picture: missing, a
// folder, empty, not an image, cut short (but for a bitmap short of pixels,
// which loads with the rest blank), larger than the budgets above, or failing
// to allocate. A file is read only as far as its picture reaches, so bytes
// after it (a motion photo's video, a file that runs on for gigabytes) cost
// nothing. Photos come upright, turned as their EXIF orientation says,
// transparent parts come out white, and each read opens the file once. A
// path is the system's bytes, which need not be UTF-8.

// The header alone, cheap enough to check a file before accepting it. A JPEG
// or GIF cut short is refused here already; other formats cut short after
// their header pass, and the reads below refuse them.
std::optional<PictureHeader> probePicture(const std::string& path);

// The top-left `area` of the upright picture, or all of it when it is smaller,
// one picture pixel per pixel of the result. JPEG decodes no further down its
// stored rows than the area reaches: all of them for a photo stored upside
// down or turned, a few hundred for one stored upright.
std::optional<QImage> readPicturePart(const std::string& path, QSize area);

// The whole upright picture, for cutting into cells of `size` pixels in all.
// Formats that can shrink while decoding (JPEG in its DCT; PNG, TIFF, WebP,
// HEIF and AVIF as their rows come) deliver exactly `size`, never more than
// the picture's own size; every other format delivers its own size, which a
// full decode gives anyway.
std::optional<QImage> readPictureForSize(const std::string& path, QSize size);

// The name endings of the picture files the reads above take: those of every
// format Qt has a reader for, and HEIF's and AVIF's, read without one.
QList<QByteArray> pictureSuffixes();

} // namespace pintu
