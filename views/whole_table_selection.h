// Shows programs to the user in the whole-table list: the tree goes to the whole table, the TV / radio
// category widens when it hides some of them, and their rows are selected with the first in view, ready
// to be looked at, dragged, locked or deleted.
#pragma once

#include <vector>

namespace vizud {

class ChannelDatabase;
class CLeftView;
class CViz_ud_app_17View;

// `programs`: table indices, in any order. Nothing happens for none.
void selectProgramsInWholeTable(ChannelDatabase& db, CLeftView& tree, CViz_ud_app_17View& list,
                                const std::vector<int>& programs);

}  // namespace vizud
