// A large photo through the whole path of one start: read, cut, scale.
#include "PictureLoader.h"
#include "QtCellSource.h"

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace pintu {
namespace {

QString photoPath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath("photo.bmp");
        QImage photo(8000, 6000, QImage::Format_RGB888);
        photo.fill(QColor(90, 140, 200));
        photo.save(file, "BMP");
        return file;
    }();
    return path;
}

void loadPhoto(benchmark::State& state)
{
    const QString path = photoPath();
    for (auto _ : state)
        benchmark::DoNotOptimize(loadPicture(path));
}
BENCHMARK(loadPhoto)->Unit(benchmark::kMillisecond);

void cutPhoto(benchmark::State& state)
{
    const std::string path = photoPath().toStdString();
    QtCellSource cells(static_cast<int>(state.range(0)), QSize(79, 49));
    for (auto _ : state)
        benchmark::DoNotOptimize(cells.setPicture(path));
}
BENCHMARK(cutPhoto)->Arg(3)->Arg(10)->Unit(benchmark::kMillisecond);

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
