// The main window's rules that do not depend on widgets: the program-count pane, the category filters of
// the toolbar, and when a filter change makes the views refresh.
#pragma once

#include <cstdint>
#include <string>

#include "database/channel_database.h"
#include "database/editor_state.h"

namespace vizud {

struct CountsPane {
    std::string text;
    int width = 0;  // pixels
};

// "---" (70 pixels) while the image came neither from a file nor from the box, else "TV:%d, Radio:%d"
// (100 pixels) with the TV programs and the radio programs (all programs minus TV).
CountsPane countsPane(const ChannelDatabase& db, bool fileOpened, bool downloaded);

// The category bit (bits 0..2 of viewMode) of a filter command 32772..32774, 0 for any other command.
std::uint32_t filterCommandBit(int commandId);
// Sets the category of a filter command; the other bits of viewMode stay.
void applyFilterCommand(BrowseState& browse, int commandId);
bool filterCommandChecked(const BrowseState& browse, int commandId);

// Remembers the viewMode the frame last acted on, so a filter change refreshes the views once, at the next
// idle update after the command, not inside it.
class FilterRefresh {
public:
    static constexpr std::uint32_t kCategoryBits = kViewTvAndRadio | kViewTvOnly | kViewRadioOnly;
    explicit FilterRefresh(std::uint32_t viewMode) : m_lastViewMode(viewMode & kCategoryBits) {}
    // true (once) when the category (TV / radio, bits 0..2) differs from the one last acted on. Choosing a
    // tree node changes the other bits and refreshes the list itself: a second refresh at the next idle
    // update would clear a row the user clicked in the meantime.
    bool takeChange(std::uint32_t viewMode);

private:
    std::uint32_t m_lastViewMode;
};

}  // namespace vizud
