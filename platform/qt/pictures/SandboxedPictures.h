#pragma once

#include "platform/qt/pictures/PictureSource.h"

#include <QTimer>

#include <chrono>
#include <memory>
#include <string>

namespace pintu {

class ReaderProcess;

// Every picture read in a picture reader of its own (the program
// pintu-picture-reader, locked down), never in the game: whatever a file
// does to a decoder, the game goes on with nothing lost. One reader waits,
// started ahead of need, so that a read begins at once; each reads one
// picture and ends. A reader that crashes, is killed by its filter or its
// limits, answers anything but what was asked, or is still busy at
// `deadline`, gives nothing.
class SandboxedPictures final : public PictureSource {
public:
    explicit SandboxedPictures(std::string program,
                               std::chrono::milliseconds deadline = std::chrono::seconds(20));
    ~SandboxedPictures() override;

    std::unique_ptr<PictureRead> read(QFile& file, const PictureNeeds& needs, Answer answer) override;

    // The picture reader installed with the game that runs: beside it in the
    // build tree, else where the package puts it.
    static std::string installedReader();

private:
    std::string program;
    std::chrono::milliseconds deadline;
    std::unique_ptr<ReaderProcess> waiting;
    QTimer warmUp;
};

} // namespace pintu
