// The recent-file list of the File menu: the newest path first, each path once, four at most.
#pragma once

#include <string>
#include <vector>

namespace vizud {

inline constexpr int kRecentFileCount = 4;

void addRecentFile(std::vector<std::string>& list, const std::string& path, int limit = kRecentFileCount);
void removeRecentFile(std::vector<std::string>& list, const std::string& path);

}  // namespace vizud
