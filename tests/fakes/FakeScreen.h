#pragma once

#include "board/Arrangement.h"
#include "board/BoardScreen.h"

#include <map>
#include <string>
#include <vector>

namespace pintu::test {

// What an empty view shows.
inline constexpr int noTile = -1;

// A board window that only remembers what it was told, as built by the form
// designer until the logic changes it.
class FakeScreen final : public BoardScreen {
public:
    explicit FakeScreen(int cells);

    void showTile(int cell, int tile) override { view.at(cell) = tile; }
    void showEmpty(int cell) override { view.at(cell) = noTile; }
    void slideTile(int from, int to) override;
    void setViewEnabled(int cell, bool enabled) override { viewEnabled.at(cell) = enabled; }
    void setVisible(Control control, bool isVisible) override { visible[control] = isVisible; }
    void setEnabled(Control control, bool isEnabled) override { enabled[control] = isEnabled; }
    void setCaption(Control control, const std::string& text) override { caption[control] = text; }
    void setMapVisible(int cell, bool isVisible) override { mapVisible.at(cell) = isVisible; }
    void setMapCaption(int cell, const std::string& text) override { mapCaption.at(cell) = text; }
    bool setBackground(const std::string& path) override;
    void setTimerEnabled(bool isEnabled) override { timerEnabled = isEnabled; }
    void coverTiles(bool covered) override { tilesCovered = covered; }

    int emptyViews() const;
    bool isVisible(Control control) const { return visible.at(control); }
    bool isEnabled(Control control) const { return enabled.at(control); }
    // Does every view show its own tile, the last one included?
    bool showsWholePicture() const;

    std::vector<int> view; // the tile each view shows, or noTile
    std::vector<Move> slides;
    std::vector<bool> viewEnabled;
    std::map<Control, bool> visible;
    std::map<Control, bool> enabled;
    std::map<Control, std::string> caption;
    std::vector<bool> mapVisible;
    std::vector<std::string> mapCaption;
    std::string background;
    std::vector<std::string> unreadableBackgrounds;
    bool timerEnabled = true;
    bool tilesCovered = false;
};

} // namespace pintu::test
