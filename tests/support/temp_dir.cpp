#include "tests/support/temp_dir.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vizud::test {

TempDir::TempDir() {
    m_path = (std::filesystem::temp_directory_path() / "vizud-test-XXXXXX").string();
    if (::mkdtemp(m_path.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

ScopedChdir::ScopedChdir(const std::string& dir) : m_previous(std::filesystem::current_path().string()) {
    std::filesystem::current_path(dir);
}

ScopedChdir::~ScopedChdir() {
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool writeFile(const std::string& path, const void* data, std::size_t length) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(static_cast<const char*>(data), static_cast<std::streamsize>(length));
    return static_cast<bool>(file);
}

bool fileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

}  // namespace vizud::test
