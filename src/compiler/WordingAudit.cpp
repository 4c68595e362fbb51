#include "compiler/WordingAudit.h"

#include "compiler/AnswerCheck.h"

#include "common/Win1252.h"
#include "content/Tokenizer.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace sv::content {

namespace {

// Word group categories (wordgroups.tsv) the audit tells apart.
enum class TWordKind { Unknown = 0, Noun = 1, Person = 5, Place = 6, People = 7, OtherName = 8, Verb = 11 };

constexpr std::array<const char*, 9> NumberWords = {"two",   "three", "four", "five", "six",
                                                    "seven", "eight", "nine", "ten"};

int NumberValue(const std::string& key)
{
    for (std::size_t i = 0; i < NumberWords.size(); ++i)
        if (key == NumberWords[i])
            return static_cast<int>(i) + 2;
    return 0;
}

std::string Trimmed(const std::string& s)
{
    const auto b = s.find_first_not_of(" \t\n");
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t\n") - b + 1);
}

// One word of a question: its key, its text as written, and whether it stands between
// quotation marks; Space is true when only blanks separate it from the next word.
struct TQuestionWord {
    std::string Key, Text;
    bool Quoted = false, Space = false;
    bool EndsClause = false; // a comma or a question mark follows it
};

std::vector<TQuestionWord> QuestionWords(const std::string& text)
{
    std::vector<TQuestionWord> out;
    bool quoted = false;
    for (const auto& t : Tokenize(text)) {
        if (!t.Word.empty()) {
            const bool space = !t.Sep.empty() && t.Sep.find_first_not_of(' ') == std::string::npos;
            const bool ends = t.Sep.find_first_of(",?") != std::string::npos;
            out.push_back({AnswerWordKey(t.Word), t.Word, quoted, space, ends});
        }
        for (const char c : t.Sep) {
            if (c == '\x93')
                quoted = true;
            else if (c == '\x94')
                quoted = false;
            else if (c == '"')
                quoted = !quoted;
        }
    }
    return out;
}

class TWordClasses {
public:
    explicit TWordClasses(const TWordGroups& groups) : m_groups(groups) { }

