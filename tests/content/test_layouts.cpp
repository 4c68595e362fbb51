// The content file layouts against bytes written here by hand from the file descriptions (not
// by our own writer): read, the fields come out where the layout puts them; written back, the
// very same bytes.
#include "common/LeStream.h"
#include "content/Books.h"
#include "content/Words.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace sv;

namespace {

// A byte image filled field by field at the offsets of the layout.
struct TImage {
    std::vector<std::uint8_t> Bytes;
    explicit TImage(std::size_t size) : Bytes(size, 0) {}
    void U8(std::size_t at, std::uint8_t v) { Bytes.at(at) = v; }
    void U16(std::size_t at, std::uint16_t v)
    {
        Bytes.at(at) = static_cast<std::uint8_t>(v & 0xFF);
        Bytes.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
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
    f.U8(0, 1);                              // BookCount
    f.U8(Block + 0, 0);                      // EditFlag
    f.Short(Block + 1, "Ph ");               // BookAbbrev, 1 + 3
    f.Short(Block + 5, "Philemon");          // BookName, 1 + 13
    f.U8(Block + 19, 1);                     // ChapterCount
    f.U8(Block + 20, 0x5A);                  // spare byte, kept as read
    f.U16(Block + 21, 1);                    // ChapterStart[1]
    f.U16(Block + 23, 3);                    // ChapterStart[2] = VerseCount + 1
    f.U16(Block + 81, 2);                    // VerseCount
    f.U16(Block + 83, 3);                    // TextLength
    f.U16(Block + 93, 1);                    // SectionCount
    const std::size_t section = Block + 95;  // Sections[1], 108 bytes
    f.U8(section + 1, 1);                    // Chapter
    f.U8(section + 2, 2);                    // Verse
    f.U16(section + 4, 2);                   // VerseNo
    f.Short(section + 6, "Greetings");       // Title, 1 + 100
    f.U16(Block + 30035, 1);                 // MemoryVerseCount
    f.U16(Block + 30037, 1);                 // MemVerseStart[1]
    const std::size_t mem = Block + 30097;   // MemVerses[1], 5 bytes
    f.U8(mem + 0, 1);                        // Chapter
    f.U8(mem + 1, 2);                        // Verse
    f.U8(mem + 2, 4);                        // PromptWords
    f.U8(mem + 3, 1);                        // verse count of the passage
    const std::size_t starts = Block + 36097; // VerseStart[1..3]
    f.U16(starts + 0, 1);
    f.U16(starts + 2, 2);
    f.U16(starts + 4, 4);
    const std::size_t text = starts + 6;     // TextCode[1..4]: three code bytes, a trailing byte
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
