#include "solver/cli/ArrangementLine.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace pintu::solver::cli {

std::variant<BlankLine, NotNumbers, std::vector<int>> readArrangement(std::string_view line)
{
    constexpr std::string_view spaces = " \t\r\v\f";
    std::vector<int> numbers;
    for (std::size_t start = line.find_first_not_of(spaces); start != std::string_view::npos;
         start = line.find_first_not_of(spaces, start)) {
        const std::size_t end = std::min(line.find_first_of(spaces, start), line.size());
        const std::string_view word = line.substr(start, end - start);
        int number = 0;
        const auto [stop, error] = std::from_chars(word.data(), word.data() + word.size(), number);
        if (stop != word.data() + word.size() || (error != std::errc{} && error != std::errc::result_out_of_range))
            return NotNumbers{word};
        numbers.push_back(error == std::errc::result_out_of_range ? std::numeric_limits<int>::max() : number);
        start = end;
    }
    if (numbers.empty())
        return BlankLine{};
    return numbers;
}

} // namespace pintu::solver::cli
