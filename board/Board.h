#pragma once

#include "BoardSize.h"
#include "ClockAndChance.h"
#include "Pictures.h"
#include "Shuffle.h"

#include <optional>
#include <string>
#include <vector>

namespace pintu {

class BoardScreen;
class MenuScreen;
class Files;

// Where the game keeps its own files.
struct DataFiles {
    std::string moveLog;
    std::string hallOfFame;
};

// Everything a board's logic reaches outside itself.
struct BoardPlatform {
    BoardScreen& screen;
    MenuScreen& menu;
    CellSource& cells;
    Files& files;
    Clock& clock;
    Random& random;
    DataFiles dataFiles;
};

// The state and the steps every board shares: the arrangement, the views,
// the step count and the clock. Each kind of board adds its own handlers.
class Board {
public:
    Board(const BoardSize& size, const BoardPlatform& platform);
    virtual ~Board() = default;

    virtual void Form_Load() = 0;
    virtual void Command1_Click() = 0;
    virtual void Command2_Click() = 0;
    virtual void image1_Click(int Index) = 0;
    void Timer1_Timer();

    const BoardSize& boardSize() const { return size; }
    const Arrangement& arrangement() const { return board; }
    PictureHandle viewPicture(int cell) const { return views[cell]; }
    int stepCount() const { return steps; }

protected:
    enum class StartOutcome { Started, PictureUnreadable, RecordFailed };

    void computePicPath();
    // Preview: every view empty and disabled, the whole picture behind them.
    // False when the picture cannot be read.
    bool showPreview();
    void setStatusVisible(bool visible);
    void restartClock();

    // Cuts the picture, shuffles (every block to `record`) and draws block J.
    // Nothing on screen changes unless the start succeeds.
    StartOutcome init(const BlockRecorder& record);
    void drawArrangement(const Arrangement& arrangement);
    void setView(int cell, PictureHandle picture);
    void setViewsEnabled(bool enabled);

    std::optional<int> emptyNeighbour(int Index) const;
    void slideTile(int from, int to);
    void countStep();
    int countInOrder();

    void showCompletedPicture();
    void returnToWholePicture();

    const BoardSize& size;
    BoardPlatform platform;

    Arrangement board;
    Arrangement workBoard;
    std::string picPath;
    int steps = 0;
    Clock::TimePoint startTime;
    int matchCount = 0;
    std::vector<PictureHandle> views;
};

} // namespace pintu
