#pragma once

#include <string>

namespace pintu {

// Cuts a picture into the N x N tiles a board shows, numbered row by row from 0.
class CellSource {
public:
    virtual ~CellSource() = default;

    // Loads the picture at `path` and cuts it. False when the file cannot be
    // read as a picture; the tiles of the previous picture then stay.
    virtual bool setPicture(const std::string& path) = 0;
};

} // namespace pintu
