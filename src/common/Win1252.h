#pragma once
// Text of the content and user files is single-byte Windows-1252 and stays bytes in the core
// (std::string). These functions convert at the display boundary and for readable sources.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace sv {

// Windows-1252 bytes to Unicode (the five undefined bytes map to the same code points).
QString FromWin1252(std::string_view bytes);

// Unicode to Windows-1252; std::nullopt when a character has no Windows-1252 byte.
// When badChar is given it receives the first character that could not be mapped.
std::optional<std::string> ToWin1252(QStringView text, QChar* badChar = nullptr);

// Convenience: UTF-8 to Windows-1252 (std::nullopt on an unmappable character).
std::optional<std::string> Utf8ToWin1252(std::string_view utf8, QChar* badChar = nullptr);

// Windows-1252 to UTF-8.
std::string Win1252ToUtf8(std::string_view bytes);

// Words are matched regardless of the case of the ASCII letters only: 'A'..'Z' become
// 'a'..'z', every other byte (the accented letters included) stays as it is.
constexpr char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
inline std::string LowerAscii(std::string s)
{
    for (char& c : s)
        c = LowerAscii(c);
    return s;
}

} // namespace sv
