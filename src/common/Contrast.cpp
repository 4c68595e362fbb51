#include "common/Contrast.h"

#include <algorithm>
#include <cmath>

namespace sv {

namespace {
double Linear(std::uint32_t channel)
{
    const double c = static_cast<double>(channel & 0xFF) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
} // namespace

double RelativeLuminance(std::uint32_t rgb)
{
    return 0.2126 * Linear(rgb >> 16) + 0.7152 * Linear(rgb >> 8) + 0.0722 * Linear(rgb);
}

double ContrastRatio(std::uint32_t rgb1, std::uint32_t rgb2)
{
    const double a = RelativeLuminance(rgb1);
    const double b = RelativeLuminance(rgb2);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::uint32_t ReadableOn(std::uint32_t text, std::uint32_t background)
{
    if (ContrastRatio(text, background) >= ReadableContrast)
        return text;
    const std::uint32_t towards =
        ContrastRatio(0x000000, background) >= ContrastRatio(0xFFFFFF, background) ? 0x000000 : 0xFFFFFF;
    auto mix = [&](int shift, int step) {
        const int a = static_cast<int>((text >> shift) & 0xFF);
        const int b = static_cast<int>((towards >> shift) & 0xFF);
        return static_cast<std::uint32_t>(a + (b - a) * step / 10) << shift;
    };
    for (int step = 1; step < 10; ++step) {
        const std::uint32_t mixed = mix(16, step) | mix(8, step) | mix(0, step);
        if (ContrastRatio(mixed, background) >= ReadableContrast)
            return mixed;
    }
    return towards;
}

} // namespace sv
