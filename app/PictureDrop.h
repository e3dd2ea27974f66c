#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace pintu {

// Lets a window take one file dropped on it from the desktop's file manager
// and hands its path on; whether it is a picture is for the receiver to say.
class PictureDrop final : public QObject {
    Q_OBJECT
public:
    PictureDrop(QWidget* window, std::function<void(const QString& path)> dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> dropped;
};

} // namespace pintu
