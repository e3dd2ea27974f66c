#pragma once

#include "board/Arrangement.h"
#include "hint/Hint.h"
#include "hint/SearchThreads.h"

#include <QObject>

#include <functional>
#include <optional>
#include <stop_token>

namespace pintu {

// How a hint is found for an arrangement; it returns soon once `stop` is asked.
using HintSearch = std::function<std::optional<Hint>(const Arrangement&, std::stop_token)>;
// Gets the searches of one board side ready (a solver's tables), ahead of the first.
using HintPreparation = std::function<void(int side, std::stop_token)>;
// How far getting ready has come, in percent, while it takes a while (a first
// build of the tables); nothing otherwise. Asked from the window's thread.
using HintProgress = std::function<std::optional<int>()>;

// How few moves a game's start needs; it returns soon once `stop` is asked.
using ShortestWaySearch = std::function<std::optional<ShortestWay>(const Arrangement&, std::stop_token)>;

// What the small boards use for their hints; without a search they offer none.
struct HintSource {
    HintSearch search;
    HintPreparation prepare;
    HintProgress progress;
};

// Looks for hints off the window's thread, one at a time, so that the board
// never waits for a search.
class HintFinder final : public QObject {
    Q_OBJECT
public:
    explicit HintFinder(HintSearch search, QObject* parent = nullptr);

    // Starts `preparation` off the window's thread, to run alongside searches.
    void prepare(std::function<void(std::stop_token)> preparation);
    // Starts looking for a hint for `arrangement`; false while a search runs already.
    bool find(const Arrangement& arrangement);
    // Forgets the search in flight: its answer, if it still comes, is dropped.
    void cancel();
    bool isFinding() const { return finding; }

signals:
    // Nothing when the search found no hint, out of memory included.
    void answered(const std::optional<pintu::Hint>& hint);

private:
    void finished(int search, const std::optional<Hint>& hint);

    HintSearch search;
    // Cancelled searches included: none is waited for on the window's thread
    // while the window lives.
    SearchThreads threads;
    std::stop_source currentSearch;
    int searches = 0; // numbers each search, so that a cancelled one's late answer is known
    bool finding = false;
};

} // namespace pintu
