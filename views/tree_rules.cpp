#include "views/tree_rules.h"

#include <bit>
#include <cstdio>

#include "database/image_access.h"
#include "dialogs/field_rules.h"
#include "dialogs/latin1_text.h"

namespace vizud {
namespace {

inline constexpr std::uint8_t kAllEdits = 0x0F;  // cut, copy, paste, delete
inline constexpr std::uint8_t kEditPaste = 0x04;

bool isRoot(std::string_view text) {
    return text == kFavsRoot || text == kProvidersRoot || text == kSatellitesRoot;
}

void showWholeTable(BrowseState& browse) {
    browse.viewMode = (browse.viewMode & ~kViewFavouriteMask) | kViewWholeTable;
}

// A name for the record: at most 15 characters.
std::string cutName(const std::string& name) {
    return name.substr(0, kStoredNameLength);
}

std::string number(int value) {
    return std::to_string(value);
}

std::string entryOr(int value, std::initializer_list<const char*> entries) {
    if (value >= 0 && value < static_cast<int>(entries.size()))
        return *(entries.begin() + value);
    return number(value);  // a value the box's tables do not name
}

}  // namespace

TreeNodeKind classifyNode(std::string_view text, std::string_view parent, std::string_view grandparent) {
    if (isRoot(text) && parent.empty())
        return TreeNodeKind::Root;
    if (parent == kProvidersRoot)
        return TreeNodeKind::Provider;
    if (parent == kSatellitesRoot)
        return TreeNodeKind::Satellite;
    if (parent == kFavsRoot)
        return TreeNodeKind::FavouriteList;
    if (grandparent == kSatellitesRoot)
        return text == kPlaceholderNode ? TreeNodeKind::Placeholder : TreeNodeKind::Transponder;
    return TreeNodeKind::Other;
}

void selectNode(BrowseState& browse, TreeNodeKind kind, const std::string& text, const std::string& parent,
                int recordIndex) {
    const auto narrowed = [&browse](std::uint8_t filter) {
        browse.filterKind = filter;
        showWholeTable(browse);
        browse.editMask = static_cast<std::uint8_t>((browse.editMask | kAllEdits) & ~kEditPaste);
    };
    browse.satelliteIndex = -1;
    switch (kind) {
        case TreeNodeKind::Root:
            browse.selectedText = text;
            showWholeTable(browse);
            if (text == kFavsRoot) {
                narrowed(kFilterFavs);
            } else {
                browse.filterKind = 0;
                browse.editMask = kAllEdits;
            }
            break;
        case TreeNodeKind::Provider:
            browse.selectedText = text;
            browse.parentText = parent;
            narrowed(kFilterProvider);
            break;
        case TreeNodeKind::Satellite:
        case TreeNodeKind::Transponder:
        case TreeNodeKind::Placeholder:
            browse.selectedText = text;
            browse.parentText = parent;
            browse.satelliteIndex = recordIndex;
            narrowed(kind == TreeNodeKind::Satellite ? kFilterSatellite : kFilterTransponder);
            break;
        case TreeNodeKind::FavouriteList:
            // A list takes what was cut or copied in any view: paste stays allowed (it still needs a clipboard).
            browse.filterKind = 0;
            browse.editMask = kAllEdits;
            if (recordIndex >= 0 && recordIndex < kFavouriteLists) {
                browse.viewMode = (browse.viewMode & ~(kViewFavouriteMask | kViewWholeTable)) |
                                  (1u << (kViewFirstFavouriteBit + recordIndex));
            }
            break;
        case TreeNodeKind::Other:
            break;
    }
}

std::string shownViewName(const ChannelDatabase& db) {
    // Choosing a list leaves the texts of the node chosen before it; the view mode names the list.
    const BrowseState& browse = db.state().browse;
    const std::uint32_t lists = (browse.viewMode & kViewFavouriteMask) >> kViewFirstFavouriteBit;
    if (!(browse.viewMode & kViewWholeTable) && lists != 0) {
        const int list = std::countr_zero(lists);
        return latin1ToUtf8(showName(nameText(db.image().favourites[list].favName)).text);
    }
    return latin1ToUtf8(showName(browse.selectedText).text);
}

bool renameNode(ChannelDatabase& db, Messages& messages, TreeNodeKind kind, int recordIndex, const std::string& name,
                std::string& stored) {
    if (kind == TreeNodeKind::Root) {
        messages.show("You cannot change name of this tree element.", MessageIcon::None);
        return false;
    }
    if (kind != TreeNodeKind::Provider && kind != TreeNodeKind::Satellite && kind != TreeNodeKind::FavouriteList)
        return false;
    const std::string cut = cutName(name);
    if (cut.empty()) {
        // A node without a name could never be found again.
        messages.show("A name can not be empty. The old name is kept.", MessageIcon::Exclamation);
        return false;
    }
    RecordView view;
    int result = 0;
    if (kind == TreeNodeKind::Satellite) {
        result = db.getRecord(kTableSatellites, recordIndex, view);
        view.word16 = cut.c_str();
        if (result == 0)
            result = db.setSatellite(recordIndex, view);
    } else {
        view.word16 = cut.c_str();
        const int table = kind == TreeNodeKind::Provider ? kTableProviders : kTableFavourites;
        result = db.modifyRecord(table, kOpUpdate, recordIndex, view);
    }
    if (result != 0)
        return false;
    stored = cut;
    return true;
}

int typedNameLimit(std::string_view stored) {
    return kStoredNameLength - (showName(stored).leadByte != 0 ? 1 : 0);
}

NodeStep nodeStep(const std::vector<std::string>& texts, int index) {
    NodeStep step;
    if (index < 0 || index >= static_cast<int>(texts.size()))
        return step;
    step.text = texts[static_cast<std::size_t>(index)];
    step.index = index;
    for (int i = 0; i < index; ++i)
        step.sameBefore += texts[static_cast<std::size_t>(i)] == step.text ? 1 : 0;
    return step;
}

int findNodeStep(const std::vector<std::string>& texts, const NodeStep& step, bool orPlace) {
    int seen = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == step.text && seen++ == step.sameBefore)
            return static_cast<int>(i);
    }
    return orPlace && step.index >= 0 && step.index < static_cast<int>(texts.size()) ? step.index : -1;
}

