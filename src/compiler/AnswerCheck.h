#pragma once
// The answer-word check: every content word of an authored answer must occur in the text of
// the question's cited verses (any of its references, since one part may borrow a word from a
// sibling part's verse). Function words (articles, pronouns, prepositions, conjunctions,
// auxiliaries) are not checked. Words compare case-insensitively, with ’ and ' alike; a
// hyphenated word is one word, as the text writes it. A question's "allow" list explains the
// words that rightly stand in its answer without being in its verses.

#include "compiler/Sources.h"

#include "content/Tokenizer.h"

#include <functional>
#include <string>
#include <vector>

namespace sv::content {

// The comparison form of a word (Windows-1252): ASCII lower case, 0x92 read as '.
std::string AnswerWordKey(const std::string& word);

// True for the function words the check leaves out (key form).
bool IsAnswerStopWord(const std::string& key);

// The content words of an answer text as written (markup, quotes, ellipses and punctuation
// left out, stop words dropped), in order.
std::vector<std::string> AnswerContentWords(const std::string& answerText);

struct TAnswerWordFault {
    TSourcePos Pos;
    std::string Message;      // UTF-8, without the position
    std::string Text() const; // "file:line: message"
};

// Checks every question; verseTokens gives the tokens of a verse of the portion.
std::vector<TAnswerWordFault>
CheckAnswerWords(const std::vector<TAuthoredQuestion>& questions, const TPortion& portion,
                 const std::function<const std::vector<TToken>&(const TVerseRef&)>& verseTokens);

} // namespace sv::content
