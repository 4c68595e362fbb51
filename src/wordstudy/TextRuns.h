#pragma once
// Cutting a marked text into runs for drawing, and wrapping the runs into lines.
//
// A run ends after a blank, at the last character, or where the next character's colour or
// boldness differs. Runs are placed from the indent; a run that would pass width - 2 starts a
// new line at the indent (unless it already starts a line: a run wider than the whole line
// stays on its own line). With hiding on, every character whose tag is one of the keyword
// colours for use counts 1..50 is shown as "*"; blanks and punctuation carry tag 0 and stay.
//
// Widths come from a measuring function so that the same layout serves painting, hit testing
// and tests without a window.

#include "content/MarkedText.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sv {

// Width in pixels of a Windows-1252 text in the plain or the bold font.
using TMeasureText = std::function<int(std::string_view text, bool bold)>;

struct TTextRun {
    std::string Text;         // the characters shown (stars when hidden), Windows-1252
    std::uint32_t Colour = 0; // the characters' tag: 0 default, else 0x00BBGGRR
    bool Bold = false;
    int X = 0;    // left edge in pixels
    int Line = 0; // 0-based line of the block
    bool operator==(const TTextRun&) const = default;
};

struct TTextBlock {
    std::vector<TTextRun> Runs;
    int Lines = 1; // lines the block takes (at least one)
};

// True when tag is the colour of one of the use counts 1..50 in the keyword table.
bool IsKeywordColour(std::uint32_t tag, const TKeywordTags& colours);

// Characters 1..Len of the marked text cut into runs and wrapped from indent to width - 2.
TTextBlock LayoutMarkedText(const TMarkedText& text, int indent, int width, bool hide, const TKeywordTags& colours,
                            const TMeasureText& measure);

// A plain text (one colour and weight) cut after blanks and wrapped the same way.
TTextBlock LayoutPlainText(std::string_view text, std::uint32_t colour, bool bold, int indent, int width,
                           const TMeasureText& measure);

} // namespace sv
