#pragma once

#include "platform/qt/pictures/PictureNeeds.h"

#include <optional>

namespace pintu {

// One picture to read: what a board needs of it and the file, open.
struct ReaderJob {
    PictureNeeds needs;
    int file;
};

// The game's one request, taken from the socket at `channel` with the file's
// descriptor beside it; nothing when the game sent none, or anything else.
std::optional<ReaderJob> receiveJob(int channel);

// The picture read, sent back whole; false when the game is gone.
bool sendAnswer(int channel, const ReadPicture& picture);

} // namespace pintu
