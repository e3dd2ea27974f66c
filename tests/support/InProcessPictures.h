#pragma once

#include "platform/qt/pictures/PictureShelf.h"
#include "platform/qt/pictures/PictureSource.h"
#include "platform/qt/pictures/QtCellSource.h"
#include "platform/qt/pictures/decoding/DecodePicture.h"

namespace pintu::test {

// Pictures decoded at once in the test's own process, as the picture reader
// decodes them: the windows' tests need no reader process, and run their
// decoders under the sanitizers.
class InProcessPictures final : public PictureSource {
public:
    std::unique_ptr<PictureRead> read(QFile& file, const PictureNeeds& needs, Answer answer) override
    {
        answer(decodePicture(file, needs));
        return nullptr;
    }
};

// A shelf of pictures read in this process.
struct InProcessShelf {
    InProcessPictures source;
    PictureShelf shelf{source};
};

// A board's tiles of a picture read in this process, as a board window
// reads and cuts them.
class TestCells {
public:
    TestCells(int N, QSize tileSize) : N(N), cells(pictures.shelf, N, tileSize) {}

    void setDevicePixelRatio(qreal ratio) { cells.setDevicePixelRatio(ratio); }
    bool setPicture(const std::string& path)
    {
        pictures.shelf.prepare(path, PictureNeeds{QSize(), N, cells.cellPixels()}, nullptr, [] {});
        return cells.setPicture(path);
    }
    QPixmap tile(int k) const { return cells.tile(k); }
    const QtCellSource& source() const { return cells; }

private:
    int N;
    InProcessShelf pictures;
    QtCellSource cells;
};

} // namespace pintu::test
