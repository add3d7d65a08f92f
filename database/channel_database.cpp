#include "database/channel_database.h"

#include "database/image_access.h"
#include "database/image_crc.h"

namespace vizud {

ChannelDatabase::ChannelDatabase(EditorState& state, Messages& messages) : m_state(state), m_messages(messages) {}

std::uint8_t* ChannelDatabase::imageData(std::uint32_t /*version*/) {
    return reinterpret_cast<std::uint8_t*>(&m_state.image);
}

std::uint32_t ChannelDatabase::imageLength(std::uint32_t /*version*/) const { return kImageSize; }

std::uint32_t ChannelDatabase::refreshCrc() { return vizud::refreshCrc(m_state.image); }

void ChannelDatabase::updateChecksum() { vizud::refreshCrc(m_state.image); }

bool countsWithinCapacity(const all_tables_block& img) {
    if (img.satCount > kMaxSatellites || img.programCount > kMaxPrograms || img.tvCount > img.programCount ||
        img.tpCount > kMaxTransponders || img.providerCount > kMaxProviders) {
        return false;
    }
    for (const st_fav& list : img.favourites) {
        if (list.favCount > kMaxFavouriteEntries || list.favTvCount > list.favCount) {
            return false;
        }
    }
    return true;
}

}  // namespace vizud
