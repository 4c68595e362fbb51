#pragma once
// How the documents count words to place prejump underlines and cuts, the way the content
// compiler counts the prompt words of a passage: letters, digits and the bytes of accented
// letters (192 and above) make words; an apostrophe (the plain one or the typographic 0x92)
// or a hyphen inside a word keeps it one word ("don't", "God's", "well-born").

namespace sv {

constexpr bool IsAsciiLetterOrDigit(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr bool IsWordByte(unsigned char c) { return IsAsciiLetterOrDigit(c) || c >= 192; }

constexpr bool IsWordJoiner(unsigned char c) { return c == '\'' || c == 0x92 || c == '-'; }

// Feeds characters one by one; Words is the number of words ended so far.
struct TWordCounter {
    int Words = 0;
    bool InWord = false;

    void Step(char ch)
    {
        const auto c = static_cast<unsigned char>(ch);
        if (IsWordByte(c)) {
            InWord = true;
        } else if (InWord && !IsWordJoiner(c)) {
            ++Words;
            InWord = false;
        }
    }
};

} // namespace sv
