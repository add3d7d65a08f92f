#include "app/path_split.h"

namespace vizud {

PathParts splitPath(const std::string& fullPath) {
    PathParts parts;
    const std::size_t dot = fullPath.rfind('.');
    if (dot == std::string::npos) {
        parts.fileName = fullPath;
        parts.title = fullPath;
        return parts;
    }
    parts.extension = fullPath.substr(dot + 1);
    const std::size_t separator = fullPath.find_last_of("/\\", dot);
    parts.fileName = separator == std::string::npos ? fullPath : fullPath.substr(separator + 1);
    parts.title = parts.fileName.substr(0, parts.fileName.find('.'));
    return parts;
}

}  // namespace vizud
