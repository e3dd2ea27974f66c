// The game's peak resident memory (the kernel's VmHWM) with one picture, from
// the command line to a started 10 x 10 board of the 800 x 600 set, each
// picture in a fresh process as a player would start it, and the peak of the
// picture reader that read it for the board, beside vipsthumbnail making an
// 800 x 600 thumbnail of the same file:
//
//   picture_memory              makes photos (12 and 50 megapixels, in every
//                               format and depth pintu reads, HEIF and AVIF
//                               too, HEIC also as a phone's grid of tiles) and
//                               the hostile headers of the tests, and
//                               measures each
//   picture_memory --make DIR   only makes them, in DIR
//   picture_memory FILE...      measures these files
//
// Each line gives how the game ended (played, or the message it showed),
// the resident memory once the menu showed, the game's peak, the reader's
// peak, how long "确定" and "开始" each took until the board showed or played
// (the window answering clicks meanwhile), how long vipsthumbnail took (from
// libvips-tools), and the game's time against it. QT_SCALE_FACTOR=2 doubles
// the pixels the tiles are cut at.
#include "app/board/BoardWindow.h"
#include "app/Game.h"
#include "app/look/BoardLayouts.h"
#include "app/look/WindowLayouts.h"
#include "app/menu/MenuWindow.h"
#include "app/session/ApplicationSetup.h"
#include "bench/GameOnDisk.h"
#include "bench/PeakMemory.h"
#include "tests/support/HostilePictures.h"
#include "tests/support/TestPictures.h"
#include "tests/support/WindowControls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QImageWriter>
#include <QMessageBox>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

namespace pintu {
namespace {

constexpr const char* measureOne = "--measure";
constexpr const char* makeOnly = "--make";
constexpr QSize normalPhoto(4000, 3000);
constexpr QSize fiftyMegapixels(8660, 5773);
// A phone's camera writes its HEIC as a grid of tiles this size.
constexpr QSize phoneTile(512, 512);

void click(QObject* button)
{
    qobject_cast<QAbstractButton*>(button)->click();
}

// Closes every message box the game opens, remembering the last one's text.
struct MessageWatch {
    MessageWatch()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                box->close();
            }
        });
        timer.start(5);
    }
    QTimer timer;
    QString text;
};

// Runs the event loop until `done` holds, looking every millisecond.
void waitUntil(const std::function<bool()>& done)
{
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    look.start(1);
    if (!done())
        loop.exec();
}

double readerPeakMegabytes()
{
    rusage readers{};
    ::getrusage(RUSAGE_CHILDREN, &readers);
    return static_cast<double>(readers.ru_maxrss) / 1024;
}

// The child: one game, one picture.
int measure(int argc, char* argv[], const QString& picture)
{
    QApplication application(argc, argv);
    setUpApplication(application, Language::SimplifiedChinese);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir data;
    bench::GameOnDisk disk(data);
    Game game(disk.services);
    MessageWatch messages;
    game.start(QFileInfo(picture).absoluteFilePath().toStdString());
    ResolutionWindow& resolution = test::resolutionWindow();
    click(test::resolutionOption(resolution, LayoutSet::B));
    click(test::named<QAbstractButton>(resolution, ResolutionControlNames::start));
    MenuWindow* menu = game.menu(LayoutSet::B);
    // The picture named on the command line is chosen once a reader has looked at it.
    const auto refused = [&messages] { return !messages.text.isEmpty(); };
    waitUntil([&] { return !menu->pictureFileName().empty() || refused(); });
    const double idle = bench::residentMegabytes();

    QElapsedTimer busy;
    const auto seconds = [&busy] { return static_cast<double>(busy.restart()) / 1000; };
    double opening = 0;
    double starting = 0;
    if (!refused()) {
        click(test::difficultyOption(*menu, test::Difficulty::Genius));
        busy.start();
        click(test::named<QAbstractButton>(*menu, MenuControlNames::ok));
        waitUntil([&] { return (menu->openBoard() && menu->openBoard()->isVisible()) || refused(); });
        opening = seconds();
    }
    if (BoardWindow* board = menu->openBoard(); board && !refused()) {
        click(test::control<QAbstractButton>(*board, Control::Start));
        waitUntil([&] { return board->logic().phase() == Board::Phase::Playing || refused(); });
        starting = seconds();
    }
    const QString outcome = refused() ? messages.text : "played";
    std::printf("%s\t%.0f\t%.0f\t%.0f\t%.2f\t%.2f\n", outcome.toStdString().c_str(), idle, bench::peakMegabytes(),
                readerPeakMegabytes(), opening, starting);
    return 0;
}

struct Sample {
    QString name;
    std::function<bool(const QString& path)> write;
};

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writeImage(const QString& path, const QImage& image, const char* format, int quality, bool progressive = false)
{
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    return writer.write(image);
}

// A photo in a handful of colours, which the tests' GIF writer packs quickly.
QImage inFewColours(const QImage& photo)
{
    const QList<QRgb> colours{qRgb(0, 0, 0), qRgb(90, 140, 200), qRgb(200, 160, 90), qRgb(255, 255, 255)};
    return photo.convertToFormat(QImage::Format_Indexed8, colours);
}