std::string transponderNodeText(int frequency, int polarisation) {
    static constexpr char kLetters[] = "HVL";
    const char letter = polarisation >= 0 && polarisation < 3 ? kLetters[polarisation] : 'R';
    return std::to_string(frequency) + "(" + letter + ")";
}

int nodeFrequency(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || value > 100000)
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

char nodeLetter(std::string_view text) {
    const std::size_t open = text.find('(');
    return open != std::string_view::npos && open + 1 < text.size() ? text[open + 1] : '\0';
}

int findNodeTransponder(const ChannelDatabase& db, int satIndex, std::string_view text) {
    const all_tables_block& img = db.image();
    if (satIndex < 0 || satIndex >= satelliteCount(img))
        return -1;
    const int satId = img.satellites[satIndex].satId;
    const int frequency = nodeFrequency(text);
    const char letter = nodeLetter(text);
    const int count = transponderCount(img);
    for (int t = 0; t < count; ++t) {
        const st_ts& tp = img.transponders[t];
        if (tp.satId == satId && tp.frequency == frequency &&
            (letter == '\0' || transponderNodeText(tp.frequency, tp.polarization) == text)) {
            return t;
        }
    }
    return -1;
}

int transponderNodePlace(const std::vector<std::string>& children, int frequency) {
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (nodeFrequency(children[i]) >= frequency)
            return static_cast<int>(i);
    }
    return static_cast<int>(children.size());
}

std::string rootTip(std::string_view root) {
    if (root == kProvidersRoot)
        return "List of providers.";
    if (root == kSatellitesRoot)
        return "List of satellites.";
    if (root == kFavsRoot)
        return "User favourite channels.";
    return {};
}

std::string satelliteTip(const ChannelDatabase& db, int satIndex) {
    const all_tables_block& img = db.image();
    if (satIndex < 0 || satIndex >= satelliteCount(img))
        return {};
    const st_sat& sat = img.satellites[satIndex];
    std::string degree = degreeText(sat.position) + "\xB0";
    if (sat.eastWest > ' ')
        degree += std::string(" ") + static_cast<char>(sat.eastWest);
    return "Degree: " + degree + ", Lower LO: " + number(sat.lnbLowLo) + ", Upper LO: " + number(sat.lnbHighLo) +
           " \nDiSEqC: " + entryOr(sat.diseqcMode, {"OFF", "A", "B", "C", "D", "Tone Burst A", "Tone Burst B"}) +
           ", 22Khz: " + entryOr(sat.tone22k, {"Auto", "On", "Off"}) +
           ", Positioner: " + entryOr(sat.motorEnabled, {"No", "Yes"});
}

std::string transponderTip(const ChannelDatabase& db, int tpIndex) {
    const all_tables_block& img = db.image();
    if (tpIndex < 0 || tpIndex >= transponderCount(img))
        return {};
    const st_ts& tp = img.transponders[tpIndex];
    return "Freq: " + number(tp.frequency) + ", Symb: " + number(tp.symbolRate) +
           " MS/s, FEC: " + entryOr(tp.fec, {"AUTO", "1/2", "2/3", "3/4", "4", "5/6", "6", "7/8"}) +
           ", Pol: " + entryOr(tp.polarization, {"Horizontal", "Vertical", "Circular Left", "Circular Right"}) +
           ",\nNet ID: " + number(tp.networkId) + ", Oryginal Net ID: " + number(tp.originalNetworkId) +
           ", Transport Stream ID: " + number(tp.tsId);
}

}  // namespace vizud
