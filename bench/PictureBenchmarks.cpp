// A 24-megapixel photo through the picture reader's decoding, in this
// process: the preview of the window's top-left alone, the whole read a board
// asks for at "确定" (the preview and the tiles of a 10 x 10 board), and a
// plain full decode to compare. Each benchmark also reports resident memory:
// before the first read, after the last one with its result still held, and
// the peak during the reads.
#include "bench/PeakMemory.h"
#include "tests/support/TestPictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <array>
#include <string>

namespace pintu {
namespace {

constexpr QSize photoSize(6000, 4000);
constexpr int photoQuality = 90;

struct Photos {
    QTemporaryDir dir;
    QString jpeg;
    QString bmp;
};

const Photos& photos()
{
    static Photos files = [] {
        Photos made;
        const QImage photo = test::photoLikePicture(photoSize);
        made.jpeg = made.dir.filePath("photo.jpg");
        made.bmp = made.dir.filePath("photo.bmp");
        photo.save(made.jpeg, "JPEG", photoQuality);
        photo.save(made.bmp, "BMP"); // 24 bits a pixel
        return made;
    }();
    return files;
}

struct Format {
    const char* name;
    QString Photos::*file;
};
constexpr std::array formats{Format{"jpeg", &Photos::jpeg}, Format{"bmp", &Photos::bmp}};

// The client areas of the two layout sets, and the tile of their 10 x 10 board.
struct LayoutSet {
    const char* name;
    QSize window;
    QSize tile;
};
constexpr std::array layoutSets{LayoutSet{"640x480", QSize(632, 453), QSize(65, 41)},
                                LayoutSet{"800x600", QSize(792, 573), QSize(81, 49)}};
constexpr int geniusN = 10;
constexpr std::array ratios{1, 2};

// Resident memory in megabytes, from the kernel's own count.
struct Memory {
    double residentMegabytes = 0;
    double peakMegabytes = 0;
};

Memory residentMemory()
{
    return {bench::residentMegabytes(), bench::peakMegabytes()};
}

// Hands freed memory back and restarts the kernel's peak count, so that each
// benchmark's figures are its own.
Memory startMeasuringMemory()
{
    malloc_trim(0);
    bench::resetPeak();
    return residentMemory();
}

void reportMemory(benchmark::State& state, const Memory& before)
{
    const Memory after = residentMemory();
    state.counters["rss_before_MB"] = before.residentMegabytes;
    state.counters["rss_after_MB"] = after.residentMegabytes;
    state.counters["peak_MB"] = after.peakMegabytes;
}

void fullDecode(benchmark::State& state, const Format& format)
{
    const std::string path = (photos().*format.file).toStdString();
    const Memory before = startMeasuringMemory();
    std::optional<QImage> picture;
    for (auto _ : state) {
        picture.reset();
        picture = test::loadPicture(path);
        benchmark::DoNotOptimize(picture);
    }
    reportMemory(state, before);
}

void preview(benchmark::State& state, const Format& format, const LayoutSet& set)
{
    const std::string path = (photos().*format.file).toStdString();
    const Memory before = startMeasuringMemory();
    std::optional<QImage> picture;
    for (auto _ : state) {
        picture.reset();
        picture = test::readPreview(path, set.window);
        benchmark::DoNotOptimize(picture);
    }
    reportMemory(state, before);
}

// What the reader reads for a 10 x 10 board: its preview and every tile.
void geniusRead(benchmark::State& state, const Format& format, const LayoutSet& set, int ratio)
{
    const std::string path = (photos().*format.file).toStdString();
    const Memory before = startMeasuringMemory();
    std::optional<ReadPicture> read;
    for (auto _ : state) {
        read.reset();
        read = test::readPictureFile(path, PictureNeeds{set.window, geniusN, set.tile * ratio});
        benchmark::DoNotOptimize(read);
    }
    reportMemory(state, before);
}

void registerBenchmarks()
{
    const auto milliseconds = [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond); };
    for (const Format& format : formats) {
        const std::string name = format.name;
        milliseconds(benchmark::RegisterBenchmark(("FullDecode/" + name).c_str(), fullDecode, format));
        for (const LayoutSet& set : layoutSets) {
            const std::string where = name + "/" + set.name;
            milliseconds(benchmark::RegisterBenchmark(("Preview/" + where).c_str(), preview, format, set));
            for (const int ratio : ratios) {
                const std::string at = where + "/ratio" + std::to_string(ratio);
                milliseconds(benchmark::RegisterBenchmark(("GeniusRead/" + at).c_str(), geniusRead, format, set, ratio));
            }
        }
    }
}

} // namespace
} // namespace pintu

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    pintu::registerBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
