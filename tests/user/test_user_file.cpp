#include "FileTestHelpers.h"
#include "common/Errors.h"
#include "user/User.h"

#include <gtest/gtest.h>

#include <random>

using namespace sv;
using sv::test::ReadAll;
using sv::test::WriteAll;

namespace {

std::int32_t Int32At(const std::vector<std::uint8_t>& b, std::size_t off)
{
    return static_cast<std::int32_t>(b[off] | (b[off + 1] << 8) | (b[off + 2] << 16)
                                     | (static_cast<std::uint32_t>(b[off + 3]) << 24));
}

std::string ShortStringAt(const std::vector<std::uint8_t>& b, std::size_t off)
{
    return std::string(reinterpret_cast<const char*>(&b[off + 1]), b[off]);
}

std::vector<std::uint8_t> Saved(const TUser& u)
{
    TStreamWriter w;
    u.SaveToStream(w);
    return w.data();
}

std::vector<std::uint8_t> RandomBytes(std::size_t n, unsigned seed)
{
    std::mt19937 g(seed);
    std::vector<std::uint8_t> v(n);
    for (auto& b : v)
        b = static_cast<std::uint8_t>(g());
    return v;
}

// The bytes with the layout version every saved file carries (219, little-endian) at the start.
std::vector<std::uint8_t> WithVersion219(std::vector<std::uint8_t> b)
{
    b[0] = 219;
    b[1] = b[2] = b[3] = 0;
    return b;
}

struct TFieldDefault {
    std::size_t Offset;
    int Size; // 1 or 4
    std::int32_t Value;
};

} // namespace

TEST(UserFile, FreshRecordIsExactly75352BytesWithUntriedKnowledge)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("ann.219")).toStdString();
    TUser u;
    u.Reset(false, false);
    u.SaveToFile(path);
    const auto b = ReadAll(path);
    ASSERT_EQ(b.size(), 75352u);
    EXPECT_EQ((std::vector<std::uint8_t>{b[0], b[1], b[2], b[3]}), (std::vector<std::uint8_t>{219, 0, 0, 0}));
    for (std::size_t i = 4272; i <= 69799; ++i)
        ASSERT_EQ(b[i], 7) << "offset " << i;
    for (std::size_t i = 69800; i < 72200; ++i)
        ASSERT_EQ(b[i], 7) << "offset " << i; // reference and memory-verse knowledge
    for (std::size_t i = 73344; i < 75352; ++i)
        ASSERT_EQ(b[i], 0) << "offset " << i;
}

// Defaults at their file offsets; Q1..Q3 and UseAssistant follow the two Reset inputs.
TEST(UserFile, DefaultsSitAtTheirOffsets)
{
    for (const bool situation : {false, true}) {
        for (const bool assistant : {false, true}) {
            TUser u;
            u.Reset(situation, assistant);
            const auto b = Saved(u);
            ASSERT_EQ(b.size(), TUser::FileSize);
            const std::vector<TFieldDefault> table = {
                {228, 1, 1},
                {229, 1, 0},
                {232, 4, 30},
                {236, 1, 0},
                {243, 1, 0},
                {244, 1, 1},
                {245, 1, 1},
                {246, 1, 0},
                {252, 1, 1},
                {253, 1, 1},
                {255, 1, 1},
                {257, 1, 1},
                {258, 1, 1},
                {265, 1, 1},
                {269, 1, 1},
                {270, 1, 1},
                {271, 1, 1},
                {272, 1, 0},
                {276, 1, 1},
                {278, 1, 1},
                {281, 1, 1},
                {285, 1, 1},
                {287, 1, 1},
                {288, 4, 0},
                {292, 4, 5},
                {296, 4, 20},
                {300, 4, 50},
                {304, 4, 3},
                {308, 4, 3},
                {312, 4, 3},
                {316, 4, 20},
                {368, 4, situation ? 4 : 0},
                {380, 4, 1},
                {384, 4, 3},
                {388, 4, 0},
                {424, 4, situation ? 19 : 22},
                {440, 4, situation ? 3 : 0},
                {452, 4, 30},
                {456, 4, 3},
                {460, 4, 9999},
                {464, 4, 100},
                {468, 4, 25},
                {472, 4, 200},
                {476, 4, 2},
                {484, 4, 2},
                {488, 4, 100},
                {492, 4, 50},
                {496, 4, -1},
                {500, 1, 1},
                {501, 1, 1},
                {502, 1, 0},
                {503, 1, assistant ? 1 : 0},
                {504, 1, 1},
                {505, 1, 1},
                {549, 1, 1},
                {550, 1, '?'},
                {551, 1, 0},
                {552, 4, 4},
                {556, 4, 2},
                {560, 4, 0},
                {564, 4, 0},
                {568, 1, 0},
                {4271, 1, 0},
                {72200, 1, 0},
                {72807, 1, 0},
                {72808, 4, 0},
                {72828, 4, 0},
            };
            for (const auto& f : table) {
                const std::int32_t got = f.Size == 1 ? b[f.Offset] : Int32At(b, f.Offset);
                EXPECT_EQ(got, f.Value) << "offset " << f.Offset << " situation " << situation << " assistant "
                                        << assistant;
            }
            // Every flag of the option block, offsets 244..287, and every unused value.
            const std::string flags = "11000000"
                                      "11010110"
                                      "00000111"
                                      "11110000"
                                      "10100100"
                                      "0101";
            for (std::size_t i = 0; i < flags.size(); ++i)
                EXPECT_EQ(b[244 + i], flags[i] - '0') << "offset " << 244 + i;
            const std::vector<std::int32_t> unused1 = {20, 15, 8, 12, 2, 3, 1, 2, 3, 5, 2, 7, 0, situation ? 4 : 0,
                                                       5,  2,  1};
            const std::vector<std::int32_t> unused2 = {
                0, 11, 4, 1, 1, 1, 1, 1, 5, situation ? 19 : 22, 6, 1, 1, situation ? 3 : 0, 17, 1, 30};
            for (std::size_t i = 0; i < 17; ++i) {
                EXPECT_EQ(Int32At(b, 316 + 4 * i), unused1[i]) << "offset " << 316 + 4 * i;
                EXPECT_EQ(Int32At(b, 388 + 4 * i), unused2[i]) << "offset " << 388 + 4 * i;
            }
            for (std::size_t off : {4u, 207u, 216u, 220u, 224u, 230u, 231u})
                EXPECT_EQ(b[off], 0) << "offset " << off;
            for (std::size_t i = 505; i < 550; ++i)
                EXPECT_EQ(b[i], 1) << "question type at offset " << i;
            EXPECT_EQ(Int32At(b, 480), 2);
            for (int place = 0; place < 6; ++place)
                EXPECT_EQ(ShortStringAt(b, 72201 + 101 * place), "You could be here");
            EXPECT_EQ(ShortStringAt(b, 72832), "Default");
            EXPECT_EQ(ShortStringAt(b, 73088), "Encourager");
            EXPECT_EQ(ShortStringAt(b, 5), "");
        }
    }
}

