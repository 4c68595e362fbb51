#pragma once
// Bounds-checked arrays. TFixedArray<T, Lo, Hi> is the fixed array with index range Lo..Hi
// (mostly 1-based) used for every table of the data model; TDynArray<T> is a dynamic array
// indexed from 0 whose size a loader sets from a count in the file. Every access checks its
// bound and throws ERangeError naming the array, the index and the range. Nothing clamps.

#include "common/Errors.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace sv {

template <typename T, int Lo, int Hi>
class TFixedArray {
    static_assert(Hi >= Lo, "empty range");

public:
    static constexpr int Low = Lo;
    static constexpr int High = Hi;
    static constexpr int Size = Hi - Lo + 1;

    explicit TFixedArray(const char* name = "array") : m_name(name) { m_items.fill(T{}); }

    T& operator[](int i)
    {
        check(i);
        return m_items[static_cast<std::size_t>(i - Lo)];
    }
    const T& operator[](int i) const
    {
        check(i);
        return m_items[static_cast<std::size_t>(i - Lo)];
    }
    void fill(const T& v) { m_items.fill(v); }
    T* begin() { return m_items.data(); }
    T* end() { return m_items.data() + Size; }
    const T* begin() const { return m_items.data(); }
    const T* end() const { return m_items.data() + Size; }
    const char* name() const { return m_name; }
    bool operator==(const TFixedArray& o) const { return m_items == o.m_items; }

private:
    void check(int i) const
    {
        if (i < Lo || i > Hi)
            ThrowIndex(m_name, i, Lo, Hi);
    }
    std::array<T, Size> m_items;
    const char* m_name;
};

template <typename T>
class TDynArray {
public:
    explicit TDynArray(const char* name = "array") : m_name(name) { }

    // Sets the number of entries (indexes 0..n-1); new entries are zero, kept ones unchanged.
    void setLength(long long n)
    {
        if (n < 0)
            ThrowRange(std::string("Range check error: negative length for ") + m_name);
        m_items.resize(static_cast<std::size_t>(n));
    }
    int length() const { return static_cast<int>(m_items.size()); }
    bool empty() const { return m_items.empty(); }
    void clear() { m_items.clear(); }

    T& operator[](long long i)
    {
        check(i);
        return m_items[static_cast<std::size_t>(i)];
    }
    const T& operator[](long long i) const
    {
        check(i);
        return m_items[static_cast<std::size_t>(i)];
    }
    const std::vector<T>& items() const { return m_items; }
    std::vector<T>& items() { return m_items; }
    const char* name() const { return m_name; }
    bool operator==(const TDynArray& o) const { return m_items == o.m_items; }

private:
    void check(long long i) const
    {
        if (i < 0 || i >= static_cast<long long>(m_items.size()))
            ThrowIndex(m_name, i, 0, static_cast<long long>(m_items.size()) - 1);
    }
    std::vector<T> m_items;
    const char* m_name;
};

} // namespace sv
