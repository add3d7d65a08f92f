// Transponders from a satellites.xml, the list Linux satellite receivers keep of every satellite's
// transponders: reading such a file safely, the plan of what it brings to the image (transponders the
// image lacks added, those it has given the file's symbol rate and FEC, nothing deleted) and its
// application as one change.
#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "database/channel_database.h"

namespace vizud {

struct XmlTransponder {
    long frequency = 0;   // kHz
    long symbolRate = 0;  // symbols per second
    int polarization = 0;  // 0 H, 1 V, 2 L, 3 R
    int fecInner = 0;      // 0 auto, 1 1/2, 2 2/3, 3 3/4, 4 5/6, 5 7/8, 6 8/9, 7 3/5, 8 4/5, 9 9/10
};
struct XmlSatellite {
    std::string name;
    int position = 0;  // tenths of a degree, negative west
    std::vector<XmlTransponder> transponders;
};
struct SatellitesXml {
    std::vector<XmlSatellite> satellites;
    std::string error;  // "line N: ..." when the file was refused; the satellites are then empty
};

// Reads the file in pieces: a document type declaration (and so any entity) is refused, as are more
// than a few levels of elements and more transponders than any real file holds, so no file can make
// the reader take more than a bounded amount of memory.
SatellitesXml readSatellitesXml(std::istream& in);
SatellitesXml readSatellitesXml(std::string_view text);

// The box's FEC code for a satellites.xml fec_inner (8/9, 3/5, 4/5 and 9/10, which the box cannot
// store, become auto).
int boxFec(int fecInner);

struct SatellitePlan {
    int satellite = 0;  // index in the image
    std::string name;   // as the tree shows it
    bool inFile = false;  // the file has a satellite at its position
    int added = 0;
    int changed = 0;
    int unmatched = 0;  // its transponders the file does not list (they stay)
};
struct TransponderPlan {
    std::vector<SatellitePlan> satellites;
    std::vector<st_ts> additions;
    std::vector<std::pair<int, st_ts>> changes;  // transponder index and its new record
};

// What the file brings to every satellite of the image, or to the one named `onlySatellite` (as the
// tree shows its name). Satellites pair by orbital position (tenths and direction); transponders by
// polarization and frequency within 2 MHz.
TransponderPlan planTransponderUpdate(const all_tables_block& img, const SatellitesXml& file,
                                      const std::string& onlySatellite = {});
// One line per satellite: "Astra 19.2E: 12 added, 3 changed, 1 not in the file", then the totals.
std::string planText(const TransponderPlan& plan);
// Applies the plan: -1 when the transponder table cannot take the additions (nothing changes; `why`
// says how many would not fit), else 0.
int applyTransponderPlan(ChannelDatabase& db, const TransponderPlan& plan, std::string* why);

}  // namespace vizud
