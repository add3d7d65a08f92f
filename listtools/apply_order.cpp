#include "listtools/apply_order.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "database/image_access.h"
#include "listtools/program_match.h"

namespace vizud {
namespace {

// Appends the block [first, last) of the file: its matched programs in the order of the reference
// programs they matched, then the others in their old order.
void orderBlock(int first, int last, const std::vector<int>& referenceOf, std::vector<int>& order, int& matched) {
    std::vector<int> hits;
    for (int p = first; p < last; ++p) {
        if (referenceOf[static_cast<std::size_t>(p)] >= 0)
            hits.push_back(p);
    }
    std::sort(hits.begin(), hits.end(), [&referenceOf](int a, int b) {
        return referenceOf[static_cast<std::size_t>(a)] < referenceOf[static_cast<std::size_t>(b)];
    });
    matched = static_cast<int>(hits.size());
    order.insert(order.end(), hits.begin(), hits.end());
    for (int p = first; p < last; ++p) {
        if (referenceOf[static_cast<std::size_t>(p)] < 0)
            order.push_back(p);
    }
}

// Each of the file's lists becomes the reference's, carried over through the match.
void takeFavourites(all_tables_block& img, const all_tables_block& reference, const std::vector<int>& matchOf,
                    const std::vector<int>& newIndex) {
    const int tv = img.tvCount;
    const int referencePrograms = programCount(reference);
    for (int l = 0; l < kFavouriteLists; ++l) {
        const st_fav& from = reference.favourites[l];
        std::vector<std::uint16_t> tvEntries, radioEntries;
        std::vector<char> listed(static_cast<std::size_t>(programCount(img)), 0);
        for (int e = 0; e < favouriteCount(from); ++e) {
            const int r = from.favEntries[e];
            const int old = r < referencePrograms ? matchOf[static_cast<std::size_t>(r)] : -1;
            if (old < 0)
                continue;
            const int program = newIndex[static_cast<std::size_t>(old)];
            if (listed[static_cast<std::size_t>(program)])
                continue;  // a list holds a program once
            listed[static_cast<std::size_t>(program)] = 1;
            (program < tv ? tvEntries : radioEntries).push_back(static_cast<std::uint16_t>(program));
        }
        st_fav& to = img.favourites[l];
        std::memcpy(to.favName, from.favName, sizeof to.favName);
        std::copy(tvEntries.begin(), tvEntries.end(), to.favEntries);
        std::copy(radioEntries.begin(), radioEntries.end(), to.favEntries + tvEntries.size());
        to.favTvCount = static_cast<std::uint16_t>(tvEntries.size());
        to.favCount = static_cast<std::uint16_t>(tvEntries.size() + radioEntries.size());
    }
}

}  // namespace

std::string matchSummary(const OrderMatch& match) {
    return "TV: " + std::to_string(match.tvMatched) + " of " + std::to_string(match.tvPrograms) +
           " matched, Radio: " + std::to_string(match.radioMatched) + " of " + std::to_string(match.radioPrograms) +
           " matched";
}

std::optional<OrderMatch> applyOrder(ChannelDatabase& db, const all_tables_block& reference, bool favourites) {
    all_tables_block& img = db.image();
    if (!countsWithinCapacity(img))
        return std::nullopt;
    const std::vector<int> matchOf = matchPrograms(img, reference);
    std::vector<int> referenceOf(static_cast<std::size_t>(programCount(img)), -1);
    for (std::size_t r = 0; r < matchOf.size(); ++r) {
        if (matchOf[r] >= 0)
            referenceOf[static_cast<std::size_t>(matchOf[r])] = static_cast<int>(r);
    }
    const int programs = programCount(img);
    const int tv = img.tvCount;
    OrderMatch result;
    result.tvPrograms = tv;
    result.radioPrograms = programs - tv;
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(programs));
    orderBlock(0, tv, referenceOf, order, result.tvMatched);
    orderBlock(tv, programs, referenceOf, order, result.radioMatched);
    if (db.reorderPrograms(order) != 0)
        return std::nullopt;
    if (favourites) {
        std::vector<int> newIndex(static_cast<std::size_t>(programs));
        for (int i = 0; i < programs; ++i)
            newIndex[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])] = i;
        takeFavourites(img, reference, matchOf, newIndex);
    }
    return result;
}

}  // namespace vizud
