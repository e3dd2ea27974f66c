// A 24-megapixel photo through the reads of one board: the preview of the
// window's top-left, the cells at "开始", and a plain full decode to compare.
// Each benchmark also reports resident memory: before the first read, after
// the last one with its result still held, and the peak during the reads.
#include "bench/PeakMemory.h"
#include "platform/qt/pictures/PictureLoader.h"
#include "platform/qt/pictures/QtCellSource.h"
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
        picture = readPicturePart(path, set.window);
        benchmark::DoNotOptimize(picture);
    }
    reportMemory(state, before);
}

void cells(benchmark::State& state, const Format& format, const LayoutSet& set, int ratio)
{
    const std::string path = (photos().*format.file).toStdString();
    const Memory before = startMeasuringMemory();
    QtCellSource source(geniusN, set.tile);
    source.setDevicePixelRatio(ratio);
    for (auto _ : state)
        benchmark::DoNotOptimize(source.setPicture(path));
    reportMemory(state, before);
}

// What a 10 x 10 board holds once started: the preview it keeps for after a
// win, and every cell.
void geniusStart(benchmark::State& state, const Format& format, const LayoutSet& set, int ratio)
{
    const std::string path = (photos().*format.file).toStdString();
    const Memory before = startMeasuringMemory();
    std::optional<QImage> kept;
    QtCellSource source(geniusN, set.tile);
    source.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        kept.reset();
        kept = readPicturePart(path, set.window);
        benchmark::DoNotOptimize(source.setPicture(path));
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
                milliseconds(benchmark::RegisterBenchmark(("Cells/" + at).c_str(), cells, format, set, ratio));
                milliseconds(benchmark::RegisterBenchmark(("GeniusStart/" + at).c_str(), geniusStart, format, set, ratio));
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
