// The content files of the program folder (wf.wl, wf.bk, wf.qs as the build writes them),
// loaded through the stores as the program loads them, checked for the properties the program
// relies on: FindWord finds every sorted word, questions sit in the scripture ordered by
// primary reference, copy chains are whole, memory prompts fit their passages, the frequent
// table follows the rebuild rule, every book opens with a section, and the file uses type 40.

#include "content/Books.h"
#include "content/QuestionTypes.h"
#include "content/Questions.h"
#include "content/Words.h"
#include "portion/Portions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <set>

using namespace sv;

namespace {

struct TShipped {
    TWords Words;
    TBooks Books{Words};
    TQuestions Questions{Words, Books};
};

// Loaded once; null when the build has not written the files (no scripture module).
const TShipped* Shipped()
{
    static std::unique_ptr<TShipped> s = [] {
        namespace fs = std::filesystem;
        const fs::path dir(SV_PROGRAM_DIR);
        std::unique_ptr<TShipped> p;
        if (!fs::exists(dir / "wf.wl") || !fs::exists(dir / "wf.bk") || !fs::exists(dir / "wf.qs"))
            return p;
        p = std::make_unique<TShipped>();
        p->Words.LoadFromFile((dir / "wf.wl").string());
        p->Books.LoadFromFile((dir / "wf.bk").string());
        p->Questions.LoadFromFile((dir / "wf.qs").string());
        return p;
    }();
    return s.get();
}

#define SV_NEED_FILES()                                                                                                \
    const TShipped* s = Shipped();                                                                                     \
    if (!s)                                                                                                            \
        GTEST_SKIP() << "the build wrote no content files into " SV_PROGRAM_DIR;

// ASCII lower case, as the word list compares.
std::string Folded(std::string t)
{
    for (char& c : t)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return t;
}

// Unsigned byte order of the folded texts: -1, 0, 1.
int CompareFolded(const std::string& a, const std::string& b)
{
    const std::string x = Folded(a), y = Folded(b);
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        const auto p = static_cast<unsigned char>(x[i]), q = static_cast<unsigned char>(y[i]);
        if (p != q)
            return p < q ? -1 : 1;
    }
    return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
}

std::string Hex(const std::string& t)
{
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : t)
        if (c < 0x80)
            out.push_back(static_cast<char>(c));
        else
            out += std::string("\\x") + digits[c >> 4] + digits[c & 15];
    return out;
}

} // namespace

TEST(ShippedFiles, SortedWordsStrictlyAscendAndFindWordFindsEach)
{
    SV_NEED_FILES();
    const TWords& w = s->Words;
    const int n = w.WordCount();
    ASSERT_GT(n, 1000);
    bool sawApostrophe = false, sawHyphen = false;
    for (int i = 1; i <= n; ++i) {
        const std::string t = w.RawWordText(static_cast<TWordCode>(i));
        ASSERT_FALSE(t.empty()) << "word " << i;
        sawApostrophe = sawApostrophe || t.find('\x92') != std::string::npos;
        sawHyphen = sawHyphen || t.find('-') != std::string::npos;
        if (i < n) {
            EXPECT_EQ(CompareFolded(t, w.RawWordText(static_cast<TWordCode>(i + 1))), -1)
                << "words " << i << " \"" << Hex(t) << "\" and " << i + 1 << " \""
                << Hex(w.RawWordText(static_cast<TWordCode>(i + 1))) << "\" are out of order";
        }
        EXPECT_EQ(WordIndexOf(w.FindWord(t)), i) << "\"" << Hex(t) << "\"";
        // The lower-cased and the capitalised spelling find it too.
        EXPECT_EQ(WordIndexOf(w.FindWord(Folded(t))), i) << "\"" << Hex(t) << "\"";
    }
    // The rule is exercised: some words hold a right single quotation mark or a hyphen.
    EXPECT_TRUE(sawApostrophe);
    EXPECT_TRUE(sawHyphen);
    // Extra words are found as well (a spelling that folds to a sorted word finds that one).
    for (int i = n + 1; i <= w.TotalWords(); ++i) {
        const std::string t = w.RawWordText(static_cast<TWordCode>(i));
        const int found = WordIndexOf(w.FindWord(t));
        ASSERT_NE(found, 0) << "\"" << Hex(t) << "\"";
        EXPECT_EQ(CompareFolded(w.RawWordText(static_cast<TWordCode>(found)), t), 0);
    }
}

