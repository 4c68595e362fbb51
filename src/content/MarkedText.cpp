#include "content/MarkedText.h"

#include "common/Errors.h"

namespace sv {

void TMarkedText::Append(char c, std::uint32_t tag, std::uint8_t mark)
{
    if (Len >= MarkedTextCapacity)
        ThrowRange("Range check error: text longer than 999 characters");
    ++Len;
    Chars[Len] = c;
    Tags[Len] = tag;
    Marks[Len] = mark;
}

void TMarkedText::Append(std::string_view text, std::uint32_t tag, std::uint8_t mark)
{
    for (char c : text)
        Append(c, tag, mark);
}

void TMarkedText::ClearTagsAndMarks()
{
    Tags.fill(0);
    Marks.fill(0);
}

void TMarkedText::Terminate() { Chars[Len + 1] = '\0'; }

std::string TMarkedText::Text() const
{
    std::string s;
    s.reserve(static_cast<std::size_t>(Len));
    for (int i = 1; i <= Len; ++i)
        s.push_back(Chars[i]);
    return s;
}

void InitKeywordColours(TKeywordTags& table, int limit)
{
    for (int k = 0; k <= 255; ++k)
        table[1 + k] = 0;
    if (limit >= 1)
        table[1 + 1] = ColourUse1;
    if (limit >= 2)
        table[1 + 2] = ColourUse2;
    if (limit >= 3)
        table[1 + 3] = ColourUse3;
    for (int k = 4; k <= limit && k <= 255; ++k)
        table[1 + k] = ColourUse4Up;
    table[0] = limit;
}

} // namespace sv
