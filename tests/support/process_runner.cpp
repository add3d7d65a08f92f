#include "tests/support/process_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "tests/support/temp_dir.h"

namespace vizud::test {

ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& cwd) {
    ProcessResult result;
    const TempDir outputs;  // the program writes its output to files there, read when it has ended
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
    result.out = readFile(out);
    result.err = readFile(err);
    result.exitCode = pid > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace vizud::test
