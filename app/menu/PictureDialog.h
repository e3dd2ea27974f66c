#pragma once

#include <optional>
#include <string>

class QWidget;

namespace pintu {

// The desktop's own file dialog, "打开图片", opened in `folder` and showing
// every picture format the game reads (or, at the player's choice, every
// file). Gives the chosen file; none when the player cancels.
std::optional<std::string> askForPicture(QWidget* parent, const std::string& folder);

} // namespace pintu
