#pragma once

#include "platform/qt/pictures/decoders/CodedPicture.h"

namespace pintu {

// Turns rows of a picture's samples into 8-bit RGBA whose colour is not
// multiplied by its alpha: YCbCr by the matrix its colour properties name
// (BT.601's where they name none the codecs' numbering knows, the samples as
// G, B, R for the identity), in full range or video range, each chroma
// sample standing for the pixels it covers; samples deeper than 8 bits cut
// to 8.
class SampleColours {
public:
    SampleColours(StreamColours colours, const SampleFormat& format);

    // `width` pixels of row `y` of `colour` from column `left` on, opaque
    // or with the alpha of row `alphaY` of `alpha`.
    void convert(const Planes& colour, int y, const Planes* alpha, int alphaY, int left, int width,
                 uchar* rgba) const;

private:
    bool identity = false;
    bool monochrome = false;
    float lumaOffset = 0;
    float chromaOffset = 0;
    float lumaScale = 1;
    float chromaScale = 1;
    float redFromCr = 0;
    float greenFromCb = 0;
    float greenFromCr = 0;
    float blueFromCb = 0;
};

} // namespace pintu