// Fields set in the record land at the offsets of the file layout.
TEST(UserFile, FieldsLandAtTheirOffsets)
{
    TUser u;
    u.FullName.setText("Ann Smith");
    u.FileName.setText("annsmith");
    u.MaxQuestions = 0x01020304;
    u.Collections[7] = 1;
    u.Options.QuestionTypes[44] = 0;
    u.Options.AssistantChar = 'M';
    u.ChapterSel[29] = 1;
    u.SectionSel[1275] = 1;
    u.VerseSel[1200] = 1;
    u.MemorySel[1] = 1;
    u.QuestionByte({7, 8191}) = 0xEE;
    u.QuestionByte({1, 1}) = 0xDD;
    u.ReferenceKnowledge[1200] = 0xCC;
    u.MemoryKnowledge[1] = 0xBB;
    u.WallOfFame.Scores[6] = -5;
    u.VoiceName.setText("Mary");
    const auto b = Saved(u);
    ASSERT_EQ(b.size(), TUser::FileSize);
    EXPECT_EQ(ShortStringAt(b, 5), "Ann Smith");
    EXPECT_EQ(ShortStringAt(b, 106), "annsmith");
    EXPECT_EQ(Int32At(b, 232), 0x01020304);
    EXPECT_EQ(b[243], 1);
    EXPECT_EQ(b[549], 0);
    EXPECT_EQ(b[550], 'M');
    EXPECT_EQ(b[568 + 28], 1);
    EXPECT_EQ(b[597 + 1274], 1);
    EXPECT_EQ(b[1872 + 1199], 1);
    EXPECT_EQ(b[3072], 1);
    EXPECT_EQ(b[4272 + 7 * 8191 + 8190], 0xEE);
    EXPECT_EQ(b[4272 + 8191], 0xDD);
    EXPECT_EQ(b[69800 + 1199], 0xCC);
    EXPECT_EQ(b[71000], 0xBB);
    EXPECT_EQ(Int32At(b, 72808 + 20), -5);
    EXPECT_EQ(ShortStringAt(b, 72832), "Mary");
}

// Reserved values, padding and string filler are written back as read; only the version
// becomes 219, whatever the file said.
TEST(UserFile, AnyFileRoundTripsByteForByteButTheVersion)
{
    const auto original = RandomBytes(TUser::FileSize, 11);
    ASSERT_NE(Int32At(original, 0), 219);
    TStreamReader r(original, "random.219", TShortReads::Keep);
    TUser u;
    u.LoadFromStream(r);
    EXPECT_FALSE(r.wasShort());
    EXPECT_EQ(u.Version, Int32At(original, 0));
    EXPECT_EQ(Saved(u), WithVersion219(original));
}

