#include "views/list_rows.h"

#include <algorithm>
#include <bit>

#include "database/image_access.h"

namespace vizud {

ListFill fillRows(const ChannelDatabase& db) {
    const all_tables_block& img = db.image();
    const BrowseState& browse = db.state().browse;
    const std::uint32_t mode = browse.viewMode;
    ListFill fill;
    int total = 0;
    int tv = 0;
    if (mode & kViewWholeTable) {
        total = programCount(img);
        tv = std::min<int>(img.tvCount, total);
    } else {
        const std::uint32_t lists = (mode & kViewFavouriteMask) >> kViewFirstFavouriteBit;
        if (lists == 0) {
            fill.unknownList = true;
            return fill;
        }
        fill.favouriteList = std::countr_zero(lists);
        const st_fav& list = img.favourites[fill.favouriteList];
        total = favouriteCount(list);
        tv = favouriteTvCount(list);
    }
    // Bits 0, 1 and 2 in turn, each overriding the one before.
    int start = 0;
    int count = 0;
    if (mode & kViewTvAndRadio)
        count = total;
    if (mode & kViewTvOnly)
        count = tv;
    if (mode & kViewRadioOnly) {
        start = tv;
        count = total - tv;
    }

    // The tree's filter, resolved once for the whole pass.
    std::vector<bool> shown;
    if (browse.filterKind != 0) {
        shown.assign(kMaxPrograms, false);
        for (const int p : db.shownPrograms())
            shown[static_cast<std::size_t>(p)] = true;
    }
    fill.rows.reserve(static_cast<std::size_t>(count));
    for (int s = start; s < start + count; ++s) {
        if (!shown.empty() && !shown[static_cast<std::size_t>(s)])
            continue;
        const int program = fill.favouriteList < 0 ? s : img.favourites[fill.favouriteList].favEntries[s];
        fill.rows.push_back({s, program});
    }
    return fill;
}

}  // namespace vizud
