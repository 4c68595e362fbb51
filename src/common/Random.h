#pragma once
// The random source of the working lists: a uniform integer below a bound. Lists take it by
// reference so that tests can fix the draws; TRandom is the program's seedable generator.

#include <cstdint>

namespace sv {

class IRandom {
public:
    virtual ~IRandom() = default;
    // A uniform integer in 0..bound-1; 0 when bound is 0 or below.
    virtual int Random(int bound) = 0;
};

// xoshiro256** seeded through splitmix64, with unbiased bounded draws, so that a seed gives
// the same sequence on every platform.
class TRandom final : public IRandom {
public:
    TRandom(); // seeded from the clock
    explicit TRandom(std::uint64_t seed);

    void Seed(std::uint64_t seed);
    int Random(int bound) override;

private:
    std::uint64_t Next();
    std::uint64_t m_s[4] = {};
};

} // namespace sv
