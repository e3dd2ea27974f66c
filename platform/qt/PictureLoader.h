#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace pintu {

// Reads a picture file of any size a desktop can hold. Nothing when the path
// is not a readable picture: missing, a folder, not an image, truncated, or
// claiming a size too large to allocate.
std::optional<QImage> loadPicture(const QString& path);

} // namespace pintu
