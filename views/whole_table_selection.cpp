#include "views/whole_table_selection.h"

#include <algorithm>

#include "database/image_access.h"
#include "views/left_view.h"
#include "views/program_list_view.h"

namespace vizud {

void selectProgramsInWholeTable(ChannelDatabase& db, CLeftView& tree, CViz_ud_app_17View& list,
                                const std::vector<int>& programs) {
    if (programs.empty())
        return;
    const int tv = db.image().tvCount;
    const bool anyTv = std::any_of(programs.begin(), programs.end(), [tv](int p) { return p < tv; });
    const bool anyRadio = std::any_of(programs.begin(), programs.end(), [tv](int p) { return p >= tv; });
    std::uint32_t& mode = db.state().browse.viewMode;
    const bool hidden = ((mode & kViewTvOnly) != 0 && anyRadio) || ((mode & kViewRadioOnly) != 0 && anyTv);
    if (hidden) {
        const std::uint32_t category = anyTv && anyRadio ? kViewTvAndRadio : anyTv ? kViewTvOnly : kViewRadioOnly;
        mode = (mode & ~(kViewTvAndRadio | kViewTvOnly | kViewRadioOnly)) | category;
    }
    // The root shows the whole table; choosing it refills the list, else the list is read again here.
    QTreeWidgetItem* root = tree.rootItem(kSatellitesRoot);
    if (tree.currentItem() != root)
        tree.setCurrentItem(root);
    else
        list.onUpdate();
    std::vector<char> wanted(static_cast<std::size_t>(programCount(db.image())), 0);
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
    if (!rows.empty())
        list.selectRowList(rows);
    list.setFocus();
}

}  // namespace vizud
