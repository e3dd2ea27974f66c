#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

namespace pintu {

// Where the last lines of a text lie, found in one pass over its bytes, fed
// in pieces of any size. A line ends at CR LF, CR or LF, and a last line
// without an end counts too. Only the last `kept` lines are remembered, so a
// text of any size takes the same memory.
class LastLineSpans {
public:
    struct Span {
        std::int64_t start;
        std::int64_t length; // without the line end
    };

    explicit LastLineSpans(std::size_t kept) : kept(kept) {}

    void feed(std::string_view piece);
    // After the last piece.
    void end();

    // Oldest first.
    std::vector<Span> spans() const { return {last.begin(), last.end()}; }
    std::int64_t lineCount() const { return count; }

private:
    void addLine(std::int64_t endOffset);

    std::size_t kept;
    std::deque<Span> last;
    std::int64_t count = 0;
    std::int64_t offset = 0;
    std::int64_t lineStart = 0;
    bool afterCarriageReturn = false;
};

} // namespace pintu
