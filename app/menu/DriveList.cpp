#include "app/menu/DriveList.h"

#include "platform/qt/PathText.h"

#include <QSignalBlocker>
#include <QStorageInfo>

#include <filesystem>

namespace pintu {

namespace {

// Qt finds the volume of a path it can name. A folder whose path is not UTF-8
// is taken to lie on the volume of its nearest ancestor whose path is; a
// volume mounted on such a folder itself, which is rare, shows as the one below.
QString volumeOf(const std::string& path)
{
    std::filesystem::path named(path);
    while (!qtPath(named.native()))
        named = named.parent_path();
    return QStorageInfo(*qtPath(named.native())).rootPath();
}

} // namespace

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

bool DriveList::showsDriveOf(const std::string& path) const
{
    return drive() == volumeOf(path);
}

void DriveList::setDriveOf(const std::string& path)
{
    const QString root = volumeOf(path);
    int index = findData(root);
    if (index < 0) {
        addItem(root, root);
        index = count() - 1;
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
}

} // namespace pintu
