#pragma once
// Field visitors for the per-person files: a record lists its fields once, in file order,
// in a template `Fields(self, io)`, and the same list drives reading and writing.

#include "common/BoundedArray.h"
#include "common/LeStream.h"
#include "common/ShortString.h"

#include <concepts>
#include <cstdint>
#include <span>

namespace sv {

class TFieldReader {
public:
    explicit TFieldReader(TStreamReader& r) : m_r(r) {}

    template <std::integral T>
    void operator()(T& v) { m_r.read(v); }
    template <int N>
    void operator()(TShortString<N>& s) { s.read(m_r); }
    template <typename T, int Lo, int Hi>
    void operator()(TFixedArray<T, Lo, Hi>& a)
    {
        if constexpr (sizeof(T) == 1)
            m_r.readBytes(std::span<std::uint8_t>(reinterpret_cast<std::uint8_t*>(a.begin()), a.Size));
        else
            for (T& v : a)
                (*this)(v);
    }

private:
    TStreamReader& m_r;
};

class TFieldWriter {
public:
    explicit TFieldWriter(TStreamWriter& w) : m_w(w) {}

    template <std::integral T>
    void operator()(const T& v) { m_w.write(v); }
    template <int N>
    void operator()(const TShortString<N>& s) { s.write(m_w); }
    template <typename T, int Lo, int Hi>
    void operator()(const TFixedArray<T, Lo, Hi>& a)
    {
        if constexpr (sizeof(T) == 1)
            m_w.writeBytes(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(a.begin()), a.Size));
        else
            for (const T& v : a)
                (*this)(v);
    }

private:
    TStreamWriter& m_w;
};

} // namespace sv
