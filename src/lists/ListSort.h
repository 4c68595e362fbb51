#pragma once
// The ordering engine of the working lists: a stable merge sort over a permutation that
// reports its progress and can be cancelled from another thread.
//
// Progress runs from `from` to n over the sort (so progress * 100 / n is a percentage a
// progress bar can show; a caller with work of its own before the sort passes a later
// `from`); the cancel flag is tested every few hundred moves. A cancelled sort
// returns false and leaves the permutation as it was, so the caller's list is untouched.

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <vector>

namespace sv {

template <class Less>
bool CancellableStableSort(std::vector<int>& perm, Less less, std::atomic<std::int32_t>& progress,
                           const std::atomic<std::uint8_t>& cancel, std::int32_t from = 1)
{
    const std::size_t n = perm.size();
    if (n < 2) {
        progress.store(static_cast<std::int32_t>(n), std::memory_order_relaxed);
        return cancel.load(std::memory_order_relaxed) == 0;
    }
    constexpr std::size_t Run = 32;
    constexpr std::size_t CheckEvery = 256;
    std::size_t passes = 1; // the run pass
    for (std::size_t w = Run; w < n; w *= 2)
        ++passes;
    const std::uint64_t totalWork = static_cast<std::uint64_t>(passes) * n;
    const std::uint64_t span = n > static_cast<std::size_t>(from) ? n - static_cast<std::size_t>(from) : 0;
    std::uint64_t done = 0;
    // One element placed; every CheckEvery elements publish progress and test Cancel.
    auto tick = [&]() {
        if (++done % CheckEvery != 0)
            return true;
        progress.store(static_cast<std::int32_t>(from + static_cast<std::int64_t>((done * span) / totalWork)),
                       std::memory_order_relaxed);
        return cancel.load(std::memory_order_relaxed) == 0;
    };

    std::vector<int> a = perm;
    std::vector<int> b(n);
    // Stable insertion sort of short runs.
    for (std::size_t lo = 0; lo < n; lo += Run) {
        const std::size_t hi = std::min(lo + Run, n);
        for (std::size_t i = lo; i < hi; ++i) {
            const int x = a[i];
            std::size_t j = i;
            while (j > lo && less(x, a[j - 1])) {
                a[j] = a[j - 1];
                --j;
            }
            a[j] = x;
            if (!tick())
                return false;
        }
    }
    // Stable merges of neighbouring runs: on ties the left element goes first.
    for (std::size_t w = Run; w < n; w *= 2) {
        for (std::size_t lo = 0; lo < n; lo += 2 * w) {
            const std::size_t mid = std::min(lo + w, n), hi = std::min(lo + 2 * w, n);
            std::size_t i = lo, j = mid;
            for (std::size_t k = lo; k < hi; ++k) {
                if (j >= hi || (i < mid && !less(a[j], a[i])))
                    b[k] = a[i++];
                else
                    b[k] = a[j++];
                if (!tick())
                    return false;
            }
        }
        a.swap(b);
    }
    if (cancel.load(std::memory_order_relaxed) != 0)
        return false;
    perm.swap(a);
    progress.store(static_cast<std::int32_t>(n), std::memory_order_relaxed);
    return true;
}

} // namespace sv
