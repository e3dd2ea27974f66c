#pragma once

#include <QRadioButton>

#include <span>

namespace pintu {

// The selected option's caption in red, the others in the button-text colour,
// now and whenever the selection moves.
void markSelection(std::span<QRadioButton* const> options);

} // namespace pintu
