#pragma once
// Splits Windows-1252 text into (word, separator) tokens, the unit of every coded text.
//
// A word is a run of letters ('A'..'Z', 'a'..'z', bytes 192 and above) and digits; an
// apostrophe (' or 0x92) or a hyphen between two such characters stays inside the word
// (don't, God's, like-minded). Everything else is separator text: the separator of a token
// is the text up to the next word. Text that starts with a non-word ("“When", "(as") gives a
// first token with an empty word; text that ends on a word gives a last separator that is
// empty. With underline markup, the opener "{\ul " is separator text even though it holds
// letters (answer texts mark the words that answer the question this way).

#include <cstddef>
#include <string>
#include <vector>

namespace sv {

struct TToken {
    std::string Word;
    std::string Sep;
    bool operator==(const TToken&) const = default;
};

// Whether the text may carry the underline opener "{\ul " as markup.
enum class TTextMarkup { Plain, Underline };

bool IsWordChar(unsigned char c);

std::vector<TToken> Tokenize(const std::string& text, TTextMarkup markup = TTextMarkup::Plain);

// The text the tokens stand for (words and separators in order).
std::string JoinTokens(const std::vector<TToken>& tokens);

// True when token i begins a sentence: it is the first word of the text, or the separator
// before it holds a full stop, question or exclamation mark, colon, opening quotation mark
// or opening parenthesis.
bool StartsSentence(const std::vector<TToken>& tokens, std::size_t i);

} // namespace sv
