#include "app/board/HintFinder.h"

#include <QMetaObject>

namespace pintu {

HintFinder::HintFinder(HintSearch search, QObject* parent) : QObject(parent), search(std::move(search)) {}

HintFinder::~HintFinder()
{
    // Every thread is asked first, so that none waits on another that still works.
    for (Worker& worker : workers)
        worker.thread.request_stop();
    workers.clear();
}

void HintFinder::prepare(std::function<void(std::stop_token)> preparation)
{
    run(std::move(preparation));
}

bool HintFinder::find(const Arrangement& arrangement)
{
    if (finding)
        return false;
    finding = true;
    const int number = ++searches;
    currentSearch = run([this, number, arrangement](std::stop_token stop) {
        const std::optional<Hint> hint = search(arrangement, stop);
        if (!stop.stop_requested())
            QMetaObject::invokeMethod(this, [this, number, hint] { finished(number, hint); }, Qt::QueuedConnection);
    });
    return true;
}

std::stop_source HintFinder::run(std::function<void(std::stop_token)> work)
{
    workers.remove_if([](const Worker& worker) { return worker.done->load(); });
    auto done = std::make_shared<std::atomic<bool>>(false);
    workers.push_back(Worker{done, std::jthread([work = std::move(work), done](std::stop_token stop) {
                                 work(stop);
                                 done->store(true);
                             })});
    return workers.back().thread.get_stop_source();
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
