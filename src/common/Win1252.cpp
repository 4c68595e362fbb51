#include "common/Win1252.h"

#include <array>

namespace sv {
namespace {

// Code points for bytes 0x80..0x9F; the rest of the range is the same as Latin-1.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t toCodePoint(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F)
        return kHigh[b - 0x80];
    return b;
}

} // namespace

QString FromWin1252(std::string_view bytes)
{
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes)
        out.append(QChar(toCodePoint(static_cast<unsigned char>(c))));
    return out;
}

std::optional<std::string> ToWin1252(QStringView text, QChar* badChar)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.push_back(static_cast<char>(u));
            continue;
        }
        bool found = false;
        for (std::size_t i = 0; i < kHigh.size(); ++i) {
            if (kHigh[i] == u) {
                out.push_back(static_cast<char>(0x80 + i));
                found = true;
                break;
            }
        }
        if (!found) {
            if (badChar)
                *badChar = ch;
            return std::nullopt;
        }
    }
    return out;
}

std::optional<std::string> Utf8ToWin1252(std::string_view utf8, QChar* badChar)
{
    const QString s = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return ToWin1252(s, badChar);
}

std::string Win1252ToUtf8(std::string_view bytes) { return FromWin1252(bytes).toStdString(); }

} // namespace sv
