#pragma once

#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <new>
#include <optional>
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

    // Starts `work`; the stop source asks it to stop. Work that runs out of
    // memory ends there, and the game plays on without it.
    std::stop_source run(std::function<void(std::stop_token)> work);

    // Starts `search` as `run` does and hands what it found to `answer`, on
    // the search's thread, unless the search was asked to stop. A search that
    // runs out of memory has found nothing.
    template <typename Found>
    std::stop_source find(std::function<std::optional<Found>(std::stop_token)> search,
                          std::function<void(const std::optional<Found>&)> answer)
    {
        return run([search = std::move(search), answer = std::move(answer)](std::stop_token stop) {
            std::optional<Found> found;
            try {
                found = search(stop);
            } catch (const std::bad_alloc&) {
                // Nothing found, which the player is told; a later ask may find it.
            }
            if (!stop.stop_requested())
                answer(found);
        });
    }

private:
    struct Worker {
        std::shared_ptr<std::atomic<bool>> done;
        std::jthread thread;
    };

    std::list<Worker> workers; // every thread still running, stopped ones included
};

} // namespace pintu
