// A random view of a fixture's image, as the tree and the category buttons make them: a category and a
// favourite list, or the whole table unfiltered or under a provider, satellite, transponder or "Favs" node.
#pragma once

#include <random>
#include <string>

#include "database/image_access.h"
#include "tests/support/database_fixture.h"

namespace vizud::test {

inline void randomView(std::mt19937& rng, DatabaseFixture& fx) {
    auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const all_tables_block& img = fx.image();
    BrowseState& browse = fx.state->browse;
    const int source = pick(13);
    browse.viewMode = (1u << pick(3)) | (source >= 9 ? kViewWholeTable : 1u << (kViewFirstFavouriteBit + source));
    browse.filterKind = 0;
    browse.selectedText = "Satellites";
    const int filter = source >= 9 ? pick(5) : 4;
    if (filter == 0 && img.providerCount > 0) {
        browse.filterKind = kFilterProvider;
        browse.selectedText = nameText(img.providers[pick(img.providerCount)].name);
    } else if (filter <= 2 && img.satCount > 0 && img.tpCount > 0) {
        const st_ts& tp = img.transponders[pick(img.tpCount)];
        const int s = fx.db.findSatIndexById(tp.satId);
        browse.filterKind = pick(2) ? kFilterSatellite : kFilterTransponder;
        browse.satelliteIndex = pick(2) ? s : -1;
        browse.parentText = s < 0 ? "" : nameText(img.satellites[s].name);
        browse.selectedText =
            browse.filterKind == kFilterSatellite ? browse.parentText : std::to_string(tp.frequency) + "(H)";
    } else if (filter == 3) {
        browse.filterKind = kFilterFavs;
        browse.selectedText = "Favs";
    }
}

}  // namespace vizud::test
