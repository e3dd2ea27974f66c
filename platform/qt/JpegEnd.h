#pragma once

class QIODevice;

namespace pintu {

// Whether the JPEG stream in `jpeg`, read from its start, goes on to its
// end-of-image marker. libjpeg pads a file that was cut short with grey and
// only warns, so a half-copied photo would otherwise load with its lower part
// missing. Bytes after the end (the video of a motion photo) do not matter.
bool reachesEndOfImage(QIODevice& jpeg);

} // namespace pintu
