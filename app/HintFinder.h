#pragma once

#include "Arrangement.h"
#include "Hint.h"

#include <QObject>

#include <functional>
#include <optional>
#include <stop_token>
#include <thread>

namespace pintu {

// How a hint is found for an arrangement; it returns soon once `stop` is asked.
using HintSearch = std::function<std::optional<Hint>(const Arrangement&, std::stop_token)>;

// Looks for hints off the window's thread, one at a time, so that the board
// never waits for a search.
class HintFinder final : public QObject {
    Q_OBJECT
public:
    explicit HintFinder(HintSearch search, QObject* parent = nullptr);
    ~HintFinder() override;

    // Starts looking for a hint for `arrangement`; false while a search runs already.
    bool find(const Arrangement& arrangement);
    // Forgets the search in flight: its answer, if it still comes, is dropped.
    void cancel();
    bool isFinding() const { return finding; }

signals:
    // Nothing when the search found no hint.
    void answered(const std::optional<pintu::Hint>& hint);

private:
    void finished(int search, const std::optional<Hint>& hint);

    HintSearch search;
    std::jthread worker;
    int searches = 0; // numbers each search, so that a cancelled one's late answer is known
    bool finding = false;
};

} // namespace pintu
