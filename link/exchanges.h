// The two exchanges of the packet link, run on the transfer worker thread.
//
// Send exchange (upload, software upgrade): the box asks ("ZQER"), the host queries it ("ZYRQ"), the box
// reports its device record ("ZTPR"), the host checks compatibility, says go ("ZATS" 0), sends the file
// header ("ZDHF") and the data blocks ("ZTDF"), each acknowledged ("ZKCA").
//
// Receive exchange (download): the host asks ("ZQER"), the box queries ("ZYRQ"), the host reports its
// built-in device record ("ZTPR"), the box says go ("ZATS" 0), sends the file header and the data blocks.
//
// Both examine the abort flag at the top of every state and end with 0 (success), 1 (link failure or
// abort), 2 (file header not usable), 3 (a data block failed) or 5 (the box refused). Every way they end
// posts a report that ends the transfer dialog (see transfer_reports.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "link/device_records.h"
#include "link/packet_link.h"

namespace vizud::link {

inline constexpr int kExchangeOk = 0;
inline constexpr int kExchangeLinkFailed = 1;
inline constexpr int kExchangeBadHeader = 2;
inline constexpr int kExchangeBlockFailed = 3;
inline constexpr int kExchangeRefused = 5;

// Sends `image` as an image of transfer type `transferType`. As many bytes go out as the file header
// says (for type 4 always 0x100000 in 256 blocks); bytes beyond `imageLength` go out as zeros.
int runSendExchange(PacketLink& link, std::uint32_t transferType, const std::uint8_t* image, std::size_t imageLength,
                    const DeviceRecord& host);

// Receives an image of transfer type `transferType` into `buffer`. A file header announcing more than
// `capacity` bytes is refused before any block; nothing is ever written past `capacity`.
int runReceiveExchange(PacketLink& link, std::uint32_t transferType, std::uint8_t* buffer, std::size_t capacity);

// The receive exchange's cap on the bytes it accepts for an image type; 0 for a type not accepted.
std::uint32_t imageTypeLimit(std::uint32_t imageType);

}  // namespace vizud::link
