// Programs: update, delete, insert, removing a favourite entry, the list's delete, and the paste check.
#include <climits>

#include "database/channel_database.h"
#include "database/edit_support.h"

namespace vizud {
namespace edit {
namespace {

void writeProgramFields(st_program& prog, const RecordView& view) {
    prog.serviceId = static_cast<std::uint16_t>(view.word[0]);
    prog.providerIndex = static_cast<std::uint16_t>(view.word[1]);
    prog.tpIndex = static_cast<std::uint16_t>(view.word[2]);
    prog.videoPid = static_cast<std::uint16_t>(view.word[3]);
    prog.audioPid = static_cast<std::uint16_t>(view.word[4]);
    prog.pcrPid = static_cast<std::uint16_t>(view.word[5]);
    prog.programFlags = static_cast<std::uint16_t>(view.word[6]);
    storeName(prog.name, view.word16);
}

int insertProgram(EditorState& state, Messages& messages, int index, const RecordView& view) {
    all_tables_block& img = state.image;
    if (index < 0 || index >= kMaxPrograms)
        return -2;
    const int count = programCount(img);
    if (index > count)
        return -3;
    // A full table refuses every insert, whether or not the dialog chose TV or radio.
    if (count >= kMaxPrograms) {
        messages.show("Database is full.", MessageIcon::None);
        return -4;
    }
    const int tv = tvCountOf(img);
    const int kind = state.newProgramKind;
    bool isTv = index < tv;
    if (kind != -1) {
        isTv = kind == 0;
        // TV or radio is only the position relative to tvCount: a program inserted on the wrong side of
        // the boundary would turn a neighbour into the other kind and break every favourite list.
        if (isTv && index > tv) {
            messages.show("Can't put TV program among Radio program", MessageIcon::None);
            return -8;
        }
        if (!isTv && index < tv) {
            messages.show("Can't put Radio program among TV program", MessageIcon::None);
            return -7;
        }
    }
    openGap(img.programs, count, index, 1);
    st_program prog{};
    writeProgramFields(prog, view);
    img.programs[index] = prog;
    img.programCount = static_cast<std::uint16_t>(count + 1);
    img.tvCount = static_cast<std::uint16_t>(tv + (isTv ? 1 : 0));
    // Favourite entries and clipboard nodes keep naming the programs they named before.
    renumberFavouritesAfterInsert(img, index);
    renumberClipboardAfterProgramInsert(state, index, nullptr);
    if (kind != -1) {
        state.newProgramKind = -1;
    }
    return 0;
}

int removeListEntryAt(EditorState& state, int index, const RecordView& view) {
    const std::uint32_t listNo = view.word[0];
    if (listNo >= static_cast<std::uint32_t>(kFavouriteLists) || index < 0 || index >= kMaxFavouriteEntries) {
        return -2;
    }
    st_fav& list = state.image.favourites[listNo];
    const int pos = view.word[1] == 1 ? favouriteTvCount(list) + index : index;
    if (pos >= favouriteCount(list))
        return -3;
    removeListEntry(list, pos);
    return 0;
}

}  // namespace

int modifyProgram(EditorState& state, Messages& messages, int operation, int index, const RecordView& view) {
    all_tables_block& img = state.image;
    switch (operation) {
        case kOpUpdate:
            if (index < 0 || index >= kMaxPrograms)
                return -2;
            if (index >= programCount(img))
                return -3;
            writeProgramFields(img.programs[index], view);
            return 0;
        case kOpDelete: {
            if (index < 0 || index >= kMaxPrograms)
                return -2;
            if (index >= programCount(img))
                return -3;
            // During a drag the favourite references are left to renumberAfterDrop.
            const bool follow = state.dragActive == 0;
            deleteProgramAt(state, index, follow, follow);
            return 0;
        }
        case kOpInsert:
            return insertProgram(state, messages, index, view);
        case kOpRemoveListEntry:
            return removeListEntryAt(state, index, view);
        default:
            return -1;
    }
}

void deleteProgramAt(EditorState& state, int p, bool favourites, bool clipboard) {
    all_tables_block& img = state.image;
    const int count = programCount(img);
    const int tv = tvCountOf(img);
    closeGap(img.programs, count, p);
    img.programCount = static_cast<std::uint16_t>(count - 1);
    img.tvCount = static_cast<std::uint16_t>(p < tv ? tv - 1 : tv);
    if (favourites) {
        renumberFavouritesAfterDelete(img, p);
    }
    if (clipboard) {
        for (ProgramSnapshot* node = state.programClipboard; node != nullptr; node = node->next) {
            // A node that named the deleted program names none now, rather than its neighbour.
            if (node->programIndex == p) {
                node->programIndex = -1;
            } else if (node->programIndex > p) {
                --node->programIndex;
            }
        }
    }
}

}  // namespace edit

int ChannelDatabase::addTransponders(const std::vector<st_ts>& records) {
    return edit::insertTransponders(m_state, records);
}

int ChannelDatabase::modifyRecord(int table, int operation, int index, RecordView& view) {
    switch (table) {
        case kTableSatellites:
            return renumberAfterDrop(index);
        case kTablePrograms:
            return edit::modifyProgram(m_state, m_messages, operation, index, view);
        case kTableTransponders:
            return edit::modifyTransponder(m_state, m_messages, operation, index, view);
        case kTableProviders:
            return edit::modifyProvider(m_state, m_messages, operation, index, view);
        case kTableFavourites:
            return edit::modifyFavouriteList(m_state, operation, index, view);
        default:
            return -1;
    }
}

int ChannelDatabase::deleteInView(int programIndex, std::uint32_t favMask) {
    all_tables_block& img = m_state.image;
    const std::uint32_t mode = m_state.browse.viewMode;
    if (edit::showsWholeTable(mode)) {
        if (m_state.browse.selectedText != "Favs") {
            if (programIndex < 0 || programIndex >= programCount(img))
                return -1;
            edit::deleteProgramAt(m_state, programIndex, true, true);
            return 0;
        }
        // The "Favs" root: the program stays in the table and leaves the lists of the mask.
        for (int l = 0; l < kFavouriteLists; ++l) {
            if (favMask & (1u << (kViewFirstFavouriteBit + l))) {
                edit::removeProgramFromList(img.favourites[l], programIndex);
            }
        }
        return 0;
    }
    st_fav& list = img.favourites[edit::listOfMode(mode)];
    const int count = favouriteCount(list);
    for (int pos = 0; pos < count; ++pos) {
        if (list.favEntries[pos] == programIndex) {
            edit::removeListEntry(list, pos);
            return 0;
        }
    }
    return -1;
}

int ChannelDatabase::checkPastePosition(int position) {
    const all_tables_block& img = m_state.image;
    const std::uint32_t mode = m_state.browse.viewMode;
    bool hasTv = false;
    bool hasRadio = false;
    for (const ProgramSnapshot* node = m_state.programClipboard; node != nullptr; node = node->next) {
        (node->isTv == 1 ? hasTv : hasRadio) = true;
    }
    const int boundary =
        edit::showsWholeTable(mode) ? edit::tvCountOf(img) : favouriteTvCount(img.favourites[edit::listOfMode(mode)]);
    if (hasTv && position > boundary) {
        m_messages.show("Can't put TV program among radio program.", MessageIcon::None);
        return 0;
    }
    if (hasRadio && position < boundary) {
        m_messages.show("Can't put radio program among TV program.", MessageIcon::None);
        return 0;
    }
    return 1;
}

}  // namespace vizud
