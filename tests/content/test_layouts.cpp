// The content file layouts against bytes written here by hand from the file descriptions (not
// by our own writer): read, the fields come out where the layout puts them; written back, the
// very same bytes.
#include "common/LeStream.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace sv;

namespace {

// A byte image filled field by field at the offsets of the layout.
struct TImage {
    std::vector<std::uint8_t> Bytes;
    explicit TImage(std::size_t size) : Bytes(size, 0) { }
    void U8(std::size_t at, std::uint8_t v) { Bytes.at(at) = v; }
    void U16(std::size_t at, std::uint16_t v)
    {
        Bytes.at(at) = static_cast<std::uint8_t>(v & 0xFF);
        Bytes.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
    }
    void U32(std::size_t at, std::uint32_t v)
    {
        U16(at, static_cast<std::uint16_t>(v & 0xFFFF));
        U16(at + 2, static_cast<std::uint16_t>(v >> 16));
    }
    void Raw(std::size_t at, std::string_view s)
    {
        for (std::size_t i = 0; i < s.size(); ++i)
            Bytes.at(at + i) = static_cast<std::uint8_t>(s[i]);
    }
    void Short(std::size_t at, const std::string& s)
    {
        Bytes.at(at) = static_cast<std::uint8_t>(s.size());
        for (std::size_t i = 0; i < s.size(); ++i)
            Bytes.at(at + 1 + i) = static_cast<std::uint8_t>(s[i]);
    }
};

} // namespace

// One book of one chapter with two verses, a section and a memory verse, as "wf.bk" holds it.
TEST(ContentLayouts, ScriptureFileBookBlock)
{
    constexpr std::size_t Block = 1; // after BookCount
    TImage f(1 + 36097 + 2 * 3 + 4);
    f.U8(0, 1);                               // BookCount
    f.U8(Block + 0, 0);                       // EditFlag
    f.Short(Block + 1, "Ph ");                // BookAbbrev, 1 + 3
    f.Short(Block + 5, "Philemon");           // BookName, 1 + 13
    f.U8(Block + 19, 1);                      // ChapterCount
    f.U8(Block + 20, 0x5A);                   // spare byte, kept as read
    f.U16(Block + 21, 1);                     // ChapterStart[1]
    f.U16(Block + 23, 3);                     // ChapterStart[2] = VerseCount + 1
    f.U16(Block + 81, 2);                     // VerseCount
    f.U16(Block + 83, 3);                     // TextLength
    f.U16(Block + 93, 1);                     // SectionCount
    const std::size_t section = Block + 95;   // Sections[1], 108 bytes
    f.U8(section + 1, 1);                     // Chapter
    f.U8(section + 2, 2);                     // Verse
    f.U16(section + 4, 2);                    // VerseNo
    f.Short(section + 6, "Greetings");        // Title, 1 + 100
    f.U16(Block + 30035, 1);                  // MemoryVerseCount
    f.U16(Block + 30037, 1);                  // MemVerseStart[1]
    const std::size_t mem = Block + 30097;    // MemVerses[1], 5 bytes
    f.U8(mem + 0, 1);                         // Chapter
    f.U8(mem + 1, 2);                         // Verse
    f.U8(mem + 2, 4);                         // PromptWords
    f.U8(mem + 3, 1);                         // verse count of the passage
    const std::size_t starts = Block + 36097; // VerseStart[1..3]
    f.U16(starts + 0, 1);
    f.U16(starts + 2, 2);
    f.U16(starts + 4, 4);
    const std::size_t text = starts + 6; // TextCode[1..4]: three code bytes, a trailing byte
    f.U8(text + 0, 0x01);
    f.U8(text + 1, 0x41);
    f.U8(text + 2, 0x02);

    TWords words;
    TBooks b(words);
    TStreamReader in(f.Bytes, "wf.bk");
    b.LoadFromStream(in);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(b.BookAbbrev(1), "Ph ");
    EXPECT_EQ(b.BookName(1), "Philemon");
    EXPECT_EQ(b.ChapterCount(1), 1);
    EXPECT_EQ(b.VersesInChapter(1, 1), 2);
    EXPECT_EQ(b.TotalVerses(), 2);
    EXPECT_EQ(b.SectionTitleOf(TVerseRef(1, 1, 2)), "Greetings");
    EXPECT_EQ(b.SectionIndexOf(TVerseRef(1, 1, 1)), 0);
    ASSERT_EQ(b.TotalMemoryVerses(), 1);
    EXPECT_EQ(b.MemoryVerse(1).Ref.Verse, 2);
    EXPECT_EQ(b.MemoryVerse(1).Ref.PromptWords, 4);
    EXPECT_EQ(b.MemoryVerse(1).VerseCount, 1);
    const TBookRec& rec = b.Book(1);
    EXPECT_EQ(rec.TextLength, 3);
    EXPECT_EQ(rec.VerseStart[2], 2);
    EXPECT_EQ(rec.TextCode[2], 0x41);

    TStreamWriter out;
    b.SaveToStream(out);
    EXPECT_EQ(out.data(), f.Bytes);
}

