// What both transponder dialogs share: the fields of a transponder, how a record fills them, and the
// checks of OK with their messages.
#pragma once

#include <string>

#include "database/channel_database.h"
#include "dialogs/dialog_field.h"

namespace vizud {

inline constexpr int kTransponderAdd = 1;
inline constexpr int kTransponderEdit = 2;

struct TransponderFields {
    std::string frequency;   // MHz
    std::string symbolRate;  // kS/s
    std::string tsId;
    std::string networkId;
    std::string originalNetworkId;
    int polarisation = -1;  // button 0..3, -1 none checked
    int fec = -1;           // button 0..5, -1 none checked
};

// The fields of a record: its numbers in decimal and its buttons (a value with no button leaves its
// group unchecked).
TransponderFields fieldsOf(const st_ts& tp);
// The fields a dialog opens with: the record's in edit mode; in add mode empty, with horizontal and FEC 0.
TransponderFields openingFields(int mode, const st_ts& tp);

// OK's checks, in their order. Each reads at most 11 characters of its field, stores an accepted value
// in `tp` and otherwise shows its message (the text as typed in place of %s), names the field in
// `refused` and answers false.
bool checkFrequency(const TransponderFields& fields, Messages& messages, st_ts& tp, DialogField& refused);
// Polarisation and FEC from the checked buttons; an unchecked group leaves its field.
void takeButtons(const TransponderFields& fields, st_ts& tp);
bool checkSymbolRate(const TransponderFields& fields, Messages& messages, st_ts& tp, DialogField& refused);
bool checkIds(const TransponderFields& fields, Messages& messages, st_ts& tp, DialogField& refused);

// The record form of a transponder for modifyRecord 502.
RecordView transponderRecord(const st_ts& tp);

}  // namespace vizud
