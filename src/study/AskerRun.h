#pragma once
// How a session text area lays out a marked text: characters 1..RevealPos in runs of one
// colour (and, where styles count, one style), placed left to right with a line break before
// a run that would not fit. Drawing is the window's; the layout is here so it can be tested.

#include "content/MarkedText.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sv {

struct TAskerRun {
    std::string Text;         // Windows-1252 bytes
    std::uint32_t Colour = 0; // 0x00BBGGRR of the run's first character
    std::uint8_t Style = 0;   // Marks of the run's last character (bit 0 bold, 1 italic, 2 underline)
    int X = 0;
    int Y = 0;
};

// Splits characters 1..RevealPos into runs: a run goes on while its character is not a
// space, is neither the last character of the text nor the last revealed one, and the next
// character has the same colour (and, with useStyles, the same style). measure gives a run's
// width in pixels in its style; a run that would reach beyond width - 2 starts a new line.
std::vector<TAskerRun> LayoutAskerRuns(const TMarkedText& text, bool useStyles, int width, int lineHeight,
                                       const std::function<int(const std::string&, std::uint8_t)>& measure);

} // namespace sv
