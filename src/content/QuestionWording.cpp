// Question wording: leads, prefix and plain texts, word lists, prejump points and the composed
// question and answer of a stored question.
#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"

#include "common/Errors.h"

namespace sv {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Cut3(int n) { return std::to_string(n).substr(0, 3); }

const char* const SituationLead = "Situation question: ";
const char* const BookChapterLead = "In what book and chapter is the following: \"";

} // namespace

std::string TQuestions::QuestionLead(TQuestionAddr q) const
{
    const int type = QuestionType(q);
    if (type == TypeAccordingTo) {
        const TVerseRef r = PrimaryRef(q);
        const std::string name = m_books.BookName(r.Book);
        if (name == "Philemon")
            return "According to " + name + ", verse " + Cut3(r.Verse) + ", ";
        return "According to " + name + " chapter " + Cut3(r.Chapter) + ": verse " + Cut3(r.Verse) + ", ";
    }
    return TypeLead(type);
}

std::string TQuestions::TypeLead(int type)
{
    if (type == TypeSituation)
        return SituationLead;
    if (type == TypeBookAndChapter)
        return BookChapterLead;
    return {};
}

std::string TQuestions::PreannounceCode(int type) { return sv::PreannounceCode(type); }

char TQuestions::CollectionMark(int collection)
{
    switch (collection) {
    case 2:
        return '$';
    case 3:
        return '%';
    case 4:
        return '&';
    default:
        return '#';
    }
}

void TQuestions::DecodeRange(const TCodeStream& stream, long long from, long long to, TWordPairs& out) const
{
    long long p = from;
    while (to > p)
        out.Append(m_words.DecodePair(stream, p));
}

std::string TQuestions::PrefixTextOf(TQuestionAddr q) const
{
    if (IsPlaceholder(q))
        return {};
    const TCollection& c = Collection(q.Collection);
    long long p = c.Records[q.Index].PrefixStart;
    const long long end = c.Records[q.Index + 1].PrefixStart;
    std::string s, word, sep;
    while (end > p) {
        m_words.DecodePairText(c.PrefixText, p, word, sep);
        s += word;
        s += sep;
    }
    return s;
}

std::uint8_t TQuestions::PrejumpPoint(TQuestionAddr q, bool countLeadWords) const
{
    const TQuestionRec& rec = Record(q);
    if (rec.QType == TypeAccordingTo || rec.QType == TypeContext)
        return NoPrejumpPoint;
    int n = rec.PrejumpWords();
    if (countLeadWords && rec.QType == TypeSituation)
        n += 2;
    if (countLeadWords && rec.QType == TypeBookAndChapter)
        n += 8;
    return static_cast<std::uint8_t>(n);
}

std::string TQuestions::QuestionPlainText(TQuestionAddr q) const
{
    std::string s = QuestionLead(q);
    TWordPairs pairs, none;
    QuestionWords(q, TWordsOf::Question, pairs, none);
    for (int j = 1; j <= pairs.Count; ++j) {
        s += m_words.WordText(pairs.Pairs[j].WordCode);
        s += m_words.SeparatorText(pairs.Pairs[j].SeparatorCode);
    }
    if (s.size() > static_cast<std::size_t>(MarkedTextCapacity))
        ThrowRange("Range check error: question text longer than 999 characters");
    return s;
}

int TQuestions::QuestionWords(TQuestionAddr q, TWordsOf which, TWordPairs& question, TWordPairs& answer) const
{
    question.Count = 0;
    answer.Count = 0;
    const bool placeholder = IsPlaceholder(q);
    const TCollection& c = Collection(q.Collection);
    if (which != TWordsOf::Answer) {
        if (!placeholder)
            DecodeRange(c.QuestionText, c.Records[q.Index].QuestionStart, c.Records[q.Index + 1].QuestionStart,
                        question);
        if (which == TWordsOf::QuestionWithoutLead && question.Count > 0
            && WordIndexOf(question.Pairs[1].WordCode) == 0) {
            for (int j = 1; j < question.Count; ++j)
                question.Pairs[j] = question.Pairs[j + 1];
            --question.Count;
        }
    }
    if (which == TWordsOf::Answer || which == TWordsOf::QuestionAndAnswer) {
        if (!placeholder) {
            const long long from = c.QuestionRefs[c.Records[q.Index].RefStart].AnswerStart;
            const long long to = c.QuestionRefs[c.Records[q.Index + 1].RefStart].AnswerStart;
            DecodeRange(c.AnswerText, from, to, answer);
        }
        return answer.Count;
    }
    return 0;
}

std::int32_t TQuestions::KeywordTagOf(TWordCode code, const TKeywordTags& tags, bool markUniques) const
{
    if (!markUniques)
        return 0;
    const std::string text = m_words.WordText(code);
    int use = 0;
    if (!text.empty()) {
        const TWordCode found = m_words.FindWord(text);
        if (found != 0)
            use = m_words.UseCountOf(found);
    }
    return tags[1 + use];
}

