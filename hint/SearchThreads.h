#pragma once

#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <stop_token>
#include <thread>

namespace pintu {

// Searches run off the caller's thread, each on a thread of its own. None is
// waited for while this lives: one may wait for tables that another builds.
// At the end every one is asked to stop first, so that none waits on another
// that still works, and then all are waited for.
class SearchThreads {
public:
    SearchThreads() = default;
    SearchThreads(const SearchThreads&) = delete;
    SearchThreads& operator=(const SearchThreads&) = delete;
    ~SearchThreads();

    // Starts `work`; the stop source asks it to stop.
    std::stop_source run(std::function<void(std::stop_token)> work);

private:
    struct Worker {
        std::shared_ptr<std::atomic<bool>> done;
        std::jthread thread;
    };

    std::list<Worker> workers; // every thread still running, stopped ones included
};

} // namespace pintu
