#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace pintu::test {

// Answers the modal boxes a test makes the game open, one handler a box, in
// order; each handler runs inside the box's own event loop and closes it.
class ModalScript {
public:
    ModalScript();
    ~ModalScript();

    ModalScript& then(std::function<void(QWidget* box)> handle);
    // Presses OK on a message box, remembering its text.
    ModalScript& thenOk();
    // Types `text` into an input box and confirms it ("" confirms it empty).
    ModalScript& thenType(const QString& text);

    int boxesSeen() const { return seen; }
    const QStringList& messages() const { return texts; }

private:
    void poll();

    QTimer timer;
    QPointer<QWidget> lastBox;
    std::deque<std::function<void(QWidget*)>> handlers;
    QStringList texts;
    int seen = 0;
};

// Right-clicks `widget` at `where` and gives the entries of the menu that
// opens, choosing the one named `choose` (when it is there and enabled).
QStringList rightClickMenu(QWidget* widget, QPoint where, const QString& choose = {});

// The text and title of a message box, and the captions of its buttons.
QString messageText(QWidget* box);
QStringList buttonCaptions(QWidget* box);

} // namespace pintu::test
