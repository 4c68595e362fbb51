#pragma once
// The one way the program writes a file: the whole content at once, in place of the old file
// only when all of it was written (a failed save leaves the old file as it was and no
// temporary file behind).

#include <cstdint>
#include <span>
#include <string>

namespace sv {

// Writes bytes as the file at path, replacing it atomically; throws EFileError
// ("Cannot create file " + path) when the file cannot be written.
void SaveAtomically(const std::string& path, std::span<const char> bytes);
void SaveAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace sv
