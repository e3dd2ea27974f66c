#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace pintu {

// The desktop's own file dialog, "打开图片", opened in `folder` and showing
// every picture format the game reads (or, at the player's choice, every
// file). Gives the chosen file; none when the player cancels.
std::optional<QString> askForPicture(QWidget* parent, const QString& folder);

} // namespace pintu
