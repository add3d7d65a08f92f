#include "app/state_delta.h"

#include <algorithm>
#include <cstring>

#include "database/image_layout.h"

namespace vizud {
namespace {

std::uint8_t* bytesOf(all_tables_block& image) {
    return reinterpret_cast<std::uint8_t*>(&image);
}
const std::uint8_t* bytesOf(const all_tables_block& image) {
    return reinterpret_cast<const std::uint8_t*>(&image);
}

std::size_t blockLength(std::uint32_t block) {
    const std::size_t offset = std::size_t{block} * StateDelta::kBlock;
    return std::min(StateDelta::kBlock, kImageSize - offset);
}

std::vector<ClipboardNodeFields> readFields(const ProgramSnapshot* head) {
    std::vector<ClipboardNodeFields> fields;
    for (const ProgramSnapshot* node = head; node != nullptr; node = node->next)
        fields.push_back({node->programIndex, node->pasted, node->providerIndex, node->tpIndex});
    return fields;
}

void exchangeFields(ProgramSnapshot* head, std::vector<ClipboardNodeFields>& fields) {
    std::size_t i = 0;
    for (ProgramSnapshot* node = head; node != nullptr && i < fields.size(); node = node->next, ++i) {
        ClipboardNodeFields& kept = fields[i];
        std::swap(node->programIndex, kept.programIndex);
        std::swap(node->pasted, kept.pasted);
        std::swap(node->providerIndex, kept.providerIndex);
        std::swap(node->tpIndex, kept.tpIndex);
    }
}

ProgramSnapshot* cloneList(const ProgramSnapshot* head) {
    ProgramSnapshot* copy = nullptr;
    ProgramSnapshot** link = &copy;
    for (const ProgramSnapshot* node = head; node != nullptr; node = node->next) {
        *link = new ProgramSnapshot(*node);
        (*link)->next = nullptr;
        link = &(*link)->next;
    }
    return copy;
}

HandOverValues valuesOf(const EditorState& state) {
    return {state.currentTpFrequency, state.addedProgramIndex, state.newProgramKind, state.editedSatName};
}

void exchangeValues(EditorState& state, HandOverValues& values) {
    std::swap(state.currentTpFrequency, values.currentTpFrequency);
    std::swap(state.addedProgramIndex, values.addedProgramIndex);
    std::swap(state.newProgramKind, values.newProgramKind);
    std::swap(state.editedSatName, values.editedSatName);
}

}  // namespace

// ---- StoredClipboard ------------------------------------------------------------------------------

StoredClipboard StoredClipboard::take(ProgramSnapshot*& head) {
    StoredClipboard stored;
    stored.m_nodes.reserve(static_cast<std::size_t>(countSnapshots(head)));
    for (const ProgramSnapshot* node = head; node != nullptr; node = node->next) {
        stored.m_nodes.push_back(*node);
        stored.m_nodes.back().next = nullptr;
    }
    freeSnapshotList(head);
    return stored;
}

ProgramSnapshot* StoredClipboard::release() {
    ProgramSnapshot* head = nullptr;
    ProgramSnapshot** link = &head;
    for (const ProgramSnapshot& kept : m_nodes) {
        *link = new ProgramSnapshot(kept);
        link = &(*link)->next;
    }
    m_nodes.clear();
    m_nodes.shrink_to_fit();
    return head;
}

std::size_t StoredClipboard::bytes() const {
    return m_nodes.capacity() * sizeof(ProgramSnapshot);
}

// ---- EditorShadow ---------------------------------------------------------------------------------

EditorShadow::EditorShadow() : m_image(std::make_unique<all_tables_block>()) {}

EditorShadow::~EditorShadow() {
    freeSnapshotList(m_aside);
}

void EditorShadow::reset(const EditorState& live) {
    *m_image = live.image;
    m_listId = m_nextListId++;
    m_fields = readFields(live.programClipboard);
    m_values = valuesOf(live);
    freeSnapshotList(m_aside);
    m_hasAside = false;
}

void EditorShadow::clipboardWillChange(EditorState& live) {
    if (m_hasAside) {
        // Only the list of the last step matters; one filled in between was never part of a step.
        freeSnapshotList(live.programClipboard);
        return;
    }
    m_hasAside = true;
    m_aside = live.programClipboard;
    m_asideId = m_listId;
    live.programClipboard = nullptr;
}

void EditorShadow::clipboardChanged(const EditorState& live) {
    m_listId = m_nextListId++;
    m_fields = readFields(live.programClipboard);
}

// ---- StateDelta -----------------------------------------------------------------------------------

StateDelta StateDelta::record(EditorShadow& shadow, const EditorState& live) {
    StateDelta step;
    std::uint8_t* before = bytesOf(*shadow.m_image);
    const std::uint8_t* now = bytesOf(live.image);
    const auto blocks = static_cast<std::uint32_t>((kImageSize + kBlock - 1) / kBlock);
    for (std::uint32_t b = 0; b < blocks; ++b) {
        const std::size_t offset = std::size_t{b} * kBlock;
        const std::size_t length = blockLength(b);
        if (std::memcmp(before + offset, now + offset, length) == 0)
            continue;
        step.m_blocks.push_back(b);
        step.m_bytes.insert(step.m_bytes.end(), before + offset, before + offset + length);
        std::memcpy(before + offset, now + offset, length);
    }
    if (shadow.m_hasAside) {
        step.m_ownsList = true;
        step.m_list = StoredClipboard::take(shadow.m_aside);
        step.m_listId = shadow.m_asideId;
        shadow.m_hasAside = false;
    } else {
        std::vector<ClipboardNodeFields> fields = readFields(live.programClipboard);
        if (fields != shadow.m_fields) {
            step.m_hasFields = true;
            step.m_fields = std::move(shadow.m_fields);
            step.m_listId = shadow.m_listId;
        }
    }
    shadow.m_fields = readFields(live.programClipboard);
    const HandOverValues values = valuesOf(live);
    if (values != shadow.m_values) {
        step.m_hasValues = true;
        step.m_values = shadow.m_values;
        shadow.m_values = values;
    }
    return step;
}

void StateDelta::exchangeClipboard(EditorShadow& shadow, EditorState& live) {
    if (m_ownsList) {
        StoredClipboard other = StoredClipboard::take(live.programClipboard);
        live.programClipboard = m_list.release();
        m_list = std::move(other);
        std::swap(m_listId, shadow.m_listId);
    } else if (m_hasFields && m_listId == shadow.m_listId) {
        exchangeFields(live.programClipboard, m_fields);
    }
}

void StateDelta::exchange(EditorShadow& shadow, EditorState& live) {
    std::uint8_t* image = bytesOf(live.image);
    std::uint8_t* mirror = bytesOf(*shadow.m_image);
    std::size_t at = 0;
    for (const std::uint32_t b : m_blocks) {
        const std::size_t offset = std::size_t{b} * kBlock;
        const std::size_t length = blockLength(b);
        std::swap_ranges(m_bytes.begin() + static_cast<std::ptrdiff_t>(at),
                         m_bytes.begin() + static_cast<std::ptrdiff_t>(at + length), image + offset);
        std::memcpy(mirror + offset, image + offset, length);
        at += length;
    }
    if (m_hasValues) {
        exchangeValues(live, m_values);
        shadow.m_values = valuesOf(live);
    }
    if (shadow.m_hasAside) {
        // A cut or copy since the last step: the list it replaced is the one this step knows. That list
        // goes back in, the step changes places with it, and the step keeps the new list instead, so
        // that coming back here gives the user's clipboard back as it was.
        ProgramSnapshot* newer = live.programClipboard;
        const std::uint64_t newerId = shadow.m_listId;
        live.programClipboard = shadow.m_aside;
        shadow.m_aside = nullptr;
        shadow.m_hasAside = false;
        shadow.m_listId = shadow.m_asideId;
        exchangeClipboard(shadow, live);
        m_ownsList = true;
        m_list = StoredClipboard::take(newer);
        m_listId = newerId;
        m_hasFields = false;
        m_fields.clear();
    } else {
        exchangeClipboard(shadow, live);
    }
    shadow.m_fields = readFields(live.programClipboard);
}

void StateDelta::keepClipboard(const ProgramSnapshot* head, std::uint64_t id) {
    if (m_ownsList)
        return;  // the step keeps a whole list already: the copied one will change places with it
    ProgramSnapshot* kept = cloneList(head);
    // The step's own fields of that list are the ones its other side had.
    if (m_hasFields && m_listId == id)
        exchangeFields(kept, m_fields);
    m_ownsList = true;
    m_list = StoredClipboard::take(kept);
    m_listId = id;
    m_hasFields = false;
    m_fields.clear();
}

bool StateDelta::absorb(const StateDelta& next) {
    if (m_ownsList || next.m_ownsList || (m_hasFields && next.m_hasFields && m_listId != next.m_listId))
        return false;
    // A block both steps changed keeps this step's bytes (the older side); one only `next` changed had
    // the same bytes before this step as before `next`.
    std::vector<std::uint32_t> blocks;
    std::vector<std::uint8_t> bytes;
    blocks.reserve(m_blocks.size() + next.m_blocks.size());
    bytes.reserve(m_bytes.size() + next.m_bytes.size());
    std::size_t i = 0, j = 0, at = 0, nextAt = 0;
    while (i < m_blocks.size() || j < next.m_blocks.size()) {
        const bool mine = j == next.m_blocks.size() || (i < m_blocks.size() && m_blocks[i] <= next.m_blocks[j]);
        const std::uint32_t b = mine ? m_blocks[i] : next.m_blocks[j];
        const std::size_t length = blockLength(b);
        const std::uint8_t* from = mine ? m_bytes.data() + at : next.m_bytes.data() + nextAt;
        blocks.push_back(b);
        bytes.insert(bytes.end(), from, from + length);
        if (mine) {
            ++i;
            at += length;
        }
        if (j < next.m_blocks.size() && next.m_blocks[j] == b) {
            ++j;
            nextAt += length;
        }
    }
    m_blocks = std::move(blocks);
    m_bytes = std::move(bytes);
    if (!m_hasFields && next.m_hasFields) {
        m_hasFields = true;
        m_fields = next.m_fields;
        m_listId = next.m_listId;
    }
    if (!m_hasValues && next.m_hasValues) {
        m_hasValues = true;
        m_values = next.m_values;
    }
    return true;
}

bool StateDelta::empty() const {
    return m_blocks.empty() && !m_ownsList && !m_hasFields && !m_hasValues;
}

std::size_t StateDelta::bytes() const {
    return sizeof(*this) + m_bytes.capacity() + m_blocks.capacity() * sizeof(std::uint32_t) + m_list.bytes() +
           m_fields.capacity() * sizeof(ClipboardNodeFields) + m_values.editedSatName.capacity();
}

}  // namespace vizud
