#pragma once
// The file version of a program file: the fixed file information of its version block (the
// block "VS_VERSION_INFO" as Windows program files carry it in their version resource). Our
// own executables carry the same block (see EmbeddedVersionBlock), so one rule reads both.
//
// A version has a high and a low 32-bit half: a.b.c.d gives high = a*65536 + b and
// low = c*65536 + d. -1 marks a half that is missing.

#include <QString>

#include <array>
#include <cstdint>

namespace sv {

struct TFileVersion {
    std::int32_t High = -1;
    std::int32_t Low = -1;
    bool HasBothHalves() const { return High != -1 && Low != -1; }
    bool operator==(const TFileVersion&) const = default;
};

// "a.b.c.d", or "a,b,c,d" when the text contains a comma; blanks around the numbers are
// ignored. With fewer than four numbers (or a part that is not a number) the half they
// would fill is -1: "2.1" gives high 2*65536+1 and low -1.
TFileVersion ParseVersionString(const QString& text);

// True when local is lower than the new version (high half lower, or the same high half and
// the low half lower; halves compare as signed 32-bit numbers).
bool IsLowerVersion(const TFileVersion& local, const TFileVersion& newVersion);

// The version of a file: the first well-formed version block found in it. -1, -1 when the
// file cannot be read or has none.
TFileVersion ReadFileVersion(const QString& path);

// "a.b.c.d" of a version (empty when a half is missing).
QString VersionText(const TFileVersion& v);

// The version block for a.b.c.d, byte for byte as a version resource holds it: the header
// (length, value length 52, type 0), the key "VS_VERSION_INFO" in UTF-16LE, padding to four
// bytes, and the fixed file information (signature 0xFEEF04BD).
inline constexpr std::size_t kVersionBlockSize = 92;
constexpr std::array<unsigned char, kVersionBlockSize> MakeVersionBlock(unsigned a, unsigned b, unsigned c, unsigned d)
{
    std::array<unsigned char, kVersionBlockSize> out{};
    std::size_t at = 0;
    auto put16 = [&](unsigned v) {
        out[at++] = static_cast<unsigned char>(v & 0xFF);
        out[at++] = static_cast<unsigned char>((v >> 8) & 0xFF);
    };
    auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    put16(kVersionBlockSize);
    put16(52);
    put16(0);
    for (char ch : "VS_VERSION_INFO") // 15 letters and the terminating zero
        put16(static_cast<unsigned char>(ch));
    put16(0); // padding to a 32-bit boundary
    const std::uint32_t ms = (a & 0xFFFF) << 16 | (b & 0xFFFF);
    const std::uint32_t ls = (c & 0xFFFF) << 16 | (d & 0xFFFF);
    put32(0xFEEF04BD); // signature
    put32(0x00010000); // structure version
    put32(ms);         // file version
    put32(ls);
    put32(ms); // product version
    put32(ls);
    put32(0x3F);       // flags mask
    put32(0);          // flags
    put32(0x00040004); // operating system: 32-bit Windows NT
    put32(1);          // file type: application
    put32(0);          // subtype
    put32(0);          // file date
    put32(0);
    return out;
}

} // namespace sv
