#pragma once

#include <QString>

class QMessageBox;
class QWidget;

namespace pintu {

// A message with an OK button only, under the application's title.
void showMessage(QWidget* parent, const QString& text);
// The same box without waiting for it: it shows over `parent`, keeps the
// player from the other windows until closed, and then goes.
QMessageBox* openMessage(QWidget* parent, const QString& text);

// A question under the application's title with the buttons "是" (Enter) and
// "否" (Escape): true for "是".
bool askYesNo(QWidget* parent, const QString& question);

// A line to type; empty when cancelled.
QString askText(QWidget* parent, const QString& prompt, const QString& title);

} // namespace pintu