// Two sorted words and one extra word, three occurrences and two separators, as "wf.wl" holds
// them: the single-byte separator count between 16-bit fields, the occurrence table from entry 0.
TEST(ContentLayouts, WordListFile)
{
    constexpr std::size_t Occ = 15 + 126;        // after the header and Frequent[1..63]
    constexpr std::size_t Recs = Occ + 2 * 4;    // Occurrences[0..3]
    constexpr std::size_t Chars = Recs + 10 * 3; // WordRecs[1..3]
    constexpr std::size_t Starts = Chars + 15;   // "alpha\0beta\0Gog\0"
    constexpr std::size_t Seps = Starts + 2 * 2; // SepStart[1..2]
    TImage f(Seps + 4);                          // " \0,\0"
    f.U16(0, 2);                                 // WordCount
    f.U16(2, 0xBEEF);                            // reserved, kept as read
    f.U16(4, 3);                                 // TotalWords
    f.U16(6, 15);                                // TextSize
    f.U8(8, 2);                                  // SepCount
    f.U16(9, 4);                                 // SepTextSize
    f.U32(11, 3);                                // OccCount
    f.U16(15, 2);                                // Frequent[1]
    f.U16(17, 1);                                // Frequent[2]
    f.U16(Occ + 0, 77);                          // Occurrences[0], not a word's
    f.U16(Occ + 2, 10);                          // alpha
    f.U16(Occ + 4, 12);                          // alpha
    f.U16(Occ + 6, 11);                          // beta
    struct TRecBytes {
        std::uint8_t UseCount, Res1, Res2, FirstChapter, Category, Res5;
        std::uint16_t TextStart, FirstOcc;
    };
    const TRecBytes recs[] = {
        {2, 0xA1, 0xA2, 3, 5, 0xA5, 1, 1}, // alpha, a person, first used in chapter 3
        {1, 0, 0, 1, 11, 0, 7, 3},         // beta, a verb
        {1, 0, 0, 0, 200, 0, 12, 0},       // Gog, an extra word in no group
    };
    for (std::size_t i = 0; i < std::size(recs); ++i) {
        const std::size_t at = Recs + 10 * i;
        f.U8(at + 0, recs[i].UseCount);
        f.U8(at + 1, recs[i].Res1);
        f.U8(at + 2, recs[i].Res2);
        f.U8(at + 3, recs[i].FirstChapter);
        f.U8(at + 4, recs[i].Category);
        f.U8(at + 5, recs[i].Res5);
        f.U16(at + 6, recs[i].TextStart);
        f.U16(at + 8, recs[i].FirstOcc);
    }
    f.Raw(Chars, std::string_view("alpha\0beta\0Gog\0", 15));
    f.U16(Starts + 0, 1); // SepStart[1]
    f.U16(Starts + 2, 3); // SepStart[2]
    f.Raw(Seps, std::string_view(" \0,\0", 4));

    TWords w;
    TStreamReader in(f.Bytes, "wf.wl");
    w.LoadFromStream(in);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(w.WordCount(), 2);
    EXPECT_EQ(w.TotalWords(), 3);
    EXPECT_EQ(w.Data.Reserved, 0xBEEF);
    EXPECT_EQ(w.Data.Frequent[1], 2);
    EXPECT_EQ(w.Data.Frequent[2], 1);
    EXPECT_EQ(w.RawWordText(1), "alpha");
    EXPECT_EQ(w.WordText(2 | 0x1000), "Beta");
    EXPECT_EQ(w.WordText(3), "gog");
    EXPECT_EQ(w.WordText(3 | 0x2000), "Gog");
    EXPECT_EQ(w.UseCountOf(1), 2);
    EXPECT_EQ(w.FirstChapterOf(1), 3);
    EXPECT_EQ(w.CategoryOf(1), 5);
    EXPECT_EQ(w.CategoryOf(2), 11);
    EXPECT_EQ(w.CategoryOf(3), 200);
    EXPECT_EQ(w.Rec(1).Reserved1, 0xA1);
    EXPECT_EQ(w.Rec(1).Reserved5, 0xA5);
    EXPECT_EQ(w.FirstOccurrence(1), 1);
    EXPECT_EQ(w.LastOccurrence(1), 2);
    EXPECT_EQ(w.FirstOccurrence(2), 3);
    EXPECT_EQ(w.LastOccurrence(2), 3);
    EXPECT_EQ(w.Occurrence(0), 77);
    EXPECT_EQ(w.Occurrence(2), 12);
    EXPECT_EQ(w.Occurrence(3), 11);
    EXPECT_EQ(w.SeparatorText(1), " ");
    EXPECT_EQ(w.SeparatorText(2), ",");
    const std::pair<const char*, int> finds[] = {
        {"beta", 2 | 0x1000}, {"Beta", 2}, {"Gog", 3 | 0x1000}, {"GOG", 3 | 0x2000}, {"gamma", 0},
    };
    for (const auto& [text, code] : finds)
        EXPECT_EQ(w.FindWord(text), code) << text;
    EXPECT_EQ(w.CountFiltered(255, 1u << 5, 3), 1);

    TStreamWriter out;
    w.SaveToStream(out);
    EXPECT_EQ(out.data(), f.Bytes);
}

