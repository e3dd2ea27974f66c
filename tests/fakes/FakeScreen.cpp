#include "tests/fakes/FakeScreen.h"

#include <algorithm>
#include <stdexcept>

namespace pintu::test {

FakeScreen::FakeScreen(int cells)
    : view(cells, noTile), viewEnabled(cells, true), mapVisible(cells, false), mapCaption(cells, "L")
{
    for (const Control control : {Control::Start, Control::Exit, Control::AutoSolve, Control::Restart,
                                  Control::StepsCaption, Control::Steps, Control::Credit, Control::ClockCaption,
                                  Control::Clock}) {
        visible[control] = true;
        enabled[control] = true;
    }
    for (const Control control : {Control::StepBack, Control::StepForward}) {
        visible[control] = false;
        enabled[control] = true;
    }
    caption[Control::Steps] = "0";
    caption[Control::Clock] = "";
}

void FakeScreen::slideTile(int from, int to)
{
    if (view.at(from) == noTile || view.at(to) != noTile)
        throw std::logic_error("a slide must take a tile into the empty view");
    view[to] = view[from];
    view[from] = noTile;
    slides.push_back(Move{from, to});
}

bool FakeScreen::setBackground(const std::string& path)
{
    if (std::find(unreadableBackgrounds.begin(), unreadableBackgrounds.end(), path) != unreadableBackgrounds.end())
        return false;
    background = path;
    return true;
}

int FakeScreen::emptyViews() const
{
    return static_cast<int>(std::count(view.begin(), view.end(), noTile));
}

bool FakeScreen::showsWholePicture() const
{
    for (int c = 0; c < static_cast<int>(view.size()); ++c) {
        if (view[c] != c)
            return false;
    }
    return true;
}

} // namespace pintu::test
