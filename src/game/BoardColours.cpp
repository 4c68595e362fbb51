#include "game/BoardColours.h"

namespace sv {

std::vector<TTextOnBackground> BoardTextColours()
{
    const TBoardColours& c = BoardColours;
    return {
        {"category caption", c.Caption, c.Panel},
        {"value", c.Value, c.Button},
        {"value under the mouse", c.Value, c.ButtonHover},
        {"value that cannot be picked", c.ValueDisabled, c.Button},
    };
}

} // namespace sv
