// vizud-cli download, upload and upgrade: the editor's transfers with the box from a terminal.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>

#include "app/config_record.h"
#include "app/kept_downloads.h"
#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "database/atomic_file.h"
#include "database/channel_database.h"
#include "database/image_access.h"
#include "link/transfer_loop.h"
#include "listtools/database_check.h"

namespace vizud::cli {
namespace {

volatile std::sig_atomic_t g_interrupted = 0;

void onInterrupt(int) {
    g_interrupted = 1;
}

// Ctrl-C asks the running exchange to stop (it ends as a cancel); a second Ctrl-C ends the program.
class InterruptCancels {
public:
    InterruptCancels() {
        g_interrupted = 0;
        struct sigaction action {};
        action.sa_handler = onInterrupt;
        action.sa_flags = SA_RESETHAND;
        sigaction(SIGINT, &action, &m_previous);
    }
    ~InterruptCancels() { sigaction(SIGINT, &m_previous, nullptr); }
    InterruptCancels(const InterruptCancels&) = delete;
    InterruptCancels& operator=(const InterruptCancels&) = delete;

private:
    struct sigaction m_previous {};
};

// Shows the reports on standard error: a live bar with the status text on a terminal, plain lines
// otherwise (each new status, and the progress in steps of ten).
class ProgressDisplay {
public:
    explicit ProgressDisplay(const link::TransferSession& session)
        : m_session(session), m_live(::isatty(STDERR_FILENO) == 1) {}

    // The device behind the COM number, shown with "Opening port COM%d".
    void setDevice(std::string device) { m_device = std::move(device); }

    void operator()(const link::Report& report, const link::ReportAction& action) {
        bool changed = false;
        std::string status = action.status;
        if (report.code == link::kReportOpeningPort && !m_device.empty()) {
            status += " (" + m_device + ")";
        }
        if (!status.empty() && status != m_status) {
            m_status = status;
            changed = true;
            if (!m_live) {
                std::cerr << m_status << "\n";
            }
        }
        if (action.progress && action.percent != m_percent) {
            if (!m_live && (action.percent / 10 != m_percent / 10 || action.percent == 100)) {
                std::cerr << action.packetText << "\n";
            }
            m_percent = action.percent;
            changed = true;
        }
        if (m_live && changed) {
            draw();
        }
        if (action.end != link::DialogEnd::None) {
            if (m_live) {
                std::cerr << "\n";
            }
            if (!action.message.empty()) {
                std::cerr << "vizud-cli: " << action.message << "\n";
            }
            if (link::namesPortFailure(report.code)) {
                std::cerr << "vizud-cli: " << m_session.lastPortFailure().reason() << "\n";
            }
            if (report.code == link::kReportAborted) {
                std::cerr << "vizud-cli: cancelled\n";
            }
        }
        std::cerr.flush();
    }

private:
    void draw() {
        constexpr int kWidth = 30;
        const int percent = m_percent < 0 ? 0 : m_percent;
        const int filled = percent * kWidth / 100;
        std::string bar(static_cast<std::size_t>(filled), '#');
        bar.append(static_cast<std::size_t>(kWidth - filled), '.');
        char line[160];
        std::snprintf(line, sizeof(line), "\r\033[K[%s] %3d%%  %s", bar.c_str(), percent, m_status.c_str());
        std::cerr << line;
    }

    const link::TransferSession& m_session;
    bool m_live;
    std::string m_device;
    std::string m_status;
    int m_percent = -1;
};

struct TransferSetup {
    link::TransferRequest request;
    int exitCode = kExitOk;  // non-zero: stop with this code
};

// --device wins; else --port through the COM mapping (VIZUD_COM1..4, default /dev/ttyS0..3); else the port
// and baud rate of veravaravo.cfg in the working directory; else COM1 at 115200.
TransferSetup choosePort(const Arguments& parsed) {
    TransferSetup setup;
    link::PortSelection& port = setup.request.port;
    port.map.readEnvironment();
    ConfigRecord config;
    const bool haveConfig = std::filesystem::exists(kConfigFileName);
    if (haveConfig) {
        readConfiguration(config, kConfigFileName);
    }
    port.number = haveConfig ? config.port : 1;
    port.baud = haveConfig ? config.baudRate : 115200;
    if (parsed.has("--port")) {
        const std::string text = parsed.value("--port");
        if (text.size() != 1 || text[0] < '1' || text[0] > '4') {
            std::cerr << "vizud-cli: --port must be 1, 2, 3 or 4\n";
            setup.exitCode = kExitUsage;
            return setup;
        }
        port.number = text[0] - '0';
    }
    if (parsed.has("--baud")) {
        const std::string text = parsed.value("--baud");
        if (text != "115200" && text != "57600") {
            std::cerr << "vizud-cli: --baud must be 115200 or 57600\n";
            setup.exitCode = kExitUsage;
            return setup;
        }
        port.baud = static_cast<std::uint32_t>(std::stoul(text));
    } else if (!link::isSupportedBaud(port.baud)) {
        std::cerr << "vizud-cli: " << kConfigFileName << " names " << port.baud
                  << " baud; use --baud 115200 or --baud 57600\n";
        setup.exitCode = kExitFailed;
        return setup;
    }
    port.device = parsed.value("--device");
    return setup;
}

struct Transfer {
    std::unique_ptr<EditorState> state = std::make_unique<EditorState>();
    StderrMessages messages;
    ChannelDatabase database{*state, messages};
    link::TransferSession session{state->image};
    ProgressDisplay display{session};
    InterruptCancels interrupt;

