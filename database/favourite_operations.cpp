// Favourite lists: rename, remove a program, add a program (the program dialog's nine check boxes).
#include "database/edit_support.h"
#include "database/table_codes.h"

namespace vizud::edit {

int modifyFavouriteList(EditorState& state, int operation, int listNo, const RecordView& view) {
    all_tables_block& img = state.image;
    const bool listInRange = listNo >= 0 && listNo < kFavouriteLists;
    switch (operation) {
        case kOpUpdate:
            if (!listInRange)
                return -2;
            storeName(img.favourites[listNo].favName, view.word16);
            return 0;
        case kOpDelete:
            if (!listInRange)
                return -4;
            if (view.word[1] <= 0xFFFF) {
                removeProgramFromList(img.favourites[listNo], static_cast<int>(view.word[1]));
            }
            return 0;
        case kOpInsert: {
            if (!listInRange)
                return -4;
            st_fav& list = img.favourites[listNo];
            const int count = favouriteCount(list);
            if (count + 1 >= kMaxFavouriteEntries)
                return -6;
            // A list names programs of the table; an index beyond it would name nothing.
            if (view.word[1] >= static_cast<std::uint32_t>(programCount(img)))
                return -3;
            const int program = static_cast<int>(view.word[1]);
            for (int i = 0; i < count; ++i) {
                if (list.favEntries[i] == program)
                    return 0;
            }
            const bool tv = program < tvCountOf(img);
            insertListEntry(list, tv ? favouriteTvCount(list) : count, static_cast<std::uint16_t>(program), tv);
            return 0;
        }
        default:
            return -1;
    }
}

}  // namespace vizud::edit
