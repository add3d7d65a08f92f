// Filling the nine favourite lists in bulk, without the widgets: the programs chosen in any view are
// added to a list (at a place, or each at the end of its part) or taken out of it. Every call either
// changes the list as a whole or refuses with its message and changes nothing; what it did comes back
// as a value for the document's one place for edits.
//
// The place rule, shared by "Add to favourite list", a drop on a list's tree node, and a drop into a
// list shown beside the whole table: a list holds its TV entries first, then its radio entries. TV
// programs go into the TV part, radio programs into the radio part, each in the order given; a place
// `position` (an entry index 0..favCount of the whole list) is taken within each part as the nearest
// place of that part; position -1 puts them at the end of their part. Programs the list already holds
// (or named twice) are skipped.
#pragma once

#include <string>
#include <vector>

#include "database/channel_database.h"

namespace vizud {

struct FavouriteEdit {
    bool changed = false;   // the list changed: hand `stepName` to the document
    int programs = 0;       // programs added or removed
    std::string stepName;   // the undo step, "Add 12 programs to News" (UTF-8)
    std::string refusal;    // not empty: nothing changed, show this (UTF-8)
};

// The list's name as the tree shows it (UTF-8).
std::string favouriteListName(const all_tables_block& img, int list);

// Adds `programs` (indices in the program table, in the order shown) to list `list` at `position`
// (-1: each at the end of its part). A list without room for all the new ones refuses.
FavouriteEdit addToFavouriteList(ChannelDatabase& db, int list, const std::vector<int>& programs,
                                 int position = -1);

// Takes the entries naming any of `programs` out of list `list`; the programs stay in the table.
FavouriteEdit removeFromFavouriteList(ChannelDatabase& db, int list, const std::vector<int>& programs);

// Bit l set: list l holds at least one of `programs`.
unsigned listsHolding(const all_tables_block& img, const std::vector<int>& programs);

}  // namespace vizud
