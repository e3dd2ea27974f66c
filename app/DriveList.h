#pragma once

#include <QComboBox>

namespace pintu {

// The mounted volumes, by the folder each is mounted on.
class DriveList final : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent);

    QString drive() const;
    // Selects the volume that holds `path`, without a change event.
    void setDriveOf(const QString& path);

signals:
    // The player picked a volume.
    void driveChanged();
};

} // namespace pintu
