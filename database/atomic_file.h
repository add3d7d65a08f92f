// Replacing a file so that a failure at any step leaves the previous content in place.
#pragma once

#include <cstddef>
#include <string>

namespace vizud {

// Writes `length` bytes to a temporary file beside `path`, flushes it to disk and renames it over `path`.
// Returns false (and removes the temporary file) when any step fails; `path` is then untouched.
bool writeFileAtomically(const std::string& path, const void* data, std::size_t length);

}  // namespace vizud
