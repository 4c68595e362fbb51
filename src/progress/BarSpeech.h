#pragma once
// What a screen reader says of one bar of the progress chart: each series' share of the bar
// as a percentage with the chart's decimals, in stacking order ("Mastered 50%, Untried 50%").
// A bar with nothing counted says so.

#include <string>
#include <vector>

namespace sv {

struct TBarPart {
    std::string Series;
    double Value = 0;
};

std::string BarSpeech(const std::vector<TBarPart>& parts, int decimals);

} // namespace sv
