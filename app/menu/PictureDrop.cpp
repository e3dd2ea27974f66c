#include "app/menu/PictureDrop.h"

#include "platform/qt/PathText.h"

#include <QDropEvent>
#include <QMetaObject>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <optional>

namespace pintu {

namespace {

// The one local file a drag carries; none for text, links or several files.
std::optional<std::string> droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return std::nullopt;
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1)
        return std::nullopt;
    return localFile(urls.first());
}

} // namespace

PictureDrop::PictureDrop(QWidget* window, std::function<void(const std::string&)> dropped)
    : QObject(window), dropped(std::move(dropped))
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool PictureDrop::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (droppedFile(drag->mimeData()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const auto file = droppedFile(drop->mimeData());
        if (!file)
            return false;
        drop->acceptProposedAction();
        // Handed on once the drop is over, so that a message about the file
        // does not keep the file manager waiting.
        QMetaObject::invokeMethod(this, [this, path = *file] { dropped(path); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

} // namespace pintu
