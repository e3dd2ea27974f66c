#pragma once

#include <QByteArray>

#include <functional>
#include <string>
#include <vector>

namespace pintu::test {

// A file a player could make whose header claims more than its bytes hold,
// or more than any picture: a size, a bit depth, a canvas, a progressive
// photo, a grid, boxes by the thousand. Decoders believe headers, so each
// costs what it claims once a decoder is let near it.
struct HostilePicture {
    std::string name; // what it claims
    const char* extension;
    std::function<QByteArray()> bytes; // made when asked: a few take a moment
    bool plays; // read into a board, else refused
};

// Of every format pintu reads: the claims of a few bytes that cost gigabytes,
// claims of some hundreds of megabytes that once slipped past a cost counted
// wrong, and boxes that contradict each other.
std::vector<HostilePicture> hostilePictures();

} // namespace pintu::test