    TWordKind Kind(const std::string& word) const { return static_cast<TWordKind>(m_groups.Find(word).value_or(0)); }
    // A noun, a name, a place or a people; a capitalised word the groups do not know counts
    // as a name unless it opens the question.
    bool IsNoun(const std::string& word, bool first) const
    {
        switch (Kind(word)) {
        case TWordKind::Noun:
        case TWordKind::Person:
        case TWordKind::Place:
        case TWordKind::People:
        case TWordKind::OtherName:
            return true;
        case TWordKind::Unknown:
            // A word the text never uses: a name, or a word for people that only questions
            // use ("believers"); function words are known to the groups or the stop list.
            return !IsAnswerStopWord(AnswerWordKey(word))
                   && !(first && !word.empty() && word[0] >= 'A' && word[0] <= 'Z');
        default:
            return false;
        }
    }

private:
    const TWordGroups& m_groups;
};

// A review-resolvable hit of one question, keyed by the words it names.
struct THit {
    std::string Key, Message;
};

bool IsThirdPersonPronoun(const std::string& key)
{
    static const std::set<std::string> words = {"he",   "him",  "his",     "himself", "she",
                                                "her",  "hers", "herself", "its",     "itself",
                                                "they", "them", "their",   "theirs",  "themselves"};
    return words.contains(key);
}

bool IsRelative(const std::string& key)
{
    return key == "who" || key == "whom" || key == "whose" || key == "which" || key == "that";
}

std::string Quote(const std::string& win1252) { return "\"" + Win1252ToUtf8(win1252) + "\""; }

// "what" with a person for its answer, "where" with a people.
void QuestionWordHits(const TAuthoredQuestion& q, const std::vector<TQuestionWord>& words, const TWordClasses& wc,
                      std::vector<THit>& hits)
{
    // "other": another question word besides "what", so the parts cannot be told apart.
    bool what = false, other = false, where = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto& w = words[i];
        if (w.Quoted)
            continue;
        what = what || w.Key == "what";
        other = other || w.Key == "who" || w.Key == "whom" || w.Key == "whose" || w.Key == "which" || w.Key == "how"
                || w.Key == "why" || w.Key == "when" || w.Key == "where";
        // "where" asks when a verb or the end of a clause follows it ("where was it agreed",
        // "and where?"), not in "the new man, where there can't be".
        if (w.Key == "where"
            && (w.EndsClause || i + 1 == words.size() || wc.Kind(words[i + 1].Text) == TWordKind::Verb))
            where = true;
    }
    bool whatHit = false, whereHit = false;
    for (const auto& part : AnswerParts(q)) {
        bool verb = false, place = false, people = false, allNamed = true, content = false;
        for (const auto& t : Tokenize(part, TTextMarkup::Underline)) {
            if (t.Word.empty())
                continue;
            const TWordKind k = wc.Kind(t.Word);
            verb = verb || k == TWordKind::Verb;
            place = place || k == TWordKind::Place;
            people = people || k == TWordKind::People;
            if (IsAnswerStopWord(AnswerWordKey(t.Word)))
                continue;
            content = true;
            allNamed = allNamed && (k == TWordKind::Person || k == TWordKind::People);
        }
        if (what && !other && !whatHit && content && allNamed && !verb) {
            whatHit = true;
            hits.push_back({"what", "the question asks \"what\", but the answer part " + Quote(part)
                                        + " names a person; ask \"who\" or \"whom\""});
        }
        if (where && !whereHit && people && !place) {
            whereHit = true;
            hits.push_back({"where", "the question asks \"where\", but the answer part " + Quote(part)
                                         + " names people, not a place; ask \"to whom\" or \"among whom\""});
        }
    }
}

// Pronouns and demonstratives whose noun the question does not name before them.
void ReferentHits(const std::vector<TQuestionWord>& words, const TWordClasses& wc, std::vector<THit>& hits)
{
    std::set<std::string> nouns;
    auto flag = [&](const std::string& key, const std::string& message) {
        if (std::none_of(hits.begin(), hits.end(), [&](const THit& h) { return h.Key == key; }))
            hits.push_back({key, message});
    };
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto& w = words[i];
        const TQuestionWord* next = i + 1 < words.size() && w.Space ? &words[i + 1] : nullptr;
        if (!w.Quoted) {
            // "he who sows to his own flesh", "those who are not weary ... if they": the clause
            // names whom the later pronoun means.
            if ((IsThirdPersonPronoun(w.Key) || w.Key == "those") && next && IsRelative(next->Key))
                nouns.insert(w.Key);
            else if (IsThirdPersonPronoun(w.Key) && nouns.empty())
                flag(w.Key, "\"" + w.Key + "\" has no noun before it in the question; name whom or what it means");
            const bool demonstrative = w.Key == "this" || w.Key == "these" || w.Key == "that" || w.Key == "those";
            // "that" after "now" or "so" joins a clause ("now that faith has come").
            const bool joins = w.Key == "that" && i > 0 && (words[i - 1].Key == "now" || words[i - 1].Key == "so");
            if (demonstrative && !joins && next && wc.Kind(next->Text) == TWordKind::Noun) {
                if (!nouns.contains(next->Key))
                    flag(w.Key + " " + next->Key, "\"" + w.Key + " " + next->Key + "\" points to " + next->Key
                                                      + " the question has not named; say which");
            } else if ((w.Key == "this" || w.Key == "these") && nouns.empty() && !(next && IsRelative(next->Key))) {
                flag(w.Key, "\"" + w.Key + "\" has no noun before it in the question; name what it means");
            }
            if (w.Key == "the" && next && (next->Key == "former" || next->Key == "latter") && nouns.empty())
                flag("the " + next->Key,
                     "\"the " + next->Key + "\" has no noun before it in the question; name the people it means");
        }
        // "each one", "anyone" name whom a later pronoun means as a noun does.
        if (wc.IsNoun(w.Text, i == 0) || w.Key == "one" || w.Key == "anyone" || w.Key == "everyone"
            || w.Key == "someone")
            nouns.insert(w.Key);
    }
}

} // namespace

