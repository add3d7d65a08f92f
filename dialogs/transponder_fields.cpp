#include "dialogs/transponder_fields.h"

#include <cstdint>

#include "dialogs/field_rules.h"

namespace vizud {
namespace {

inline constexpr std::size_t kFieldLength = 11;

// Reads a field as one number in [low, high]; otherwise shows `before` + text + `after`.
struct Range {
    DialogField field;
    int low, high;
    const char* before;
    const char* after;
};

bool checkRange(const std::string& field, const Range& range, Messages& messages, std::uint16_t& out,
                DialogField& refused) {
    const std::string_view text = firstChars(field, kFieldLength);
    const std::optional<std::int32_t> value = parseDecimal(text);
    if (!value || *value < range.low || *value > range.high) {
        refused = range.field;
        messages.show(range.before + std::string(text) + range.after, MessageIcon::Stop);
        return false;
    }
    out = static_cast<std::uint16_t>(*value);
    return true;
}

}  // namespace

TransponderFields fieldsOf(const st_ts& tp) {
    TransponderFields fields;
    fields.frequency = std::to_string(tp.frequency);
    fields.symbolRate = std::to_string(tp.symbolRate);
    fields.tsId = std::to_string(tp.tsId);
    fields.networkId = std::to_string(tp.networkId);
    fields.originalNetworkId = std::to_string(tp.originalNetworkId);
    fields.polarisation = polarisationButton(tp.polarization);
    fields.fec = fecButton(tp.fec);
    return fields;
}

TransponderFields openingFields(int mode, const st_ts& tp) {
    if (mode == kTransponderEdit)
        return fieldsOf(tp);
    TransponderFields fields;
    fields.polarisation = 0;
    fields.fec = 0;
    return fields;
}

bool checkFrequency(const TransponderFields& fields, Messages& messages, st_ts& tp, DialogField& refused) {
    const Range range{DialogField::Frequency, 1000, 13000,
                      "Unknown Frequency value: ", "!\nYou must enter value 1000..13000"};
    return checkRange(fields.frequency, range, messages, tp.frequency, refused);
}

void takeButtons(const TransponderFields& fields, st_ts& tp) {
    if (fields.polarisation >= 0)
        tp.polarization = static_cast<std::uint8_t>(polarisationValue(fields.polarisation));
    if (fields.fec >= 0)
        tp.fec = static_cast<std::uint8_t>(fecValue(fields.fec));
}

bool checkSymbolRate(const TransponderFields& fields, Messages& messages, st_ts& tp, DialogField& refused) {
    const Range range{DialogField::SymbolRate, 1000, 50000,
                      "Unknown Symbolrate value: ", "!\nYou must enter value 1000..50000"};
    return checkRange(fields.symbolRate, range, messages, tp.symbolRate, refused);
}

bool checkIds(const TransponderFields& fields, Messages& messages, st_ts& tp, DialogField& refused) {
    const char* const values = "!\nYou must enter value 0..65535";
    const Range ts{DialogField::TsId, 0, 65535, "Unknown Transport Stream ID value: ", values};
    const Range network{DialogField::NetworkId, 0, 65535, "Unknown Network ID value: ", values};
    const Range original{DialogField::OriginalNetworkId, 0, 65535, "Unknown Oryginal Network ID value: ", values};
    return checkRange(fields.tsId, ts, messages, tp.tsId, refused) &&
           checkRange(fields.networkId, network, messages, tp.networkId, refused) &&
           checkRange(fields.originalNetworkId, original, messages, tp.originalNetworkId, refused);
}

RecordView transponderRecord(const st_ts& tp) {
    RecordView view;
    view.word[0] = tp.satId;
    view.word[2] = tp.polarization;
    view.word[3] = tp.fec;
    view.word[4] = tp.tsId;
    view.word[5] = tp.networkId;
    view.word[6] = tp.originalNetworkId;
    view.word[7] = tp.frequency;
    view.word[8] = tp.symbolRate;
    return view;
}

}  // namespace vizud
