#include "tests/support/ModalScript.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace pintu::test {

ModalScript::ModalScript()
{
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [this] { poll(); });
    timer.start();
}

ModalScript::~ModalScript()
{
    EXPECT_TRUE(handlers.empty()) << handlers.size() << " expected boxes never opened";
}

ModalScript& ModalScript::then(std::function<void(QWidget*)> handle)
{
    handlers.push_back(std::move(handle));
    return *this;
}

ModalScript& ModalScript::thenOk()
{
    return then([this](QWidget* box) {
        auto* message = qobject_cast<QMessageBox*>(box);
        ASSERT_NE(message, nullptr) << "expected a message box";
        texts << message->text();
        message->button(QMessageBox::Ok)->click();
    });
}

ModalScript& ModalScript::thenType(const QString& text)
{
    return then([text](QWidget* box) {
        auto* input = qobject_cast<QInputDialog*>(box);
        ASSERT_NE(input, nullptr) << "expected an input box";
        input->setTextValue(text);
        input->accept();
    });
}

void ModalScript::poll()
{
    QWidget* box = QApplication::activeModalWidget();
    if (!box || box == lastBox || !box->isVisible())
        return;
    lastBox = box;
    ++seen;
    if (handlers.empty()) {
        ADD_FAILURE() << "an unexpected box opened: " << messageText(box).toStdString();
        box->close();
        return;
    }
    auto handle = std::move(handlers.front());
    handlers.pop_front();
    handle(box);
}

QStringList rightClickMenu(QWidget* widget, QPoint where, const QString& choose)
{
    QStringList entries;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll.stop();
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            entries << action->text();
            if (action->text() == choose && action->isEnabled())
                chosen = action;
        }
        if (!chosen) {
            menu->close();
            return;
        }
        menu->setActiveAction(chosen);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    poll.start();
    QContextMenuEvent event(QContextMenuEvent::Mouse, where, widget->mapToGlobal(where));
    QApplication::sendEvent(widget, &event);
    return entries;
}

QString messageText(QWidget* box)
{
    if (auto* message = qobject_cast<QMessageBox*>(box))
        return message->text();
    if (auto* input = qobject_cast<QInputDialog*>(box))
        return input->labelText();
    return box->windowTitle();
}

QStringList buttonCaptions(QWidget* box)
{
    QStringList captions;
    for (const QPushButton* button : box->findChildren<QPushButton*>()) {
        if (button->isVisible())
            captions << button->text();
    }
    return captions;
}

} // namespace pintu::test
