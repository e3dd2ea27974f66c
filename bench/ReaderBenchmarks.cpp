// How soon a picture reader answers: started for the read (a cold start:
// the program loaded, its decoders and plugins, its lockdown), or waiting
// ahead of need as the game keeps one. The picture is a bitmap of one pixel,
// so that the time is the reader's own.
#include "platform/qt/pictures/SandboxedPictures.h"
#include "tests/support/TestPictures.h"

#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QTest>

#include <benchmark/benchmark.h>

namespace pintu {
namespace {

const PictureNeeds onePixelBoard{QSize(1, 1), 1, QSize(1, 1)};

const QString& onePixelPicture()
{
    static test::TestFolder folder;
    static const QString path = folder.writeBitmap("pixel.bmp", test::positionPicture(1, 1));
    return path;
}

void readOnce(SandboxedPictures& readers)
{
    QFile file(onePixelPicture());
    file.open(QIODevice::ReadOnly);
    QEventLoop untilAnswered;
    const auto read = readers.read(file, onePixelBoard, [&](std::optional<ReadPicture>) { untilAnswered.quit(); });
    untilAnswered.exec();
}

void coldStart(benchmark::State& state)
{
    for (auto _ : state) {
        SandboxedPictures readers(PINTU_PICTURE_READER);
        readOnce(readers);
    }
}

void waiting(benchmark::State& state)
{
    SandboxedPictures readers(PINTU_PICTURE_READER);
    readOnce(readers);
    for (auto _ : state) {
        // The reader started after the last read has loaded and waits.
        state.PauseTiming();
        QTest::qWait(300);
        state.ResumeTiming();
        readOnce(readers);
    }
}

BENCHMARK(coldStart)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(waiting)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace pintu

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
