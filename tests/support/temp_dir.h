// A temporary folder removed with everything in it when the test ends.
#pragma once

#include <string>

namespace vizud::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Runs the enclosed scope with the working directory changed to `dir` (programs.nfo and the
// configuration file are written to the working directory).
class ScopedChdir {
public:
    explicit ScopedChdir(const std::string& dir);
    ~ScopedChdir();
    ScopedChdir(const ScopedChdir&) = delete;
    ScopedChdir& operator=(const ScopedChdir&) = delete;

private:
    std::string m_previous;
};

std::string readFile(const std::string& path);
bool writeFile(const std::string& path, const void* data, std::size_t length);
bool fileExists(const std::string& path);

}  // namespace vizud::test
