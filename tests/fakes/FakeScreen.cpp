#include "FakeScreen.h"

#include <algorithm>
#include <stdexcept>

namespace pintu::test {

FakeScreen::FakeScreen(int cells)
    : view(cells, emptyPicture), viewEnabled(cells, true), mapVisible(cells, false), mapCaption(cells, "L")
{
    for (const Control control : {Control::Command1, Control::Command2, Control::Command3, Control::Command4,
                                  Control::Label1, Control::Label2, Control::Label3, Control::Label4, Control::Label5}) {
        visible[control] = true;
        enabled[control] = true;
    }
    for (const Control control : {Control::Command5, Control::Command6}) {
        visible[control] = false;
        enabled[control] = true;
    }
    caption[Control::Label2] = "0";
    caption[Control::Label5] = "";
}

bool FakeScreen::setBackground(const std::string& path)
{
    if (std::find(unreadableBackgrounds.begin(), unreadableBackgrounds.end(), path) != unreadableBackgrounds.end())
        return false;
    background = path;
    return true;
}

void FakeScreen::showMessage(const std::string& text)
{
    messages.push_back(text);
    if (whileMessageShows)
        whileMessageShows();
}

std::string FakeScreen::askText(const std::string& prompt, const std::string& title)
{
    prompts.push_back(prompt);
    titles.push_back(title);
    if (whileAsking)
        whileAsking();
    if (answers.empty())
        throw std::runtime_error("the test gave no answer for this box");
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
}

int FakeScreen::emptyViews() const
{
    return static_cast<int>(std::count(view.begin(), view.end(), emptyPicture));
}

} // namespace pintu::test
