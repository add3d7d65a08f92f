// Whole selections at once. Cutting, deleting or dragging thousands of rows one call per row moves most
// of the 640 KB program table once per row; these forms move every record at most once and still leave
// exactly the bytes, node fields and messages that the per-row sequence leaves.
#include <algorithm>
#include <climits>
#include <vector>

#include "database/channel_database.h"
#include "database/edit_support.h"

namespace vizud {
namespace {

// Which original programs are still in the table, counted so that "the q-th program now" maps back to its
// original index in O(log n) (a Fenwick tree of ones and zeros).
class PresentPrograms {
public:
    explicit PresentPrograms(int n) : m_n(n), m_tree(static_cast<std::size_t>(n) + 1, 0) {
        for (int i = 1; i <= n; ++i) {
            m_tree[i] = i & -i;
        }
        while (m_top * 2 <= n)
            m_top *= 2;
    }

    void remove(int original) {
        for (int i = original + 1; i <= m_n; i += i & -i)
            --m_tree[i];
    }

    // The original index of the program at (current) position q; q is below the number present.
    int originalAt(int q) const {
        int pos = 0;
        int remaining = q + 1;
        for (int step = m_top; step > 0; step /= 2) {
            if (pos + step <= m_n && m_tree[pos + step] < remaining) {
                pos += step;
                remaining -= m_tree[pos];
            }
        }
        return pos;
    }

private:
    int m_n;
    int m_top = 1;
    std::vector<int> m_tree;
};

enum class DeleteKind { ModifyRecord, InView };

// Deletes programs named by their index at the time of each row's call, as that many calls of
// modifyRecord 551 or deleteInView (whole table) would.
int deleteSequence(EditorState& state, std::span<const int> indices, DeleteKind kind, std::vector<int>* results) {
    all_tables_block& img = state.image;
    const int c0 = programCount(img);
    const int tv0 = edit::tvCountOf(img);
    const bool follow = kind == DeleteKind::InView || state.dragActive == 0;

    PresentPrograms present(c0);
    std::vector<std::uint8_t> removed(static_cast<std::size_t>(c0), 0);
    // Closing a gap leaves the slot behind the last program holding that last program: remember, for
    // each deletion, which original record that was.
    std::vector<int> trailingSource;
    int highestPresent = c0 - 1;
    int current = c0;
    int firstRefusal = 0;
    for (const int q : indices) {
        int result = 0;
        if (kind == DeleteKind::ModifyRecord) {
            result = (q < 0 || q >= kMaxPrograms) ? -2 : (q >= current ? -3 : 0);
        } else {
            result = (q < 0 || q >= current) ? -1 : 0;
        }
        if (results != nullptr)
            results->push_back(result);
        if (result != 0) {
            if (firstRefusal == 0)
                firstRefusal = result;
            continue;
        }
        const int original = present.originalAt(q);
        while (removed[highestPresent])
            --highestPresent;
        trailingSource.push_back(highestPresent);
        removed[original] = 1;
        present.remove(original);
        --current;
        if (follow) {
            // Favourite lists hold at most 400 entries each; following them row by row is cheap.
            edit::renumberFavouritesAfterDelete(img, q);
        }
    }

    const int k = static_cast<int>(trailingSource.size());
    if (k == 0)
        return firstRefusal;
    std::vector<st_program> trailing(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i) {
        trailing[i] = img.programs[trailingSource[i]];
    }
    int write = 0;
    int tvRemoved = 0;
    for (int read = 0; read < c0; ++read) {
        if (removed[read]) {
            tvRemoved += read < tv0 ? 1 : 0;
            continue;
        }
        if (write != read)
            img.programs[write] = img.programs[read];
        ++write;
    }
    for (int i = 0; i < k; ++i) {
        img.programs[c0 - 1 - i] = trailing[i];
    }
    img.programCount = static_cast<std::uint16_t>(c0 - k);
    img.tvCount = static_cast<std::uint16_t>(tv0 - tvRemoved);

    if (follow) {
        std::vector<int> removedBelow(static_cast<std::size_t>(c0) + 1, 0);
        for (int i = 0; i < c0; ++i)
            removedBelow[i + 1] = removedBelow[i] + removed[i];
        for (ProgramSnapshot* node = state.programClipboard; node != nullptr; node = node->next) {
            const int v = node->programIndex;
            if (v < 0)
                continue;
            if (v < c0) {
                node->programIndex = removed[v] ? -1 : v - removedBelow[v];
            } else {
                node->programIndex = v - k;
            }
        }
    }
    return firstRefusal;
}

}  // namespace

int ChannelDatabase::deletePrograms(std::span<const int> indices, std::vector<int>* results) {
    return deleteSequence(m_state, indices, DeleteKind::ModifyRecord, results);
}

int ChannelDatabase::deleteInViewMany(std::span<const int> programIndices, std::vector<int>* results) {
    if (edit::showsWholeTable(m_state.browse.viewMode) && m_state.browse.selectedText != "Favs") {
        return deleteSequence(m_state, programIndices, DeleteKind::InView, results);
    }
    // The program table does not change here, only favourite lists of at most 400 entries.
    int firstRefusal = 0;
    for (const int p : programIndices) {
        std::uint32_t mask = 0;
        getFavMembership(p, mask);
        const int result = deleteInView(p, mask);
        if (results != nullptr)
            results->push_back(result);
        if (result != 0 && firstRefusal == 0)
            firstRefusal = result;
    }
    return firstRefusal;
}

int ChannelDatabase::removeListEntries(int list, bool radioRelative, std::span<const int> positions,
                                       std::vector<int>* results) {
    RecordView view;
    view.word[0] = static_cast<std::uint32_t>(list);
    view.word[1] = radioRelative ? 1 : 0;
    int firstRefusal = 0;
    for (const int pos : positions) {
        const int result = modifyRecord(kTablePrograms, kOpRemoveListEntry, pos, view);
        if (results != nullptr)
            results->push_back(result);
        if (result != 0 && firstRefusal == 0)
            firstRefusal = result;
    }
    return firstRefusal;
}

int ChannelDatabase::pasteSnapshotsBatch(int table, int list, int position, ProgramSnapshot* first,
                                         std::uint32_t mode) {
    if (table != kTablePrograms) {
        // A favourite list takes at most 400 nodes; the per-row paste is quick enough there.
        return pasteSnapshots(table, list, position, first, mode);
    }
    all_tables_block& img = m_state.image;
    const edit::PasteCheck check = edit::checkProgramTablePaste(m_state, m_messages, position, first);
    if (!check.proceed)
        return check.result;
    const int pos = check.position;

    // Satellites, providers and transponders first: placing programs does not touch those tables, so the
    // nodes resolve exactly as they would between the row-by-row inserts.
    edit::SnapshotResolver resolver(img, m_messages, true);
    std::vector<ProgramSnapshot*> placed;
    placed.reserve(static_cast<std::size_t>(check.count));
    int result = 0;
    for (ProgramSnapshot* node = first; node != nullptr; node = node->next) {
        result = resolver.resolve(*node, "Providers table is full!");
        if (result != 0)
            break;
        placed.push_back(node);
    }
    const int m = static_cast<int>(placed.size());
    const int count = programCount(img);
    edit::openGap(img.programs, count, pos, m);
    int tv = img.tvCount;
    for (int i = 0; i < m; ++i) {
        img.programs[pos + i] = edit::programFromSnapshot(*placed[i]);
        if (placed[i]->isTv == 1) {
            tv = std::min(tv, count + i + 1) + 1;
        }
        placed[i]->pasted = 1;
    }
    if (m == 0)
        return result;
    img.programCount = static_cast<std::uint16_t>(count + m);
    img.tvCount = static_cast<std::uint16_t>(tv);

    if (m_state.dragActive == 0) {
        const auto from = static_cast<std::uint16_t>(pos);
        for (st_fav& fav : img.favourites) {
            const int entries = favouriteCount(fav);
            for (int i = 0; i < entries; ++i) {
                const std::uint16_t e = fav.favEntries[i];
                if (e >= from)
                    fav.favEntries[i] = static_cast<std::uint16_t>(std::min(e + m, 0xFFFF));
            }
        }
        for (ProgramSnapshot* node = first; node != nullptr; node = node->next) {
            if (node->programIndex >= pos) {
                node->programIndex =
                    static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{node->programIndex} + m, INT32_MAX));
            }
        }
    }
    return result;
}

}  // namespace vizud
