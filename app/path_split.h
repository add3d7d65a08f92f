// Splitting a channel file's full path into the extension, file name and title the document shows.
#pragma once

#include <string>

namespace vizud {

struct PathParts {
    std::string extension;  // text after the last '.'
    std::string fileName;   // text after the last separator that comes before that '.'
    std::string title;      // file name up to its first '.'
};

// Both '/' and '\' count as separators, so paths from either kind of system split the same way.
// A path without any '.' gives an empty extension and the whole path as file name and title.
PathParts splitPath(const std::string& fullPath);

}  // namespace vizud
