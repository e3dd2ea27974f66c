#pragma once

#include "app/GameServices.h"
#include "platform/qt/QtFiles.h"
#include "platform/SeededRandom.h"
#include "platform/SystemClock.h"

#include <QTemporaryDir>

#include <memory>

namespace pintu::bench {

// What a game needs to run as a player runs it, its files in `data`: the
// real files, the system's clock and chance; no hints, no gliding tiles, and
// an end that does nothing.
struct GameOnDisk {
    explicit GameOnDisk(const QTemporaryDir& data)
        : services{files,
                   clock,
                   {data.filePath("kel.txt").toStdString(), data.filePath("grb.kel").toStdString()},
                   [] { return std::make_unique<SeededRandom>(); },
                   [] {},
                   std::chrono::milliseconds(0),
                   {}}
    {
    }

    QtFiles files;
    SystemClock clock;
    GameServices services;
};

} // namespace pintu::bench
