#include "hint/SearchThreads.h"

namespace pintu {

SearchThreads::~SearchThreads()
{
    for (Worker& worker : workers)
        worker.thread.request_stop();
    workers.clear();
}

std::stop_source SearchThreads::run(std::function<void(std::stop_token)> work)
{
    workers.remove_if([](const Worker& worker) { return worker.done->load(); });
    auto done = std::make_shared<std::atomic<bool>>(false);
    workers.push_back(Worker{done, std::jthread([work = std::move(work), done](std::stop_token stop) {
                                 try {
                                     work(stop);
                                 } catch (const std::bad_alloc&) {
                                     // Given up; the game never waits for this work.
                                 }
                                 done->store(true);
                             })});
    return workers.back().thread.get_stop_source();
}

} // namespace pintu
