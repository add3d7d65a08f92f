// The channel list as a spreadsheet reads it: RFC 4180 CSV in UTF-8, one line per program in table order.
#pragma once

#include <string>

#include "database/image_layout.h"

namespace vizud {

inline constexpr const char* kCsvHeader =
    "number,class,name,provider,satellite,position,frequency,polarization,symbol_rate,system,service_id,"
    "video_pid,audio_pid,pcr_pid,scrambled,scpc,locked,user,favourites";

// The header line and every program, lines ending in CRLF. References that point nowhere give empty
// fields; names lose their character-table byte and are read as Latin-1.
std::string exportCsv(const all_tables_block& img);

// "19.2E": a satellite's orbital position as the lists show it.
std::string satellitePosition(const st_sat& sat);

// A field as RFC 4180 writes it: quoted (with doubled quotes) when it holds a comma, a quote or a line
// break.
std::string csvField(const std::string& text);

}  // namespace vizud
