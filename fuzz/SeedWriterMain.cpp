#include "fuzz/Seeds.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

// Writes every target's seeds to FOLDER/<target>/, for scripts/fuzz.
int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const pintu::fuzz::FuzzTarget& target : pintu::fuzz::fuzzTargets) {
        const QString targetFolder = folder.filePath(target.name);
        if (!QDir().mkpath(targetFolder)) {
            std::fprintf(stderr, "cannot make %s\n", qPrintable(targetFolder));
            return 1;
        }
        for (const pintu::fuzz::Seed& seed : target.seeds()) {
            QFile file(QDir(targetFolder).filePath(QString::fromStdString(seed.name)));
            const auto size = static_cast<qint64>(seed.bytes.size());
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(seed.bytes.data(), size) != size) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
                return 1;
            }
        }
    }
    return 0;
}
