// Every download kept: each image the box sent is also written, whole, to the user's downloads folder
// as box-YYYYMMDD-HHMMSS.si, so a list the box held can always be gone back to. The newest 30 stay.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "database/image_layout.h"

namespace vizud {

inline constexpr int kKeptDownloads = 30;

// $XDG_DATA_HOME/vizud/downloads (else ~/.local/share/vizud/downloads); empty when neither is known.
std::string keptDownloadsFolder();

struct KeptDownload {
    std::string path;
    std::string when;  // "2026-12-07 21:30:05", read from the name
    int tv = 0;
    int radio = 0;
};

// Writes the image taken at `when` (local time) into `folder` (made when missing; a second download in
// the same second gets "-2", "-3", ...), then removes the oldest copies beyond `keep`. Returns the path
// written, or an empty string with `why` saying which file and why.
std::string keepDownload(const all_tables_block& image, std::time_t when, const std::string& folder,
                         std::string* why, int keep = kKeptDownloads);

// The copies in `folder`, newest first, with the counts read from each; files of another size or name
// are left out.
std::vector<KeptDownload> keptDownloads(const std::string& folder);

}  // namespace vizud
