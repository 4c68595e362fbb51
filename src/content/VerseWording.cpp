// Questions made from scripture text alone: quote, finish and "according to" questions on
// a passage of one or more verses.
#include "content/Books.h"
#include "content/Words.h"

#include "common/Errors.h"

namespace sv {

namespace {

bool IsLetter(char ch)
{
    const auto c = static_cast<unsigned char>(ch);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 192;
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

void TBooks::ComposeVerseQuestion(const TVerseRef& ref, int n, const TKeywordTags& tags, TMarkedText& answer,
                                  TMarkedText& question, bool plainWords, bool keywordsOnly, int mode) const
{
    const int c = ref.Chapter, v = ref.Verse, e = v + n - 1;
    std::string shortRef = std::to_string(c) + ":" + std::to_string(v);
    if (n > 1)
        shortRef += "-" + std::to_string(e);
    const std::string name = BookName(ref.Book);

    std::string lead;
    switch (mode) {
    case 0:
        lead = "Quote " + name + " chapter " + std::to_string(c) + ": ";
        if (n == 1)
            lead += "verse " + std::to_string(v) + ".";
        else if (n == 2)
            lead += "verses " + std::to_string(v) + " and " + std::to_string(v + 1) + ".";
        else
            lead += "verses " + std::to_string(v) + " through " + std::to_string(e) + ".";
        break;
    case 1:
        lead = n == 1 ? "Finish this verse: " : "Finish these verses: ";
        break;
    case 2:
        lead = n == 1 ? "Finish this verse and give the reference: " : "Finish these verses and give the reference: ";
        break;
    case 3:
        lead = "According to " + name + " chapter " + std::to_string(c) + ": verse " + std::to_string(v) + ",";
        break;
    default:
        ThrowIndex("verse question mode", mode, 0, 3);
    }

    TWordPairs pairs;
    GetPassageWords(ref, n, pairs);

    const std::int32_t limit = tags[0];
    auto tagOf = [&](TWordCode code) -> std::uint32_t {
        const int use = m_words.UseCountOf(code);
        if (limit < 1 || limit < use)
            return 0;
        return static_cast<std::uint32_t>(tags[1 + use]);
    };

    // 1. Clear and lead.
    question.ClearTagsAndMarks();
    answer.ClearTagsAndMarks();
    question.RevealPos = 0;
    answer.RevealPos = 0;
    question.Len = 0;
    answer.Len = 0;
    question.Append(lead);

    // 2. Prompt words of a finish question.
    int start = 1;
    if (mode == 1 || mode == 2) {
        // A passage of six words or more prompts with at least five; a pair without a word
        // (an opening quotation mark) is no word, but a leading one is one more prompt pair.
        int words = 0;
        for (int j = 1; j <= pairs.Count; ++j)
            if (WordIndexOf(pairs.Pairs[j].WordCode) != 0)
                ++words;
        int prompt = ref.PromptWords;
        if (!keywordsOnly && words >= 6)
            prompt = ref.PromptWords > 5 ? ref.PromptWords : 5;
        if (pairs.Count >= 1 && WordIndexOf(pairs.Pairs[1].WordCode) == 0)
            ++prompt;
        for (int j = 1; j <= prompt; ++j) {
            if (j > pairs.Count)
                continue; // pairs beyond the passage are empty
            const TWordPair& pair = pairs.Pairs[j];
            question.Append(m_words.WordText(pair.WordCode), tagOf(pair.WordCode));
            question.Append(m_words.SeparatorText(pair.SeparatorCode));
        }
        question.Append("... ");
        answer.Append("... ");
        start = prompt + 1;
    }

    // 3. Answer words.
    for (int j = start; j <= pairs.Count; ++j) {
        const TWordPair& pair = pairs.Pairs[j];
        const std::string word = m_words.WordText(pair.WordCode);
        answer.Append(word, tagOf(pair.WordCode));
        const std::string sep = m_words.SeparatorText(pair.SeparatorCode);
        if (!plainWords)
            answer.Append(sep);
        else if (!sep.empty() && !word.empty())
            answer.Append(' ');
        if (n > 1 && j < pairs.Count) {
            int k = answer.Len;
            auto passes = [](char ch) { return IsLetter(ch) || IsDigit(ch) || ch == ' ' || ch == '-'; };
            while (k >= 1 && !passes(answer.Chars[k]))
                --k;
            if (k >= 1 && (IsLetter(answer.Chars[k]) || IsDigit(answer.Chars[k])))
                answer.Append(' ');
        }
    }

    // 4. Reference suffix, stop position, terminators.
    if (mode != 0)
        answer.Append(" (" + BookAbbrev(ref.Book) + shortRef + ")");
    question.StopPos = question.Len;
    question.Terminate();
    answer.Terminate();
}

void TBooks::ComposeMemoryQuestion(int number, int mode, const TKeywordTags& tags, TMarkedText& answer,
                                   TMarkedText& question, bool keywordsOnly) const
{
    const TMemoryVerse m = MemoryVerse(number);
    ComposeVerseQuestion(m.Ref, m.VerseCount, tags, answer, question, false, keywordsOnly, mode);
}

void TBooks::ComposeAccordingTo(int verseNo, TMarkedText& question, const TKeywordTags& tags, TMarkedText& answer) const
{
    ComposeVerseQuestion(RefOfVerseNo(verseNo), 1, tags, answer, question, false, false, 3);
}

} // namespace sv
