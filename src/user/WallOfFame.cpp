#include "user/WallOfFame.h"

#include <string>

namespace sv {

TWallOfFame::TWallOfFame() { Reset(); }

void TWallOfFame::Reset()
{
    Reserved = 0;
    Padding = 0;
    for (auto& n : Names)
        n = TShortString<100>("You could be here");
    Scores.fill(0);
}

bool TWallOfFame::AddHighScore(std::int32_t score, std::string_view name)
{
    if (score <= Scores[Places])
        return false;
    int place = Places;
    while (place >= 2 && Scores[place - 1] < score) {
        Names[place] = Names[place - 1];
        Scores[place] = Scores[place - 1];
        --place;
    }
    Names[place] = TShortString<100>(name.substr(0, 100));
    Scores[place] = score;
    return true;
}

} // namespace sv