TEST(ShippedFiles, OccurrencesListTheVersesOfEveryUse)
{
    SV_NEED_FILES();
    const TWords& w = s->Words;
    const TBooks& b = s->Books;
    // Uses of each word index, verse by verse, from the coded text.
    std::map<int, std::vector<int>> uses;
    for (int v = 1; v <= b.TotalVerses(); ++v) {
        TWordPairs pairs;
        b.GetPassageWords(b.RefOfVerseNo(v), 1, pairs);
        for (int k = 1; k <= pairs.Count; ++k)
            if (const int idx = WordIndexOf(pairs.Pairs[k].WordCode))
                uses[idx].push_back(v);
    }
    for (int i = 1; i <= w.WordCount(); ++i) {
        std::vector<int> occ;
        for (int e = w.FirstOccurrence(i); e <= w.LastOccurrence(i); ++e)
            occ.push_back(w.Occurrence(e));
        EXPECT_EQ(occ, uses[i]) << "word " << i << " \"" << Hex(w.RawWordText(static_cast<TWordCode>(i))) << "\"";
        EXPECT_EQ(w.UseCountOf(static_cast<TWordCode>(i)), std::min<std::size_t>(uses[i].size(), 255));
        if (!uses[i].empty()) {
            const TVerseRef first = b.RefOfVerseNo(uses[i].front());
            EXPECT_EQ(w.FirstChapterOf(static_cast<TWordCode>(i)), b.ChapterNoOf(first.Book, first.Chapter));
        }
    }
    // Scripture text uses sorted words only.
    EXPECT_TRUE(uses.empty() || uses.rbegin()->first <= w.WordCount());
}

TEST(ShippedFiles, FrequentTableFollowsTheRebuildRule)
{
    SV_NEED_FILES();
    const TWords& w = s->Words;
    std::vector<int> expected;
    for (int u = 255; u >= 1 && expected.size() < 63; --u)
        for (int i = 1; i <= w.WordCount() && expected.size() < 63; ++i)
            if (w.Rec(i).UseCount == u)
                expected.push_back(i);
    expected.resize(63, 0);
    for (int k = 1; k <= 63; ++k)
        EXPECT_EQ(w.Data.Frequent[k], expected[static_cast<std::size_t>(k - 1)]) << "frequent word " << k;
}

TEST(ShippedFiles, EveryBookOpensWithASectionAtItsFirstVerse)
{
    SV_NEED_FILES();
    const TBooks& b = s->Books;
    ASSERT_EQ(b.BookCount(), 5);
    for (int book = 1; book <= b.BookCount(); ++book) {
        const TBookRec& rec = b.Book(book);
        ASSERT_GE(rec.SectionCount, 1) << b.BookName(book);
        EXPECT_EQ(rec.Sections[1].Chapter, 1) << b.BookName(book);
        EXPECT_EQ(rec.Sections[1].Verse, 1) << b.BookName(book);
        for (int k = 1; k <= rec.SectionCount; ++k) {
            const TSectionRec& sec = rec.Sections[k];
            EXPECT_EQ(sec.VerseNo, b.VerseNoOf(TVerseRef(book, sec.Chapter, sec.Verse)))
                << b.BookName(book) << " section " << k;
            EXPECT_FALSE(sec.Title.text().empty()) << b.BookName(book) << " section " << k;
            if (k > 1) {
                EXPECT_GT(sec.VerseNo, rec.Sections[k - 1].VerseNo) << b.BookName(book) << " section " << k;
            }
        }
        // The title of every verse is defined.
        for (int c = 1; c <= b.ChapterCount(book); ++c)
            for (int v = 1; v <= b.VersesInChapter(book, c); ++v)
                EXPECT_GE(b.SectionIndexOf(TVerseRef(book, c, v)), 1);
    }
}

TEST(ShippedFiles, MemoryPromptsLieWithinTheirPassages)
{
    SV_NEED_FILES();
    const TBooks& b = s->Books;
    ASSERT_GT(b.TotalMemoryVerses(), 0);
    for (int n = 1; n <= b.TotalMemoryVerses(); ++n) {
        const TMemoryVerse m = b.MemoryVerse(n);
        ASSERT_GE(m.VerseCount, 1);
        ASSERT_LE(m.Ref.Verse + m.VerseCount - 1, b.VersesInChapter(m.Ref.Book, m.Ref.Chapter)) << "entry " << n;
        TWordPairs pairs;
        b.GetPassageWords(m.Ref, m.VerseCount, pairs);
        int words = 0;
        for (int k = 1; k <= pairs.Count; ++k)
            words += WordIndexOf(pairs.Pairs[k].WordCode) != 0;
        EXPECT_GE(m.Ref.PromptWords, 1) << "entry " << n;
        EXPECT_LE(m.Ref.PromptWords, words) << "entry " << n;
    }
}

