#include "Board.h"

#include "NumberText.h"
#include "PicturePath.h"
#include "Screen.h"

#include <array>

namespace pintu {

Board::Board(const BoardSize& size, const BoardPlatform& platform)
    : size(size),
      platform(platform),
      board(size.M + 1, 0),
      workBoard(size.M + 1, 0),
      startTime(platform.clock.now()),
      views(size.T, emptyPicture)
{
}

void Board::Timer1_Timer()
{
    const auto elapsed = platform.clock.now() - startTime;
    platform.screen.setCaption(Control::Label5, plainTenths(elapsedTenths(elapsed)));
}

void Board::computePicPath()
{
    picPath = picturePath(platform.menu.pictureFolder(), platform.menu.pictureFileName());
}

bool Board::showPreview()
{
    setViewsEnabled(false);
    computePicPath();
    return platform.screen.setBackground(picPath);
}

void Board::setStatusVisible(bool visible)
{
    for (const Control label : {Control::Label1, Control::Label2, Control::Label3, Control::Label4, Control::Label5})
        platform.screen.setVisible(label, visible);
}

void Board::restartClock()
{
    startTime = platform.clock.now();
    Timer1_Timer(); // no stale time until the next tick
}

Board::StartOutcome Board::init(const BlockRecorder& record)
{
    computePicPath();
    if (!platform.cells.setPicture(picPath))
        return StartOutcome::PictureUnreadable;
    if (!shuffle(size, platform.random, board, workBoard, record))
        return StartOutcome::RecordFailed;
    platform.screen.setBackground("");
    drawArrangement(board);
    setViewsEnabled(true);
    return StartOutcome::Started;
}

void Board::drawArrangement(const Arrangement& arrangement)
{
    for (int c = size.T - 1; c >= 0; --c) {
        const int tile = arrangement[c];
        setView(c, tile == size.T - 1 ? emptyPicture : platform.cells.cell(tile));
    }
}

void Board::setView(int cell, PictureHandle picture)
{
    views[cell] = picture;
    platform.screen.setViewPicture(cell, picture);
}

void Board::setViewsEnabled(bool enabled)
{
    for (int c = 0; c < size.T; ++c)
        platform.screen.setViewEnabled(c, enabled);
}

std::optional<int> Board::emptyNeighbour(int Index) const
{
    const int N = size.N;
    // Only the column and the row of the clicked cell count: a tile at the end
    // of a row never looks at the start of the next one.
    std::array<int, 4> candidates{};
    int count = 0;
    if (Index % N != 0)
        candidates[count++] = Index - 1;
    if (Index % N != N - 1)
        candidates[count++] = Index + 1;
    if (Index / N != 0)
        candidates[count++] = Index - N;
    if (Index / N != N - 1)
        candidates[count++] = Index + N;
    for (int i = 0; i < count; ++i) {
        if (views[candidates[i]] == emptyPicture)
            return candidates[i];
    }
    return std::nullopt;
}

void Board::slideTile(int from, int to)
{
    setView(to, views[from]);
    setView(from, emptyPicture);
}

void Board::countStep()
{
    ++steps;
    platform.screen.setCaption(Control::Label2, std::to_string(steps));
}

int Board::countInOrder()
{
    int count = 0;
    for (int c = 0; c < size.T; ++c) {
        if (views[c] == platform.cells.cell(c))
            matchCount = ++count;
    }
    return count;
}

void Board::showCompletedPicture()
{
    platform.screen.setTimerEnabled(false);
    setView(size.T - 1, platform.cells.cell(size.T - 1));
}

void Board::returnToWholePicture()
{
    for (int c = 0; c < size.T; ++c) {
        platform.screen.setViewEnabled(c, false);
        setView(c, emptyPicture);
    }
    platform.screen.setEnabled(Control::Command1, true);
    // A picture that vanished during the game leaves the window plain; the
    // next start reports it.
    platform.screen.setBackground(picPath);
    setStatusVisible(false);
}

} // namespace pintu
