#include "platform/LastLineSpans.h"

namespace pintu {

void LastLineSpans::feed(std::string_view piece)
{
    for (const char byte : piece) {
        const bool lineFeedOfCrLf = byte == '\n' && afterCarriageReturn;
        afterCarriageReturn = byte == '\r';
        if (lineFeedOfCrLf)
            lineStart = offset + 1;
        else if (byte == '\r' || byte == '\n')
            addLine(offset);
        ++offset;
    }
}

void LastLineSpans::end()
{
    if (lineStart < offset)
        addLine(offset);
}

void LastLineSpans::addLine(std::int64_t endOffset)
{
    ++count;
    last.push_back({lineStart, endOffset - lineStart});
    if (last.size() > kept)
        last.pop_front();
    lineStart = endOffset + 1;
}

} // namespace pintu
