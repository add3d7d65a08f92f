// A channel list edited in a spreadsheet as the reference of Order like another file: the CSV `export`
// writes (RFC 4180, UTF-8, a BOM and CRLF or LF line ends accepted), read back by the header's column
// names in any order; unknown columns are ignored. Each data row is one reference program, in row order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "listtools/program_match.h"

namespace vizud {

struct CsvReferenceRow {
    int line = 0;      // the line the row starts on (the header is line 1)
    std::string name;  // UTF-8, as the row writes it
    // Position, frequency and polarization name the place; a row leaving the position empty (a program
    // whose satellite points nowhere) matches nothing, one leaving frequency or polarization empty only
    // by its name.
    bool positioned = false;
    bool tuned = false;
    std::uint16_t position = 0;  // tenths of a degree
    char direction = 'E';
    std::uint16_t frequency = 0;
    std::uint8_t polarization = 0;  // 0 H, 1 V, 2 L, 3 R
    std::uint16_t serviceId = 0;
    std::uint16_t flags = 0;       // the scrambled, scpc, locked and user columns as programFlags bits 0, 1, 2, 5
    std::uint16_t favourites = 0;  // bit l: the row names list l + 1
};

struct CsvReference {
    std::vector<CsvReferenceRow> rows;
    bool hasFlags = false;       // all four flag columns are there
    bool hasFavourites = false;  // the favourites column is there
    std::string error;           // "line N: why" when the file is refused; then no rows
};

// The programFlags bits the flag columns carry.
inline constexpr std::uint16_t kCsvFlagBits = 0x27;

CsvReference readCsvReference(std::string_view text);

// Whether a reference file is such a list rather than a channel file: named .csv (in any case), or, named
// neither .csv nor .si, with a first line naming the service_id column.
bool isCsvReferenceFile(const std::string& path);

// Each row's keys as a program's keys with shown names (programKeys(img, true)) compare with them.
std::vector<ProgramKeys> csvReferenceKeys(const CsvReference& reference);

}  // namespace vizud
