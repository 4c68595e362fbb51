#pragma once
// Field visitors for the binary files: a record lists its fields once, in file order, in a
// template `Fields(self, io)`, and the same list drives reading (TFieldReader) and writing
// (TFieldWriter).
//
// In a field list:
// - io(field) reads or writes one field: an integer, a short string, a fixed array, a block of
//   bytes (std::array), or a nested record (a type with a static `Fields(self, io)`).
// - io.Entries(array, first, last) is the run first..last of a dynamic array whose bounds come
//   from counts read earlier. Reading sizes the array to last + 1 entries (those before first
//   stay zero) and fills the run; writing writes the run, every index checked against the array.
// - io.CheckCount, io.RequireBytes and io.CheckLength are the reader's validity checks, placed
//   where the reader makes them; each names the file and the offset. The writer passes over them.
//
// Reading never sizes an array for more entries than the bytes left in the file.

#include "common/BoundedArray.h"
#include "common/Errors.h"
#include "common/LeStream.h"
#include "common/ShortString.h"

#include <algorithm>
#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>

namespace sv {

// A record whose fields the visitor Io can walk.
template <class T, class Io>
concept FieldRecord = requires(T& record, Io& io)
{
    std::remove_const_t<T>::Fields(record, io);
};

// A field stored as raw bytes, one byte per element.
template <class T>
concept ByteField = std::integral<T> && sizeof(T) == 1;

class TFieldReader {
public:
    explicit TFieldReader(TStreamReader& r) : m_r(r) { }

    template <std::integral T>
    void operator()(T& v)
    {
        m_r.read(v);
    }
    template <int N>
    void operator()(TShortString<N>& s)
    {
        s.read(m_r);
    }
    template <ByteField T, std::size_t N>
    void operator()(std::array<T, N>& a)
    {
        Bytes(std::span<T>(a));
    }
    template <typename T, int Lo, int Hi>
    void operator()(TFixedArray<T, Lo, Hi>& a)
    {
        if constexpr (ByteField<T>)
            Bytes(std::span<T>(a.begin(), a.end()));
        else
            for (T& v : a)
                (*this)(v);
    }
    template <class T>
    requires FieldRecord<T, TFieldReader>
    void operator()(T& record) { T::Fields(record, *this); }

    template <typename T>
    void Entries(TDynArray<T>& a, long long first, long long last)
    {
        const long long count = last >= first ? last - first + 1 : 0;
        if (static_cast<unsigned long long>(count) > m_r.remaining())
            RequireBytes(count, a.name());
        a.setLength(last + 1);
        if constexpr (ByteField<T>)
            Bytes(std::span<T>(a.items()).subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
        else
            for (long long i = first; i <= last; ++i)
                (*this)(a[i]);
    }

    // A count read from the file must lie in lo..hi.
    void CheckCount(const char* what, long long value, long long lo, long long hi) const
    {
        if (value < lo || value > hi)
            ThrowRange("File " + m_r.name() + ": " + what + " " + std::to_string(value) + " outside "
                       + std::to_string(lo) + ".." + std::to_string(hi) + " at offset "
                       + std::to_string(m_r.position()));
    }
    // The next `bytes` bytes must be present before arrays are sized for them.
    void RequireBytes(long long bytes, const char* what) const
    {
        if (bytes < 0 || static_cast<unsigned long long>(bytes) > m_r.remaining())
            ThrowRange("File " + m_r.name() + " is truncated: " + what + " needs " + std::to_string(bytes)
                       + " bytes at offset " + std::to_string(m_r.position()) + ", " + std::to_string(m_r.remaining())
                       + " left");
    }
    // A short string's length byte must not exceed its capacity.
    template <int N>
    void CheckLength(const char* what, const TShortString<N>& s) const
    {
        if (s.length() > N)
            ThrowRange("File " + m_r.name() + ": " + what + " length " + std::to_string(s.length()) + " above "
                       + std::to_string(N));
    }

private:
    template <ByteField T>
    void Bytes(std::span<T> bytes)
    {
        m_r.readBytes(std::span<std::uint8_t>(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()));
    }

    TStreamReader& m_r;
};

class TFieldWriter {
public:
    explicit TFieldWriter(TStreamWriter& w) : m_w(w) { }

    template <std::integral T>
    void operator()(const T& v)
    {
        m_w.write(v);
    }
    template <int N>
    void operator()(const TShortString<N>& s)
    {
        s.write(m_w);
    }
    template <ByteField T, std::size_t N>
    void operator()(const std::array<T, N>& a)
    {
        Bytes(std::span<const T>(a));
    }
    template <typename T, int Lo, int Hi>
    void operator()(const TFixedArray<T, Lo, Hi>& a)
    {
        if constexpr (ByteField<T>)
            Bytes(std::span<const T>(a.begin(), a.end()));
        else
            for (const T& v : a)
                (*this)(v);
    }
    template <class T>
    requires FieldRecord<const T, TFieldWriter>
    void operator()(const T& record) { T::Fields(record, *this); }

    template <typename T>
    void Entries(const TDynArray<T>& a, long long first, long long last)
    {
        if (last < first)
            return;
        if (first < 0)
            (void)a[first]; // a range error
        if (last >= a.length())
            (void)a[std::max<long long>(first, a.length())]; // the first missing entry: a range error
        if constexpr (ByteField<T>)
            Bytes(std::span<const T>(a.items()).subspan(static_cast<std::size_t>(first),
                                                        static_cast<std::size_t>(last - first + 1)));
        else
            for (long long i = first; i <= last; ++i)
                (*this)(a[i]);
    }

    void CheckCount(const char*, long long, long long, long long) const { }
    void RequireBytes(long long, const char*) const { }
    template <int N>
    void CheckLength(const char*, const TShortString<N>&) const
    { }

private:
    template <ByteField T>
    void Bytes(std::span<const T> bytes)
    {
        m_w.writeBytes(
            std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    }

    TStreamWriter& m_w;
};

} // namespace sv
