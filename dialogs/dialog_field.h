// The field whose value an OK refused, so that the form can put the cursor there for the correction.
#pragma once

namespace vizud {

enum class DialogField {
    None,
    // Program dialog.
    Name,
    Provider,
    Transponder,
    VideoPid,
    AudioPid,
    PcrPid,
    ServiceId,
    Favourites,
    // Satellite dialog (Name as well).
    Degree,
    Positioner,
    Direction,
    UpperLo,
    LowerLo,
    // Transponder dialogs.
    Frequency,
    SymbolRate,
    Satellite,
    TsId,
    NetworkId,
    OriginalNetworkId,
};

}  // namespace vizud
