#pragma once

#include "platform/qt/NativeFiles.h"
#include "platform/qt/pictures/PictureSource.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace pintu {

// The picture the game plays with, read once when it is chosen and kept for
// every game on it, for as long as its file stays as it was: the preview, the
// tiles, and again the preview after a win. Reads run elsewhere (a
// PictureSource) while the windows go on answering every click, the cursor
// busy meanwhile; each waiting caller names the window it waits for, and is
// forgotten when that window goes.
class PictureShelf {
public:
    explicit PictureShelf(PictureSource& source);
    PictureShelf(const PictureShelf&) = delete;
    PictureShelf& operator=(const PictureShelf&) = delete;
    ~PictureShelf();

    // Makes sure the shelf holds the picture at `path` as its file is now,
    // read for `needs`, then calls `then`: at once when it holds it already.
    // A picture that cannot be read leaves the shelf without it. A newer
    // preparation takes the place of one under way, which never calls back.
    void prepare(const std::string& path, const PictureNeeds& needs, QObject* waiting, std::function<void()> then);
    // Whether the file at `path` is a picture that can be read, told to
    // `answer`; a newer question takes the place of one under way.
    void probe(const std::string& path, QObject* waiting, std::function<void(bool readable)> answer);

    // Forgets the callers `waiting` names, whose reads end unanswered.
    void letGo(const QObject* waiting);

    // The picture read last for `path`, while the shelf holds it.
    const ReadPicture* find(const std::string& path) const;

private:
    struct Shelved {
        std::string path;
        FileStamp stamp;
        PictureNeeds needs;
        ReadPicture picture;
    };
    using Then = std::function<void(std::optional<ReadPicture>)>;
    struct Reading {
        std::uint64_t ticket;
        std::string path;
        FileStamp stamp;
        PictureNeeds needs;
        bool shelved; // what it reads goes on the shelf
        QPointer<QObject> waiting;
        Then then;
        std::unique_ptr<PictureRead> read;
    };

    // Reads the file at `path` in `slot`, in place of what it read before;
    // false, with the slot empty, when the file cannot be opened.
    bool startReading(std::optional<Reading>& slot, const std::string& path, const PictureNeeds& needs,
                      bool shelved, QObject* waiting, Then then);
    void finish(std::optional<Reading>& slot, std::uint64_t ticket, std::optional<ReadPicture> picture);
    void forget(const std::string& path);
    void showBusy();

    PictureSource& source;
    std::optional<Shelved> held;
    std::optional<Reading> preparing;
    std::optional<Reading> probing;
    std::uint64_t tickets = 0;
    bool busy = false;
};

} // namespace pintu
