#include "app/frame_state.h"

#include <cstdio>

#include "app/command_ids.h"
#include "database/table_codes.h"

namespace vizud {

CountsPane countsPane(const ChannelDatabase& db, bool fileOpened, bool downloaded) {
    if (!fileOpened && !downloaded) {
        return {"---", 70};
    }
    std::uint32_t tv = 0;
    std::uint32_t all = 0;
    db.getInfo(kInfoTvCount, tv);
    db.getInfo(kInfoProgramCount, all);
    const std::uint32_t radio = all >= tv ? all - tv : 0;
    char text[64];
    std::snprintf(text, sizeof(text), "TV:%u, Radio:%u", tv, radio);
    return {text, 100};
}

std::uint32_t filterCommandBit(int commandId) {
    switch (commandId) {
        case kCmdShowTvAndRadio:
            return kViewTvAndRadio;
        case kCmdShowTv:
            return kViewTvOnly;
        case kCmdShowRadio:
            return kViewRadioOnly;
        default:
            return 0;
    }
}

void applyFilterCommand(BrowseState& browse, int commandId) {
    const std::uint32_t bit = filterCommandBit(commandId);
    if (bit != 0) {
        browse.viewMode = (browse.viewMode & ~std::uint32_t{7}) | bit;
    }
}

bool filterCommandChecked(const BrowseState& browse, int commandId) {
    const std::uint32_t bit = filterCommandBit(commandId);
    return bit != 0 && (browse.viewMode & bit) != 0;
}

bool FilterRefresh::takeChange(std::uint32_t viewMode) {
    viewMode &= kCategoryBits;
    if (viewMode == m_lastViewMode) {
        return false;
    }
    m_lastViewMode = viewMode;
    return true;
}

}  // namespace vizud
