// The hand-built start of the list tool tests: Astra (key 1, 19.2E) and Hotbird (key 2, 13.0E) with one
// 11000 MHz horizontal transponder each, in that order, and provider "P"; the table and the lists read
// back as their programs' names.
#pragma once

#include <string>

#include "database/image_access.h"
#include "tests/support/database_fixture.h"

namespace vizud::test {

struct TwoSatellites : DatabaseFixture {
    TwoSatellites() {
        build.satellite(1, "Astra", 192);
        build.satellite(2, "Hotbird", 130);
        build.transponder(1, 11000);
        build.transponder(2, 11000);
        build.provider("P");
    }
    // The table's names, "," between them and "|" where the radio block starts (at the end when it is empty).
    std::string order() const {
        const all_tables_block& img = state->image;
        return parts(img.programCount, img.tvCount, [&img](int p) { return p; });
    }
    // List l the same way; "?" for an entry beyond the table.
    std::string list(int l) const {
        const st_fav& fav = state->image.favourites[l];
        return parts(fav.favCount, fav.favTvCount, [&fav](int e) { return static_cast<int>(fav.favEntries[e]); });
    }

private:
    template <typename Program>
    std::string parts(int count, int tvCount, Program program) const {
        std::string out;
        for (int i = 0; i < count; ++i) {
            const int p = program(i);
            if (i > 0 || i == tvCount)
                out += i == tvCount ? "|" : ",";
            out += p < state->image.programCount ? nameText(state->image.programs[p].name) : "?";
        }
        return out + (count == tvCount ? "|" : "");
    }
};

}  // namespace vizud::test
