// Runs a program of this project to its end, capturing its output, for end-to-end tests.
#pragma once

#include <string>
#include <vector>

namespace vizud::test {

struct ProcessResult {
    int exitCode = -1;  // -1 when the program could not be started or was killed
    std::string out;
    std::string err;
};

// Runs argv[0] with the given arguments in folder `cwd` (empty: the current one), no standard input.
ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& cwd = "");

}  // namespace vizud::test
