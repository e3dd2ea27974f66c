#include "HallOfFame.h"

#include "NumberText.h"

#include <vector>

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

std::string newestFirst(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    std::string reversed;
    reversed.reserve(text.size() + 2 * lines.size());
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        reversed += *line;
        reversed += "\r\n";
    }
    return reversed;
}

} // namespace pintu
