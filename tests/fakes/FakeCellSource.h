#pragma once

#include "platform/Pictures.h"

#include <set>
#include <string>

namespace pintu::test {

class FakeCellSource final : public CellSource {
public:
    bool setPicture(const std::string& path) override
    {
        if (unreadable.count(path) != 0)
            return false;
        picture = path;
        ++cuts;
        return true;
    }

    std::set<std::string> unreadable;
    std::string picture;
    int cuts = 0;
};

} // namespace pintu::test
