#include "genius/HallOfFame.h"

#include "board/NumberText.h"

namespace pintu {

std::string hallOfFameRecord(std::string_view name, long long steps, long long tenths, std::string_view date)
{
    std::string line = "\"";
    line += name;
    line += "    步数:" + fileNumber(steps);
    line += "    时间:" + fileTenths(tenths);
    line += " 秒    ";
    line += date;
    line += "\"\r\n";
    return line;
}

std::string newestFirst(const LastLines& tail, const ViewerMarks& marks)
{
    std::string text;
    for (auto line = tail.lines.rbegin(); line != tail.lines.rend(); ++line) {
        text += line->text;
        if (line->cut)
            text += marks.cut;
        text += "\r\n";
    }
    if (tail.earlier > 0)
        text += marks.earlier(tail.earlier) + "\r\n";
    return text;
}

} // namespace pintu
