#pragma once

#include "platform/qt/pictures/PictureNeeds.h"

#include <optional>

class QIODevice;

namespace pintu {

// Reads the picture in `file`, a picture file of any format Qt has a reader
// for, or HEIF or AVIF, for what a board `needs` of it: nothing when it is not
// a readable picture (empty, not a picture, cut short, broken, larger than
// the largest picture) or memory runs out. A file is read only as far as its
// picture reaches. The needs' sizes are met exactly.
std::optional<ReadPicture> decodePicture(QIODevice& file, const PictureNeeds& needs);

// Loads every library and plugin the reads above may need, which Qt and
// libheif would otherwise load from the disk when they first meet a picture
// of their kind.
void loadDecoders();

} // namespace pintu