// A short file overwrites exactly the bytes it covers: a 100-byte file changes Version, the
// reserved byte and the first 94 characters of FullName's field, and nothing else.
TEST(UserFile, ShortFileChangesOnlyWhatItCovers)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("short.219")).toStdString();
    const auto before = RandomBytes(TUser::FileSize, 5);
    TStreamReader r(before, "before", TShortReads::Keep);
    TUser u;
    u.LoadFromStream(r);

    auto shortFile = RandomBytes(100, 6);
    shortFile[5] = 3; // FullName length
    WriteAll(path, shortFile);
    u.LoadFromFile(path);

    auto expect = before;
    std::copy(shortFile.begin(), shortFile.end(), expect.begin());
    EXPECT_EQ(Saved(u), WithVersion219(expect));
    EXPECT_EQ(u.Version, Int32At(shortFile, 0));
    EXPECT_EQ(u.FullName.length(), 3);
}

TEST(UserFile, MissingFileCannotBeOpened)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("nobody.219")).toStdString();
    TUser u;
    try {
        u.LoadFromFile(path);
        FAIL() << "no error";
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
    }
}

// The old user file must survive a save that cannot finish: the disk fills up half-way
// (a file-size limit makes the write fail after 4096 bytes), or the folder is unusable.
TEST(UserFile, FailedSaveKeepsTheOldFile)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("ann.219")).toStdString();
    TUser u;
    u.FullName.setText("Ann");
    u.QuestionByte({0, 1}) = 31;
    u.SaveToFile(path);
    const auto old = ReadAll(path);
    ASSERT_EQ(old.size(), TUser::FileSize);

    u.FullName.setText("Changed");
    u.QuestionByte({0, 1}) = 0;
    {
        sv::test::TFileSizeLimit limit(4096);
        try {
            u.SaveToFile(path);
            ADD_FAILURE() << "save past the size limit reported success";
        } catch (const EFileError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot create file " + path);
        }
    }
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(sv::test::Entries(dir), QStringList{QStringLiteral("ann.219")}) << "temporary file left behind";

    // A "Users" folder that is really a file.
    const std::string blocked = dir.filePath(QStringLiteral("ann.219/x.219")).toStdString();
    try {
        u.SaveToFile(blocked);
        ADD_FAILURE() << "save into a file reported success";
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + blocked);
    }
    EXPECT_EQ(ReadAll(path), old);

    TUser back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.FullName.text(), "Ann");
    EXPECT_EQ(back.QuestionByte({0, 1}), 31);
}

TEST(UserFile, ResetRestoresDefaultsAfterAnotherPerson)
{
    TUser fresh;
    fresh.Reset(true, true);
    TUser u;
    const auto noise = RandomBytes(TUser::FileSize, 9);
    TStreamReader r(noise, "noise", TShortReads::Keep);
    u.LoadFromStream(r);
    u.Reset(true, true);
    EXPECT_EQ(Saved(u), Saved(fresh));
}

TEST(WallOfFame, AddHighScoreOrdersByScoreAndPutsTiesBelow)
{
    struct TStep {
        std::int32_t Score;
        const char* Name;
        bool Entered;
        std::vector<std::string> Names; // places 1..6 afterwards
        std::vector<std::int32_t> Scores;
    };
    const std::string y = "You could be here";
    const std::vector<TStep> steps = {
        {0, "Zero", false, {y, y, y, y, y, y}, {0, 0, 0, 0, 0, 0}},
        {50, "Ann", true, {"Ann", y, y, y, y, y}, {50, 0, 0, 0, 0, 0}},
        {50, "Bob", true, {"Ann", "Bob", y, y, y, y}, {50, 50, 0, 0, 0, 0}},
        {70, "Cy", true, {"Cy", "Ann", "Bob", y, y, y}, {70, 50, 50, 0, 0, 0}},
        {-3, "Neg", false, {"Cy", "Ann", "Bob", y, y, y}, {70, 50, 50, 0, 0, 0}},
        {10, "Dee", true, {"Cy", "Ann", "Bob", "Dee", y, y}, {70, 50, 50, 10, 0, 0}},
        {20, "Eve", true, {"Cy", "Ann", "Bob", "Eve", "Dee", y}, {70, 50, 50, 20, 10, 0}},
        {5, "Fay", true, {"Cy", "Ann", "Bob", "Eve", "Dee", "Fay"}, {70, 50, 50, 20, 10, 5}},
        {5, "Gil", false, {"Cy", "Ann", "Bob", "Eve", "Dee", "Fay"}, {70, 50, 50, 20, 10, 5}},
        {50, "Hal", true, {"Cy", "Ann", "Bob", "Hal", "Eve", "Dee"}, {70, 50, 50, 50, 20, 10}},
    };
    TUser u;
    for (const auto& s : steps) {
        EXPECT_EQ(u.AddHighScore(s.Score, s.Name), s.Entered) << s.Name;
        for (int p = 1; p <= 6; ++p) {
            EXPECT_EQ(u.WallOfFame.Name(p), s.Names[p - 1]) << "after " << s.Name << " place " << p;
            EXPECT_EQ(u.WallOfFame.Score(p), s.Scores[p - 1]) << "after " << s.Name << " place " << p;
        }
    }
    EXPECT_TRUE(u.AddHighScore(99, std::string(150, 'x')));
    EXPECT_EQ(u.WallOfFame.Name(1), std::string(100, 'x'));
}
