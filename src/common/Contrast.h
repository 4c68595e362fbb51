#pragma once
// The contrast ratio of two colours as the accessibility guidelines measure it: from 1 (the
// same) to 21 (black on white); body text wants at least 4.5. Colours are 0xRRGGBB.

#include <cstdint>

namespace sv {

// The relative luminance of a colour, 0 (black) .. 1 (white).
double RelativeLuminance(std::uint32_t rgb);
double ContrastRatio(std::uint32_t rgb1, std::uint32_t rgb2);

inline constexpr double ReadableContrast = 4.5;

// text as it stays readable on background: unchanged when it already is, else mixed step by
// step towards black or white (whichever the background leaves more room for) until it is.
// Keyword colours thus keep their hue on a light page and on a dark, high-contrast one.
std::uint32_t ReadableOn(std::uint32_t text, std::uint32_t background);

} // namespace sv
