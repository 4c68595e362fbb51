#include "content/Questions.h"

#include "common/Errors.h"
#include "common/FieldIO.h"
#include "content/Books.h"
#include "content/Words.h"

#include <memory>

namespace sv {

template <class Self, class Io>
void TCollection::Fields(Self& s, Io& io)
{
    io(s.Spare), io(s.Name);
    io.CheckCount("collection name length", s.Name.length(), 0, 20);
    for (auto& required : s.Requires) // flag by flag: a cut file names the flag it ends in
        io(required);
    io(s.Reserved), io(s.QuestionCount);
    io.CheckCount("QuestionCount", s.QuestionCount, 0, MaxQuestionsPerCollection);
    io(s.PrefixSize), io(s.QuestionTextSize), io(s.AnswerTextSize), io(s.RefCount);
    if (s.QuestionCount > 0) {
        io.CheckCount("PrefixSize", s.PrefixSize, 0, 0x7FFFFFFE);
        io.CheckCount("QuestionTextSize", s.QuestionTextSize, 0, 0x7FFFFFFE);
        io.CheckCount("AnswerTextSize", s.AnswerTextSize, 0, 0x7FFFFFFE);
        io.RequireBytes(24LL * (s.QuestionCount + 1) + s.PrefixSize + 1LL + s.QuestionTextSize + 1LL + s.AnswerTextSize
                            + 1LL + 8LL * (s.RefCount + 1),
                        "question collection");
        // Each array ends with a closing entry: the record, text position and reference after
        // the last question.
        io.Entries(s.Records, 1, s.QuestionCount + 1);
        io.Entries(s.PrefixText, 1, s.PrefixSize + 1LL);
        io.Entries(s.QuestionText, 1, s.QuestionTextSize + 1LL);
        io.Entries(s.AnswerText, 1, s.AnswerTextSize + 1LL);
        io.Entries(s.QuestionRefs, 1, s.RefCount + 1);
    }
}

template <class Self, class Io>
void TQuestionsData::Fields(Self& s, Io& io)
{
    io(s.HasSortKeys);
    for (int c = 0; c < MaxCollections; ++c)
        io(s.Collections[c]);
}

TQuestions::TQuestions(const TWords& words, const TBooks& books) : m_words(words), m_books(books) { }

void TQuestions::LoadFromFile(const std::string& path)
{
    TStreamReader r = TStreamReader::FromFile(path, TShortReads::Fail);
    LoadFromStream(r);
}

void TQuestions::LoadFromStream(TStreamReader& r)
{
    auto d = std::make_unique<TQuestionsData>();
    TFieldReader io(r);
    TQuestionsData::Fields(*d, io);
    Data = std::move(*d);
    UpdateDerived();
}

void TQuestions::SaveToStream(TStreamWriter& w) const
{
    TFieldWriter io(w);
    TQuestionsData::Fields(Data, io);
}

void TQuestions::UpdateDerived()
{
    for (TCollection& c : Data.Collections)
        c.Available = c.QuestionCount >= 1 ? 1 : 0;
    m_usesSituation = false;
    for (int c = 0; c < MaxCollections; ++c)
        for (int i = 1; i <= QuestionCount(c); ++i) {
            const int t = QuestionType({c, i});
            if (t == TypeSituation || t == TypeBookAndChapter) {
                m_usesSituation = t == TypeSituation;
                return;
            }
        }
}

const TCollection& TQuestions::Collection(int collection) const { return Data.Collections[collection]; }
TCollection& TQuestions::Collection(int collection) { return Data.Collections[collection]; }

const TQuestionRec& TQuestions::Record(TQuestionAddr q) const
{
    const TCollection& c = Collection(q.Collection);
    if (!c.HasQuestions() || q.Index < 1 || q.Index > c.QuestionCount)
        ThrowIndex("question", q.Index, 1, c.HasQuestions() ? c.QuestionCount : 0);
    return c.Records[q.Index];
}

bool TQuestions::HasQuestions(int collection) const { return Collection(collection).HasQuestions(); }

int TQuestions::QuestionCount(int collection) const
{
    const TCollection& c = Collection(collection);
    return c.HasQuestions() ? c.QuestionCount : 0;
}

std::uint8_t TQuestions::QuestionType(TQuestionAddr q) const { return Record(q).QType; }
std::uint8_t TQuestions::ListType(TQuestionAddr q) const { return ListTypeOf(QuestionType(q)); }
std::uint8_t TQuestions::PrejumpClass(TQuestionAddr q) const { return PrejumpClassOfType(QuestionType(q)); }

int TQuestions::RefCountOf(TQuestionAddr q) const
{
    const TQuestionRec& rec = Record(q);
    const int n = Collection(q.Collection).Records[q.Index + 1].RefStart - rec.RefStart;
    if (n < 0 || n > 255)
        ThrowRange("Range check error: question " + std::to_string(q.Index) + " of collection "
                   + std::to_string(q.Collection) + " has " + std::to_string(n) + " references");
    return n;
}

TVerseRef TQuestions::RefOf(TQuestionAddr q, int k) const
{
    const int n = RefCountOf(q);
    if (k < 1 || k > n)
        ThrowIndex("question reference", k, 1, n);
    const TQuestionRef& r = Collection(q.Collection).QuestionRefs[Record(q).RefStart + k - 1LL];
    return TVerseRef(r.Book(), r.Chapter(), r.Verse);
}

TVerseRef TQuestions::PrimaryRef(TQuestionAddr q) const { return RefOf(q, 1); }

int TQuestions::PrimaryVerseNo(TQuestionAddr q) const { return m_books.VerseNoOf(PrimaryRef(q)); }

std::uint32_t TQuestions::AnswerStartOf(TQuestionAddr q, int k) const
{
    const int n = RefCountOf(q);
    if (k < 1 || k > n)
        ThrowIndex("question reference", k, 1, n);
    return Collection(q.Collection).QuestionRefs[Record(q).RefStart + k - 1LL].AnswerStart;
}

std::uint32_t TQuestions::AnswerEndOf(TQuestionAddr q, int k) const
{
    const TCollection& c = Collection(q.Collection);
    // Reference k+1's start; after the last reference, the next question's first reference
    // (the closing record and closing entry supply it for the last question).
    return c.QuestionRefs[Record(q).RefStart + static_cast<long long>(k)].AnswerStart;
}

int TQuestions::DupCount(TQuestionAddr q) const { return Record(q).DupCount(); }
std::uint8_t TQuestions::InfoByte(TQuestionAddr q) const { return Record(q).Info; }

int TQuestions::HomeIndex(TQuestionAddr q) const
{
    const int h = Record(q).HomeIndex;
    if (h < 0)
        ThrowRange("Range check error: negative home index " + std::to_string(h));
    return h;
}

std::uint8_t TQuestions::HomeType(TQuestionAddr q) const { return Record(HomeOf(q)).QType; }

TQuestionId TQuestions::DupLink(TQuestionAddr q) const { return Record(q).DupLink; }
std::uint16_t TQuestions::SortKey(TQuestionAddr q) const { return Record(q).SortKey; }
std::int16_t TQuestions::QuestionLength(TQuestionAddr q) const { return Record(q).QuestionLength; }
std::int16_t TQuestions::AnswerLength(TQuestionAddr q) const { return Record(q).AnswerLength; }

bool TQuestions::IsPlaceholder(TQuestionAddr q) const { return QuestionType(q) == TypePlaceholder; }

TQuestionAddr TQuestions::HomeOf(TQuestionAddr q) const
{
    if (!IsPlaceholder(q))
        return q;
    const TQuestionAddr home{InfoByte(q), HomeIndex(q)};
    Record(home); // must exist
    return home;
}

TQuestionRange TQuestions::QuestionsOfVerse(int collection, int verseNo) const
{
    TQuestionRange r;
    const int n = QuestionCount(collection);
    for (int i = 1; i <= n; ++i)
        if (PrimaryVerseNo({collection, i}) == verseNo) {
            r.First = i;
            break;
        }
    if (r.First == 0)
        return r;
    r.After = r.First + 1;
    while (r.After <= n && PrimaryVerseNo({collection, r.After}) == verseNo)
        ++r.After;
    return r;
}

void TQuestions::MarkMaterialQuestions(const TVerseSelection& material, TMaterialQuestions& out) const
{
    for (int c = 0; c < MaxCollections; ++c) {
        TCollectionMaterial& m = out[c];
        m.QuestionCount = QuestionCount(c);
        m.InMaterial = 0;
        m.Flags.fill(0);
        if (m.QuestionCount == 0)
            continue;
        int s = 1;
        TVerseRef sref = m_books.RefOfVerseNo(s);
        for (int i = 1; i <= m.QuestionCount; ++i) {
            const TVerseRef pr = PrimaryRef({c, i});
            while (CompareRefs(sref, pr) == 1) {
                ++s;
                if (s > MaxVerses)
                    ThrowIndex("verse number", s, 1, MaxVerses);
                sref = m_books.RefOfVerseNo(s);
            }
            const std::uint8_t f = material.Flags[s] != 0 ? 1 : 0;
            m.Flags[i] = f;
            m.InMaterial += f;
        }
    }
}

static bool IsChosenCollection(const TQuestions& q, const TCollectionFlags& chosen, int c)
{
    return chosen[c] != 0 && q.HasQuestions(c);
}

static int CheckedType(int type)
{
    if (type < 0 || type > MaxChoosableType)
        ThrowIndex("question type", type, 0, MaxChoosableType);
    return type;
}

bool TQuestions::AnyQuestionInMaterial(const TVerseSelection& material, const TCollectionFlags& chosen) const
{
    for (int c = 0; c < MaxCollections; ++c)
        if (IsChosenCollection(*this, chosen, c))
            for (int i = 1; i <= QuestionCount(c); ++i)
                if (material.Flags[PrimaryVerseNo({c, i})] != 0)
                    return true;
    return false;
}

bool TQuestions::AnyChosenTypeInMaterial(const TVerseSelection& material, const TCollectionFlags& chosen,
                                         const TTypeFlags& types) const
{
    for (int c = 0; c < MaxCollections; ++c)
        if (IsChosenCollection(*this, chosen, c))
            for (int i = 1; i <= QuestionCount(c); ++i) {
                const TQuestionAddr q{c, i};
                if (material.Flags[PrimaryVerseNo(q)] == 0)
                    continue;
                const int t = IsPlaceholder(q) ? HomeType(q) : QuestionType(q);
                if (types[CheckedType(t)] != 0)
                    return true;
            }
    return false;
}

bool TQuestions::IsTypeChosen(TQuestionAddr q, const TCollectionFlags& chosen, const TTypeFlags& types) const
{
    if (!IsPlaceholder(q))
        return types[CheckedType(QuestionType(q))] != 0;
    TQuestionAddr cur = HomeOf(q);
    // A chain holds at most one copy per collection; a longer walk means a corrupt chain.
    for (int steps = 0;; ++steps) {
        if (steps > 8 * MaxCollections)
            ThrowRange("Range check error: duplicate chain of question " + std::to_string(q.Index) + " of collection "
                       + std::to_string(q.Collection) + " does not end");
        if (IsChosenCollection(*this, chosen, cur.Collection) || cur == q)
            break;
        const TQuestionId next = Record(cur).DupLink;
        if (next == 0)
            break;
        cur = TQuestionAddr::FromId(next);
    }
    if (cur != q)
        return false;
    return types[CheckedType(HomeType(q))] != 0;
}

} // namespace sv
