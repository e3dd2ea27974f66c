#include "platform/qt/pictures/decoders/CodedPicture.h"

#include "platform/qt/pictures/decoders/CodedSizes.h"

#include <QIODevice>
#include <QThread>

#include <dav1d/dav1d.h>
#include <libde265/de265.h>

#include <algorithm>
#include <cstring>

namespace pintu {

namespace {

constexpr int mostThreads = 4;

// Measured at 12 and 50 megapixels (bench/picture_memory): beside the
// picture, libde265 keeps a copy of it while filtering its sample offsets
// and about half a byte a pixel of what it decoded each block with; dav1d
// keeps a fraction of a byte a pixel; libde265 copies the coded bytes, which
// are read whole first.
constexpr qint64 hevcPictureCopies = 2;
constexpr qint64 hevcBlockBytesPerTwoPixels = 1;
constexpr qint64 av1BlockBytesPerFourPixels = 1;

bool readExtents(QIODevice& file, std::mutex& reading, const CodedItem& item, char* into)
{
    const std::lock_guard lock(reading);
    for (const CodedItem::Extent& extent : item.extents) {
        if (!file.seek(extent.offset) || file.read(into, extent.length) != extent.length)
            return false;
        into += extent.length;
    }
    return true;
}

bool fits(QSize size, QSize most)
{
    return size.width() <= most.width() && size.height() <= most.height();
}

class HevcPicture final : public CodedPicture {
public:
    HevcPicture() : decoder(de265_new_decoder()) {}
    ~HevcPicture() override { de265_free_decoder(decoder); }

    bool decode(QIODevice& file, std::mutex& reading, const CodedItem& item, const SampleFormat& format, int threads)
    {
        const auto configuration = readHevcConfiguration(item.configuration);
        if (!decoder || !configuration || !(configuration->format == format))
            return false;
        for (const QByteArray& set : configuration->parameterSets)
            if (!push(set, item.codedSize))
                return false;
        {
            QByteArray data(item.bytes(), Qt::Uninitialized);
            if (!readExtents(file, reading, item, data.data()) || !pushUnits(data, configuration->lengthBytes, item.codedSize))
                return false;
        }
        if (threads > 1)
            de265_start_worker_threads(decoder, threads);
        if (de265_flush_data(decoder) != DE265_OK)
            return false;
        // Each call decodes a unit at least; a stream that stalls gets no more.
        int more = 1;
        for (qint64 calls = 0; more && !picture && calls <= 2 * units + 1; ++calls) {
            if (de265_decode(decoder, &more) != DE265_OK && !more)
                break;
            picture = de265_peek_next_picture(decoder);
        }
        return picture && describe(format);
    }

    const Planes& planes() const override { return samples; }
    StreamColours colours() const override
    {
        return {de265_get_image_matrix_coefficients(picture), de265_get_image_full_range_flag(picture) != 0};
    }

private:
    // Every parameter set, whether in the configuration or among the
    // picture's own units, is held to the size its item allows.
    bool push(QByteArrayView nal, QSize most)
    {
        if (hevcNalType(nal) == hevcSequenceParameterSet) {
            const auto size = hevcCodedSize(nal);
            if (!size || !fits(*size, most))
                return false;
        }
        ++units;
        return de265_push_NAL(decoder, nal.data(), static_cast<int>(nal.size()), 0, nullptr) == DE265_OK;
    }

    bool pushUnits(QByteArrayView data, int lengthBytes, QSize most)
    {
        for (qsizetype at = 0; at < data.size();) {
            if (data.size() - at < lengthBytes)
                return false;
            qint64 length = 0;
            for (int i = 0; i < lengthBytes; ++i)
                length = length << 8 | static_cast<uchar>(data[at++]);
            if (length > data.size() - at || !push(data.sliced(at, static_cast<qsizetype>(length)), most))
                return false;
            at += static_cast<qsizetype>(length);
        }
        return true;
    }

    bool describe(const SampleFormat& format)
    {
        if (!(sampleFormat(de265_get_chroma_format(picture), de265_get_bits_per_pixel(picture, 0)) == format))
            return false;
        samples.size = QSize(de265_get_image_width(picture, 0), de265_get_image_height(picture, 0));
        samples.format = format;
        for (int plane = 0; plane < (format.monochrome ? 1 : 3); ++plane) {
            int stride = 0;
            samples.rows[static_cast<size_t>(plane)] = de265_get_image_plane(picture, plane, &stride);
            samples.strides[static_cast<size_t>(plane)] = stride;
            if (!samples.rows[static_cast<size_t>(plane)])
                return false;
        }
        return true;
    }

