// Scripture store: global numbers, sections, memory verses, list fillers, verse rendering and
// the concordance list.
#include "RecordingList.h"
#include "support/ContentFixture.h"

#include "content/ConcRefs.h"

#include <gtest/gtest.h>

using namespace sv;

namespace {

std::unique_ptr<test::TLoadedContent> Load(const test::TFixtureDesc& d) { return test::LoadFixture(d); }

const test::TLoadedContent& Small() { return test::SmallContent(); }

int Word(const char* text) { return WordIndexOf(Small().Words.FindWord(text)); }

} // namespace

TEST(VerseRef, PacksBookInTheLowestByteAndComparesWithoutPromptWords)
{
    const TVerseRef r(2, 3, 4, 5);
    EXPECT_EQ(r.Packed(), 0x05040302u);
    EXPECT_EQ(TVerseRef::FromPacked(0x05040302u), r);
    struct Row {
        TVerseRef a, b;
        int expect;
    } rows[] = {
        {{1, 2, 3}, {1, 2, 3, 9}, 0}, {{1, 2, 3}, {1, 2, 4}, 1},      {{1, 3, 1}, {1, 2, 9}, 255},
        {{1, 9, 9}, {2, 1, 1}, 1},    {{2, 1, 1}, {1, 29, 200}, 255},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CompareRefs(row.a, row.b), row.expect);
}

TEST(Books, GlobalNumbersAreInverse)
{
    const TBooks& b = Small().Books;
    ASSERT_EQ(b.BookCount(), 2);
    EXPECT_EQ(b.TotalVerses(), 23);
    EXPECT_EQ(b.TotalChapters(), 4);
    for (int n = 1; n <= b.TotalVerses(); ++n) {
        const TVerseRef r = b.RefOfVerseNo(n);
        EXPECT_EQ(r.PromptWords, 0);
        EXPECT_EQ(b.VerseNoOf(r), n);
    }
    for (int n = 1; n <= b.TotalChapters(); ++n) {
        const TVerseRef r = b.RefOfChapterNo(n);
        EXPECT_EQ(b.ChapterNoOf(r.Book, r.Chapter), n);
    }
    // The first verse of book 2 follows the verse total of book 1.
    EXPECT_EQ(b.VerseNoOf(TVerseRef(2, 1, 1)), 5 + 3 + 7 + 1);
    EXPECT_EQ(b.VersesInChapter(1, 3), 7);
    EXPECT_EQ(b.ChapterLabel(4), "Pm 1");
    EXPECT_EQ(b.ChapterLabel(2), "Ga 2");
    EXPECT_EQ(b.VerseLabel(16), "Philemon 1:1");
    EXPECT_THROW(b.RefOfVerseNo(0), ERangeError);
    EXPECT_THROW(b.RefOfVerseNo(24), ERangeError);
    EXPECT_THROW(b.RefOfChapterNo(5), ERangeError);
    EXPECT_THROW(b.BookName(3), ERangeError); // a book that does not exist
    EXPECT_THROW(b.VersesInChapter(1, 30), ERangeError);
}

TEST(Books, Sections)
{
    const TBooks& b = Small().Books;
    struct Row {
        TVerseRef ref;
        int index;
        const char* title;
        bool start;
    } rows[] = {
        {{1, 1, 1}, 1, "Greeting", true},
        {{1, 1, 5}, 1, "Greeting", false},
        {{1, 2, 1}, 2, "Paul Accepted by the Apostles", true},
        {{1, 3, 7}, 3, "By Faith, or by Works of the Law?", false},
        {{2, 1, 7}, 1, "Greeting", false},
        {{2, 1, 8}, 2, "Paul's Plea for Onesimus", true},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(b.SectionIndexOf(r.ref), r.index);
        EXPECT_EQ(b.SectionTitleOf(r.ref), r.title);
        EXPECT_EQ(b.IsSectionStart(r.ref), r.start);
        EXPECT_EQ(b.IsAnySectionStart(b.VerseNoOf(r.ref)), r.start);
    }
}

