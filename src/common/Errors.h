#pragma once
// Errors raised by the core. Every window shows them through the application's general
// error handler; nothing in the core repairs or clamps bad data.

#include <stdexcept>
#include <string>

namespace sv {

// An index, count or value outside the bounds of the data model (or of a buffer).
class ERangeError : public std::out_of_range {
public:
    explicit ERangeError(const std::string& what) : std::out_of_range(what) { }
};

// A file that cannot be opened, created or written: the message is
// "Cannot open file " / "Cannot create file " followed by the path.
class EFileError : public std::runtime_error {
public:
    explicit EFileError(const std::string& what) : std::runtime_error(what) { }
};

[[noreturn]] void ThrowRange(const std::string& what);
[[noreturn]] void ThrowIndex(const char* name, long long index, long long lo, long long hi);
[[noreturn]] void ThrowCannotOpen(const std::string& path);
[[noreturn]] void ThrowCannotCreate(const std::string& path);

} // namespace sv
