#include "ListFixtures.h"
#include "lists/ListSort.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

using namespace sv;

namespace {

std::vector<int> Identity(int n)
{
    std::vector<int> p(static_cast<std::size_t>(n));
    std::iota(p.begin(), p.end(), 0);
    return p;
}

} // namespace

// Against the plain insertion sort, on sizes around the run and merge boundaries and with
// few distinct keys, so that stability is exercised everywhere.
TEST(ListSort, MatchesStableInsertionSort)
{
    std::mt19937 g(7);
    for (int n : {0, 1, 2, 31, 32, 33, 64, 65, 100, 1000, 4097}) {
        for (int distinct : {1, 3, 50}) {
            std::vector<int> keys(static_cast<std::size_t>(n));
            for (auto& k : keys)
                k = static_cast<int>(g() % distinct);
            auto expect = Identity(n);
            sv::test::ReferenceInsertionSort(expect, [&](int a, int b) { return keys[a] > keys[b]; });
            auto perm = Identity(n);
            std::atomic<std::int32_t> progress{0};
            std::atomic<std::uint8_t> cancel{0};
            ASSERT_TRUE(CancellableStableSort(
                perm, [&](int a, int b) { return keys[a] < keys[b]; }, progress, cancel));
            EXPECT_EQ(perm, expect) << "n " << n << " distinct " << distinct;
            EXPECT_EQ(progress.load(), n);
        }
    }
}

TEST(ListSort, ProgressClimbsToCountAndCancelLeavesThePermutation)
{
    const int n = 20000;
    std::mt19937 g(3);
    std::vector<int> keys(n);
    for (auto& k : keys)
        k = static_cast<int>(g() % 1000);
    std::atomic<std::int32_t> progress{0};
    std::atomic<std::uint8_t> cancel{0};
    std::vector<int> seen;
    auto perm = Identity(n);
    ASSERT_TRUE(CancellableStableSort(
        perm,
        [&](int a, int b) {
            seen.push_back(progress.load());
            return keys[a] < keys[b];
        },
        progress, cancel));
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_GE(seen.front(), 0);
    EXPECT_LE(seen.back(), n);
    EXPECT_GT(std::count_if(seen.begin(), seen.end(), [&](int p) { return p > n / 2; }), 0);

    // Another party sets Cancel part-way through: the sort stops and changes nothing.
    for (long long stopAfter : {10LL, 5000LL, 150000LL}) {
        progress = 0;
        cancel = 0;
        long long compares = 0;
        auto p2 = Identity(n);
        std::reverse(p2.begin(), p2.end());
        const auto before = p2;
        EXPECT_FALSE(CancellableStableSort(
            p2,
            [&](int a, int b) {
                if (++compares == stopAfter)
                    cancel = 1;
                return keys[a] < keys[b];
            },
            progress, cancel));
        EXPECT_EQ(p2, before);
        EXPECT_LT(compares, stopAfter + 10000) << "cancel not honoured promptly";
    }
}
