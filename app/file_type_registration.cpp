#include "app/file_type_registration.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "database/atomic_file.h"

extern char** environ;

namespace vizud {

namespace {

std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool writeIfChanged(const std::filesystem::path& path, const std::string& content) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) {
        return false;
    }
    if (std::filesystem::exists(path, error) && readWhole(path.string()) == content) {
        return false;
    }
    return writeFileAtomically(path.string(), content.data(), content.size());
}

void runQuietly(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

bool programInstalled(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path != nullptr ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (!folder.empty() && ::access((folder + "/" + name).c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string desktopExecArgument(const std::string& argument) {
    static const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string quoted;
    if (argument.find_first_of(reserved) == std::string::npos && !argument.empty()) {
        quoted = argument;
    } else {
        quoted = "\"";
        for (const char c : argument) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') {
                quoted += '\\';
            }
            quoted += c;
        }
        quoted += '"';
    }
    // The Exec value is also a string value: '%' introduces field codes and '\' starts an escape.
    std::string value;
    for (const char c : quoted) {
        switch (c) {
            case '%':
                value += "%%";
                break;
            case '\\':
                value += "\\\\";
                break;
            case '\n':
                value += "\\n";
                break;
            case '\t':
                value += "\\t";
                break;
            case '\r':
                value += "\\r";
                break;
            default:
                value += c;
        }
    }
    return value;
}

std::string mimePackageXml() {
    return std::string(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"") +
           kChannelMimeType +
           "\">\n"
           "    <comment>Channel Database</comment>\n"
           "    <comment xml:lang=\"de\">Kanaldatenbank</comment>\n"
           "    <icon name=\"vizud\"/>\n"
           "    <glob pattern=\"*.si\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string desktopEntryText(const std::string& program) {
    return std::string(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Diruriz Ezoviv for HD\n"
               "GenericName=Channel list editor\n"
               "GenericName[de]=Kanallisten-Editor\n"
               "Comment=Edit the channel database of a satellite receiver\n"
               "Comment[de]=Die Kanaldatenbank eines Satellitenempfängers bearbeiten\n"
               "Icon=vizud\n"
               "Exec=") +
           desktopExecArgument(program) +
           " %f\n"
           "Terminal=false\n"
           "Categories=Utility;\n"
           "Keywords=satellite;channel;DVB;receiver;set-top box;favourites;\n"
           "Keywords[de]=Satellit;Kanal;Sender;DVB;Receiver;Favoriten;\n"
           "MimeType=" +
           kChannelMimeType + ";\n";
}

std::string userDataHome() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        return xdg;
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        return std::string(home) + "/.local/share";
    }
    return {};
}

bool writeFileTypeRegistration(const std::string& dataHome, const std::string& program, const std::string& iconPng) {
    if (dataHome.empty()) {
        return false;
    }
    const std::filesystem::path root(dataHome);
    bool changed = writeIfChanged(root / "mime" / "packages" / kMimePackageName, mimePackageXml());
    changed = writeIfChanged(root / "applications" / kDesktopFileName, desktopEntryText(program)) || changed;
    if (!iconPng.empty()) {
        changed = writeIfChanged(root / "icons" / "hicolor" / "48x48" / "apps" / "vizud.png", iconPng) || changed;
    }
    return changed;
}

void runRegistrationUpdates(const std::string& dataHome) {
    if (programInstalled("update-mime-database")) {
        runQuietly({"update-mime-database", dataHome + "/mime"});
    }
    if (programInstalled("update-desktop-database")) {
        runQuietly({"update-desktop-database", dataHome + "/applications"});
    }
}

}  // namespace vizud
