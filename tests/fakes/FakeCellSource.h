#pragma once

#include "Pictures.h"

#include <set>
#include <string>

namespace pintu::test {

// Cell k is handle k + 1.
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
    PictureHandle cell(int k) const override { return k + 1; }

    std::set<std::string> unreadable;
    std::string picture;
    int cuts = 0;
};

} // namespace pintu::test
