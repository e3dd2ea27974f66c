#pragma once

#include "platform/qt/pictures/PictureSource.h"
#include "platform/qt/pictures/decoding/DecodePicture.h"

#include <deque>
#include <memory>

namespace pintu::test {

// Pictures read in this process, but answered only when the test says, as a
// reader process answers some time after it was asked.
class LaterPictures final : public PictureSource {
public:
    std::unique_ptr<PictureRead> read(QFile& file, const PictureNeeds& needs, Answer answer) override
    {
        ++reads;
        auto waiting = std::make_shared<Waiting>(Waiting{decodePicture(file, needs), std::move(answer)});
        pending.push_back(waiting);
        return std::make_unique<Handle>(waiting, ended);
    }

    // Answers the oldest read still under way; false when none is.
    bool answerNext()
    {
        while (!pending.empty()) {
            const std::shared_ptr<Waiting> next = pending.front();
            pending.pop_front();
            if (next->answer) {
                std::exchange(next->answer, nullptr)(std::move(next->picture));
                return true;
            }
        }
        return false;
    }

    int reads = 0;
    int ended = 0; // reads ended before their answer came

private:
    struct Waiting {
        std::optional<ReadPicture> picture;
        Answer answer;
    };
    class Handle final : public PictureRead {
    public:
        Handle(std::shared_ptr<Waiting> waiting, int& ended) : waiting(std::move(waiting)), ended(ended) {}
        ~Handle() override
        {
            if (waiting->answer) {
                waiting->answer = nullptr;
                ++ended;
            }
        }

    private:
        std::shared_ptr<Waiting> waiting;
        int& ended;
    };

    std::deque<std::shared_ptr<Waiting>> pending;
};

} // namespace pintu::test
