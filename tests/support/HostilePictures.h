#pragma once

#include <QByteArray>

#include <functional>
#include <vector>

namespace pintu::test {

// A file a player could make whose header claims more than its bytes hold: a
// size, a bit depth, a canvas, a progressive photo. Decoders believe headers,
// so each costs what it claims once a decoder is let near it.
struct HostilePicture {
    const char* name; // what it claims
    const char* extension;
    std::function<QByteArray()> bytes; // made when asked: a few take a moment
    bool fits; // within the game's budgets, so it plays; else it is refused
};

// Of every format pintu reads: the claims of a few bytes that cost gigabytes,
// claims just over a budget, so that a decoder's cost miscounted (bit depth,
// components, canvas, working buffers) lets them through, and a few just
// within it, counted right.
std::vector<HostilePicture> hostilePictures();

} // namespace pintu::test
