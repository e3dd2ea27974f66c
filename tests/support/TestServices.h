#pragma once

#include "app/GameServices.h"
#include "platform/qt/QtFiles.h"
#include "tests/fakes/FakeClock.h"
#include "tests/fakes/ScriptedRandom.h"
#include "tests/support/InProcessPictures.h"
#include "tests/support/TestPictures.h"

#include <QDir>

namespace pintu::test {

// What a whole game needs, for one test: real files in a folder of its own,
// which is also the current folder meanwhile (the menu's folder list starts
// there), a clock the test moves, fixed draws, and an end that is only counted.
struct TestServices {
    TestServices() : previousFolder(QDir::currentPath())
    {
        QDir(folder.path()).mkpath("data");
        QDir::setCurrent(folder.path());
    }
    ~TestServices() { QDir::setCurrent(previousFolder); }

    TestFolder folder;
    QString previousFolder;
    QtFiles files;
    FakeClock clock;
    InProcessShelf pictures;
    int endings = 0;
    GameServices services{files,
                          clock,
                          pictures.shelf,
                          DataFiles{folder.filePath("data/kel.txt").toStdString(),
                                    folder.filePath("data/grb.kel").toStdString()},
                          [] { return std::make_unique<ScriptedRandom>(std::vector<double>{0.3, 0.7, 0.9}); },
                          [this] { ++endings; },
                          std::chrono::milliseconds(0),
                          {}};
};

} // namespace pintu::test
