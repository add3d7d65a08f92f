// Replacing a file so that a failure at any step leaves the previous content in place.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace vizud {

// Writes `length` bytes to a temporary file beside `path`, flushes it to disk, renames it over `path` and
// flushes the folder, so the new name survives a power cut. A `path` that is a symbolic link is written
// through it: the link stays and its target gets the content. Returns false when any step fails, with
// `path` (or its target) untouched and no temporary file left; `why` then says which file and why
// ("/media/x/a.si: No space left on device").
bool writeFileAtomically(const std::string& path, const void* data, std::size_t length, std::string* why = nullptr);

// The write call the function above uses; tests put in one that fails after some bytes, as a full disk
// does. Null restores write(2).
using WriteCall = ssize_t (*)(int fd, const void* data, std::size_t length);
void setAtomicWriteCallForTests(WriteCall call);

}  // namespace vizud
