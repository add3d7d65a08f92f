// The three worker procedures that run on the transfer thread: download, upload, software upgrade.
// Each opens the port, runs one exchange, and posts every outcome as a report; each way it ends posts a
// report that ends the dialog.
#pragma once

#include <atomic>
#include <string>

#include "database/image_layout.h"
#include "link/device_records.h"
#include "link/packet_link.h"
#include "link/serial_port.h"

namespace vizud::link {

struct PortSelection;

struct WorkerContext {
    const PortSelection& port;
    LinkTiming timing;
    const std::atomic<bool>& abort;
    ReportSink& reports;
    PortOpenResult& portFailure;  // filled before report 3 is posted
};

// Receives the database; replaces `image` only when the exchange succeeded and the received counts fit
// the tables. Posts 19 only once the image is in place.
void runDownloadWorker(const WorkerContext& context, all_tables_block& image);
// Sends `image` (as 1 MiB, zero beyond the image) with transfer type 4; sets `hostRecord` to the
// built-in record first.
void runUploadWorker(const WorkerContext& context, const all_tables_block& image, DeviceRecord& hostRecord);
// Sends the software image of the .dlp file at `path`; the file's first 24 bytes become the first 24 of
// `hostRecord`.
void runUpgradeWorker(const WorkerContext& context, const std::string& path, DeviceRecord& hostRecord);

// The transfer type an upgrade uses for a .dlp file of `fileLength` bytes, and the diagnostic value it
// reports for it: below 1 MiB type 4 (0), below 7 MiB type 3 (1), otherwise type 1 (2).
std::uint32_t upgradeTransferType(std::uint64_t fileLength, std::uint32_t* diagnostic = nullptr);

}  // namespace vizud::link
