// Pasting: the clipboard at a position of the shown view, snapshot lists (a drop, or programs that carry
// their satellite, provider and transponder along) into the program table or a favourite list, and the
// repair of the favourite lists after a drag in the whole table.
#include <algorithm>
#include <climits>
#include <vector>

#include "database/channel_database.h"
#include "database/edit_support.h"

namespace vizud {
namespace edit {
namespace {

// A cut program pasted back at index q returns to the lists it was in: at its old position, or at the end
// of its part of the list when the list has shrunk. A radio program is kept out of the TV part and a TV
// program out of the radio part, and a list that is full meanwhile does not take it back. A program a
// damaged list named more than once gets each entry back, all at the place of the last.
void giveBackMemberships(all_tables_block& img, const ProgramSnapshot& node, int q) {
    const bool tv = node.isTv == 1;
    for (int l = 0; l < kFavouriteLists; ++l) {
        st_fav& list = img.favourites[l];
        const ListPlace& place = node.favPlace[l];
        for (int e = 0; e < place.entries; ++e) {
            const int count = favouriteCount(list);
            if (count >= kMaxFavouriteEntries)
                break;
            const int tvCount = favouriteTvCount(list);
            const int wanted = place.position;
            const int pos = tv ? std::min(wanted, tvCount) : std::clamp(wanted, tvCount, count);
            insertListEntry(list, pos, static_cast<std::uint16_t>(q), tv);
        }
    }
}

// A clipboard node written as a program must name a provider and a transponder of this image (the
// tables may have shrunk since it was copied, for example by the provider sweep before an upload).
bool referencesInRange(const all_tables_block& img, const ProgramSnapshot& node) {
    return node.providerIndex < providerCount(img) && node.tpIndex < transponderCount(img);
}

int pasteClipboardIntoTable(EditorState& state, int& position, int n) {
    all_tables_block& img = state.image;
    const int count = programCount(img);
    if (count + n > kMaxPrograms)
        return -1;
    bool hasTv = false;
    bool hasRadio = false;
    bool radioBeforeTv = false;
    for (const ProgramSnapshot* node = state.programClipboard; node != nullptr; node = node->next) {
        if (!referencesInRange(img, *node))
            return -1;
        if (node->isTv == 1) {
            radioBeforeTv = radioBeforeTv || hasRadio;
            hasTv = true;
        } else {
            hasRadio = true;
        }
    }
    const int tv = tvCountOf(img);
    // The list has asked checkPastePosition first; a position it could not have passed is refused here
    // too, so TV programs never land among radio programs.
    if (position < 0 || position > count || (hasTv && position > tv) || (hasRadio && position < tv) || radioBeforeTv) {
        return -1;
    }
    const int pos = position;
    // Copied programs behind the position move n places on. The cut programs get their new index below
    // and must not be moved again.
    if (state.pasteActive == 1) {
        for (ProgramSnapshot* node = state.programClipboard; node != nullptr; node = node->next) {
            if (node->programIndex >= pos) {
                node->programIndex =
                    static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{node->programIndex} + n, INT32_MAX));
            }
        }
    }
    openGap(img.programs, count, pos, n);
    int k = 0;
    for (ProgramSnapshot* node = state.programClipboard; node != nullptr; node = node->next, ++k) {
        const int at = pos + k;
        renumberFavouritesAfterInsert(img, at);
        img.programs[at] = programFromSnapshot(*node);
        img.programCount = static_cast<std::uint16_t>(count + k + 1);
        if (node->isTv == 1) {
            img.tvCount = static_cast<std::uint16_t>(tvCountOf(img) + 1);
        }
        if (node->programIndex < 0) {
            node->programIndex = at;
            giveBackMemberships(img, *node, at);
        }
        node->pasted = 1;
    }
    return 0;
}

int pasteClipboardIntoList(EditorState& state, int& position, int n) {
    all_tables_block& img = state.image;
    st_fav& list = img.favourites[listOfMode(state.browse.viewMode)];
    if (favouriteCount(list) + n > kMaxFavouriteEntries / 2)
        return -1;
    if (position == -1 && favouriteCount(list) == 0) {
        position = 0;
    }
    if (position < 0 || position > favouriteCount(list))
        return -1;
    for (const ProgramSnapshot* node = state.programClipboard; node != nullptr; node = node->next) {
        const bool creates = node->programIndex < 0 || node->programIndex >= programCount(img);
        if (creates && !referencesInRange(img, *node))
            return -1;
    }
    int k = 0;
    for (ProgramSnapshot* node = state.programClipboard; node != nullptr; node = node->next, ++k) {
        // A node that names no program of the table (cut, or its program deleted since) creates it.
        if (node->programIndex < 0 || node->programIndex >= programCount(img)) {
            if (programCount(img) >= kMaxPrograms)
                return -1;
            const int at = createProgramFromSnapshot(img, *node);
            renumberClipboardAfterProgramInsert(state, at, node);
            node->programIndex = at;
        }
        const bool tv = node->programIndex < tvCountOf(img);
        const int tvEntries = favouriteTvCount(list);
        const int target = position + k;
        insertListEntry(list, tv ? std::min(target, tvEntries) : std::max(target, tvEntries),
                        static_cast<std::uint16_t>(node->programIndex), tv);
        node->pasted = 1;
    }
    return 0;
}

// The program a node names: the one at its programIndex when that one is equal to it, else the first equal
// program of the table; -1 when there is none.
int findProgram(const all_tables_block& img, const ProgramSnapshot& node, int provider, int transponder) {
    const int programs = programCount(img);
    if (node.programIndex >= 0 && node.programIndex < programs &&
        programMatchesSnapshot(img.programs[node.programIndex], node, provider, transponder)) {
        return node.programIndex;
    }
    for (int p = 0; p < programs; ++p) {
        if (programMatchesSnapshot(img.programs[p], node, provider, transponder))
            return p;
    }
    return -1;
}

bool listContains(const st_fav& list, int program) {
    const int count = favouriteCount(list);
    for (int i = 0; i < count; ++i) {
        if (list.favEntries[i] == program)
            return true;
    }
    return false;
}

}  // namespace

