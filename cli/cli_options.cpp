#include "cli/cli_options.h"

#include <algorithm>

namespace vizud::cli {

bool Arguments::has(const std::string& name) const {
    return std::any_of(options.begin(), options.end(), [&](const auto& o) { return o.first == name; });
}

std::string Arguments::value(const std::string& name) const {
    for (auto it = options.rbegin(); it != options.rend(); ++it) {
        if (it->first == name) return it->second;
    }
    return {};
}

Arguments parseArguments(const std::vector<std::string>& args, const std::vector<std::string>& withValue,
                         const std::vector<std::string>& flags) {
    Arguments out;
    const auto contains = [](const std::vector<std::string>& list, const std::string& s) {
        return std::find(list.begin(), list.end(), s) != list.end();
    };
    bool onlyOperands = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyOperands || arg.size() < 2 || arg[0] != '-') {
            out.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyOperands = true;
            continue;
        }
        std::string name = arg;
        std::string value;
        bool inlineValue = false;
        if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            inlineValue = true;
        }
        if (contains(withValue, name)) {
            if (!inlineValue) {
                if (i + 1 >= args.size()) {
                    out.error = "option " + name + " needs a value";
                    return out;
                }
                value = args[++i];
            }
            out.options.emplace_back(name, value);
        } else if (contains(flags, name) && !inlineValue) {
            out.options.emplace_back(name, "");
        } else {
            out.error = "unknown option " + arg;
            return out;
        }
    }
    return out;
}

}  // namespace vizud::cli