std::vector<Sample> samples()
{
    static const QImage photo = test::photoLikePicture(fiftyMegapixels);
    const auto saved = [](const char* format, int quality, bool progressive = false) {
        return [=](const QString& path) { return writeImage(path, photo, format, quality, progressive); };
    };
    const auto heif = [](QSize size, const char* format) {
        return [=](const QString& path) {
            return writeBytes(path, test::heifFile(size == fiftyMegapixels ? photo : test::photoLikePicture(size), format,
                                                   {.quality = 90}));
        };
    };
    const auto converted = [](QImage::Format pixels, const char* format) {
        return [=](const QString& path) { return writeImage(path, photo.convertToFormat(pixels), format, 100); };
    };
    std::vector<Sample> made{
        {"photo-12mp.jpg",
         [](const QString& path) { return writeImage(path, test::photoLikePicture(normalPhoto), "jpeg", 90); }},
        {"photo-12mp.heic", heif(normalPhoto, "heic")},
        {"photo-12mp-grid.heic",
         [](const QString& path) { return writeBytes(path, test::heicGrid(test::photoLikePicture(normalPhoto), phoneTile)); }},
        {"photo-12mp.avif", heif(normalPhoto, "avif")},
        {"50mp.jpg", saved("jpeg", 90)},
        {"50mp-progressive.jpg", saved("jpeg", 90, true)},
        {"50mp-progressive-444.jpg",
         [](const QString& path) { return writeBytes(path, test::flatJpeg(fiftyMegapixels, 3, true)); }},
        {"50mp-cmyk.jpg",
         [](const QString& path) { return writeBytes(path, test::flatJpeg(fiftyMegapixels, 4, false)); }},
        {"50mp-progressive-cmyk.jpg", [](const QString& path) { return writeBytes(path, test::cmykJpeg(photo, true)); }},
        {"50mp.png", saved("png", 100)},
        {"50mp-rgba.png", converted(QImage::Format_ARGB32, "png")},
        {"50mp-palette.png", converted(QImage::Format_Indexed8, "png")},
        {"50mp-16-bit.png", converted(QImage::Format_RGBA64, "png")},
        {"50mp.gif",
         [](const QString& path) { return writeBytes(path, test::pictureFile(inFewColours(photo), "gif")); }},
        {"50mp.webp", saved("webp", 90)},
        {"50mp-lossless.webp", saved("webp", 100)},
        {"50mp.tif", saved("tiff", 100)},
        {"50mp-16-bit.tif", converted(QImage::Format_RGBA64, "tiff")},
        {"50mp.heic", heif(fiftyMegapixels, "heic")},
        {"50mp-grid.heic", [](const QString& path) { return writeBytes(path, test::heicGrid(photo, phoneTile)); }},
        {"50mp.avif", heif(fiftyMegapixels, "avif")},
        {"50mp.bmp", saved("bmp", 100)},
        {"50mp-top-down.bmp",
         [](const QString& path) { return writeBytes(path, test::bitmapFile(photo, {.topDown = true})); }},
    };
    for (const test::HostilePicture& hostile : test::hostilePictures()) {
        made.push_back({QString("%1.%2").arg(QString::fromStdString(hostile.name), hostile.extension),
                        [bytes = hostile.bytes](const QString& path) { return writeBytes(path, bytes()); }});
    }
    return made;
}

// How long vipsthumbnail takes to make the thumbnail a window of 800 x 600
// shows, in seconds; nothing without it.
std::optional<double> thumbnailSeconds(const QString& picture)
{
    QTemporaryDir out;
    QProcess vips;
    QElapsedTimer took;
    took.start();
    vips.start("vipsthumbnail", {picture, "-s", "800x600", "-o", out.filePath("thumbnail.jpg")});
    if (!vips.waitForFinished(-1) || vips.exitCode() != 0)
        return std::nullopt;
    return static_cast<double>(took.elapsed()) / 1000;
}

void report(const QString& picture)
{
    QProcess child;
    child.setStandardErrorFile(QProcess::nullDevice()); // Qt's warnings about offscreen windows
    child.start(QCoreApplication::applicationFilePath(), {measureOne, picture});
    child.waitForFinished(-1);
    const QString line = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    const QStringList fields = line.split('\t');
    QString beside = "-\t-";
    if (const auto vips = thumbnailSeconds(picture); vips && fields.size() == 6 && fields[0] == "played")
        beside = QString("%1\t%2").arg(*vips, 0, 'f', 2).arg((fields[4].toDouble() + fields[5].toDouble()) / *vips, 0, 'f', 2);
    std::printf("%-44s\t%s\t%s\n", QFileInfo(picture).fileName().toStdString().c_str(),
                line.isEmpty() ? "crashed" : line.toStdString().c_str(), beside.toStdString().c_str());
    std::fflush(stdout);
}

} // namespace
} // namespace pintu

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::string(argv[1]) == pintu::measureOne)
        return pintu::measure(1, argv, QString::fromLocal8Bit(argv[2]));
    QApplication application(argc, argv);
    const QStringList given = QApplication::arguments().mid(1);
    const bool measuring = given.value(0) != pintu::makeOnly;
    if (measuring)
        std::printf("picture\toutcome\tmenu MB\tpeak MB\treader MB\t确定 s\t开始 s\tvips s\tagainst vips\n");
    if (measuring && !given.isEmpty()) {
        for (const QString& picture : given)
            pintu::report(picture);
        return 0;
    }
    QTemporaryDir temporary;
    const QDir folder(measuring ? temporary.path() : given.value(1));
    for (const pintu::Sample& sample : pintu::samples()) {
        const QString path = folder.filePath(sample.name);
        if (!sample.write(path))
            std::printf("%s\tnot made\n", sample.name.toStdString().c_str());
        else if (measuring)
            pintu::report(path);
        if (measuring)
            QFile::remove(path);
    }
    return 0;
}
