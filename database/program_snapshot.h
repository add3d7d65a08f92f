// One program with everything needed to recreate it elsewhere: the node of the clipboard and drag lists.
#pragma once

#include <cstdint>

#include "database/image_layout.h"

namespace vizud {

// A program's entries in one favourite list: how many name it (0: it is not in the list; more than one
// only in a damaged file) and the place of the last of them.
struct ListPlace {
    std::uint16_t entries = 0;
    std::uint16_t position = 0;
    bool operator==(const ListPlace&) const = default;
};

struct ProgramSnapshot {
    std::uint16_t serviceId = 0;
    std::uint16_t providerIndex = 0;
    std::uint16_t tpIndex = 0;
    char providerName[16] = {};
    std::uint16_t satId = 0;
    std::uint16_t satPosition = 0;
    char satName[16] = {};
    std::uint16_t satTpCount = 0;
    std::uint16_t lnbLowLo = 0;
    std::uint16_t lnbHighLo = 0;
    std::int8_t diseqcMode = 0;
    std::int8_t tone22k = 0;
    std::uint8_t motorEnabled = 0;
    std::uint8_t positionerNo = 0;
    std::uint8_t auxByte = 0;
    std::int8_t eastWest = 0;
    std::uint16_t diseqc11Port = 0;
    std::uint8_t tpSatId = 0;
    std::uint8_t polarization = 0;
    std::uint8_t fec = 0;
    std::uint16_t tsId = 0;
    std::uint16_t networkId = 0;
    std::uint16_t originalNetworkId = 0;
    std::uint16_t frequency = 0;
    std::uint16_t symbolRate = 0;
    std::uint16_t videoPid = 0;
    std::uint16_t audioPid = 0;
    std::uint16_t pcrPid = 0;
    std::uint16_t programFlags = 0;
    char name[16] = {};
    std::uint32_t isTv = 0;
    // Where the program stands in each favourite list, so that a cut program pasted back returns to its
    // lists. Nine small records rather than a table of every entry: a clipboard of 20000 nodes stays a
    // few megabytes.
    ListPlace favPlace[kFavouriteLists] = {};
    std::int32_t programIndex = -1;  // -1: the node names no program of this table
    std::uint32_t pasted = 0;
    ProgramSnapshot* next = nullptr;
};

// Frees every node of a singly linked snapshot list and sets the head to null.
void freeSnapshotList(ProgramSnapshot*& head);

// Number of nodes in a list.
int countSnapshots(const ProgramSnapshot* head);

}  // namespace vizud
