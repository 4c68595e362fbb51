// A new portion drafted from a Bible module: the request of books, the text of another
// module's markup, and whole drafts from the installed modules built without an authored
// question.

#include "compiler/Compiler.h"
#include "compiler/NewPortion.h"
#include "compiler/RawText.h"

#include "common/Win1252.h"
#include "content/ConcRefs.h"
#include "content/QuestionTypes.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace sv;
using namespace sv::content;

namespace {

bool ModuleInstalled(const std::string& module)
{
    if (QStandardPaths::findExecutable(QStringLiteral("diatheke")).isEmpty())
        return false;
    QProcess p;
    p.start(QStringLiteral("diatheke"),
            {QStringLiteral("-b"), QStringLiteral("system"), QStringLiteral("-k"), QStringLiteral("modulelist")});
    p.waitForFinished(10000);
    return p.readAllStandardOutput().contains(QByteArray::fromStdString(module + " "));
}

std::string ReadAll(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Verse(const TBooks& b, const TVerseRef& r)
{
    TConcRefs refs;
    TKeywordTags tags;
    InitKeywordColours(tags, 0);
    TMarkedText m;
    b.RenderVerse(r, refs, tags, false, 255, m);
    return Win1252ToUtf8(m.Text());
}

} // namespace

TEST(NewPortion, BookRequestsNameBooksAndLeadingChapterRanges)
{
    struct Case {
        const char* Text;
        std::vector<std::pair<std::string, int>> Books; // key, last chapter
        const char* Error;                              // part of the message, or nullptr
    };
    const Case cases[] = {
        {"1 Peter, 2 Peter", {{"1Pet", 0}, {"2Pet", 0}}, nullptr},
        {" matthew 1-7 ", {{"Matt", 7}}, nullptr},
        {"1Pet,Jude", {{"1Pet", 0}, {"Jude", 0}}, nullptr},
        {"Matthew 5-7", {}, "write \"Matthew 1-7\""},
        {"Matthew 7-5", {}, "a chapter range reads"},
        {"Hezekiah", {}, "not a book of the Bible"},
        {"", {}, "name 1 to 5 books"},
        {"Gen, Exod, Lev, Num, Deut, Josh", {}, "name 1 to 5 books"},
    };
    for (const auto& c : cases) {
        try {
            const auto r = ParseBookRequest(c.Text);
            EXPECT_EQ(c.Error, nullptr) << c.Text;
            ASSERT_EQ(r.size(), c.Books.size()) << c.Text;
            for (std::size_t i = 0; i < r.size(); ++i) {
                EXPECT_EQ(r[i].Book.Key, c.Books[i].first) << c.Text;
                EXPECT_EQ(r[i].LastChapter, c.Books[i].second) << c.Text;
            }
        } catch (const ESourceError& e) {
            ASSERT_NE(c.Error, nullptr) << c.Text << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(c.Error), std::string::npos) << e.what();
        }
    }
    for (const auto& b : BibleBooks()) {
        EXPECT_LE(std::string(b.Name).size(), 13u) << b.Name;
        EXPECT_LE(std::string(b.Abbrev).size(), 3u) << b.Name;
    }
}

// The markup of another module: word tags with Strong's numbers, added words, the divine
// name in capitals and the paragraph sign are markup; only the words stay.
TEST(NewPortion, AnotherModulesMarkupLeavesOnlyTheWords)
{
    const std::string raw = "<div sID=\"gen1\" type=\"x-p\"/> Ruth 1:1: \xC2\xB6 <w savlm=\"strong:H1961\">Now</w> it "
                            "<transChange type=\"added\">came</transChange> to pass.\n"
                            "Ruth 1:2: the <divineName><w savlm=\"strong:H3068\">LORD</w></divineName> "
                            "<q marker=\"\"><seg type=\"x-nested\">visited</seg></q> \xC2\xB6 his people.\n"
                            "Ruth 1:3: \n"
                            "(kjv)\n";
    auto v = ParseRawBook(raw, DiathekeLabel(raw), "kjv", "kjv Ruth");
    // A verse the versification counts and the text does not have ends the chapter.
    ASSERT_EQ(v.size(), 3u);
    DropEmptyChapterEnds(v);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(DiathekeLabel(raw), "Ruth");
    EXPECT_EQ(v[0].Text, "Now it came to pass.");
    EXPECT_EQ(v[1].Text, "the LORD visited his people.");
}

