#include "app/serial_device_list.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace vizud {

namespace {

// Orders names by their text with digit runs compared as numbers.
bool naturalLess(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        if (std::isdigit(ca) && std::isdigit(cb)) {
            std::size_t ei = i;
            std::size_t ej = j;
            while (ei < a.size() && std::isdigit(static_cast<unsigned char>(a[ei])))
                ++ei;
            while (ej < b.size() && std::isdigit(static_cast<unsigned char>(b[ej])))
                ++ej;
            const std::string na = a.substr(i, ei - i);
            const std::string nb = b.substr(j, ej - j);
            const std::size_t za = na.find_first_not_of('0');
            const std::size_t zb = nb.find_first_not_of('0');
            const std::string ta = za == std::string::npos ? "" : na.substr(za);
            const std::string tb = zb == std::string::npos ? "" : nb.substr(zb);
            if (ta.size() != tb.size())
                return ta.size() < tb.size();
            if (ta != tb)
                return ta < tb;
            i = ei;
            j = ej;
            continue;
        }
        if (ca != cb)
            return ca < cb;
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

std::vector<std::string> entries(const std::filesystem::path& folder, const std::string& prefix) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    if (error) {
        return names;
    }
    for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (error) {
            break;
        }
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) == 0 && name.size() >= prefix.size()) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(), naturalLess);
    std::vector<std::string> paths;
    for (const std::string& name : names) {
        paths.push_back((folder / name).string());
    }
    return paths;
}

}  // namespace

std::vector<std::string> listSerialDevices(const std::string& devRoot) {
    const std::filesystem::path root(devRoot);
    std::vector<std::string> devices = entries(root / "serial" / "by-id", "");
    for (const char* prefix : {"ttyUSB", "ttyACM", "ttyS"}) {
        for (std::string& path : entries(root, prefix)) {
            devices.push_back(std::move(path));
        }
    }
    return devices;
}

}  // namespace vizud
