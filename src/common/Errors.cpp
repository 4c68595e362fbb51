#include "common/Errors.h"

namespace sv {

void ThrowRange(const std::string& what) { throw ERangeError(what); }

void ThrowIndex(const char* name, long long index, long long lo, long long hi)
{
    throw ERangeError("Range check error: " + std::string(name ? name : "index") + " index " + std::to_string(index)
                      + " outside " + std::to_string(lo) + ".." + std::to_string(hi));
}

void ThrowCannotOpen(const std::string& path) { throw EFileError("Cannot open file " + path); }

void ThrowCannotCreate(const std::string& path) { throw EFileError("Cannot create file " + path); }

} // namespace sv