TEST(ShippedFiles, QuestionsLieInTheScriptureInPrimaryReferenceOrder)
{
    SV_NEED_FILES();
    const TBooks& b = s->Books;
    const TQuestions& q = s->Questions;
    for (int c = 0; c < MaxCollections; ++c)
        for (int i = 1; i <= q.QuestionCount(c); ++i) {
            ASSERT_GE(q.RefCountOf({c, i}), 1) << c << "/" << i;
            for (int k = 1; k <= q.RefCountOf({c, i}); ++k) {
                const TVerseRef r = q.RefOf({c, i}, k);
                ASSERT_TRUE(r.Book >= 1 && r.Book <= b.BookCount()) << c << "/" << i;
                ASSERT_TRUE(r.Chapter >= 1 && r.Chapter <= b.ChapterCount(r.Book)) << c << "/" << i;
                ASSERT_TRUE(r.Verse >= 1 && r.Verse <= b.VersesInChapter(r.Book, r.Chapter)) << c << "/" << i;
            }
            if (i > 1) {
                EXPECT_FALSE(RefLess(q.PrimaryRef({c, i}), q.PrimaryRef({c, i - 1})))
                    << "collection " << c << " question " << i << " comes before its predecessor";
            }
        }
}

TEST(ShippedFiles, CopyChainsRunThroughEveryPlaceholder)
{
    SV_NEED_FILES();
    const TQuestions& q = s->Questions;
    // Placeholders by home record.
    std::map<TQuestionId, std::set<TQuestionId>> byHome;
    int placeholders = 0;
    for (int c = 0; c < MaxCollections; ++c)
        for (int i = 1; i <= q.QuestionCount(c); ++i) {
            if (q.QuestionType({c, i}) != TypePlaceholder)
                continue;
            ++placeholders;
            const int home = q.InfoByte({c, i});
            ASSERT_TRUE(home >= 0 && home < MaxCollections && home != c) << c << "/" << i;
            const int hi = q.HomeIndex({c, i});
            ASSERT_TRUE(hi >= 1 && hi <= q.QuestionCount(home)) << c << "/" << i;
            ASSERT_NE(q.QuestionType({home, hi}), TypePlaceholder) << c << "/" << i;
            // It stands for the same question: same references and measures.
            ASSERT_EQ(q.RefCountOf({c, i}), q.RefCountOf({home, hi})) << c << "/" << i;
            for (int k = 1; k <= q.RefCountOf({c, i}); ++k)
                EXPECT_EQ(CompareRefs(q.RefOf({c, i}, k), q.RefOf({home, hi}, k)), 0) << c << "/" << i;
            EXPECT_EQ(q.SortKey({c, i}), q.SortKey({home, hi}));
            EXPECT_EQ(q.QuestionLength({c, i}), q.QuestionLength({home, hi}));
            byHome[QuestionId(home, hi)].insert(QuestionId(c, i));
        }
    EXPECT_GE(placeholders, 1);
    for (int c = 0; c < MaxCollections; ++c)
        for (int i = 1; i <= q.QuestionCount(c); ++i) {
            if (q.QuestionType({c, i}) == TypePlaceholder)
                continue;
            const auto it = byHome.find(QuestionId(c, i));
            const std::set<TQuestionId> expected = it == byHome.end() ? std::set<TQuestionId>{} : it->second;
            std::set<TQuestionId> seen;
            int length = 1;
            for (TQuestionId id = q.DupLink({c, i}); id != 0; id = q.DupLink(TQuestionAddr::FromId(id))) {
                ASSERT_TRUE(expected.count(id)) << c << "/" << i << " links to " << id;
                ASSERT_TRUE(seen.insert(id).second) << c << "/" << i << " chain loops";
                ++length;
            }
            EXPECT_EQ(seen, expected) << c << "/" << i;
            EXPECT_EQ(q.DupCount({c, i}), length) << c << "/" << i;
        }
}

