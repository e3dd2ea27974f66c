#include "platform/qt/pictures/decoders/SampleColours.h"

#include <algorithm>

namespace pintu {

namespace {

struct LumaWeights {
    int matrix;
    float red;
    float blue;
};

// Of the matrices the codecs number, those whose weights are given by number.
constexpr LumaWeights bt601{6, 0.299f, 0.114f};
constexpr LumaWeights knownWeights[] = {
    {1, 0.2126f, 0.0722f}, {4, 0.30f, 0.11f}, {5, 0.299f, 0.114f},     bt601,
    {7, 0.212f, 0.087f},   {9, 0.2627f, 0.0593f}, {10, 0.2627f, 0.0593f},
};
constexpr int identityMatrix = 0;

// Video range leaves room below black and above white: luma spans 219 of 255
// steps from 16, chroma 224 around the middle.
constexpr float videoLumaSteps = 219;
constexpr float videoChromaSteps = 224;
constexpr float videoBlack = 16;

int sample(const uchar* row, int x, bool wide)
{
    return wide ? reinterpret_cast<const quint16*>(row)[x] : row[x];
}

uchar eightBits(float value)
{
    return static_cast<uchar>(std::clamp(value, 0.0f, 255.0f) + 0.5f);
}

} // namespace

SampleColours::SampleColours(StreamColours colours, const SampleFormat& format)
    : identity(colours.matrix == identityMatrix), monochrome(format.monochrome)
{
    const float depthScale = static_cast<float>(1 << (format.bits - 8));
    const auto weights = std::find_if(std::begin(knownWeights), std::end(knownWeights),
                                      [&colours](const LumaWeights& w) { return w.matrix == colours.matrix; });
    const LumaWeights w = weights == std::end(knownWeights) ? bt601 : *weights;
    chromaOffset = static_cast<float>(1 << (format.bits - 1));
    lumaScale = 1 / depthScale;
    chromaScale = 1 / depthScale;
    if (!colours.fullRange) {
        lumaOffset = videoBlack * depthScale;
        lumaScale *= 255 / videoLumaSteps;
        chromaScale *= 255 / videoChromaSteps;
    }
    const float green = 1 - w.red - w.blue;
    redFromCr = 2 * (1 - w.red);
    blueFromCb = 2 * (1 - w.blue);
    greenFromCb = 2 * w.blue * (1 - w.blue) / green;
    greenFromCr = 2 * w.red * (1 - w.red) / green;
}

void SampleColours::convert(const Planes& colour, int y, const Planes* alpha, int alphaY, int left, int width,
                            uchar* rgba) const
{
    const bool wide = colour.format.bits > 8;
    const uchar* luma = colour.row(0, y);
    const uchar* cb = monochrome ? nullptr : colour.row(1, y);
    const uchar* cr = monochrome ? nullptr : colour.row(2, y);
    const int shiftX = colour.format.chromaShiftX;
    const uchar* opacity = alpha ? alpha->row(0, alphaY) : nullptr;
    const bool wideAlpha = alpha && alpha->format.bits > 8;
    const int alphaShift = alpha ? alpha->format.bits - 8 : 0;
    for (int x = left; x < left + width; ++x, rgba += 4) {
        const float l = (static_cast<float>(sample(luma, x, wide)) - lumaOffset) * lumaScale;
        if (monochrome) {
            rgba[0] = rgba[1] = rgba[2] = eightBits(l);
        } else if (identity) {
            rgba[0] = eightBits(static_cast<float>(sample(cr, x >> shiftX, wide)) * lumaScale);
            rgba[1] = eightBits(static_cast<float>(sample(luma, x, wide)) * lumaScale);
            rgba[2] = eightBits(static_cast<float>(sample(cb, x >> shiftX, wide)) * lumaScale);
        } else {
            const float b = (static_cast<float>(sample(cb, x >> shiftX, wide)) - chromaOffset) * chromaScale;
            const float r = (static_cast<float>(sample(cr, x >> shiftX, wide)) - chromaOffset) * chromaScale;
            rgba[0] = eightBits(l + redFromCr * r);
            rgba[1] = eightBits(l - greenFromCb * b - greenFromCr * r);
            rgba[2] = eightBits(l + blueFromCb * b);
        }
        rgba[3] = opacity ? static_cast<uchar>(std::min(sample(opacity, x, wideAlpha) >> alphaShift, 255)) : 255;
    }
}

} // namespace pintu
