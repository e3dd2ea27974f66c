#pragma once

#include <QByteArray>

class QIODevice;

namespace pintu {

// Whether `file`, a picture in `format` as Qt names it, goes on to the end of
// its (first) picture. libjpeg pads a file that was cut short with grey and
// Qt's GIF reader leaves the missing rows blank, both without failing, so a
// half-copied photo would otherwise load with its lower part missing. Every
// other decoder fails by itself on a file cut short, except that a bitmap
// short of pixels loads with the rest blank. Bytes after the end (the video of
// a motion photo, further frames) do not matter.
bool holdsWholePicture(QIODevice& file, const QByteArray& format);

} // namespace pintu
