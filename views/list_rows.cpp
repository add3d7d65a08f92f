#include "views/list_rows.h"

#include <algorithm>
#include <bit>

#include "database/image_access.h"

namespace vizud {

namespace {

// The rows of view `mode`; `filtered`: the tree's filter (of the browse state) narrows them.
ListFill fillView(const ChannelDatabase& db, std::uint32_t mode, bool filtered) {
    const all_tables_block& img = db.image();
    ListFill fill;
    fill.viewMode = mode;
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
    if (filtered) {
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

}  // namespace

ListFill fillRows(const ChannelDatabase& db) {
    const BrowseState& browse = db.state().browse;
    return fillView(db, browse.viewMode, browse.filterKind != 0);
}

ListFill fillFavouriteRows(const ChannelDatabase& db, int list) {
    if (list < 0 || list >= kFavouriteLists)
        return ListFill{{}, -1, true, kViewTvAndRadio};
    return fillView(db, kViewTvAndRadio | (1u << (kViewFirstFavouriteBit + list)), false);
}

}  // namespace vizud