class NewPortionFromModule : public ::testing::TestWithParam<const char*> {
protected:
    std::filesystem::path dir;
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path()
              / ("sv_new_portion_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_"
                 + std::to_string(::testing::UnitTest::GetInstance()->current_test_info()->line()) + GetParam());
        std::filesystem::remove_all(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

// Two short chapters from each installed module: the drafted sources build with no authored
// question and no memory passage, every verse has its book and chapter question, and every
// word the text capitalises in mid-sentence has its capitalised word group.
TEST_P(NewPortionFromModule, BuildsWithItsGeneratedQuestionsOnly)
{
    const std::string module = GetParam();
    if (!ModuleInstalled(module))
        GTEST_SKIP() << module << " is not installed";
    const bool kjv = module == "engKJV2006eb";
    TNewPortionOptions o;
    o.Books = kjv ? "Ruth 1-2" : "2 John, 3 John";
    o.Module = module;
    o.OutDir = dir.string();
    o.KnownGroupsText = ReadAll(std::filesystem::path(SV_CONTENT_DIR) / "wordgroups.tsv");
    o.FormatText = "# format\n";
    const auto report = WriteNewPortion(o, DiathekeSource());
    EXPECT_EQ(report.Chapters, 2);
    EXPECT_EQ(report.Verses, kjv ? 22 + 23 : 13 + 14); // 3 John 1:15 of the WEB has no text
    EXPECT_EQ(report.Known + report.ToReview, report.Words);
    EXPECT_GT(report.Known, 0);
    EXPECT_EQ(ReadAll(dir / "questions" / "FORMAT.md"), "# format\n");
    EXPECT_TRUE(ReadAll(dir / "memory.yaml").starts_with("#"));

    auto c = Compile(dir.string(), DiathekeSource());
    EXPECT_EQ(c->Stats.AuthoredQuestions, 0);
    EXPECT_EQ(c->Stats.Verses, report.Verses);
    EXPECT_EQ(c->Stats.Uncategorised, 0);
    EXPECT_EQ(c->Questions.QuestionCount(5), report.Verses);
    EXPECT_EQ(c->Questions.QuestionType({5, 1}), TypeBookAndChapter);
    EXPECT_EQ(c->Books.BookCount(), kjv ? 1 : 2);
    EXPECT_EQ(c->Books.TotalChapters(), 2);
    EXPECT_EQ(c->Books.SectionTitleOf(TVerseRef(1, 1, 1)), kjv ? "Ruth 1" : "2 John 1");
    if (kjv) {
        EXPECT_EQ(Verse(c->Books, TVerseRef(1, 1, 6)).find("\xC2\xB6"), std::string::npos);
        EXPECT_NE(Verse(c->Books, TVerseRef(1, 1, 6)).find("the LORD had visited his people"), std::string::npos)
            << Verse(c->Books, TVerseRef(1, 1, 6));
    } else {
        EXPECT_TRUE(Verse(c->Books, TVerseRef(2, 1, 1)).starts_with("The elder to Gaius the beloved"))
            << Verse(c->Books, TVerseRef(2, 1, 1));
    }
    // A second draft into the same folder is refused rather than overwriting the work.
    EXPECT_THROW(WriteNewPortion(o, DiathekeSource()), ESourceError);
}

INSTANTIATE_TEST_SUITE_P(Modules, NewPortionFromModule, ::testing::Values("engWEB2015eb", "engKJV2006eb"));