std::vector<std::string> AnswerParts(const TAuthoredQuestion& q)
{
    std::vector<std::string> out;
    for (const auto& p : q.Parts) {
        std::size_t from = 0;
        while (from <= p.Text.size()) {
            const auto semi = p.Text.find(';', from);
            const std::string piece =
                Trimmed(p.Text.substr(from, semi == std::string::npos ? std::string::npos : semi - from));
            if (!piece.empty())
                out.push_back(piece);
            if (semi == std::string::npos)
                break;
            from = semi + 1;
        }
    }
    return out;
}

int BonusPartsOf(int collection) { return collection >= 2 && collection <= 4 ? collection : 0; }

int AskedCount(const std::string& question)
{
    const auto words = QuestionWords(question);
    for (std::size_t i = 0; i + 1 < words.size(); ++i) {
        const std::string& k = words[i].Key;
        if (k == "what" || k == "which" || k == "first" || k == "last" || k == "other")
            if (const int n = NumberValue(words[i + 1].Key))
                return n;
    }
    return 0;
}

std::string PartsPrefix(int n)
{
    std::string word = n >= 2 && n <= 10 ? NumberWords[static_cast<std::size_t>(n - 2)] : std::to_string(n);
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word + "-part answer.";
}

void AuditWording(const std::vector<TAuthoredQuestion>& questions, const TWordGroups* groups, TAuditReport& report)
{
    for (const auto& q : questions) {
        if (const int need = BonusPartsOf(q.Collection)) {
            const std::string points = std::to_string(need * 10) + "-point bonus";
            const auto parts = AnswerParts(q);
            if (static_cast<int>(parts.size()) != need)
                report.Faults.push_back({q.Pos, "a " + points + " has " + std::to_string(need)
                                                    + " answer parts; this answer has " + std::to_string(parts.size())
                                                    + " (parts are the answer's entries, split at semicolons)"});
            if (!q.Prefix.starts_with(PartsPrefix(need)))
                report.Faults.push_back({q.Pos, "a " + points + " announces \"" + PartsPrefix(need)
                                                    + "\"; its prefix reads " + Quote(q.Prefix)});
            if (const int asked = AskedCount(q.Question); asked && asked != need)
                report.Faults.push_back(
                    {q.Pos, "the question asks for " + std::string(NumberWords[static_cast<std::size_t>(asked - 2)])
                                + " things; a " + points + " has " + std::to_string(need) + " parts"});
        }
        if (!groups)
            continue;
        const TWordClasses wc(*groups);
        const auto words = QuestionWords(q.Question);
        std::vector<THit> hits;
        QuestionWordHits(q, words, wc, hits);
        if (q.Type != 1) // "according to" names its verse, which names what the pronouns mean
            ReferentHits(words, wc, hits);
        std::set<std::string> used;
        for (const auto& h : hits) {
            if (std::find(q.WordingReviewed.begin(), q.WordingReviewed.end(), h.Key) != q.WordingReviewed.end()) {
                used.insert(h.Key);
                ++report.Resolved;
            } else {
                report.Open.push_back(
                    {q.Pos, h.Message + ", or name \"" + h.Key + "\" in \"wording: {reviewed: [...]}\""});
            }
        }
        for (const auto& r : q.WordingReviewed)
            if (!used.contains(r))
                report.Open.push_back(
                    {q.WordingPos.File.empty() ? q.Pos : q.WordingPos,
                     "reviewed word \"" + r + "\" is no hit of this question any more; remove it from \"wording\""});
    }
}

} // namespace sv::content
