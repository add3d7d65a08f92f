#include "dialogs/combo_items.h"

#include "database/image_access.h"
#include "dialogs/field_rules.h"
#include "dialogs/latin1_text.h"

namespace vizud {

ComboItems satelliteItems(const ChannelDatabase& db) {
    const all_tables_block& img = db.image();
    ComboItems items;
    const int count = satelliteCount(img);
    items.reserve(static_cast<std::size_t>(count));
    for (int s = 0; s < count; ++s) {
        items.push_back({latin1ToUtf8(showName(nameText(img.satellites[s].name)).text), s});
    }
    return items;
}

ComboItems transponderItems(const ChannelDatabase& db, int satId) {
    const all_tables_block& img = db.image();
    ComboItems items;
    const int count = transponderCount(img);
    for (int t = 0; t < count; ++t) {
        if (img.transponders[t].satId == satId) {
            items.push_back({std::to_string(img.transponders[t].frequency), t});
        }
    }
    return items;
}

ComboItems providerItems(const ChannelDatabase& db) {
    const all_tables_block& img = db.image();
    ComboItems items;
    const int count = providerCount(img);
    items.reserve(static_cast<std::size_t>(count));
    for (int p = 0; p < count; ++p) {
        items.push_back({latin1ToUtf8(showName(nameText(img.providers[p].name)).text), p});
    }
    return items;
}

int positionOfIndex(const ComboItems& items, int index) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].index == index)
            return static_cast<int>(i);
    }
    return -1;
}

int positionOfText(const ComboItems& items, const std::string& text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].text == text)
            return static_cast<int>(i);
    }
    return -1;
}

int indexAt(const ComboItems& items, int position) {
    if (position < 0 || position >= static_cast<int>(items.size()))
        return -1;
    return items[static_cast<std::size_t>(position)].index;
}

}  // namespace vizud
