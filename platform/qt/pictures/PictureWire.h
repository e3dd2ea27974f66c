#pragma once

#include "platform/qt/pictures/PictureNeeds.h"

#include <QByteArray>

#include <optional>
#include <span>

namespace pintu {

// How the game and its picture reader speak over their socket. The game
// sends one request, what a board needs of a picture, with the picture
// file's open descriptor beside it; the reader answers with the picture read
// for those needs, its pixels 32-bit RGB row after row, or ends without an
// answer when it cannot read it.

inline constexpr qint64 requestBytes = 32;

QByteArray request(const PictureNeeds& needs);
// Nothing for bytes that are no request of this version, or ask for sizes
// no board has.
std::optional<PictureNeeds> parseRequest(std::span<const char, requestBytes> bytes);

// The answer's first bytes, which its pixels follow: the preview's, then the tiles'.
QByteArray answerHead(const ReadPicture& picture);

// The game's end of an answer: takes its bytes as they come, and believes
// them only while they are an answer to `needs` of this version, the
// picture's size within the largest picture and every length as the needs
// make it.
class AnswerReader {
public:
    explicit AnswerReader(const PictureNeeds& needs);

    // Where the next bytes are to go; empty once the answer is whole.
    std::span<char> room();
    // `count` bytes came into the room; false once they can be no answer.
    bool received(qint64 count);
    // The picture once every byte of it came.
    std::optional<ReadPicture> answer() const;

private:
    bool readHead();

    PictureNeeds needs;
    QByteArray head;
    qint64 headFilled = 0;
    ReadPicture picture;
    qint64 previewFilled = 0;
    qint64 tilesFilled = 0;
    bool broken = false;
};

} // namespace pintu
