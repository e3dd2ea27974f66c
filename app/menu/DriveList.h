#pragma once

#include <QComboBox>

#include <string>

namespace pintu {

// The mounted volumes, by the folder each is mounted on.
class DriveList final : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent);

    QString drive() const;
    // Whether the volume selected holds `path`, in the system's bytes.
    bool showsDriveOf(const std::string& path) const;
    // Selects the volume that holds `path`, without a change event.
    void setDriveOf(const std::string& path);

signals:
    // The player picked a volume.
    void driveChanged();
};

} // namespace pintu
