// Command-line parsing shared by the vizud-cli commands.
#pragma once

#include <string>
#include <vector>

namespace vizud::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// The arguments after the command name, split into options (with their values) and operands.
struct Arguments {
    std::vector<std::string> operands;
    std::vector<std::pair<std::string, std::string>> options;  // name (with dashes) and value ("" for flags)
    std::string error;                                         // non-empty: a usage error

    bool has(const std::string& name) const;
    std::string value(const std::string& name) const;
};

// `withValue` lists the options that take a value; `flags` those that do not. Anything else is an error.
Arguments parseArguments(const std::vector<std::string>& args, const std::vector<std::string>& withValue,
                         const std::vector<std::string>& flags);

}  // namespace vizud::cli
