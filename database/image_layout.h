// The box's channel database image, byte for byte as the box, the .si file and the serial link carry it.
//
// Every record below is laid out with natural alignment; each field already sits on a boundary of its own
// size in the box's format, so the compiler adds no padding. The static_asserts pin every size and offset,
// so a change that would move a byte fails the build instead of corrupting a user's file.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little, "the image is little-endian and is used in place");

namespace vizud {

inline constexpr std::size_t kImageSize = 721968;
inline constexpr std::size_t kNameLength = 16;

inline constexpr int kMaxSatellites = 200;
inline constexpr int kMaxPrograms = 20000;
inline constexpr int kMaxTransponders = 3000;
inline constexpr int kMaxProviders = 400;
inline constexpr int kFavouriteLists = 9;
inline constexpr int kMaxFavouriteEntries = 400;

// The byte inside FlashParams_s that is cleared before every CRC refresh.
inline constexpr std::size_t kClearedFlashByte = 10079;
// The image CRC covers everything from this offset to the end.
inline constexpr std::size_t kCrcCoverageStart = 12;

}  // namespace vizud

// Satellite with its LNB and DiSEqC settings.
struct st_sat {
    std::uint16_t satId;
    std::uint16_t position;  // tenths of a degree
    char name[16];           // NUL-padded; no terminator when 16 bytes long
    std::uint16_t tpCount;
    std::int8_t tone22k;  // 0 AUTO, 1 ON, 2 OFF
    std::uint8_t reserved23;
    std::uint16_t lnbLowLo;
    std::uint8_t reserved26[2];
    std::uint16_t lnbHighLo;
    std::uint8_t reserved30[2];
    std::int8_t diseqcMode;  // 0 OFF, 1..4 A..D, 5/6 tone burst A/B
    std::uint8_t reserved33;
    std::uint8_t motorEnabled;
    std::uint8_t reserved35;
    std::uint8_t positionerNo;
    std::uint8_t reserved37;
    std::uint8_t auxByte;
    std::uint8_t reserved39;
    std::uint16_t diseqc11Port;  // ports 10..16 stored as 0x10..0x16
    std::uint8_t reserved42[2];
    std::int8_t eastWest;  // 'E' or 'W'
    std::uint8_t reserved45[3];
};

// Program (channel). TV or radio is only its position relative to tvCount.
struct st_program {
    std::uint16_t serviceId;
    std::uint16_t providerIndex;
    std::uint16_t tpIndex;
    std::uint16_t videoPid;
    std::uint16_t audioPid;
    std::uint16_t pcrPid;
    std::uint8_t reserved12[2];
    std::uint16_t programFlags;  // bit 0 scrambled, 1 SCPC, 2 locked, 5 user program
    char name[16];               // may start with a character-table byte 1..31
};

// Transponder; satId is a one-byte copy of its satellite's key.
struct st_ts {
    std::uint8_t satId;
    std::uint8_t reserved1;
    std::uint8_t polarization;  // 0 H, 1 V, 2 L, 3 R
    std::uint8_t fec;
    std::uint16_t tsId;
    std::uint16_t networkId;
    std::uint16_t originalNetworkId;
    std::uint16_t frequency;   // MHz
    std::uint16_t symbolRate;  // kS/s
    std::uint8_t reserved14[2];
};

// Favourite list: TV entries first, then radio entries.
struct st_fav {
    char favName[16];
    std::uint16_t favEntries[400];
    std::uint16_t favTvCount;
    std::uint16_t favCount;
};

struct ProviderName {
    char name[16];
};

// The box's own parameters; opaque to the editor, carried along untouched.
struct FlashParams_s {
    std::uint8_t bytes[10564];
};

struct all_tables_block {
    std::uint8_t imageLead[8];
    std::uint32_t imageCrc;
    FlashParams_s flashParams;
    std::uint16_t satCount;
    std::uint16_t programCount;
    std::uint16_t tvCount;
    std::uint16_t tpCount;
    std::uint16_t providerCount;
    std::uint16_t reserved10586;
    st_sat satellites[200];
    st_program programs[20000];
    st_fav favourites[9];
    st_ts transponders[3000];
    ProviderName providers[400];
};

static_assert(sizeof(st_sat) == 48);
static_assert(offsetof(st_sat, position) == 2 && offsetof(st_sat, name) == 4 && offsetof(st_sat, tpCount) == 20);
static_assert(offsetof(st_sat, tone22k) == 22 && offsetof(st_sat, lnbLowLo) == 24 && offsetof(st_sat, lnbHighLo) == 28);
static_assert(offsetof(st_sat, diseqcMode) == 32 && offsetof(st_sat, motorEnabled) == 34);
static_assert(offsetof(st_sat, positionerNo) == 36 && offsetof(st_sat, auxByte) == 38);
static_assert(offsetof(st_sat, diseqc11Port) == 40 && offsetof(st_sat, eastWest) == 44);

static_assert(sizeof(st_program) == 32);
static_assert(offsetof(st_program, providerIndex) == 2 && offsetof(st_program, tpIndex) == 4);
static_assert(offsetof(st_program, videoPid) == 6 && offsetof(st_program, audioPid) == 8);
static_assert(offsetof(st_program, pcrPid) == 10 && offsetof(st_program, programFlags) == 14);
static_assert(offsetof(st_program, name) == 16);

static_assert(sizeof(st_ts) == 16);
static_assert(offsetof(st_ts, polarization) == 2 && offsetof(st_ts, fec) == 3 && offsetof(st_ts, tsId) == 4);
static_assert(offsetof(st_ts, networkId) == 6 && offsetof(st_ts, originalNetworkId) == 8);
static_assert(offsetof(st_ts, frequency) == 10 && offsetof(st_ts, symbolRate) == 12);

static_assert(sizeof(st_fav) == 820);
static_assert(offsetof(st_fav, favEntries) == 16 && offsetof(st_fav, favTvCount) == 816);
static_assert(offsetof(st_fav, favCount) == 818);

static_assert(sizeof(ProviderName) == 16);
static_assert(sizeof(FlashParams_s) == 10564);

static_assert(sizeof(all_tables_block) == vizud::kImageSize);
static_assert(offsetof(all_tables_block, imageCrc) == 8);
static_assert(offsetof(all_tables_block, flashParams) == 12);
static_assert(offsetof(all_tables_block, satCount) == 10576);
static_assert(offsetof(all_tables_block, programCount) == 10578);
static_assert(offsetof(all_tables_block, tvCount) == 10580);
static_assert(offsetof(all_tables_block, tpCount) == 10582);
static_assert(offsetof(all_tables_block, providerCount) == 10584);
static_assert(offsetof(all_tables_block, reserved10586) == 10586);
static_assert(offsetof(all_tables_block, satellites) == 10588);
static_assert(offsetof(all_tables_block, programs) == 20188);
static_assert(offsetof(all_tables_block, favourites) == 660188);
static_assert(offsetof(all_tables_block, transponders) == 667568);
static_assert(offsetof(all_tables_block, providers) == 715568);
