#include "DriveList.h"

#include <QSignalBlocker>
#include <QStorageInfo>

namespace pintu {

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid())
            continue;
        const QString name = volume.displayName() == volume.rootPath()
                                 ? volume.rootPath()
                                 : QString("%1 [%2]").arg(volume.rootPath(), volume.displayName());
        addItem(name, volume.rootPath());
    }
    connect(this, &QComboBox::activated, this, &DriveList::driveChanged);
}

QString DriveList::drive() const
{
    return currentData().toString();
}

void DriveList::setDriveOf(const QString& path)
{
    const QString root = QStorageInfo(path).rootPath();
    int index = findData(root);
    if (index < 0) {
        addItem(root, root);
        index = count() - 1;
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
}

} // namespace pintu
