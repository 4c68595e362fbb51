#include "content/Tokenizer.h"

#include <string_view>

namespace sv {

namespace {
constexpr std::string_view kUnderlineOpen = "{\\ul ";

bool IsJoiner(unsigned char c) { return c == '\'' || c == 0x92 || c == '-'; }
} // namespace

bool IsWordChar(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c >= 192;
}

std::vector<TToken> Tokenize(const std::string& text, TTextMarkup markup)
{
    const bool allowMarkup = markup == TTextMarkup::Underline;
    std::vector<TToken> out;
    const std::size_t n = text.size();
    auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    std::size_t i = 0;
    while (i < n) {
        TToken t;
        // Word part (may be empty for a leading separator).
        if (!(allowMarkup && std::string_view(text).substr(i).starts_with(kUnderlineOpen))) {
            while (i < n) {
                if (IsWordChar(at(i))) {
                    t.Word.push_back(text[i++]);
                } else if (IsJoiner(at(i)) && !t.Word.empty() && i + 1 < n && IsWordChar(at(i + 1))) {
                    t.Word.push_back(text[i++]);
                } else {
                    break;
                }
            }
        }
        // Separator part: up to the next word character (markup openers included).
        while (i < n) {
            if (allowMarkup && std::string_view(text).substr(i).starts_with(kUnderlineOpen)) {
                t.Sep.append(kUnderlineOpen);
                i += kUnderlineOpen.size();
                continue;
            }
            if (IsWordChar(at(i)))
                break;
            t.Sep.push_back(text[i++]);
        }
        out.push_back(std::move(t));
    }
    return out;
}

std::string JoinTokens(const std::vector<TToken>& tokens)
{
    std::string s;
    for (const auto& t : tokens)
        s += t.Word + t.Sep;
    return s;
}

bool StartsSentence(const std::vector<TToken>& tokens, std::size_t i)
{
    std::size_t k = i;
    while (k > 0) {
        --k;
        const std::string& sep = tokens[k].Sep;
        for (char c : sep) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '.' || c == '?' || c == '!' || c == ':' || c == '(' || u == 0x93 || u == 0x91)
                return true;
        }
        if (!tokens[k].Word.empty())
            return false;
    }
    return true;
}

} // namespace sv
