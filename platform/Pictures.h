#pragma once

#include <string>

namespace pintu {

// The identity of a picture a view can hold. Equal handles mean the same
// picture; the empty picture, which shows nothing, is the only handle 0.
using PictureHandle = int;
inline constexpr PictureHandle emptyPicture = 0;

// Cuts a picture into an N x N grid of cells, numbered row by row from 0.
class CellSource {
public:
    virtual ~CellSource() = default;

    // Loads the picture at `path` and cuts it. False when the file cannot be
    // read as a picture; the cells of the previous picture then stay.
    virtual bool setPicture(const std::string& path) = 0;

    // Cell k always has the same handle, never 0, different from every other cell.
    virtual PictureHandle cell(int k) const = 0;
};

} // namespace pintu
