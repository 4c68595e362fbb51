#pragma once
// Helpers shared by the content loaders.

#include "common/Errors.h"
#include "common/LeStream.h"

#include <string>

namespace sv {

// A count read from a content file must lie in lo..hi.
inline void CheckCount(const TStreamReader& r, const char* what, long long value, long long lo,
                       long long hi)
{
    if (value < lo || value > hi)
        ThrowRange("File " + r.name() + ": " + what + " " + std::to_string(value) + " outside "
                   + std::to_string(lo) + ".." + std::to_string(hi) + " at offset "
                   + std::to_string(r.position()));
}

// The next `bytes` bytes must be present before an array is sized for them, so that a garbage
// count never allocates more than the file holds.
inline void RequireBytes(const TStreamReader& r, long long bytes, const char* what)
{
    if (bytes < 0 || static_cast<unsigned long long>(bytes) > r.remaining())
        ThrowRange("File " + r.name() + " is truncated: " + what + " needs "
                   + std::to_string(bytes) + " bytes at offset " + std::to_string(r.position())
                   + ", " + std::to_string(r.remaining()) + " left");
}

} // namespace sv
