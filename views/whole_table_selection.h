// Selecting programs where they can be looked at, dragged or deleted: the tools that find programs
// (duplicates, a comparison with another file) end by showing them in the whole-table list.
#pragma once

#include <vector>

namespace vizud {

class ChannelDatabase;
class CLeftView;
class CViz_ud_app_17View;

// Switches the tree to the whole table (the Satellites root) showing the programs' class (TV or radio;
// both when they are mixed), selects the rows of `programs` (table indices) and scrolls the first into
// view.
void selectProgramsInWholeTable(ChannelDatabase& db, CLeftView& tree, CViz_ud_app_17View& list,
                                const std::vector<int>& programs);

}  // namespace vizud
