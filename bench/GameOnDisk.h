#pragma once

#include "app/GameServices.h"
#include "platform/qt/QtFiles.h"
#include "platform/qt/pictures/PictureShelf.h"
#include "platform/qt/pictures/SandboxedPictures.h"
#include "platform/SeededRandom.h"
#include "platform/SystemClock.h"

#include <QTemporaryDir>

#include <memory>

namespace pintu::bench {

// What a game needs to run as a player runs it, its files in `data`: the
// real files, the system's clock and chance, pictures read by the picture
// reader built beside the game; no hints, no gliding tiles, and an end that
// does nothing.
struct GameOnDisk {
    explicit GameOnDisk(const QTemporaryDir& data)
        : services{files,
                   clock,
                   pictures,
                   {data.filePath("kel.txt").toStdString(), data.filePath("grb.kel").toStdString()},
                   [] { return std::make_unique<SeededRandom>(); },
                   [] {},
                   std::chrono::milliseconds(0),
                   {}}
    {
    }

    QtFiles files;
    SystemClock clock;
    SandboxedPictures readers{PINTU_PICTURE_READER};
    PictureShelf pictures{readers};
    GameServices services;
};

} // namespace pintu::bench
