#pragma once
// The colours of the game board (0xRRGGBB), the one place the board window takes them from.
// Every text colour is chosen to stand out from the background it is drawn on by at least the
// readable contrast (common/Contrast.h), so that the board can be read across a room and by
// a quizzer who sees poorly; BoardTextColours lists the pairs for the check.

#include <cstdint>
#include <string>
#include <vector>

namespace sv {

struct TBoardColours {
    std::uint32_t Panel = 0x0B1A78;       // the blue behind the buttons and the captions
    std::uint32_t Caption = 0xFFFFFF;     // category captions on Panel
    std::uint32_t Button = 0x1C3FD0;      // a value button
    std::uint32_t ButtonHover = 0x2448E0; // under the mouse
    std::uint32_t ButtonEdge = 0x08145A;
    std::uint32_t Value = 0xFFD54A;         // the value of a cell that can be picked
    std::uint32_t ValueDisabled = 0xC8D0F8; // a value that cannot be picked now
    std::uint32_t Focus = 0xFFFFFF;         // the frame of the focused button
};

inline constexpr TBoardColours BoardColours{};

struct TTextOnBackground {
    std::string What;
    std::uint32_t Text = 0;
    std::uint32_t Background = 0;
};

// Every text colour of the board with the background it is drawn on.
std::vector<TTextOnBackground> BoardTextColours();

} // namespace sv
