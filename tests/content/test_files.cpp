// The three content files: byte-exact round trips, truncated and corrupt files, missing files.
#include "support/ContentFixture.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace sv;

namespace {

const test::TFixtureFiles& SmallFiles()
{
    static const test::TFixtureFiles f = test::BuildFixture(test::SmallFixture());
    return f;
}

enum class TFile { Wl, Bk, Qs };

// Loads one file into fresh stores (the others from the small fixture) and writes it back.
std::vector<std::uint8_t> LoadAndSave(TFile which, const std::vector<std::uint8_t>& bytes)
{
    test::TFixtureFiles f = SmallFiles();
    test::TLoadedContent c;
    TStreamReader wl(which == TFile::Wl ? bytes : f.Wl, "wf.wl");
    c.Words.LoadFromStream(wl);
    TStreamWriter w;
    if (which == TFile::Wl) {
        c.Words.SaveToStream(w);
        return w.data();
    }
    TStreamReader bk(which == TFile::Bk ? bytes : f.Bk, "wf.bk");
    c.Books.LoadFromStream(bk);
    if (which == TFile::Bk) {
        c.Books.SaveToStream(w);
        return w.data();
    }
    TStreamReader qs(bytes, "wf.qs");
    c.Questions.LoadFromStream(qs);
    c.Questions.SaveToStream(w);
    return w.data();
}

void Put16(std::vector<std::uint8_t>& b, std::size_t at, int v)
{
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

} // namespace

TEST(ContentFiles, RoundTripsAreByteExact)
{
    const test::TFixtureFiles& f = SmallFiles();
    EXPECT_EQ(LoadAndSave(TFile::Wl, f.Wl), f.Wl);
    EXPECT_EQ(LoadAndSave(TFile::Bk, f.Bk), f.Bk);
    EXPECT_EQ(LoadAndSave(TFile::Qs, f.Qs), f.Qs);

    // Reserved, spare, placeholder and filler bytes are carried unchanged.
    std::vector<std::uint8_t> wl = f.Wl, bk = f.Bk, qs = f.Qs;
    Put16(wl, 2, 0xBEEF);                                                                  // reserved header value
    wl[11 + 126 + 2 * (std::size_t(f.Wl[9]) | std::size_t(f.Wl[10]) << 8) + 2 + 1] = 0x5A; // a reserved record byte
    bk[1 + 20] = 0x77;                                                                     // spare byte
    bk[1 + 85] = 0x12;                  // placeholder bytes, ignored when read
    bk[1 + 95 + 107] = 0x34;            // section record byte 107
    bk[1 + 95 + 108 * 200 + 50] = 0x56; // filler of an unused section title
    bk[1 + 27635 + 9] = 0x78;           // reserved table
    bk[1 + 30097 + 4] = 0x9A;           // memory-verse byte 4
    bk[1 + 5 + 10] = 0x60;              // BookName filler after "Galatians"
    bk[1 + 5 + 13] = 0x61;
    qs[1] = 0x42;                  // spare head byte
    qs[1 + 1 + 21 + 8 + 3] = 0x43; // reserved head bytes
    qs[1 + 63 + 2] = 0x44;         // record byte 2
    EXPECT_EQ(LoadAndSave(TFile::Wl, wl), wl);
    EXPECT_EQ(LoadAndSave(TFile::Bk, bk), bk);
    EXPECT_EQ(LoadAndSave(TFile::Qs, qs), qs);
}

TEST(ContentFiles, LargeFixtureRoundTrips)
{
    const test::TFixtureFiles f = test::BuildFixture(test::LargeFixture(3, 600));
    test::TLoadedContent c;
    c.Load(f);
    EXPECT_EQ(c.Books.TotalVerses(), 1200);
    EXPECT_EQ(c.Questions.QuestionCount(2), 600);
    TStreamWriter wl, bk, qs;
    c.Words.SaveToStream(wl);
    c.Books.SaveToStream(bk);
    c.Questions.SaveToStream(qs);
    EXPECT_EQ(wl.data(), f.Wl);
    EXPECT_EQ(bk.data(), f.Bk);
    EXPECT_EQ(qs.data(), f.Qs);
}

TEST(ContentFiles, LayoutOfEmptyParts)
{
    // A collection without questions is its 63-byte head; a book without text its 36097 bytes.
    test::TFixtureDesc d = test::SmallFixture();
    d.Collections.resize(1);
    d.Collections[0].Questions.resize(1);
    const test::TFixtureFiles f = test::BuildFixture(d);
    test::TLoadedContent c;
    c.Load(f);
    const TCollection& first = c.Questions.Collection(0);
    const std::size_t firstSize = 63 + 24 * 2 + (first.PrefixSize + 1) + (first.QuestionTextSize + 1)
                                  + (first.AnswerTextSize + 1) + 8 * (first.RefCount + 1);
    EXPECT_EQ(f.Qs.size(), 1 + firstSize + 7 * 63);

    TWords w;
    TBooks b(w);
    b.Data.BookCount = 1;
    b.Data.Books[1].ChapterCount = 1;
    TStreamWriter out;
    b.SaveToStream(out);
    EXPECT_EQ(out.size(), 1u + 36097u);
    TStreamReader in(out.data(), "wf.bk");
    TBooks back(w);
    back.LoadFromStream(in);
    EXPECT_TRUE(in.atEnd());
}

TEST(ContentFiles, EveryTruncationIsARangeErrorNamingTheFile)
{
    const test::TFixtureFiles& f = SmallFiles();
    struct Row {
        TFile which;
        const std::vector<std::uint8_t>* bytes;
        const char* name;
        std::size_t step;
    } rows[] = {{TFile::Wl, &f.Wl, "wf.wl", 1}, {TFile::Qs, &f.Qs, "wf.qs", 1}, {TFile::Bk, &f.Bk, "wf.bk", 97}};
    for (const Row& r : rows) {
        std::vector<std::size_t> cuts;
        for (std::size_t n = 0; n < r.bytes->size(); n += r.step)
            cuts.push_back(n);
        cuts.push_back(r.bytes->size() - 1);
        for (std::size_t n : cuts) {
            const std::vector<std::uint8_t> cut(r.bytes->begin(), r.bytes->begin() + static_cast<long>(n));
            try {
                LoadAndSave(r.which, cut);
                ADD_FAILURE() << r.name << " cut to " << n << " bytes loaded";
            } catch (const ERangeError& e) {
                EXPECT_NE(std::string(e.what()).find(r.name), std::string::npos) << e.what();
            }
        }
    }
}

TEST(ContentFiles, CountsBeyondTheDataModelAreRangeErrors)
{
    const test::TFixtureFiles& f = SmallFiles();
    const std::size_t book2 =
        1 + 36097 + 2 * (15 + 1) + (std::size_t(f.Bk[1 + 83]) | std::size_t(f.Bk[1 + 84]) << 8) + 1;
    struct Row {
        const char* what;
        TFile which;
        std::function<void(std::vector<std::uint8_t>&)> corrupt;
    } rows[] = {
        {"six books", TFile::Bk, [](auto& b) { b[0] = 6; }},
        {"book count 200", TFile::Bk, [](auto& b) { b[0] = 200; }},
        {"30 chapters", TFile::Bk, [](auto& b) { b[1 + 19] = 30; }},
        {"1201 verses", TFile::Bk, [](auto& b) { Put16(b, 1 + 81, 1201); }},
        {"negative verse count", TFile::Bk, [](auto& b) { Put16(b, 1 + 81, -3); }},
        {"256 sections", TFile::Bk, [](auto& b) { Put16(b, 1 + 93, 256); }},
        {"memory verses -1", TFile::Bk, [](auto& b) { Put16(b, 1 + 30035, -1); }},
        {"1201 memory verses", TFile::Bk, [](auto& b) { Put16(b, 1 + 30035, 1201); }},
        {"book name length 14", TFile::Bk, [](auto& b) { b[1 + 5] = 14; }},
        {"verses of both books above 1200", TFile::Bk, [book2](auto& b) { Put16(b, book2 + 81, 1190); }},
        {"text length beyond the file", TFile::Bk, [](auto& b) { Put16(b, 1 + 83, 60000); }},
        {"4096 words", TFile::Wl, [](auto& b) { Put16(b, 4, 4096); }},
        {"more sorted than total words", TFile::Wl, [](auto& b) { Put16(b, 0, 4000); }},
        {"negative occurrence count", TFile::Wl, [](auto& b) { b[11 + 3] = 0x80; }},
        {"huge occurrence count", TFile::Wl, [](auto& b) { b[11 + 3] = 0x40; }},
        {"text size beyond the file", TFile::Wl, [](auto& b) { Put16(b, 6, 65000); }},
        {"8192 questions", TFile::Qs, [](auto& b) { Put16(b, 1 + 47, 8192); }},
        {"negative question count", TFile::Qs, [](auto& b) { Put16(b, 1 + 47, -1); }},
        {"negative prefix size", TFile::Qs, [](auto& b) { b[1 + 49 + 3] = 0x80; }},
        {"huge answer size", TFile::Qs, [](auto& b) { b[1 + 57 + 3] = 0x7F; }},
        {"collection name length 21", TFile::Qs, [](auto& b) { b[1 + 1] = 21; }},
    };
    for (const Row& r : rows) {
        std::vector<std::uint8_t> bytes = r.which == TFile::Wl ? f.Wl : r.which == TFile::Bk ? f.Bk : f.Qs;
        r.corrupt(bytes);
        EXPECT_THROW(LoadAndSave(r.which, bytes), ERangeError) << r.what;
    }
}

TEST(ContentFiles, AFailedLoadLeavesTheStoreAsItWas)
{
    const test::TFixtureFiles& f = SmallFiles();
    test::TLoadedContent c;
    c.Load(f);
    std::vector<std::uint8_t> bad = f.Bk;
    bad.resize(bad.size() / 2);
    TStreamReader r(bad, "wf.bk");
    EXPECT_THROW(c.Books.LoadFromStream(r), ERangeError);
    EXPECT_EQ(c.Books.TotalVerses(), 23);
    std::vector<std::uint8_t> badQs(f.Qs.begin(), f.Qs.end() - 3);
    TStreamReader rq(badQs, "wf.qs");
    EXPECT_THROW(c.Questions.LoadFromStream(rq), ERangeError);
    EXPECT_EQ(c.Questions.QuestionCount(0), 8);
}

TEST(ContentFiles, LoadFromFileAndMissingFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string d = dir.path().toStdString();
    SmallFiles().WriteTo(d);
    test::TLoadedContent c;
    c.Words.LoadFromFile(d + "/wf.wl");
    c.Books.LoadFromFile(d + "/wf.bk");
    c.Questions.LoadFromFile(d + "/wf.qs");
    EXPECT_EQ(c.Questions.QuestionCount(1), 3);
    EXPECT_TRUE(c.Questions.UsesSituation());

    const std::string missing = d + "/none/wf.wl";
    try {
        c.Words.LoadFromFile(missing);
        ADD_FAILURE();
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + missing);
    }
    EXPECT_THROW(c.Books.LoadFromFile(d + "/none/wf.bk"), EFileError);
    EXPECT_THROW(c.Questions.LoadFromFile(d + "/none/wf.qs"), EFileError);
}

