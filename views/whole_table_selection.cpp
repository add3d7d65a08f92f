#include "views/whole_table_selection.h"

#include <algorithm>

#include "database/channel_database.h"
#include "views/left_view.h"
#include "views/program_list_view.h"
#include "views/tree_rules.h"

namespace vizud {

void selectProgramsInWholeTable(ChannelDatabase& db, CLeftView& tree, CViz_ud_app_17View& list,
                                const std::vector<int>& programs) {
    const int tv = db.image().tvCount;
    const bool anyTv = std::any_of(programs.begin(), programs.end(), [tv](int p) { return p < tv; });
    const bool anyRadio = std::any_of(programs.begin(), programs.end(), [tv](int p) { return p >= tv; });
    BrowseState& browse = db.state().browse;
    const std::uint32_t category = anyTv && anyRadio ? kViewTvAndRadio : anyTv ? kViewTvOnly : kViewRadioOnly;
    browse.viewMode = (browse.viewMode & ~(kViewTvAndRadio | kViewTvOnly | kViewRadioOnly)) | category;
    QTreeWidgetItem* root = tree.rootItem(kSatellitesRoot);
    if (tree.currentItem() != root)
        tree.setCurrentItem(root);  // the tree's selection refills the list
    else
        list.onUpdate();
    std::vector<char> wanted(static_cast<std::size_t>(std::max(db.image().programCount, std::uint16_t{1})), 0);
    for (const int p : programs) {
        if (p >= 0 && p < static_cast<int>(wanted.size()))
            wanted[static_cast<std::size_t>(p)] = 1;
    }
    std::vector<int> rows;
    const std::vector<ListRow>& shown = list.listModel().fill().rows;
    for (std::size_t r = 0; r < shown.size(); ++r) {
        const int p = shown[r].program;
        if (p >= 0 && p < static_cast<int>(wanted.size()) && wanted[static_cast<std::size_t>(p)])
            rows.push_back(static_cast<int>(r));
    }
    list.selectRowList(rows);
    list.setFocus();
}

}  // namespace vizud
