#include "progress/BarSpeech.h"

#include <algorithm>
#include <cstdio>

namespace sv {

std::string BarSpeech(const std::vector<TBarPart>& parts, int decimals)
{
    double total = 0;
    for (const TBarPart& p : parts)
        total += std::max(0.0, p.Value);
    if (total <= 0)
        return "nothing counted";
    std::string text;
    for (const TBarPart& p : parts) {
        char percent[32];
        std::snprintf(percent, sizeof percent, "%.*f%%", std::clamp(decimals, 0, 6),
                      100.0 * std::max(0.0, p.Value) / total);
        if (!text.empty())
            text += ", ";
        text += p.Series + " " + percent;
    }
    return text;
}

} // namespace sv