namespace {

// The 63-byte head of a collection in "wf.qs".
struct TCollectionHead {
    std::string_view Name;
    int RequiresCollection = -1; // -1: none
    std::int16_t QuestionCount = 0;
    std::int32_t PrefixSize = 0, QuestionTextSize = 0, AnswerTextSize = 0;
    std::uint16_t RefCount = 0;
};

void PutHead(TImage& f, std::size_t at, const TCollectionHead& h)
{
    f.U8(at + 0, 0x5C);                   // spare byte, kept as read
    f.Short(at + 1, std::string(h.Name)); // Name, 1 + 20
    if (h.RequiresCollection >= 0)
        f.U8(at + 22 + static_cast<std::size_t>(h.RequiresCollection), 1); // Requires[0..7]
    f.U8(at + 30, 0xE0);                                                   // first of 17 reserved bytes
    f.U8(at + 46, 0xEF);                                                   // last reserved byte
    f.U16(at + 47, static_cast<std::uint16_t>(h.QuestionCount));
    f.U32(at + 49, static_cast<std::uint32_t>(h.PrefixSize));
    f.U32(at + 53, static_cast<std::uint32_t>(h.QuestionTextSize));
    f.U32(at + 57, static_cast<std::uint32_t>(h.AnswerTextSize));
    f.U16(at + 61, h.RefCount);
}

// A 24-byte question record.
struct TRecordBytes {
    std::uint8_t QType, Info, Byte2, Byte3;
    std::uint32_t PrefixStart, QuestionStart;
    std::uint16_t RefStart, HomeIndex, DupLink, SortKey, QuestionLength, AnswerLength;
};

void PutRecord(TImage& f, std::size_t at, const TRecordBytes& r)
{
    f.U8(at + 0, r.QType);
    f.U8(at + 1, r.Info);
    f.U8(at + 2, r.Byte2);
    f.U8(at + 3, r.Byte3);
    f.U32(at + 4, r.PrefixStart);
    f.U32(at + 8, r.QuestionStart);
    f.U16(at + 12, r.RefStart);
    f.U16(at + 14, r.HomeIndex);
    f.U16(at + 16, r.DupLink);
    f.U16(at + 18, r.SortKey);
    f.U16(at + 20, r.QuestionLength);
    f.U16(at + 22, r.AnswerLength);
}

} // namespace

