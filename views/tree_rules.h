// The tree pane's rules without the widget: what kind of node a node is, what selecting it shows in the
// list, how it is renamed, the text and place of a transponder node, and the tool tips. Nodes are told
// apart by their texts as the box's editor does, and each node also knows the table index of its own
// record, so two satellites or lists of one name, or two transponders of one frequency, never act on
// each other's record.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "database/channel_database.h"

namespace vizud {

inline constexpr const char* kFavsRoot = "Favs";
inline constexpr const char* kProvidersRoot = "Providers";
inline constexpr const char* kSatellitesRoot = "Satellites";
inline constexpr const char* kPlaceholderNode = "Empty";

enum class TreeNodeKind { Root, FavouriteList, Provider, Satellite, Transponder, Placeholder, Other };

// By the texts of the node, its parent and its grandparent ("" where there is none).
TreeNodeKind classifyNode(std::string_view text, std::string_view parent, std::string_view grandparent);

// What selecting a node writes into the browse state. `recordIndex` is the node's own record: the list
// for a favourite list node, the satellite for a satellite or transponder node (its parent's), else -1.
// Every selection shows what its node stands for, a root after another root too.
void selectNode(BrowseState& browse, TreeNodeKind kind, const std::string& text, const std::string& parent,
                int recordIndex);

// The name of the view the list shows (a printed page's heading), as UTF-8: the favourite list shown,
// else the node selected last; names as the tree shows them, "" before any selection.
std::string shownViewName(const ChannelDatabase& db);

// Renames the record of a provider, satellite or favourite list node to `name` (the image's bytes, cut
// after 15 characters). A root is refused with "You cannot change name of this tree element.", an empty
// name with its own message; transponder and placeholder nodes keep their texts. True when renamed;
// `stored` then holds the node's new text.
bool renameNode(ChannelDatabase& db, Messages& messages, TreeNodeKind kind, int recordIndex, const std::string& name,
                std::string& stored);

// The most characters a rename stores: the records' 16-byte name fields keep 15.
inline constexpr int kStoredNameLength = static_cast<int>(sizeof(st_fav::favName)) - 1;
// The characters the in-place editor of a name node whose name is `stored` takes: all a rename stores, less
// the character-table byte the name keeps.
int typedNameLimit(std::string_view stored);

// "12245(H)": a transponder's node text, its polarisation as a letter (1 V, 0 H, 2 L, any other R).
std::string transponderNodeText(int frequency, int polarisation);
// The number a node text starts with ("Empty" reads 0) and the letter in its parentheses (0 for none).
int nodeFrequency(std::string_view text);
char nodeLetter(std::string_view text);
// The transponder of satellite `satIndex` that a node text names (frequency and letter); -1 for none.
int findNodeTransponder(const ChannelDatabase& db, int satIndex, std::string_view text);
// Where a new transponder node goes among a satellite's children (their texts): before the first whose
// number is the new frequency or more, else after the last.
int transponderNodePlace(const std::vector<std::string>& children, int frequency);

// A node's step on its way down from a root, by which the same node is found again when the tree is read
// anew (after an undo, a satellite deleted): its text, how many siblings before it bear the same text (two
// satellites of one name), and its place among its siblings.
struct NodeStep {
    std::string text;
    int sameBefore = 0;
    int index = 0;
};
using NodePath = std::vector<NodeStep>;

// The step to child `index` of a node whose children have `texts`.
NodeStep nodeStep(const std::vector<std::string>& texts, int index);
// The child among `texts` that `step` names: the same text with as many namesakes before it; -1 when it is
// gone. `orPlace`: a child of another text at the step's place stands for it (a node renamed meanwhile).
int findNodeStep(const std::vector<std::string>& texts, const NodeStep& step, bool orPlace);

// Tool tips (the image's bytes, the degree sign as byte 0xB0); "" for a node without one.
std::string rootTip(std::string_view root);
std::string satelliteTip(const ChannelDatabase& db, int satIndex);
std::string transponderTip(const ChannelDatabase& db, int tpIndex);

}  // namespace vizud