void TQuestions::ComposeQuestion(TQuestionAddr q, const TKeywordTags& tags, const TComposeOptions& options,
                                 TMarkedText& answer, TMarkedText& question) const
{
    const bool withReferences = options.WithReferences;
    const bool keywordTargeting = options.KeywordTargeting;
    const bool markUniques = options.MarkUniques;
    const std::int16_t wordsPastKeyword = options.WordsPastKeyword;
    const TQuestionRec& rec = Record(q);
    const bool placeholder = rec.QType == TypePlaceholder;
    const TCollection& c = Collection(q.Collection);

    // 1. Clear.
    question.ClearTagsAndMarks();
    answer.ClearTagsAndMarks();
    question.Len = 0;
    answer.Len = 0;
    question.StopPos = NoPrejumpPoint;

    // 2. Question: lead, then the words with the prejump bars and the stop position.
    question.Append(QuestionLead(q));
    TWordPairs pairs;
    if (!placeholder)
        DecodeRange(c.QuestionText, rec.QuestionStart, c.Records[q.Index + 1].QuestionStart, pairs);
    const int p = PrejumpPoint(q, rec.QType != TypeBookAndChapter);
    int w = 0;
    for (int j = 1; j <= pairs.Count; ++j) {
        const TWordPair& pair = pairs.Pairs[j];
        const std::string word = m_words.WordText(pair.WordCode);
        if (!word.empty()) {
            ++w;
            question.Append(word, static_cast<std::uint32_t>(KeywordTagOf(pair.WordCode, tags, markUniques)));
        }
        if (keywordTargeting && j < pairs.Count) {
            if (p >= 1 && p <= 239 && w == p) {
                question.Append(' ');
                question.Append("||", TagReference);
            }
            if (p + wordsPastKeyword == w)
                question.StopPos = question.Len;
        }
        question.Append(m_words.SeparatorText(pair.SeparatorCode));
    }

    // 3. Finish the question.
    question.Terminate();
    question.RevealPos = 0;
    if (!keywordTargeting || question.StopPos == NoPrejumpPoint)
        question.StopPos = question.Len;

    // 4. and 5. Answer parts, each followed by its reference unless the text already ends in one.
    const int refs = RefCountOf(q);
    for (int k = 1; k <= refs; ++k) {
        if (k > 1)
            answer.Append(' ');
        if (!placeholder) {
            TWordPairs part;
            DecodeRange(c.AnswerText, AnswerStartOf(q, k), AnswerEndOf(q, k), part);
            for (int j = 1; j <= part.Count; ++j) {
                const TWordPair& pair = part.Pairs[j];
                answer.Append(m_words.WordText(pair.WordCode),
                              static_cast<std::uint32_t>(KeywordTagOf(pair.WordCode, tags, markUniques)));
                answer.Append(m_words.SeparatorText(pair.SeparatorCode));
            }
        }
        if (withReferences && answer.Len > 2) {
            const char last = answer.Chars[answer.Len];
            const char second = answer.Chars[answer.Len - 1];
            const char third = answer.Chars[answer.Len - 2];
            const bool append = (last != ')' && second != ')') || (!IsDigit(second) && !IsDigit(third));
            if (append) {
                const TVerseRef r = RefOf(q, k);
                std::string verse = std::to_string(r.Verse);
                const int run = VerseRunOfType(rec.QType);
                if (run > 1)
                    verse += "-" + std::to_string(r.Verse + run - 1);
                std::string text = "(" + m_books.BookAbbrev(r.Book) + std::to_string(r.Chapter) + ":" + verse + ")";
                if (last != ' ')
                    text = " " + text;
                answer.Append(text, TagReference);
            }
        }
    }

    // 6. Underline markup "{\ul " ... "}".
    {
        static constexpr char Open[] = "{\\ul ";
        const int len = answer.Len;
        int out = 0;
        bool underline = false;
        for (int i = 1; i <= len;) {
            if (!underline && i < len - 5) {
                bool open = true;
                for (int k = 0; k < 5 && open; ++k)
                    open = answer.Chars[i + k] == Open[k];
                if (open) {
                    underline = true;
                    i += 5;
                    continue;
                }
            }
            if (underline && answer.Chars[i] == '}') {
                underline = false;
                ++i;
                continue;
            }
            ++out;
            answer.Chars[out] = answer.Chars[i];
            answer.Tags[out] = answer.Tags[i];
            answer.Marks[out] = static_cast<std::uint8_t>(answer.Marks[i] | (underline ? MarkUnderline : 0));
            ++i;
        }
        for (int i = out + 1; i <= len; ++i) {
            answer.Tags[i] = 0;
            answer.Marks[i] = 0;
        }
        answer.Len = static_cast<std::int16_t>(out);
    }

    // 7. Finish the answer.
    answer.Terminate();
    answer.RevealPos = 0;
}

} // namespace sv
