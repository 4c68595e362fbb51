#pragma once
// A short string field: a length byte followed by a fixed capacity of characters, stored at
// full width. The filler after the text is kept as read so that files round-trip byte for byte.
// Text is single-byte Windows-1252 (see Win1252.h for display conversion).

#include "common/Errors.h"
#include "common/LeStream.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sv {

template <int Capacity>
class TShortString {
public:
    static constexpr int Width = Capacity + 1;

    TShortString() { m_raw.fill(0); }
    explicit TShortString(std::string_view text) : TShortString() { setText(text); }

    int length() const { return m_raw[0]; }
    std::string text() const
    {
        if (m_raw[0] > Capacity)
            ThrowRange("Range check error: short string length " + std::to_string(m_raw[0]) + " above its capacity "
                       + std::to_string(Capacity));
        return std::string(reinterpret_cast<const char*>(m_raw.data() + 1), m_raw[0]);
    }
    // Sets the text; the filler after it is left as it was. A text longer than the capacity
    // is a range error.
    void setText(std::string_view text)
    {
        if (text.size() > static_cast<std::size_t>(Capacity))
            ThrowRange("Range check error: text of " + std::to_string(text.size()) + " characters for a field of "
                       + std::to_string(Capacity));
        m_raw[0] = static_cast<std::uint8_t>(text.size());
        for (std::size_t i = 0; i < text.size(); ++i)
            m_raw[i + 1] = static_cast<std::uint8_t>(text[i]);
    }

    void read(TStreamReader& r) { r.readBytes(m_raw); }
    void write(TStreamWriter& w) const { w.writeBytes(m_raw); }

    const std::array<std::uint8_t, Width>& raw() const { return m_raw; }
    bool operator==(const TShortString& o) const { return m_raw == o.m_raw; }

private:
    std::array<std::uint8_t, Width> m_raw;
};

} // namespace sv