// Collection 0 holds one question (its home record), collection 1 a placeholder for it and
// requires collection 0; collections 2..7 are empty heads.
TEST(ContentLayouts, QuestionFile)
{
    constexpr std::size_t C0 = 1; // after HasSortKeys
    constexpr std::size_t C0Recs = C0 + 63;
    constexpr std::size_t C0Prefix = C0Recs + 24 * 2; // Records[1..2]
    constexpr std::size_t C0Question = C0Prefix + 2;  // PrefixText[1..2]
    constexpr std::size_t C0Answer = C0Question + 3;  // QuestionText[1..3]
    constexpr std::size_t C0Refs = C0Answer + 4;      // AnswerText[1..4]
    constexpr std::size_t C1 = C0Refs + 8 * 2;        // QuestionRefs[1..2]
    constexpr std::size_t C1Recs = C1 + 63;
    constexpr std::size_t C1Texts = C1Recs + 24 * 2; // three one-byte streams
    constexpr std::size_t C1Refs = C1Texts + 3;
    constexpr std::size_t Empty = C1Refs + 8; // closing reference only
    TImage f(Empty + 6 * 63);
    f.U8(0, 1); // HasSortKeys
    PutHead(f, C0, {"Epistles", -1, 1, 1, 2, 3, 1});
    const std::uint16_t placeholderId = 1 * 8192 + 1;
    PutRecord(f, C0Recs, {3, 2 | (3 << 3), 0x11, 0x22, 1, 1, 1, 0, placeholderId, 7, 5, 2});
    PutRecord(f, C0Recs + 24, {0, 0, 0, 0, 2, 3, 2, 0, 0, 0, 0, 0}); // closing record
    f.U8(C0Prefix, 0x31);
    f.U8(C0Question + 0, 0x41);
    f.U8(C0Question + 1, 0x42);
    f.U8(C0Answer + 0, 0x51);
    f.U8(C0Answer + 1, 0x52);
    f.U8(C0Answer + 2, 0x53);
    f.U8(C0Refs + 0, (1 << 5) | 4); // book 1, chapter 4
    f.U8(C0Refs + 1, 9);            // verse
    f.U8(C0Refs + 2, 0x33);         // not interpreted, kept
    f.U32(C0Refs + 4, 1);           // AnswerStart
    f.U32(C0Refs + 8 + 4, 4);       // closing entry: end of the answer
    PutHead(f, C1, {"Extra", 0, 1, 0, 0, 0, 0});
    PutRecord(f, C1Recs, {44, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0}); // placeholder: home 0, index 1
    PutRecord(f, C1Recs + 24, {0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0});
    f.U32(C1Refs + 4, 1);
    for (std::size_t c = 0; c < 6; ++c)
        PutHead(f, Empty + 63 * c, {"", -1, 0, 0, 0, 0, 0});

    TWords words;
    TBooks books(words);
    TQuestions q(words, books);
    TStreamReader in(f.Bytes, "wf.qs");
    q.LoadFromStream(in);
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(q.Data.HasSortKeys, 1);
    EXPECT_EQ(q.Collection(0).Name.text(), "Epistles");
    EXPECT_EQ(q.Collection(0).Spare, 0x5C);
    EXPECT_EQ(q.Collection(0).Reserved[16], 0xEF);
    EXPECT_EQ(q.Collection(1).Name.text(), "Extra");
    EXPECT_EQ(q.Collection(1).Requires[0], 1);
    EXPECT_EQ(q.Collection(1).Requires[1], 0);
    EXPECT_EQ(q.Collection(0).Available, 1);
    EXPECT_EQ(q.Collection(2).Available, 0);
    EXPECT_FALSE(q.HasQuestions(2));
    EXPECT_EQ(q.QuestionCount(7), 0);

    ASSERT_EQ(q.QuestionCount(0), 1);
    EXPECT_EQ(q.QuestionType({0, 1}), 3);
    EXPECT_EQ(q.ListType({0, 1}), 0);
    EXPECT_EQ(q.DupCount({0, 1}), 2);
    EXPECT_EQ(q.Record({0, 1}).PrejumpWords(), 3);
    EXPECT_EQ(q.Record({0, 1}).Byte3, 0x22);
    EXPECT_EQ(q.DupLink({0, 1}), placeholderId);
    EXPECT_EQ(q.SortKey({0, 1}), 7);
    EXPECT_EQ(q.QuestionLength({0, 1}), 5);
    EXPECT_EQ(q.AnswerLength({0, 1}), 2);
    EXPECT_EQ(q.RefCountOf({0, 1}), 1);
    const TVerseRef ref = q.RefOf({0, 1}, 1);
    EXPECT_EQ(ref.Book, 1);
    EXPECT_EQ(ref.Chapter, 4);
    EXPECT_EQ(ref.Verse, 9);
    EXPECT_EQ(q.AnswerStartOf({0, 1}, 1), 1u);
    EXPECT_EQ(q.Collection(0).QuestionText[2], 0x42);
    EXPECT_EQ(q.Collection(0).AnswerText[3], 0x53);
    EXPECT_EQ(q.Collection(0).QuestionRefs[1].Reserved2, 0x33);
    EXPECT_EQ(q.Collection(0).QuestionRefs[2].AnswerStart, 4u);

    ASSERT_EQ(q.QuestionCount(1), 1);
    EXPECT_TRUE(q.IsPlaceholder({1, 1}));
    EXPECT_EQ(q.InfoByte({1, 1}), 0);
    EXPECT_EQ(q.HomeIndex({1, 1}), 1);
    EXPECT_EQ(q.HomeOf({1, 1}), (TQuestionAddr{0, 1}));
    EXPECT_EQ(q.HomeType({1, 1}), 3);
    EXPECT_EQ(q.RefCountOf({1, 1}), 0);

    TStreamWriter out;
    q.SaveToStream(out);
    EXPECT_EQ(out.data(), f.Bytes);
}
