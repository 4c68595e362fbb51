#pragma once
// Errors in the readable content sources. Every message names the source file and line
// ("content/memory.yaml:12: ...") and says which rule or limit was broken.

#include <stdexcept>
#include <string>

namespace sv::content {

class ESourceError : public std::runtime_error {
public:
    ESourceError(const std::string& file, int line, const std::string& what);
    const std::string& file() const { return m_file; }
    int line() const { return m_line; }

private:
    std::string m_file;
    int m_line;
};

// Where a piece of source text came from (line 0 means the file as a whole).
struct TSourcePos {
    std::string File;
    int Line = 0;
    [[noreturn]] void fail(const std::string& what) const;
};

// UTF-8 source text to Windows-1252 bytes; a character without a Windows-1252 byte is an
// error naming the character and its code point.
std::string ToWin1252OrFail(const std::string& utf8, const TSourcePos& where);

} // namespace sv::content
