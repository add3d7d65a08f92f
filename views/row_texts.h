// The ten texts of a program list row, made when a cell is shown. What every row needs from the rest of
// the image (the satellite of each satellite key, the lists holding each program) is gathered once per
// fill, so a text costs no walk over a table.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "database/channel_database.h"
#include "views/list_rows.h"

namespace vizud {

enum ListColumn {
    kColumnIndex,
    kColumnName,
    kColumnStatus,
    kColumnProvider,
    kColumnSatellite,
    kColumnFrequency,
    kColumnSymbolRate,
    kColumnPolarisation,
    kColumnSystem,
    kColumnFavourites,
    kListColumns
};

struct ColumnSpec {
    const char* header;
    int width;  // pixels
};
extern const std::array<ColumnSpec, kListColumns> kListColumnSpecs;

// Widths for the columns over `total` units: shared in proportion to the box's widths, except that no
// column is narrower than its minimum (its header's width); the others give up the room it takes. When
// the minimums alone exceed the total, each column gets its minimum.
std::array<int, kListColumns> fitColumnWidths(const std::array<int, kListColumns>& minimums, int total);

class RowFormatter {
public:
    explicit RowFormatter(const ChannelDatabase& db) : m_db(db) {}

    // Re-reads what the texts need after the image changed.
    void refresh();
    // The text of a column, as the image's bytes (Latin-1); names without a character-table byte. A row whose program, provider or transponder
    // cannot be read shows the texts before the one that failed and leaves the others empty.
    std::string text(const ListRow& row, int column) const;

private:
    const ChannelDatabase& m_db;
    std::array<int, 256> m_satelliteOfKey{};      // table index of the first satellite with that key, -1 none
    std::vector<std::uint16_t> m_favouriteMasks;  // per program: bit k when list k holds it
};

}  // namespace vizud
