#pragma once
// The wall of fame: the six best game scores of a person, highest first.

#include "common/BoundedArray.h"
#include "common/ShortString.h"

#include <cstdint>
#include <string_view>

namespace sv {

class TWallOfFame {
public:
    static constexpr int Places = 6;

    TWallOfFame();

    // Every name "You could be here", every score 0.
    void Reset();

    // Enters score into its place when it beats place 6: a score equal to one on the wall
    // goes below it, the sixth entry drops off. The name is cut to 100 characters.
    // False (and nothing changes) when score is not above the score in place 6.
    bool AddHighScore(std::int32_t score, std::string_view name);

    std::string Name(int place) const { return Names[place].text(); }
    std::int32_t Score(int place) const { return Scores[place]; }

    std::uint8_t Reserved = 0;
    TFixedArray<TShortString<100>, 1, Places> Names{"wall of fame names"};
    std::uint8_t Padding = 0;
    TFixedArray<std::int32_t, 1, Places> Scores{"wall of fame scores"};

    template <class Self, class F>
    static void Fields(Self& s, F&& f)
    {
        f(s.Reserved), f(s.Names), f(s.Padding), f(s.Scores);
    }
};

} // namespace sv
