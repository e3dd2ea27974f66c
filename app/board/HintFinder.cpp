#include "app/board/HintFinder.h"

#include <QMetaObject>

namespace pintu {

HintFinder::HintFinder(HintSearch search, QObject* parent) : QObject(parent), search(std::move(search)) {}

void HintFinder::prepare(std::function<void(std::stop_token)> preparation)
{
    threads.run(std::move(preparation));
}

bool HintFinder::find(const Arrangement& arrangement)
{
    if (finding)
        return false;
    finding = true;
    const int number = ++searches;
    currentSearch = threads.find<Hint>(
        [this, arrangement](std::stop_token stop) { return search(arrangement, stop); },
        [this, number](const std::optional<Hint>& hint) {
            QMetaObject::invokeMethod(this, [this, number, hint] { finished(number, hint); }, Qt::QueuedConnection);
        });
    return true;
}

void HintFinder::cancel()
{
    if (!finding)
        return;
    currentSearch.request_stop();
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
