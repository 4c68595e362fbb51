#include "wordstudy/TextRuns.h"

namespace sv {
namespace {

struct TChar {
    char C;
    std::uint32_t Colour;
    bool Bold;
};

TTextBlock Wrap(const std::vector<TChar>& chars, int indent, int width, const TMeasureText& measure)
{
    TTextBlock block;
    int x = indent;
    int line = 0;
    std::size_t i = 0;
    while (i < chars.size()) {
        // A run: up to and including a blank, or up to a change of colour or weight.
        std::size_t j = i;
        std::string text;
        for (;;) {
            text.push_back(chars[j].C);
            if (chars[j].C == ' ' || j + 1 == chars.size())
                break;
            if (chars[j + 1].Colour != chars[i].Colour || chars[j + 1].Bold != chars[i].Bold)
                break;
            ++j;
        }
        const int w = measure(text, chars[i].Bold);
        if (x + w > width - 2 && x > indent) {
            ++line;
            x = indent;
        }
        block.Runs.push_back({std::move(text), chars[i].Colour, chars[i].Bold, x, line});
        x += w;
        i = j + 1;
    }
    block.Lines = line + 1;
    return block;
}

} // namespace

bool IsKeywordColour(std::uint32_t tag, const TKeywordTags& colours)
{
    if (tag == 0)
        return false;
    for (int k = 1; k <= 50; ++k)
        if (static_cast<std::uint32_t>(colours[1 + k]) == tag)
            return true;
    return false;
}

TTextBlock LayoutMarkedText(const TMarkedText& text, int indent, int width, bool hide, const TKeywordTags& colours,
                            const TMeasureText& measure)
{
    std::vector<TChar> chars;
    chars.reserve(static_cast<std::size_t>(text.Len > 0 ? text.Len : 0));
    for (int i = 1; i <= text.Len; ++i) {
        const std::uint32_t tag = text.Tags[i];
        char c = text.Chars[i];
        if (hide && IsKeywordColour(tag, colours))
            c = '*';
        chars.push_back({c, tag, (text.Marks[i] & MarkBold) != 0});
    }
    return Wrap(chars, indent, width, measure);
}

TTextBlock LayoutPlainText(std::string_view text, std::uint32_t colour, bool bold, int indent, int width,
                           const TMeasureText& measure)
{
    std::vector<TChar> chars;
    chars.reserve(text.size());
    for (char c : text)
        chars.push_back({c, colour, bold});
    return Wrap(chars, indent, width, measure);
}

} // namespace sv