TEST(Books, MemoryVerses)
{
    const TBooks& b = Small().Books;
    EXPECT_EQ(b.TotalMemoryVerses(), 3);
    EXPECT_EQ(b.MemoryVerseCount(1), 2);
    const TMemoryVerse m = b.MemoryVerse(2);
    EXPECT_EQ(m.Ref, TVerseRef(1, 3, 5, 3));
    EXPECT_EQ(m.VerseCount, 3);
    EXPECT_EQ(b.MemoryVerse(3).Ref, TVerseRef(2, 1, 3, 4));
    EXPECT_THROW(b.MemoryVerse(4), ERangeError);
    EXPECT_EQ(b.MemoryVerseNoOf(TVerseRef(2, 1, 3)), 3);
    EXPECT_EQ(b.MemoryVerseNoOf(TVerseRef(1, 3, 5)), 2);
    // Not a memory verse: 1, the same as the first entry.
    EXPECT_EQ(b.MemoryVerseNoOf(TVerseRef(1, 2, 2)), 1);
}

TEST(Books, IsMemoryVerseRunNeedsConsecutiveEntriesInTheChapter)
{
    test::TFixtureDesc d = test::SmallFixture();
    d.MemoryVerses = {{1, 1, 3, 2, 1}, {1, 2, 1, 2, 1}, {1, 2, 2, 2, 1}, {1, 2, 3, 2, 1},
                      {1, 3, 1, 2, 1}, {1, 3, 3, 2, 1}, {2, 1, 7, 2, 1}, {2, 1, 8, 2, 1}};
    const auto c = Load(d);
    const TBooks& b = c->Books;
    struct Row {
        int type;
        TVerseRef ref;
        bool expect;
    } rows[] = {
        {3, {1, 2, 2}, true},   {3, {1, 2, 4}, false},  {22, {1, 2, 1}, true},
        {22, {1, 2, 2}, true},  {22, {1, 2, 3}, false}, // 2:4 is not an entry
        {23, {1, 2, 1}, true},  {23, {1, 2, 2}, false}, {25, {1, 2, 1}, true},
        {24, {1, 3, 1}, false}, // 3:1 and 3:3 are entries, 3:2 is not
        {22, {1, 1, 3}, false}, // the run may not leave the chapter
        {24, {2, 1, 7}, true},  {23, {2, 1, 7}, false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(b.IsMemoryVerseRun(r.type, r.ref), r.expect)
            << r.type << " " << int(r.ref.Chapter) << ":" << int(r.ref.Verse);
}

TEST(Books, ListFillers)
{
    const TBooks& b = Small().Books;
    TRecordingList l;
    l.Items = {"stale"};
    b.FillChapterList(l);
    EXPECT_EQ(l.Items, (std::vector<std::string>{"Galatians 1", "Galatians 2", "Galatians 3", "Philemon 1"}));
    EXPECT_EQ(l.Noun, "chapter");
    b.FillSectionList(l);
    EXPECT_EQ(l.Items.size(), 5u);
    EXPECT_EQ(l.Items[1], "Paul Accepted by the Apostles  (Ga 2:1)");
    EXPECT_EQ(l.Items[4], "Paul's Plea for Onesimus  (Pm 1:8)");
    EXPECT_EQ(l.Noun, "section");
    b.FillVerseList(l);
    EXPECT_EQ(l.Items.size(), 23u);
    EXPECT_EQ(l.Items[15], "Philemon 1:1");
    EXPECT_EQ(l.Noun, "verse");
    b.FillMemoryVerseList(l);
    EXPECT_EQ(l.Items, (std::vector<std::string>{"Galatians 1:3", "Galatians 3:5-7", "Philemon 1:3"}));
    EXPECT_EQ(l.Noun, "memory verse");
    // The drop-down list is appended to, not cleared.
    b.FillChapterCombo(l);
    EXPECT_EQ(l.Items.size(), 7u);
    EXPECT_EQ(l.Items[3], "Galatians 1");
}

TEST(Books, AnEmptyStoreFillsEmptyLists)
{
    TWords w;
    TBooks b(w);
    TStreamReader r({0}, "wf.bk");
    b.LoadFromStream(r);
    EXPECT_EQ(b.BookCount(), 0);
    TRecordingList l;
    for (auto fill :
         {&TBooks::FillChapterList, &TBooks::FillSectionList, &TBooks::FillVerseList, &TBooks::FillMemoryVerseList}) {
        l.Items = {"stale"};
        (b.*fill)(l);
        EXPECT_TRUE(l.Items.empty());
    }
}

TEST(Books, RenderVerseTagsAndMarks)
{
    const test::TLoadedContent& c = Small();
    const TBooks& b = c.Books;
    const TVerseRef ref(1, 1, 3);
    const std::string text = "Grace to you and peace from God our Father and the Lord Jesus Christ,";
    TKeywordTags tags;
    InitKeywordColours(tags, 3);

    // The colour of each word at use limit 3, from the fixture's use counts: "Grace" and
    // "peace" are used twice (blue), "Lord" three times (teal); every other word of the verse
    // is used more often than the limit and stays uncoloured.
    constexpr std::uint32_t Blue = 0xFF0000, Teal = 0x808000;
    const std::vector<std::pair<std::string, std::uint32_t>> words = {
        {"Grace", Blue}, {"to", 0},     {"you", 0}, {"and", 0}, {"peace", Blue}, {"from", 0},  {"God", 0},
        {"our", 0},      {"Father", 0}, {"and", 0}, {"the", 0}, {"Lord", Teal},  {"Jesus", 0}, {"Christ", 0},
    };
    std::vector<std::uint32_t> tag3;
    for (const auto& [word, colour] : words) {
        tag3.insert(tag3.end(), word.size(), colour);
        tag3.push_back(0); // the separator after the word: a space, the comma at the end
    }
    ASSERT_EQ(tag3.size(), text.size());

    TConcRefs none;
    TMarkedText m;
    m.StopPos = 77;
    b.RenderVerse(ref, none, tags, false, 3, m);
    ASSERT_EQ(m.Text(), text);
    EXPECT_EQ(m.Chars[m.Len + 1], '\0');
    EXPECT_EQ(m.RevealPos, 1);
    EXPECT_EQ(m.StopPos, 77);
    bool anyTagged = false;
    for (int i = 1; i <= m.Len; ++i) {
        EXPECT_EQ(m.Tags[i], tag3[i - 1]) << i;
        // No chosen words: tagged words are bold, everything else plain.
        EXPECT_EQ(m.Marks[i], tag3[i - 1] != 0 ? 1 : 0) << i;
        anyTagged |= tag3[i - 1] != 0;
    }
    EXPECT_TRUE(anyTagged);

    // Use limit 255: no tags at all; mark-all: every character bold, separators untagged.
    b.RenderVerse(ref, none, tags, true, 255, m);
    for (int i = 1; i <= m.Len; ++i) {
        EXPECT_EQ(m.Tags[i], 0u);
        EXPECT_EQ(m.Marks[i], 1);
    }

    // A chosen word: only its characters are bold.
    TConcRefs chosen;
    chosen.AddWord(b, Word("peace"));
    b.RenderVerse(ref, chosen, tags, false, 3, m);
    const std::size_t at = text.find("peace");
    for (int i = 1; i <= m.Len; ++i) {
        const bool inPeace = static_cast<std::size_t>(i - 1) >= at && static_cast<std::size_t>(i - 1) < at + 5;
        EXPECT_EQ(m.Marks[i], inPeace ? 1 : 0) << i;
        EXPECT_EQ(m.Tags[i], tag3[i - 1]);
    }
}

TEST(Books, PassageWordsRunIntoTheNextChapter)
{
    const TBooks& b = Small().Books;
    TWordPairs one, two;
    b.GetPassageWords(TVerseRef(1, 1, 5), 1, one);
    b.GetPassageWords(TVerseRef(1, 1, 5), 2, two);
    EXPECT_EQ(one.Count, 9); // "to whom be the glory forever and ever. Amen."
    EXPECT_GT(two.Count, one.Count);
    EXPECT_EQ(Small().Words.WordText(two.Pairs[one.Count + 1].WordCode), "Then");
    EXPECT_THROW(b.GetPassageWords(TVerseRef(2, 1, 8), 2, two), ERangeError);
}

TEST(ConcRefs, AddWordMergesOccurrencesKeepingSharedVersesOnce)
{
    const TBooks& b = Small().Books;
    auto numbers = [&](const TConcRefs& r) {
        std::vector<int> v;
        for (int i = 1; i <= r.Count; ++i)
            v.push_back(b.VerseNoOf(r.Refs[i]));
        return v;
    };
    TConcRefs r;
    r.AddWord(b, Word("grace")); // Ga 1:3, Pm 1:3
    EXPECT_EQ(numbers(r), (std::vector<int>{3, 18}));
    r.AddWord(b, Word("peace")); // the same verses
    EXPECT_EQ(numbers(r), (std::vector<int>{3, 18}));
    r.AddWord(b, Word("titus")); // Ga 2:1, 2:3
    EXPECT_EQ(numbers(r), (std::vector<int>{3, 6, 8, 18}));
    r.AddWord(b, Word("father")); // Ga 1:1, 1:3, 1:4, Pm 1:3
    EXPECT_EQ(numbers(r), (std::vector<int>{1, 3, 4, 6, 8, 18}));
    EXPECT_EQ(r.WordTotal(), 4);
    EXPECT_EQ(r.WordsText(Small().Words), "\"grace\", \"peace\", \"Titus\", \"father\"");
    EXPECT_TRUE(r.HasWord(static_cast<TWordCode>(Word("titus") | 0xD000)));
    EXPECT_FALSE(r.HasWord(static_cast<TWordCode>(Word("paul"))));

    // A word used twice in one verse keeps both entries of its own list.
    TConcRefs twice;
    twice.AddWord(b, Word("works")); // Ga 3:2, 3:5 (twice)
    EXPECT_EQ(numbers(twice), (std::vector<int>{10, 13, 13}));

    TConcRefs copy(r);
    EXPECT_EQ(numbers(copy), numbers(r));
    EXPECT_EQ(copy.WordsCount, 4);
    copy.Clear();
    EXPECT_EQ(copy.Count, 0);
    EXPECT_EQ(copy.WordsText(Small().Words), "");
}

TEST(ConcRefs, AllVersesLimitedToAChapter)
{
    const TBooks& b = Small().Books;
    TConcRefs r;
    r.FillAllVerses(b);
    EXPECT_EQ(r.Count, 23);
    EXPECT_EQ(r.Refs[16], TVerseRef(2, 1, 1));
    r.LimitToChapters(b, 2);
    EXPECT_EQ(r.Count, 8);
    EXPECT_EQ(r.Refs[8], TVerseRef(1, 2, 3));
    TConcRefs full;
    full.FillAllVerses(b);
    full.LimitToChapters(b, 4);
    EXPECT_EQ(full.Count, 23);
}

TEST(KeywordTags, InitKeywordColours)
{
    TKeywordTags t;
    t.fill(-1);
    struct Row {
        int limit;
        std::vector<std::int32_t> first6; // use counts 0..5
    } rows[] = {
        {0, {0, 0, 0, 0, 0, 0}},
        {1, {0, 0x0000FF, 0, 0, 0, 0}},
        {3, {0, 0x0000FF, 0xFF0000, 0x808000, 0, 0}},
        {5, {0, 0x0000FF, 0xFF0000, 0x808000, 0x008080, 0x008080}},
    };
    for (const Row& r : rows) {
        InitKeywordColours(t, r.limit);
        EXPECT_EQ(t[0], r.limit);
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(t[1 + k], r.first6[static_cast<std::size_t>(k)]) << r.limit << " " << k;
        EXPECT_EQ(t[256], 0);
    }
}
