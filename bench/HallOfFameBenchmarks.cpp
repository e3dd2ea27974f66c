// The hall-of-fame viewer opened on 50 MB files a player could make: one
// line, a million records, and ten thousand lines of 5,000 bytes. Reports the
// time until the window has drawn itself and the process's peak resident
// memory while it opens; run in a Release or RelWithDebInfo build:
// build/bench/hall_of_fame_benchmarks.
#include "app/dialogs/HallOfFameWindow.h"
#include "bench/PeakMemory.h"
#include "genius/HallOfFame.h"
#include "platform/qt/QtFiles.h"

#include <QApplication>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <string>

namespace pintu {
namespace {

constexpr qint64 fileBytes = 50 << 20;

// `piece` again and again, to 50 MB.
QString bigFile(const QString& name, const QByteArray& piece)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(name);
    if (QFile::exists(path))
        return path;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (qint64 written = 0; written < fileBytes; written += piece.size())
        file.write(piece);
    return path;
}

void openViewer(benchmark::State& state, const QString& path)
{
    const QtFiles files;
    for (auto _ : state) {
        // Freed memory handed back first, so that the peak is this opening's.
        malloc_trim(0);
        bench::resetPeak();
        const auto start = std::chrono::steady_clock::now();
        HallOfFameWindow viewer(files, path.toStdString(), nullptr);
        viewer.show();
        benchmark::DoNotOptimize(viewer.grab());
        const auto opening = std::chrono::steady_clock::now() - start;
        state.counters["open_ms"] = std::chrono::duration<double, std::milli>(opening).count();
        state.counters["peak_MB"] = bench::peakMegabytes();
    }
}

void oneLine(benchmark::State& state)
{
    openViewer(state, bigFile("one-line.kel", QByteArray("\xcd\xe6").repeated(1 << 19))); // 玩 in GB18030
}
BENCHMARK(oneLine)->Iterations(3)->Unit(benchmark::kMillisecond);

void aMillionRecords(benchmark::State& state)
{
    QStringEncoder encoder("GB18030");
    const std::string record = hallOfFameRecord("玩家", 1234, 4567, "05-09-2001");
    const QByteArray bytes = encoder(QString::fromStdString(record));
    openViewer(state, bigFile("records.kel", bytes));
}
BENCHMARK(aMillionRecords)->Iterations(3)->Unit(benchmark::kMillisecond);

// The most the viewer shows: every line it lists cut at its longest.
void longLines(benchmark::State& state)
{
    openViewer(state, bigFile("long-lines.kel", QByteArray("\xcd\xe6").repeated(2500) + "\r\n"));
}
BENCHMARK(longLines)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pintu

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
