// Runs a program of this project to its end, capturing its output, for end-to-end tests.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace vizud::test {

struct ProcessResult {
    int exitCode = -1;  // -1 when the program could not be started or was killed
    std::string out;
    std::string err;
};

// Runs argv[0] with the given arguments in folder `cwd` (empty: the current one), no standard input; the
// output goes to files, read when the program has ended.
inline ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& cwd = "") {
    const TempDir outputs;
    const std::string out = outputs.file("out"), err = outputs.file("err");
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(::open("/dev/null", O_RDONLY), 0);
        ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
        if (cwd.empty() || ::chdir(cwd.c_str()) == 0)
            ::execv(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    while (pid > 0 && ::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return {pid > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(out), readFile(err)};
}

}  // namespace vizud::test