    de265_decoder_context* decoder;
    qint64 units = 0;
    const de265_image* picture = nullptr;
    Planes samples;
};

class Av1Picture final : public CodedPicture {
public:
    Av1Picture() = default;
    ~Av1Picture() override
    {
        dav1d_picture_unref(&picture);
        dav1d_data_unref(&data);
        if (decoder)
            dav1d_close(&decoder);
    }

    bool decode(QIODevice& file, std::mutex& reading, const CodedItem& item, const SampleFormat& format, int threads)
    {
        Dav1dSettings settings;
        dav1d_default_settings(&settings);
        settings.n_threads = threads;
        settings.max_frame_delay = 1;
        // A film grain would be a second picture; a still photo has none worth it.
        settings.apply_grain = 0;
        settings.all_layers = 0;
        settings.frame_size_limit = static_cast<unsigned>(qint64{item.codedSize.width()} * item.codedSize.height());
        if (dav1d_open(&decoder, &settings) < 0)
            return false;
        const QByteArrayView headers = QByteArrayView(item.configuration).sliced(av1ConfigurationHeaderBytes);
        uint8_t* bytes = dav1d_data_create(&data, static_cast<size_t>(headers.size() + item.bytes()));
        if (!bytes)
            return false;
        std::memcpy(bytes, headers.data(), static_cast<size_t>(headers.size()));
        if (!readExtents(file, reading, item, reinterpret_cast<char*>(bytes) + headers.size()))
            return false;
        for (;;) {
            const int sent = data.sz > 0 ? dav1d_send_data(decoder, &data) : 0;
            if (sent < 0 && sent != DAV1D_ERR(EAGAIN))
                return false;
            const int got = dav1d_get_picture(decoder, &picture);
            if (got == 0)
                break;
            if (got != DAV1D_ERR(EAGAIN) || data.sz == 0)
                return false;
        }
        return describe(format, item.codedSize);
    }

    const Planes& planes() const override { return samples; }
    StreamColours colours() const override
    {
        return {static_cast<int>(picture.seq_hdr->mtrx), picture.seq_hdr->color_range != 0};
    }

private:
    bool describe(const SampleFormat& format, QSize most)
    {
        samples.size = QSize(picture.p.w, picture.p.h);
        if (!(sampleFormat(picture.p.layout, picture.p.bpc) == format) || !picture.seq_hdr || !fits(samples.size, most))
            return false;
        samples.format = format;
        for (size_t plane = 0; plane < 3; ++plane) {
            samples.rows[plane] = static_cast<const uchar*>(picture.data[plane]);
            samples.strides[plane] = picture.stride[plane == 0 ? 0 : 1];
        }
        return true;
    }

    Dav1dContext* decoder = nullptr;
    Dav1dData data{};
    Dav1dPicture picture{};
    Planes samples;
};

} // namespace

int decodingThreads()
{
    return std::clamp(QThread::idealThreadCount(), 1, mostThreads);
}

std::unique_ptr<CodedPicture> decodeCodedPicture(QIODevice& file, std::mutex& reading, HeifCodec codec,
                                                 const CodedItem& item, const SampleFormat& format, int threads)
{
    if (codec == HeifCodec::Hevc) {
        auto picture = std::make_unique<HevcPicture>();
        return picture->decode(file, reading, item, format, threads) ? std::move(picture) : nullptr;
    }
    auto picture = std::make_unique<Av1Picture>();
    return picture->decode(file, reading, item, format, threads) ? std::move(picture) : nullptr;
}

qint64 decodingBytes(HeifCodec codec, const SampleFormat& format, qint64 pixels, qint64 codedBytes)
{
    if (codec == HeifCodec::Hevc)
        return hevcPictureCopies * format.planeBytes(pixels) + pixels * hevcBlockBytesPerTwoPixels / 2 +
               2 * codedBytes;
    return format.planeBytes(pixels) + pixels * av1BlockBytesPerFourPixels / 4 + codedBytes;
}

} // namespace pintu
