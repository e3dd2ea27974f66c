#pragma once

#include <QLabel>

namespace pintu {

// A label that takes its own clicks, so they never reach the window behind it.
class ClickableLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace pintu
