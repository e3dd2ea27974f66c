#include "HintFinder.h"

#include <QMetaObject>

namespace pintu {

HintFinder::HintFinder(HintSearch search, QObject* parent) : QObject(parent), search(std::move(search)) {}

// The worker is stopped and joined here, before the search it uses goes.
HintFinder::~HintFinder() = default;

bool HintFinder::find(const Arrangement& arrangement)
{
    if (finding)
        return false;
    finding = true;
    const int number = ++searches;
    // Replacing the worker stops a cancelled search and waits for it, which it keeps short.
    worker = std::jthread([this, number, arrangement](std::stop_token stop) {
        const std::optional<Hint> hint = search(arrangement, stop);
        if (stop.stop_requested())
            return;
        QMetaObject::invokeMethod(this, [this, number, hint] { finished(number, hint); }, Qt::QueuedConnection);
    });
    return true;
}

void HintFinder::cancel()
{
    if (!finding)
        return;
    worker.request_stop();
    ++searches;
    finding = false;
}

void HintFinder::finished(int number, const std::optional<Hint>& hint)
{
    if (number != searches)
        return;
    finding = false;
    emit answered(hint);
}

} // namespace pintu