int pasteIntoList(EditorState& state, Messages& messages, int listNo, int position, ProgramSnapshot* first,
                  std::uint32_t mode) {
    all_tables_block& img = state.image;
    if (listNo < 0 || listNo >= kFavouriteLists)
        return -2;
    st_fav& list = img.favourites[listNo];
    int n = 0;
    bool hasTv = false;
    bool hasRadio = false;
    bool radioBeforeTv = false;
    for (ProgramSnapshot* node = first; node != nullptr; node = node->next) {
        node->pasted = 0;
        ++n;
        if (node->isTv == 1) {
            radioBeforeTv = radioBeforeTv || hasRadio;
            hasTv = true;
        } else {
            hasRadio = true;
        }
    }
    auto refuse = [&](const char* text, int result) {
        if (text != nullptr)
            messages.show(text, MessageIcon::None);
        return result;
    };
    const int count = favouriteCount(list);
    const int tvEntries = favouriteTvCount(list);
    if (count + n > kMaxFavouriteEntries) {
        return refuse("Not enought free space in programs table", -100);
    }
    const bool positionGiven = position != -1;
    if (positionGiven) {
        if (position < 0 || position > count)
            return -2;
        if (mode & kViewRadioOnly) {
            position += tvEntries;
        }
        if (position > count)
            return -2;
        if (hasRadio && position < tvEntries) {
            return refuse("Can't put Radio program among TV program", -7);
        }
        if ((hasTv && position > tvEntries) || radioBeforeTv) {
            return refuse("Can't put TV program among Radio program", -8);
        }
        if (count >= kMaxFavouriteEntries) {
            return refuse("Favourite Table is full!", -5);
        }
    } else {
        if (count >= kMaxFavouriteEntries) {
            return refuse("Favorite Table is full!", -5);
        }
        const bool shownPartEmpty = (mode & kViewTvOnly)      ? tvEntries == 0
                                    : (mode & kViewRadioOnly) ? count - tvEntries == 0
                                                              : count == 0;
        if (!shownPartEmpty) {
            return refuse("Select position to paste Your data!", -6);
        }
    }

    SnapshotResolver resolver(img, messages, false);
    const char* providerFull = positionGiven ? "Providers table is FULL!" : "Providers table is full!";
    int placed = 0;
    for (ProgramSnapshot* node = first; node != nullptr; node = node->next) {
        // Find the program before anything is appended: a node that would have to create its program in a
        // full table is refused without leaving a stray satellite, provider or transponder behind.
        int program = -1;
        int provider = -1;
        int transponder = -1;
        if (resolver.lookup(*node, provider, transponder)) {
            program = findProgram(img, *node, provider, transponder);
        }
        const int resolved = resolver.resolve(*node, providerFull, program < 0);
        if (resolved != 0)
            return resolved;
        const int programs = programCount(img);
        const bool existing = program >= 0;
        if (!existing) {
            if (programs >= kMaxPrograms) {
                return refuse("Program table is full. Can't add program!", -4);
            }
            program = createProgramFromSnapshot(img, *node);
        }

        // The program's own kind decides its part of the list, whatever the node says.
        const bool tv = program < tvCountOf(img);
        const int tvNow = favouriteTvCount(list);
        int target;
        if (positionGiven) {
            if (existing && listContains(list, program)) {
                continue;  // pasted stays 0
            }
            // The pasted entries stay together, even when some of the nodes were already in the list.
            target = position + placed;
            target = tv ? std::min(target, tvNow) : std::max(target, tvNow);
        } else {
            target = tv ? tvNow : favouriteCount(list);
        }
        insertListEntry(list, target, static_cast<std::uint16_t>(program), tv);
        node->pasted = 1;
        ++placed;
    }
    return 0;
}

}  // namespace edit