TEST(ContentFiles, GarbageIsRefusedWithTheFieldFileAndOffset)
{
    const test::TFixtureFiles& f = SmallFiles();
    const auto u16 = [](const std::vector<std::uint8_t>& b, std::size_t at) {
        return static_cast<int>(b[at] | b[at + 1] << 8);
    };
    const int totalWords = u16(f.Wl, 4);
    const int verses = u16(f.Bk, 1 + 81);
    const long long verseText = 2LL * (verses + 1) + 60000 + 1;
    struct Row {
        TFile which;
        std::function<void(std::vector<std::uint8_t>&)> corrupt;
        std::string message;
    } rows[] = {
        {TFile::Wl, [](auto& b) { Put16(b, 4, 4096); }, "File wf.wl: TotalWords 4096 outside 0..4095 at offset 6"},
        {TFile::Wl, [](auto& b) { Put16(b, 0, 4000); },
         "File wf.wl: WordCount 4000 outside 0.." + std::to_string(totalWords) + " at offset 6"},
        {TFile::Wl,
         [](auto& b) {
             Put16(b, 11, 0);
             Put16(b, 13, 0x8000);
         },
         "File wf.wl: OccCount -2147483648 outside 0..2147483646 at offset 15"},
        {TFile::Bk, [](auto& b) { b[0] = 6; }, "File wf.bk: BookCount 6 outside 0..5 at offset 1"},
        {TFile::Bk, [](auto& b) { b[1 + 5] = 14; }, "File wf.bk: BookName length 14 above 13"},
        {TFile::Bk, [](auto& b) { b[1 + 19] = 30; }, "File wf.bk: ChapterCount 30 outside 0..29 at offset 21"},
        {TFile::Bk, [](auto& b) { Put16(b, 1 + 83, 60000); },
         "File wf.bk is truncated: verse text needs " + std::to_string(verseText) + " bytes at offset 36098, "
             + std::to_string(f.Bk.size() - 36098) + " left"},
        {TFile::Qs, [](auto& b) { b[1 + 1] = 21; }, "File wf.qs: collection name length 21 outside 0..20 at offset 23"},
        {TFile::Qs, [](auto& b) { Put16(b, 1 + 47, 8192); },
         "File wf.qs: QuestionCount 8192 outside 0..8191 at offset 50"},
        {TFile::Qs, [](auto& b) { b.resize(1 + 25); }, "File wf.qs is truncated: 1 bytes needed at offset 26, 0 left"},
    };
    for (const Row& r : rows) {
        std::vector<std::uint8_t> bytes = r.which == TFile::Wl ? f.Wl : r.which == TFile::Bk ? f.Bk : f.Qs;
        r.corrupt(bytes);
        try {
            LoadAndSave(r.which, bytes);
            ADD_FAILURE() << r.message;
        } catch (const ERangeError& e) {
            EXPECT_EQ(std::string(e.what()), r.message);
        }
    }
}
