#include "listtools/apply_order.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "database/image_access.h"
#include "dialogs/latin1_text.h"
#include "listtools/csv_reference.h"
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

// Reorders the table by the match (for every reference entry the program it matched, or -1); `order`
// receives the old index of every new place.
std::optional<OrderMatch> orderByMatch(ChannelDatabase& db, const std::vector<int>& matchOf, std::vector<int>& order) {
    all_tables_block& img = db.image();
    const int programs = programCount(img);
    std::vector<int> referenceOf(static_cast<std::size_t>(programs), -1);
    for (std::size_t r = 0; r < matchOf.size(); ++r) {
        if (matchOf[r] >= 0)
            referenceOf[static_cast<std::size_t>(matchOf[r])] = static_cast<int>(r);
    }
    const int tv = img.tvCount;
    OrderMatch result;
    result.tvPrograms = tv;
    result.radioPrograms = programs - tv;
    order.clear();
    order.reserve(static_cast<std::size_t>(programs));
    orderBlock(0, tv, referenceOf, order, result.tvMatched);
    orderBlock(tv, programs, referenceOf, order, result.radioMatched);
    if (db.reorderPrograms(order) != 0)
        return std::nullopt;
    return result;
}

std::vector<int> newIndexOf(const std::vector<int>& order) {
    std::vector<int> newIndex(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        newIndex[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    return newIndex;
}

// The name's bytes as shown: without a leading character-table byte.
std::string_view shownBytes(const st_program& prog) {
    std::string_view name(prog.name, strnlen(prog.name, kNameLength));
    if (!name.empty() && static_cast<unsigned char>(name[0]) >= 1 && static_cast<unsigned char>(name[0]) <= 31)
        name.remove_prefix(1);
    return name;
}

// A favourite list as the CSV leaves it, by the programs' indices before the new order.
struct ListPlan {
    std::vector<int> tv, radio;
};

// Each list keeps the entries whose program's row still holds its digit, then takes the matched programs
// newly marked with it in row order; the first list passing the limit refuses.
std::array<ListPlan, kFavouriteLists> planLists(const all_tables_block& img, const CsvReference& reference,
                                                const std::vector<int>& matchOf, const std::vector<int>& rowOf,
                                                std::string& refusal) {
    const int programs = programCount(img);
    const int tv = img.tvCount;
    std::array<ListPlan, kFavouriteLists> plans;
    for (int l = 0; l < kFavouriteLists; ++l) {
        const auto digit = static_cast<std::uint16_t>(1u << l);
        const auto holds = [&](int p) {
            const int r = rowOf[static_cast<std::size_t>(p)];
            return r >= 0 && (reference.rows[static_cast<std::size_t>(r)].favourites & digit) != 0;
        };
        ListPlan& plan = plans[static_cast<std::size_t>(l)];
        std::vector<char> listed(static_cast<std::size_t>(programs), 0);
        const auto take = [&](int p) {
            if (listed[static_cast<std::size_t>(p)])
                return;
            listed[static_cast<std::size_t>(p)] = 1;
            (p < tv ? plan.tv : plan.radio).push_back(p);
        };
        const st_fav& list = img.favourites[l];
        for (int e = 0; e < favouriteCount(list); ++e) {
            if (list.favEntries[e] < programs && holds(list.favEntries[e]))
                take(list.favEntries[e]);
        }
        for (const int p : matchOf) {
            if (p >= 0 && holds(p))
                take(p);
        }
        const std::size_t entries = plan.tv.size() + plan.radio.size();
        if (entries > static_cast<std::size_t>(kMaxFavouriteEntries) && refusal.empty()) {
            refusal = "Favourite list " + std::to_string(l + 1) + " would hold " + std::to_string(entries) +
                      " entries; it has room for " + std::to_string(kMaxFavouriteEntries) + ".";
        }
    }
    return plans;
}

// The rows' names to store, as (program, Latin-1 bytes) for those that differ from the shown name; a name
// the field cannot take refuses.
std::vector<std::pair<int, std::string>> renamesOf(const all_tables_block& img, const CsvReference& reference,
                                                   const std::vector<int>& matchOf, std::string& refusal) {
    std::vector<std::pair<int, std::string>> renames;
    for (std::size_t r = 0; r < matchOf.size() && refusal.empty(); ++r) {
        const int p = matchOf[r];
        if (p < 0)
            continue;
        const CsvReferenceRow& row = reference.rows[r];
        std::string offending;
        const std::optional<std::string> latin1 = utf8ToLatin1(row.name, &offending);
        const std::string line = "line " + std::to_string(row.line) + ": ";
        if (!latin1)
            refusal = line + "the name \"" + row.name + "\" holds a character the box cannot store: " + offending;
        else if (latin1->size() > kNameLength)
            refusal = line + "the name \"" + row.name + "\" is longer than 16 bytes";
        else if (*latin1 != shownBytes(img.programs[p]))
            renames.emplace_back(p, *latin1);
    }
    return renames;
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
    std::vector<int> order;
    const std::optional<OrderMatch> result = orderByMatch(db, matchOf, order);
    if (result && favourites)
        takeFavourites(img, reference, matchOf, newIndexOf(order));
    return result;
}

CsvOrderResult applyOrderFromCsv(ChannelDatabase& db, const CsvReference& reference, const CsvApplyOptions& options) {
    CsvOrderResult result;
    all_tables_block& img = db.image();
    if (!countsWithinCapacity(img)) {
        result.error = "The list could not be put in order.";
        return result;
    }
    if (options.flags && !reference.hasFlags)
        result.error = "line 1: the column scrambled, scpc, locked or user is missing";
    else if (options.favourites && !reference.hasFavourites)
        result.error = "line 1: the column favourites is missing";
    if (!result.error.empty())
        return result;
    const std::vector<int> matchOf = matchKeys(programKeys(img, true), csvReferenceKeys(reference));
    const int programs = programCount(img);
    std::vector<int> rowOf(static_cast<std::size_t>(programs), -1);
    for (std::size_t r = 0; r < matchOf.size(); ++r) {
        if (matchOf[r] >= 0)
            rowOf[static_cast<std::size_t>(matchOf[r])] = static_cast<int>(r);
        else
            result.unmatchedLines.push_back(reference.rows[r].line);
    }
    // Everything that can refuse is settled before the image changes.
    const auto renames =
        options.names ? renamesOf(img, reference, matchOf, result.error) : std::vector<std::pair<int, std::string>>();
    const auto lists = options.favourites ? planLists(img, reference, matchOf, rowOf, result.error)
                                          : std::array<ListPlan, kFavouriteLists>();
    if (!result.error.empty())
        return result;

    std::vector<int> order;
    const std::optional<OrderMatch> match = orderByMatch(db, matchOf, order);
    if (!match) {
        result.error = "The list could not be put in order.";
        return result;
    }
    result.match = *match;
    const std::vector<int> newIndex = newIndexOf(order);
    const auto now = [&newIndex](int old) { return newIndex[static_cast<std::size_t>(old)]; };
    for (const auto& [p, name] : renames) {
        char(&field)[kNameLength] = img.programs[now(p)].name;
        std::memset(field, 0, sizeof field);
        std::memcpy(field, name.data(), name.size());
    }
    for (std::size_t r = 0; options.flags && r < matchOf.size(); ++r) {
        if (matchOf[r] < 0)
            continue;
        std::uint16_t& flags = img.programs[now(matchOf[r])].programFlags;
        flags = static_cast<std::uint16_t>((flags & ~kCsvFlagBits) | reference.rows[r].flags);
    }
    for (int l = 0; options.favourites && l < kFavouriteLists; ++l) {
        const ListPlan& plan = lists[static_cast<std::size_t>(l)];
        st_fav& list = img.favourites[l];
        int e = 0;
        for (const std::vector<int>* part : {&plan.tv, &plan.radio}) {
            for (const int p : *part)
                list.favEntries[e++] = static_cast<std::uint16_t>(now(p));
        }
        list.favTvCount = static_cast<std::uint16_t>(plan.tv.size());
        list.favCount = static_cast<std::uint16_t>(e);
    }
    if (options.deleteMissing) {
        // The unmatched programs close each block; deleted from the end so the indices stay valid, the
        // lists losing their entries as a delete in the editor takes them out.
        const int tv = img.tvCount;
        std::vector<int> doomed;
        for (int p = programs - 1; p >= tv + match->radioMatched; --p)
            doomed.push_back(p);
        for (int p = tv - 1; p >= match->tvMatched; --p)
            doomed.push_back(p);
        const int saved = db.state().dragActive;
        db.state().dragActive = 0;
        db.deletePrograms(doomed);
        db.state().dragActive = saved;
    }
    return result;
}

std::string unmatchedRowsText(const std::vector<int>& lines) {
    if (lines.empty())
        return {};
    if (lines.size() == 1)
        return "1 row matched nothing (line " + std::to_string(lines.front()) + ")";
    constexpr std::size_t kShown = 5;
    std::string shown;
    for (std::size_t i = 0; i < std::min(lines.size(), kShown); ++i)
        shown += (i > 0 ? ", " : "") + std::to_string(lines[i]);
    if (lines.size() > kShown)
        shown += ", ...";
    return std::to_string(lines.size()) + " rows matched nothing (lines " + shown + ")";
}

}  // namespace vizud
