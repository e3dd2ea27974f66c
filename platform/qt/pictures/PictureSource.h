#pragma once

#include "platform/qt/pictures/PictureNeeds.h"

#include <functional>
#include <memory>
#include <optional>

class QFile;

namespace pintu {

// A read under way: ending it ends the read, whose answer then never comes.
class PictureRead {
public:
    virtual ~PictureRead() = default;
};

// Where the game's pictures are read.
class PictureSource {
public:
    using Answer = std::function<void(std::optional<ReadPicture>)>;

    virtual ~PictureSource() = default;

    // Reads the picture in `file`, open for reading, for `needs`, and hands
    // it to `answer` on this thread, nothing when it cannot be read; perhaps
    // before this returns. The file may be closed once this returns.
    virtual std::unique_ptr<PictureRead> read(QFile& file, const PictureNeeds& needs, Answer answer) = 0;
};

} // namespace pintu
