#pragma once

#include <QObject>

#include <functional>
#include <string>

class QWidget;

namespace pintu {

// Lets a window take one file dropped on it from the desktop's file manager
// and hands its path on, as the system's bytes; whether it is a picture is
// for the receiver to say.
class PictureDrop final : public QObject {
    Q_OBJECT
public:
    PictureDrop(QWidget* window, std::function<void(const std::string& path)> dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const std::string&)> dropped;
};

} // namespace pintu
