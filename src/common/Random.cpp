#include "common/Random.h"

#include <chrono>

namespace sv {

namespace {

std::uint64_t SplitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

} // namespace

TRandom::TRandom()
    : TRandom(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())
              ^ static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()))
{ }

TRandom::TRandom(std::uint64_t seed) { Seed(seed); }

void TRandom::Seed(std::uint64_t seed)
{
    for (auto& s : m_s)
        s = SplitMix(seed);
}

std::uint64_t TRandom::Next()
{
    const std::uint64_t result = Rotl(m_s[1] * 5, 7) * 9;
    const std::uint64_t t = m_s[1] << 17;
    m_s[2] ^= m_s[0];
    m_s[3] ^= m_s[1];
    m_s[1] ^= m_s[2];
    m_s[0] ^= m_s[3];
    m_s[2] ^= t;
    m_s[3] = Rotl(m_s[3], 45);
    return result;
}

int TRandom::Random(int bound)
{
    if (bound <= 0)
        return 0;
    const auto b = static_cast<std::uint64_t>(bound);
    // Reject the top partial range so every value below bound is equally likely.
    const std::uint64_t limit = UINT64_MAX - (UINT64_MAX % b);
    std::uint64_t x;
    do
        x = Next();
    while (x >= limit);
    return static_cast<int>(x % b);
}

} // namespace sv
