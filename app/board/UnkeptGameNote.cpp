#include "app/board/UnkeptGameNote.h"

#include "app/board/SideNote.h"

#include <QLabel>

#include <cerrno>
#include <utility>

namespace pintu {

namespace {

// %1: why.
constexpr const char* unkeptText = QT_TRANSLATE_NOOP("pintu::UnkeptGameNote", "这局游戏无法保存：%1");

struct Reason {
    int error;
    const char* words;
};

constexpr const char* diskFull = QT_TRANSLATE_NOOP("pintu::UnkeptGameNote", "磁盘已满");
constexpr const char* permissionDenied = QT_TRANSLATE_NOOP("pintu::UnkeptGameNote", "没有写入的权限");
constexpr Reason reasons[] = {
    {ENOSPC, diskFull},
    {EDQUOT, diskFull},
    {EROFS, QT_TRANSLATE_NOOP("pintu::UnkeptGameNote", "磁盘只能读不能写")},
    {EACCES, permissionDenied},
    {EPERM, permissionDenied},
};

} // namespace

UnkeptGameNote::UnkeptGameNote(QWidget* window, const std::vector<TileView*>& views)
    : QObject(window), views(views), note(newSideNote(window, "unkeptGameNote"))
{
}

void UnkeptGameNote::written(std::error_code failure)
{
    if (!failure) {
        note->hide();
        return;
    }
    if (std::exchange(said, true))
        return;
    note->setText(tr(unkeptText).arg(writeFailureReason(failure)));
    placeBesideTiles(*note, views);
    note->raise();
    note->show();
}

void UnkeptGameNote::forgotten()
{
    said = false;
    note->hide();
}

QString writeFailureReason(std::error_code failure)
{
    // Both categories number their errors as the system does.
    const bool numbered = failure.category() == std::generic_category() || failure.category() == std::system_category();
    for (const Reason& reason : reasons) {
        if (numbered && failure.value() == reason.error)
            return UnkeptGameNote::tr(reason.words);
    }
    return QString::fromLocal8Bit(failure.message());
}

} // namespace pintu