int ChannelDatabase::pasteClipboard(int& position) {
    const int n = countSnapshots(m_state.programClipboard);
    for (ProgramSnapshot* node = m_state.programClipboard; node != nullptr; node = node->next) {
        node->pasted = 0;
    }
    if (edit::showsWholeTable(m_state.browse.viewMode)) {
        return edit::pasteClipboardIntoTable(m_state, position, n);
    }
    return edit::pasteClipboardIntoList(m_state, position, n);
}

int ChannelDatabase::pasteSnapshots(int table, int list, int position, ProgramSnapshot* first, std::uint32_t mode) {
    if (table == kTableFavourites) {
        return edit::pasteIntoList(m_state, m_messages, list, position, first, mode);
    }
    if (table != kTablePrograms)
        return -1;

    all_tables_block& img = m_state.image;
    const edit::PasteCheck check = edit::checkProgramTablePaste(m_state, m_messages, position, first);
    if (!check.proceed)
        return check.result;
    const int pos = check.position;
    edit::SnapshotResolver resolver(img, m_messages, false);
    int k = 0;
    for (ProgramSnapshot* node = first; node != nullptr; node = node->next, ++k) {
        const int resolved = resolver.resolve(*node, "Providers table is full!");
        if (resolved != 0)
            return resolved;
        const int count = programCount(img);
        const int at = pos + k;
        edit::openGap(img.programs, count, at, 1);
        img.programs[at] = edit::programFromSnapshot(*node);
        img.programCount = static_cast<std::uint16_t>(count + 1);
        if (node->isTv == 1) {
            img.tvCount = static_cast<std::uint16_t>(edit::tvCountOf(img) + 1);
        }
        node->pasted = 1;
        if (m_state.dragActive == 0) {
            edit::renumberFavouritesAfterInsert(img, pos);
            for (ProgramSnapshot* other = first; other != nullptr; other = other->next) {
                if (other->programIndex >= at && other->programIndex < INT32_MAX) {
                    ++other->programIndex;
                }
            }
        }
    }
    return 0;
}

int ChannelDatabase::renumberAfterDrop(int dropPosition) {
    all_tables_block& img = m_state.image;
    std::int64_t p = dropPosition;
    if (m_state.browse.viewMode & kViewRadioOnly) {
        const int tv = edit::tvCountOf(img);
        p += tv;
        for (ProgramSnapshot* node = m_state.dragBuffer; node != nullptr; node = node->next) {
            node->programIndex =
                static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{node->programIndex} + tv, INT32_MAX));
        }
    }
    // Where each dragged program came from (the first node wins), and how many came from below a value.
    std::vector<std::int32_t> sources;
    std::vector<std::int32_t> firstNode(0x10000, -1);
    std::int32_t m = 0;
    for (const ProgramSnapshot* node = m_state.dragBuffer; node != nullptr; node = node->next, ++m) {
        sources.push_back(node->programIndex);
        if (node->programIndex >= 0 && node->programIndex <= 0xFFFF && firstNode[node->programIndex] < 0) {
            firstNode[node->programIndex] = m;
        }
    }
    const auto n = static_cast<std::int64_t>(sources.size());
    std::sort(sources.begin(), sources.end());
    auto clamp16 = [](std::int64_t v) { return static_cast<std::uint16_t>(std::clamp<std::int64_t>(v, 0, 0xFFFF)); };
    for (st_fav& list : img.favourites) {
        const int count = favouriteCount(list);
        for (int i = 0; i < count; ++i) {
            const std::uint16_t e = list.favEntries[i];
            if (firstNode[e] >= 0) {
                list.favEntries[i] = clamp16(p + firstNode[e]);
                continue;
            }
            const auto below = std::lower_bound(sources.begin(), sources.end(), std::int32_t{e}) - sources.begin();
            const std::int64_t now = std::int64_t{e} - below;
            list.favEntries[i] = clamp16(now >= p ? now + n : now);
        }
    }
    return 0;
}

}  // namespace vizud
