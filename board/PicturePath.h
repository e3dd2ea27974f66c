#pragma once

#include <string>

namespace pintu {

// The folder, a separator unless the folder already ends in one (a root such
// as "/"), then the file name.
std::string picturePath(const std::string& folder, const std::string& fileName);

} // namespace pintu
