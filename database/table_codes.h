// Table, info and operation codes with which views and dialogs address the database.
#pragma once

namespace vizud {

enum TableCode : int {
    kTableSatellites = 500,
    kTablePrograms = 501,
    kTableTransponders = 502,
    kTableProviders = 503,
    kTableFavourites = 504,
};

enum OperationCode : int {
    kOpUpdate = 550,
    kOpDelete = 551,
    kOpInsert = 552,
    kOpRemoveListEntry = 553,
};

// Info codes for getInfo.
inline constexpr int kInfoSatCount = 500;
inline constexpr int kInfoProgramCount = 501;
inline constexpr int kInfoTpCount = 502;
inline constexpr int kInfoProviderCount = 503;
inline constexpr int kInfoFavouriteLists = 504;
inline constexpr int kInfoTvCount = 505;
inline constexpr int kInfoFavTv = 506;     // + 2 * list
inline constexpr int kInfoFavRadio = 507;  // + 2 * list
inline constexpr int kInfoLast = 523;

}  // namespace vizud
