#include "board/PicturePath.h"

namespace pintu {

std::string picturePath(const std::string& folder, const std::string& fileName)
{
    const bool endsInSeparator = !folder.empty() && folder.back() == '/';
    return endsInSeparator ? folder + fileName : folder + '/' + fileName;
}

} // namespace pintu
