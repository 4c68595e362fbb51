#include "study/AskerRun.h"

namespace sv {

std::vector<TAskerRun> LayoutAskerRuns(const TMarkedText& text, bool useStyles, int width, int lineHeight,
                                       const std::function<int(const std::string&, std::uint8_t)>& measure)
{
    std::vector<TAskerRun> runs;
    const int last = text.RevealPos < text.Len ? text.RevealPos : text.Len;
    int x = 0;
    int y = 0;
    int i = 1;
    while (i <= last) {
        const int start = i;
        while (text.Chars[i] != ' ' && i != text.Len && i != last && text.Tags[i + 1] == text.Tags[i]
               && (!useStyles || text.Marks[i + 1] == text.Marks[i]))
            ++i;
        TAskerRun run;
        for (int k = start; k <= i; ++k)
            run.Text.push_back(text.Chars[k]);
        run.Colour = text.Tags[start];
        run.Style = text.Marks[i];
        const int w = measure(run.Text, run.Style);
        // A run wider than the whole area stays on its line rather than leaving an empty one.
        if (x > 0 && x + w > width - 2) {
            x = 0;
            y += lineHeight;
        }
        run.X = x;
        run.Y = y;
        x += w;
        runs.push_back(std::move(run));
        ++i;
    }
    return runs;
}

} // namespace sv
