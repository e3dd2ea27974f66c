#pragma once

#include "Screen.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace pintu::test {

// A board window that only remembers what it was told, as built by the form
// designer until the logic changes it.
class FakeScreen final : public BoardScreen {
public:
    explicit FakeScreen(int cells);

    void setViewPicture(int cell, PictureHandle picture) override { view.at(cell) = picture; }
    void setViewEnabled(int cell, bool enabled) override { viewEnabled.at(cell) = enabled; }
    void setVisible(Control control, bool isVisible) override { visible[control] = isVisible; }
    void setEnabled(Control control, bool isEnabled) override { enabled[control] = isEnabled; }
    void setCaption(Control control, const std::string& text) override { caption[control] = text; }
    void setMapVisible(int cell, bool isVisible) override { mapVisible.at(cell) = isVisible; }
    void setMapCaption(int cell, const std::string& text) override { mapCaption.at(cell) = text; }
    bool setBackground(const std::string& path) override;
    void setTimerEnabled(bool isEnabled) override { timerEnabled = isEnabled; }
    void showMessage(const std::string& text) override;
    std::string askText(const std::string& prompt, const std::string& title) override;
    void unload() override { unloaded = true; }

    int emptyViews() const;
    bool isVisible(Control control) const { return visible.at(control); }
    bool isEnabled(Control control) const { return enabled.at(control); }

    std::vector<PictureHandle> view;
    std::vector<bool> viewEnabled;
    std::map<Control, bool> visible;
    std::map<Control, bool> enabled;
    std::map<Control, std::string> caption;
    std::vector<bool> mapVisible;
    std::vector<std::string> mapCaption;
    std::string background;
    std::vector<std::string> unreadableBackgrounds;
    bool timerEnabled = true;
    bool unloaded = false;

    std::vector<std::string> messages;
    // Runs while a message is up, as the player looks at the board behind it.
    std::function<void()> whileMessageShows;

    std::deque<std::string> answers; // what the player types, box after box
    std::vector<std::string> prompts;
    std::vector<std::string> titles;
    std::function<void()> whileAsking;
};

} // namespace pintu::test
