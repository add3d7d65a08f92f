// Downloading the database from the box and uploading it, through whatever runs the transfer.
#include "database/channel_database.h"
#include "database/transfer_runner.h"

namespace vizud {

int ChannelDatabase::download(TransferRunner& runner) {
    if (runner.run(TransferMode::Download, {}) != TransferEnd::Ok) {
        return -1;
    }
    if (!m_dumpPath.empty()) {
        writeProgramsDump(m_dumpPath);
    }
    m_loadedFlag = 1;
    return 0;
}

int ChannelDatabase::upload(TransferRunner& runner) {
    updateChecksum();
    // The box restarts only after it took the whole image; after a failure or a cancel there is nothing
    // to wait for.
    if (runner.run(TransferMode::Upload, {}) == TransferEnd::Ok) {
        m_messages.show("Please wait until STB reboots...", MessageIcon::None);
    }
    return 0;
}

}  // namespace vizud
