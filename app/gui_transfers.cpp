#include "app/gui_transfers.h"

namespace vizud {

link::PortSelection SessionBackend::portSelection() const {
    link::PortSelection selection;
    selection.number = m_config.port;
    selection.baud = m_config.baudRate;
    for (int port = 1; port <= 4; ++port) {
        selection.map.devices[static_cast<std::size_t>(port - 1)] = m_settings.portDevice(port);
    }
    return selection;
}

bool SessionBackend::start(TransferMode mode, const std::string& path) {
    link::TransferRequest request;
    request.mode = mode;
    request.dlpPath = path;
    request.port = portSelection();
    return m_session.start(request);
}

TransferEnd DialogTransferRunner::run(TransferMode mode, const std::string& path) {
    TransferDialog dialog(m_backend, m_messages, mode, path, m_parent);
    return dialog.run();
}

}  // namespace vizud
