#include "compiler/AnswerCheck.h"

#include "common/Win1252.h"

#include <algorithm>
#include <set>

namespace sv::content {

std::string AnswerWordKey(const std::string& word)
{
    std::string k = LowerAscii(word);
    std::replace(k.begin(), k.end(), '\x92', '\'');
    return k;
}

bool IsAnswerStopWord(const std::string& key)
{
    static const std::set<std::string> words = {
        // articles and determiners
        "a",
        "an",
        "the",
        "this",
        "that",
        "these",
        "those",
        // pronouns
        "i",
        "me",
        "my",
        "mine",
        "myself",
        "we",
        "us",
        "our",
        "ours",
        "ourselves",
        "you",
        "your",
        "yours",
        "yourself",
        "yourselves",
        "he",
        "him",
        "his",
        "himself",
        "she",
        "her",
        "hers",
        "herself",
        "it",
        "its",
        "itself",
        "they",
        "them",
        "their",
        "theirs",
        "themselves",
        "who",
        "whom",
        "whose",
        "which",
        "what",
        // prepositions
        "of",
        "to",
        "in",
        "into",
        "on",
        "onto",
        "upon",
        "at",
        "by",
        "for",
        "from",
        "with",
        "within",
        "without",
        "through",
        "about",
        "above",
        "among",
        "against",
        "after",
        "before",
        "over",
        "under",
        "between",
        "out",
        "up",
        "down",
        "as",
        "than",
        "toward",
        "towards",
        "unto",
        "off",
        // conjunctions
        "and",
        "or",
        "nor",
        "but",
        "so",
        "if",
        "because",
        "though",
        "although",
        "yet",
        "while",
        "whether",
        "then",
        // auxiliaries
        "be",
        "is",
        "am",
        "are",
        "was",
        "were",
        "been",
        "being",
        "have",
        "has",
        "had",
        "do",
        "does",
        "did",
        "will",
        "would",
        "shall",
        "should",
        "can",
        "could",
        "may",
        "might",
        "must",
        // negation
        "not",
        "no",
    };
    return words.contains(key);
}

std::vector<std::string> AnswerContentWords(const std::string& answerText)
{
    std::vector<std::string> out;
    for (const auto& t : Tokenize(answerText, TTextMarkup::Underline))
        if (!t.Word.empty() && !IsAnswerStopWord(AnswerWordKey(t.Word)))
            out.push_back(t.Word);
    return out;
}

std::string TAnswerWordFault::Text() const
{
    return Pos.Line > 0 ? Pos.File + ":" + std::to_string(Pos.Line) + ": " + Message : Pos.File + ": " + Message;
}

std::vector<TAnswerWordFault>
CheckAnswerWords(const std::vector<TAuthoredQuestion>& questions, const TPortion& portion,
                 const std::function<const std::vector<TToken>&(const TVerseRef&)>& verseTokens)
{
    std::vector<TAnswerWordFault> out;
    for (const auto& q : questions) {
        // The words of every cited verse, and the references as the message names them.
        std::set<std::string> text;
        std::vector<TVerseRef> cited;
        std::string refs;
        for (const auto& p : q.Parts) {
            if (std::find(cited.begin(), cited.end(), p.Ref) != cited.end())
                continue;
            cited.push_back(p.Ref);
            refs += (refs.empty() ? "" : ", ") + portion.Books[static_cast<std::size_t>(p.Ref.Book - 1)].Key + " "
                    + std::to_string(p.Ref.Chapter) + ":" + std::to_string(p.Ref.Verse);
            for (const auto& t : verseTokens(p.Ref))
                if (!t.Word.empty())
                    text.insert(AnswerWordKey(t.Word));
        }
        std::set<std::string> allowed, used;
        for (const auto& a : q.Allow)
            allowed.insert(AnswerWordKey(a));
        for (const auto& p : q.Parts) {
            std::set<std::string> reported; // each word once per part
            for (const auto& w : AnswerContentWords(p.Text)) {
                const std::string k = AnswerWordKey(w);
                if (text.contains(k))
                    continue;
                if (allowed.contains(k)) {
                    used.insert(k);
                    continue;
                }
                if (reported.insert(k).second)
                    out.push_back({p.Pos.File.empty() ? q.Pos : p.Pos,
                                   "answer word \"" + Win1252ToUtf8(w) + "\" not in " + refs});
            }
        }
        // An explanation nobody needs would hide a later fault: report it too.
        for (const auto& a : q.Allow)
            if (!used.contains(AnswerWordKey(a)))
                out.push_back({q.AllowPos.File.empty() ? q.Pos : q.AllowPos,
                               "allowed word \"" + Win1252ToUtf8(a) + "\" is not an answer word missing from " + refs
                                   + "; remove it from \"allow\""});
    }
    return out;
}

} // namespace sv::content
