#include "app/recent_files.h"

#include <algorithm>

namespace vizud {

void addRecentFile(std::vector<std::string>& list, const std::string& path, int limit) {
    if (path.empty()) {
        return;
    }
    removeRecentFile(list, path);
    list.insert(list.begin(), path);
    if (static_cast<int>(list.size()) > limit) {
        list.resize(static_cast<std::size_t>(limit));
    }
}

void removeRecentFile(std::vector<std::string>& list, const std::string& path) {
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
}

}  // namespace vizud
