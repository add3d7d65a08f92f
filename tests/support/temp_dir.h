// A temporary folder removed with everything in it when the test ends, and small file helpers.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace vizud::test {

class TempDir {
public:
    TempDir() : m_path((std::filesystem::temp_directory_path() / "vizud-test-XXXXXX").string()) {
        if (::mkdtemp(m_path.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
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
    explicit ScopedChdir(const std::string& dir) : m_previous(std::filesystem::current_path().string()) {
        std::filesystem::current_path(dir);
    }
    ~ScopedChdir() {
        std::error_code ignored;
        std::filesystem::current_path(m_previous, ignored);
    }
    ScopedChdir(const ScopedChdir&) = delete;
    ScopedChdir& operator=(const ScopedChdir&) = delete;

private:
    std::string m_previous;
};

inline std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline bool writeFile(const std::string& path, const void* data, std::size_t length) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(static_cast<const char*>(data), static_cast<std::streamsize>(length));
    return static_cast<bool>(file);
}

inline bool fileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

}  // namespace vizud::test