TEST(ShippedFiles, BookAndChapterQuestionsWithoutSituationQuestions)
{
    SV_NEED_FILES();
    const TQuestions& q = s->Questions;
    int type40 = 0, type39 = 0;
    for (int c = 0; c < MaxCollections; ++c)
        for (int i = 1; i <= q.QuestionCount(c); ++i) {
            type40 += q.QuestionType({c, i}) == TypeBookAndChapter;
            type39 += q.QuestionType({c, i}) == 39;
        }
    EXPECT_GT(type40, 0);
    EXPECT_EQ(type39, 0);
    EXPECT_FALSE(q.UsesSituation());
}

TEST(ShippedFiles, PrejumpWordsAreWhereEachQuestionBecomesUnique)
{
    SV_NEED_FILES();
    const TQuestions& q = s->Questions;
    struct TEntry {
        int Collection, Index, Class;
        std::vector<int> Words;
    };
    std::vector<TEntry> all;
    TWordPairs qw, aw;
    for (int c = 0; c < MaxCollections; ++c)
        for (int i = 1; i <= q.QuestionCount(c); ++i) {
            q.QuestionWords({c, i}, TQuestions::TWordsOf::QuestionWithoutLead, qw, aw);
            TEntry e{c, i, q.PrejumpClass({c, i}), {}};
            for (int k = 1; k <= qw.Count; ++k)
                e.Words.push_back(WordIndexOf(qw.Pairs[k].WordCode));
            all.push_back(std::move(e));
        }
    for (const TEntry& e : all) {
        const int type = q.QuestionType({e.Collection, e.Index});
        if (type == TypeAccordingTo || type == TypePlaceholder)
            continue;
        const int count = static_cast<int>(e.Words.size());
        int best = 1;
        for (const TEntry& r : all) {
            if (&r == &e || r.Class != e.Class)
                continue;
            std::size_t d = 0;
            while (d < e.Words.size() && d < r.Words.size() && e.Words[d] == r.Words[d])
                ++d;
            if (static_cast<int>(d) + 1 > best)
                best = std::min(static_cast<int>(d) + 1, count);
        }
        EXPECT_EQ(q.Record({e.Collection, e.Index}).PrejumpWords(), std::min({best, count, 31}))
            << e.Collection << "/" << e.Index;
    }
}

TEST(ShippedFiles, WordsListedInBothCasesTakeTheGroupOfTheirCommonerUse)
{
    SV_NEED_FILES();
    const TWords& w = s->Words;
    // Names of God stay people; words the text mostly writes in lower case are common words.
    const std::vector<std::pair<std::string, int>> cases = {
        {"God", 5},      {"Lord", 5},  {"Spirit", 5}, {"Father", 5}, {"News", 8},
        {"beloved", 10}, {"holy", 10}, {"head", 1},   {"good", 10},  {"son", 1},
    };
    for (const auto& [text, category] : cases) {
        const int i = WordIndexOf(w.FindWord(text));
        ASSERT_NE(i, 0) << text;
        EXPECT_EQ(static_cast<int>(w.CategoryOf(i)), category) << text;
    }
}

TEST(ShippedFiles, EveryScriptureWordBelongsToAWordGroup)
{
    SV_NEED_FILES();
    const TWords& w = s->Words;
    for (int i = 1; i <= w.WordCount(); ++i)
        EXPECT_LE(static_cast<int>(w.CategoryOf(i)), 15) << w.RawWordText(static_cast<TWordCode>(i));
}

TEST(ShippedFiles, TheProgramFolderDescribesItsPortion)
{
    SV_NEED_FILES();
    const TPortionInfo p = ReadPortion(SV_PROGRAM_DIR "/", true);
    EXPECT_EQ(p.Text.Name, QStringLiteral("Galatians-Philemon"));
    EXPECT_EQ(p.Text.Books, QStringLiteral("Galatians, Ephesians, Philippians, Colossians, Philemon"));
    EXPECT_EQ(p.Text.Translation, QStringLiteral("engWEB2015eb"));
    int questions = 0;
    for (int c = 0; c < MaxCollections; ++c)
        for (int i = 1; i <= s->Questions.QuestionCount(c); ++i)
            questions += s->Questions.IsPlaceholder({c, i}) ? 0 : 1;
    EXPECT_EQ(p.Questions, questions);
}