    std::unique_ptr<link::DirectTransferRunner> runner(const link::TransferRequest& request) {
        display.setDevice(request.port.device.empty() ? request.port.map.deviceFor(request.port.number)
                                                      : request.port.device);
        return std::make_unique<link::DirectTransferRunner>(
            session, request, [this](const link::Report& r, const link::ReportAction& a) { display(r, a); },
            [] { return g_interrupted != 0; });
    }
};

const std::vector<std::string> kPortOptions = {"--port", "--device", "--baud"};

Arguments parseTransferArguments(const std::vector<std::string>& args, std::vector<std::string> withValue) {
    withValue.insert(withValue.end(), kPortOptions.begin(), kPortOptions.end());
    return parseArguments(args, withValue, {});
}

int usage(const Arguments& parsed, const char* text) {
    std::cerr << "vizud-cli: " << (parsed.error.empty() ? text : parsed.error) << "\n";
    return kExitUsage;
}

}  // namespace

int runDownload(const std::vector<std::string>& args) {
    const Arguments parsed = parseTransferArguments(args, {"-o", "--output"});
    const std::string out = parsed.has("-o") ? parsed.value("-o") : parsed.value("--output");
    if (!parsed.error.empty() || !parsed.operands.empty() || out.empty()) {
        return usage(parsed, "usage: vizud-cli download -o FILE.si [--port N] [--device PATH] [--baud RATE]");
    }
    TransferSetup setup = choosePort(parsed);
    if (setup.exitCode != kExitOk) {
        return setup.exitCode;
    }
    const std::filesystem::path folder = std::filesystem::absolute(out).parent_path();
    if (::access(folder.c_str(), W_OK) != 0) {
        std::cerr << "vizud-cli: cannot write to " << folder.string() << "\n";
        return kExitFailed;
    }
    Transfer transfer;
    transfer.database.setProgramsDumpPath("");
    auto runner = transfer.runner(setup.request);
    if (transfer.database.download(*runner) != 0) {
        return kExitFailed;
    }
    // The file appears only now, whole: a failed or cancelled download leaves nothing behind.
    if (std::string why; !writeFileAtomically(out, &transfer.database.image(), kImageSize, &why)) {
        std::cerr << "vizud-cli: cannot write " << why << "\n";
        return kExitFailed;
    }
    const all_tables_block& image = transfer.database.image();
    std::cerr << "vizud-cli: " << out << ": " << programCount(image) << " programs (TV " << image.tvCount << ", radio "
              << programCount(image) - image.tvCount << ")\n";
    // Every download is also kept where the editor lists them; a copy that cannot be written is told and
    // the download stands.
    if (std::string why; keepDownload(image, std::time(nullptr), keptDownloadsFolder(), &why).empty())
        std::cerr << "vizud-cli: warning: a copy of the download could not be kept: " << why << "\n";
    return kExitOk;
}

int runUpload(const std::vector<std::string>& args) {
    const Arguments parsed = parseTransferArguments(args, {});
    if (!parsed.error.empty() || parsed.operands.size() != 1) {
        return usage(parsed, "usage: vizud-cli upload FILE.si [--port N] [--device PATH] [--baud RATE]");
    }
    TransferSetup setup = choosePort(parsed);
    if (setup.exitCode != kExitOk) {
        return setup.exitCode;
    }
    Transfer transfer;
    transfer.database.setProgramsDumpPath("");
    if (transfer.database.load(parsed.operands[0]) != 0) {
        std::cerr << "vizud-cli: " << parsed.operands[0] << ": not a usable channel file\n";
        return kExitFailed;
    }
    // The editor's check before an upload, as warnings: a script keeps uploading as before.
    for (const Finding& finding : checkImage(transfer.database.image())) {
        if (finding.kind != FindingKind::Crc)
            std::cerr << "vizud-cli: warning: " << findingKindName(finding.kind) << ": " << finding.text << "\n";
    }
    // As the editor does before every upload (load has swept once already; an edited image may need it).
    transfer.database.removeUnusedProviders();
    auto runner = transfer.runner(setup.request);
    transfer.database.upload(*runner);
    return runner->lastOutcome().end == link::DialogEnd::Ok ? kExitOk : kExitFailed;
}

int runUpgrade(const std::vector<std::string>& args) {
    const Arguments parsed = parseTransferArguments(args, {});
    if (!parsed.error.empty() || parsed.operands.size() != 1) {
        return usage(parsed, "usage: vizud-cli upgrade FILE.dlp [--port N] [--device PATH] [--baud RATE]");
    }
    TransferSetup setup = choosePort(parsed);
    if (setup.exitCode != kExitOk) {
        return setup.exitCode;
    }
    const std::string& path = parsed.operands[0];
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        std::fclose(file);
    } else {
        std::cerr << "vizud-cli: cannot read " << path << "\n";
        return kExitFailed;
    }
    Transfer transfer;
    auto runner = transfer.runner(setup.request);
    return runner->run(TransferMode::Upgrade, path) == TransferEnd::Ok ? kExitOk : kExitFailed;
}

}  // namespace vizud::cli
