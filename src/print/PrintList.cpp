#include "print/PrintList.h"

#include "common/Errors.h"
#include "common/Random.h"
#include "content/Books.h"
#include "content/Words.h"
#include "lists/QsList.h"
#include "print/DocFile.h"
#include "print/RtfWriter.h"
#include "user/History.h"
#include "user/User.h"

#include <algorithm>
#include <climits>

namespace sv {

int ListTarget(TListSize mode, int value, int size)
{
    switch (mode) {
    case TListSize::AllAvailable:
        return size;
    case TListSize::NoMoreThan:
    case TListSize::BestNumber:
        return std::max(0, std::min(value, size));
    case TListSize::Percent:
    case TListSize::BestPercent: {
        const long long n = static_cast<long long>(size) * std::clamp(value, 0, 100) / 100;
        // A percentage of a non-empty list keeps at least one question.
        return size > 0 ? static_cast<int>(std::max(1LL, n)) : 0;
    }
    }
    return size;
}

TPrintList::TPrintList(const TQuestions& questions, TListOptions options, IRandom& random)
    : m_questions(questions), m_options(std::move(options)), m_random(random), m_user(std::make_unique<TUser>())
{
    m_user->Options.QuestionTypes = m_options.Types;
    m_user->Collections = m_options.Collections;
    m_list = std::make_unique<TQsList>(m_questions, *m_user, m_random);
}

TPrintList::~TPrintList() = default;

int TPrintList::ProgressPercent() const
{
    const TPhase phase = m_phase.load(std::memory_order_relaxed);
    if (phase == TPhase::Done)
        return 100;
    const long long n = m_list->Count();
    if (n <= 0)
        return phase == TPhase::Building ? 0 : (phase == TPhase::Ordering ? 30 : 90);
    auto part = [n](long long done, int from, int span) {
        return from + static_cast<int>(std::clamp<long long>(done, 0, n) * span / n);
    };
    switch (phase) {
    case TPhase::Building:
        return part(m_list->SortProgress(), 0, 30);
    case TPhase::Ordering:
        return part(m_list->SortProgress(), 30, 60);
    default:
        return part(m_written.load(std::memory_order_relaxed), 90, 10);
    }
}

void TPrintList::Cancel() { m_list->SetCancel(true); }
bool TPrintList::Cancelled() const { return m_list->Cancelled(); }

void TPrintList::Build()
{
    const TListOptions& o = m_options;
    m_list->BuildFull(o.Material, true, o.Collections, 1, o.OnlyDuplicates);
    if (Cancelled())
        return;
    std::vector<TQuestionAddr> listed;
    for (int i = 1, n = m_list->Count(); i <= n; ++i)
        listed.push_back(m_list->QuestionAt(i));
    TSetsHelper(m_questions).BuildCandidates(m_candidates, listed, THistory(), false, o.Difficulty);
    if (o.Size == TListSize::BestPercent || o.Size == TListSize::BestNumber) {
        std::vector<TSortRecord> records(m_candidates.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            records[i].Values[0] = static_cast<std::int32_t>(i);
            records[i].Values[2] = m_candidates[i].DifficultyScore;
        }
        if (!m_list->SortByExternalKey(records))
            return;
        std::vector<TSetCandidate> moved(m_candidates.size());
        for (std::size_t i = 0; i < records.size(); ++i)
            moved[i] = m_candidates[static_cast<std::size_t>(records[i].Values[0])];
        m_candidates.swap(moved);
    }
}

void TPrintList::Thin()
{
    const TListOptions& o = m_options;
    const int size = m_list->Count();
    const int n = ListTarget(o.Size, o.SizeValue, size);
    if (n >= size)
        return;
    if (n == 0) {
        m_list->TakeEvery(1, 1, 0);
        return;
    }
    const int step = size / n;
    switch (o.Size) {
    case TListSize::NoMoreThan:
    case TListSize::Percent:
        m_list->TakeEvery(1 + m_random.Random(size - step * n), step, n);
        break;
    case TListSize::BestPercent:
    case TListSize::BestNumber:
        // The best first; without a difficulty every step-th from the first.
        m_list->TakeEvery(1, o.Difficulty == TDifficulty::Mixed ? step : 1, n);
        break;
    case TListSize::AllAvailable:
        break;
    }
}

TPrintList::TOutcome TPrintList::Write(TDocFile& out)
{
    Build();
    if (!Cancelled())
        Thin();
    m_phase.store(TPhase::Ordering, std::memory_order_relaxed);
    if (!Cancelled()) {
        if (m_options.Order == TListOrder::ByReference)
            m_list->SortByReference();
        else
            m_list->SortByText();
    }
    if (Cancelled())
        return TOutcome::Cancelled;
    m_phase.store(TPhase::Writing, std::memory_order_relaxed);
    if (out.IsRtf())
        WriteQuestionDocHeader(out);
    WriteTitleAndKey(out);
    if (m_options.PrejumpList)
        WritePrejumpList(out);
    else
        WriteFullList(out);
    if (out.IsRtf())
        WriteDocTrailer(out, TTrailer::Plain);
    m_phase.store(TPhase::Done, std::memory_order_relaxed);
    return TOutcome::Written;
}

TPrintList::TOutcome TPrintList::Execute()
{
    TDocFile doc(m_options.Rtf ? TDocFormat::Rtf : TDocFormat::Text, m_options.TextEncoding);
    if (Write(doc) == TOutcome::Cancelled)
        return TOutcome::Cancelled;
    doc.Save(m_options.FileName);
    return TOutcome::Written;
}

void TPrintList::WriteTitleAndKey(TDocFile& f)
{
    const TListOptions& o = m_options;
    const bool rtf = f.IsRtf();
    // The symbols the entries show: the type codes in the order they first appear, and
    // whether a question held by several collections is among them.
    std::vector<std::pair<std::string, int>> codes;
    bool shared = false;
    for (int k = 1, n = m_list->Count(); k <= n; ++k) {
        const TQuestionAddr q = m_list->QuestionAt(k);
        const int dups = m_questions.DupCount(q);
        const int type = m_questions.ListType(q);
        if ((o.OnlyDuplicates && dups == 1) || (o.PrejumpList && type == 1))
            continue;
        shared = shared || dups > 1;
        const std::string code = TQuestions::PreannounceCode(type);
        if (std::none_of(codes.begin(), codes.end(), [&](const auto& c) { return c.first == code; }))
            codes.emplace_back(code, type);
    }
    std::vector<std::string> key;
    const bool showCode = o.ShowCode && !(o.PrejumpList && o.OnlyDuplicates);
    if (showCode)
        for (const auto& [code, type] : codes) {
            std::string name =
                code == DefaultPreannounceCode ? std::string("General question") : QuestionTypeNames[type];
            for (std::size_t at = name.find("&&"); at != std::string::npos; at = name.find("&&", at + 1))
                name.erase(at, 1);
            key.push_back(code + " " + name);
        }
    if (shared && !(o.PrejumpList && o.OnlyDuplicates))
        key.emplace_back(o.PrejumpList ? "* the question is in more than one collection"
                                       : "* after an answer: one for each collection that holds the question");
    if (rtf && !o.PrejumpList && o.UnderlinePrejumps)
        key.emplace_back("{\\ul underlined}: the words to hear before buzzing in (prejump)");
    if (rtf && o.HighlightKeywords && o.KeywordColours[0] > 0)
        key.emplace_back(std::string(o.UseColour ? "{\\cf2 coloured}" : "{\\b bold}") + ": keywords, used at most "
                         + std::to_string(o.KeywordColours[0]) + " times in the portion");

    // RTF: the title centred in bold, the key in a paragraph of its own; plain text: a line
    // each and an empty line before the entries.
    f.Write(rtf ? "\\par \\pard\\plain \\s3\\qc\\sa120 \\b\\fs24\\lang1033 " : "");
    f.Write(o.PrejumpList ? "Prejump list" : "Question list");
    f.EndLine();
    if (!key.empty()) {
        f.Write(rtf ? "\\par \\pard\\plain \\s8\\sa240 \\f3\\fs18\\lang1033 Key: " : "Key: ");
        for (std::size_t i = 0; i < key.size(); ++i)
            f.Write((i > 0 ? "; " : "") + key[i]);
        f.EndLine();
    }
    if (!rtf)
        f.EndLine();
}

void TPrintList::WriteFullList(TDocFile& f)
{
    const TListOptions& o = m_options;
    auto question = std::make_unique<TMarkedText>();
    auto answer = std::make_unique<TMarkedText>();
    for (int k = 1, n = m_list->Count(); k <= n; ++k) {
        m_written.store(k, std::memory_order_relaxed);
        const TQuestionAddr q = m_list->QuestionAt(k);
        const int dups = m_questions.DupCount(q);
        if (o.OnlyDuplicates && dups == 1)
            continue;
        m_questions.ComposeQuestion(
            q, o.KeywordColours,
            TComposeOptions{.WithReferences = o.IncludeReference, .MarkUniques = true, .WordsPastKeyword = 999},
            *answer, *question);
        const int type = m_questions.ListType(q);
        TEntryLayout l;
        l.TypeCode = type;
        l.ShowCode = o.ShowCode;
        l.Asterisks = dups;
        if (f.IsRtf()) {
            l.UnderlinePrejump = o.UnderlinePrejumps;
            l.PrejumpStart = type == TypeSituation ? 2 : (type == TypeBookAndChapter ? 8 : 0);
            l.PrejumpWords = type == TypeAccordingTo || type == TypeContext ? 0 : m_questions.Record(q).PrejumpWords();
            l.MarkKeywords = o.HighlightKeywords;
            l.UseColour = o.UseColour;
            WriteRtfEntry(f, *question, *answer, l);
        } else {
            WriteTextEntry(f, *question, *answer, l);
        }
    }
}

void TPrintList::WritePrejumpList(TDocFile& f)
{
    const TListOptions& o = m_options;
    const TWords& words = m_questions.Words();
    const TBooks& books = m_questions.Books();
    const bool rtf = f.IsRtf();
    const std::string_view opener =
        !rtf ? std::string_view()
             : (o.ShowCode && !o.OnlyDuplicates ? "\\par \\s10\\fi-360\\li360\\keep \\f3\\fs18\\lang1033 "
                                                : "\\par \\s10\\fi-180\\li180\\keep \\f3\\fs18\\lang1033 ");
    const std::string_view separator = rtf ? "\\tab " : "\t";
    const int keywordLimit = rtf && o.HighlightKeywords ? o.KeywordColours[0] : 0; // no marks in plain text
    auto qWords = std::make_unique<TWordPairs>();
    auto aWords = std::make_unique<TWordPairs>();
    for (int k = 1, n = m_list->Count(); k <= n; ++k) {
        m_written.store(k, std::memory_order_relaxed);
        const TQuestionAddr q = m_list->QuestionAt(k);
        const int type = m_questions.ListType(q);
        if (type == TypeAccordingTo)
            continue;
        f.Write(opener);
        if (!o.OnlyDuplicates) {
            if (o.ShowCode)
                f.WriteText(TQuestions::PreannounceCode(type));
            if (m_questions.DupCount(q) > 1)
                f.Write("*");
            f.Write(separator);
        }
        std::string last;
        if (type == TypeSituation)
            last = "Situation question: ";
        else if (type == TypeBookAndChapter)
            last = "In what book and chapter is the following: \"";
        f.WriteText(last);

        qWords->Count = 0;
        m_questions.QuestionWords(q, TQuestions::TWordsOf::Question, *qWords, *aWords);
        int p = m_questions.Record(q).PrejumpWords(), l = 0;
        if (o.MinimumInWords)
            p = std::max(p, o.PrejumpMinimum);
        else
            l = o.PrejumpMinimum;
        int wordsDone = 0, letters = 0;
        for (int w = 1; w <= qWords->Count && (wordsDone < p || letters < l); ++w) {
            const TWordPair& pair = qWords->Pairs[w];
            const std::string text = WordIndexOf(pair.WordCode) ? words.WordText(pair.WordCode) : std::string();
            bool group = false;
            if (!text.empty() && keywordLimit > 0) {
                const int uses = words.UseCountOf(pair.WordCode);
                if (uses <= keywordLimit && o.KeywordColours[1 + uses] != 0) {
                    f.Write(o.UseColour ? MarkOpener(static_cast<std::uint32_t>(o.KeywordColours[1 + uses]))
                                        : std::string("{\\b "));
                    group = true;
                }
            }
            std::string written;
            const bool pastP = !text.empty() && wordsDone + 1 > p;
            for (char ch : text) {
                if (pastP && letters >= l)
                    break;
                written += ch;
                ++letters;
            }
            f.WriteText(written);
            if (group)
                f.Write("}");
            if (!text.empty()) {
                ++wordsDone;
                last = written;
            }
            if (!(l != 0 && letters >= l && wordsDone >= p)) {
                const std::string sep = words.SeparatorText(pair.SeparatorCode);
                f.WriteText(sep);
                if (!sep.empty())
                    last = sep;
            }
        }
        if (last.empty() || last.back() != ' ')
            f.Write(" ");
        if (o.IncludeReference) {
            const TVerseRef r = m_questions.PrimaryRef(q);
            f.Write(" (");
            f.WriteText(books.BookAbbrev(r.Book));
            f.WriteNumber(r.Chapter);
            f.Write(":");
            f.WriteNumber(r.Verse);
            f.Write(")");
        }
        f.EndLine();
    }
}

} // namespace sv
