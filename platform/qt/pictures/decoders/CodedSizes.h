#pragma once

#include "platform/qt/pictures/decoders/HeifStructure.h"

#include <QByteArrayView>
#include <QSize>

#include <optional>
#include <vector>

namespace pintu {

// The format of samples in `bits` bits whose chroma is numbered as both
// codecs and their libraries number it: 0 none, 1 4:2:0, 2 4:2:2, 3 4:4:4.
SampleFormat sampleFormat(int chromaFormat, int bits);

// What an HEVC picture's decoder configuration (hvcC) tells its decoder:
// the samples' format, how many bytes give each NAL unit's length in the
// picture's data, and the parameter sets to hand it first.
struct HevcConfiguration {
    SampleFormat format;
    int lengthBytes = 4;
    std::vector<QByteArray> parameterSets;
};

std::optional<HevcConfiguration> readHevcConfiguration(QByteArrayView hvcC);

inline constexpr int hevcSequenceParameterSet = 33;

// The NAL unit type of an HEVC NAL unit, header included; -1 for one too short.
int hevcNalType(QByteArrayView nal);
// The size a sequence parameter set (a NAL unit, its header included) makes
// its decoder allocate for each picture, before the conformance window crops
// it; nothing when it is broken.
std::optional<QSize> hevcCodedSize(QByteArrayView nal);

// What an AV1 picture's decoder configuration (av1C) tells: the samples'
// format, and the largest frame its sequence header allows, from the header
// in the configuration or else at the start of the picture's own data.
struct Av1Configuration {
    SampleFormat format;
    std::optional<QSize> largestFrame;
};

inline constexpr qint64 av1SequenceHeaderReach = 256;
// The fixed bytes of an av1C before the sequence header it may carry.
inline constexpr int av1ConfigurationHeaderBytes = 4;

std::optional<Av1Configuration> readAv1Configuration(QByteArrayView av1C, QByteArrayView dataStart);

} // namespace pintu
