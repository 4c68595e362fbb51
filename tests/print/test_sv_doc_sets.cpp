// sv-doc sets and sv-doc list on the shipped content: the documents are the bytes the program
// writes for the same choices and seed.

#include "common/Random.h"
#include "content/Books.h"
#include "content/Questions.h"
#include "content/Words.h"
#include "lists/QsList.h"
#include "material/MaterialTables.h"
#include "print/DocFile.h"
#include "print/PrintList.h"
#include "print/SetDocument.h"
#include "print/SetsMaker.h"
#include "user/History.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <climits>

namespace sv {
namespace {

struct TShipped {
    TWords Words;
    TBooks Books{Words};
    TQuestions Questions{Words, Books};
    TShipped()
    {
        const std::string dir = SV_PROGRAM_DIR;
        Words.LoadFromFile(dir + "/wf.wl");
        Books.LoadFromFile(dir + "/wf.bk");
        Questions.LoadFromFile(dir + "/wf.qs");
    }
};

const TShipped& Shipped()
{
    static TShipped s;
    return s;
}

struct TRun {
    int Code = -1;
    std::string Out, Err, Doc;
};

TRun SvDoc(QStringList args, const QString& out)
{
    args << QStringLiteral("--program") << QStringLiteral(SV_PROGRAM_DIR) << QStringLiteral("--out") << out;
    QProcess p;
    p.start(QStringLiteral(SV_DOC_EXE), args);
    p.waitForFinished(120000);
    TRun r{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
           p.readAllStandardOutput().toStdString(),
           p.readAllStandardError().toStdString(),
           {}};
    QFile f(out);
    if (f.open(QIODevice::ReadOnly))
        r.Doc = f.readAll().toStdString();
    return r;
}

QStringList Args(std::initializer_list<const char*> items)
{
    QStringList l;
    for (const char* s : items)
        l << QString::fromUtf8(s);
    return l;
}

TEST(SvDocSets, SameBytesAsTheProgramForTheSameSeed)
{
    QTemporaryDir dir;
    const QString out = QDir(dir.path()).filePath(QStringLiteral("meet.rtf"));
    const TRun r = SvDoc(Args({"sets",
                               "--material",
                               "chapters:1-2",
                               "--collections",
                               "0-7",
                               "--sets",
                               "3",
                               "--tossups",
                               "20",
                               "--bonus20",
                               "3",
                               "--bonus30",
                               "2",
                               "--bonus40",
                               "1",
                               "--heading",
                               "District Meet",
                               "--difficulty",
                               "long-qa",
                               "--highlight",
                               "--keyword-limit",
                               "4",
                               "--color",
                               "--favor-duplicates",
                               "--underline",
                               "--two-columns",
                               "--seed",
                               "99"}),
                         out);
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_NE(r.Out.find("wrote "), std::string::npos) << r.Out;

    const TShipped& s = Shipped();
    TSetsChoices c;
    c.Kind = TSelectionKind::ByChapter;
    c.Checked.assign(static_cast<std::size_t>(s.Books.TotalChapters()), false);
    c.Checked[0] = c.Checked[1] = true;
    c.Collections.fill(1);
    c.Heading = "District Meet";
    c.Sets = 3;
    c.Counts.PerSet = {20, 3, 2, 1};
    c.Difficulty = TDifficulty::LongQA;
    c.KeywordLimit = 4;
    TRandom random(99);
    const auto sets = MakeQuestionSets(s.Questions, c, THistory(), random);
    ASSERT_TRUE(sets);
    TDocFile doc(TDocFormat::Rtf);
    WriteSetDocument(doc, *sets, DocumentOptions(c), s.Questions);
    EXPECT_EQ(r.Doc, doc.Bytes());

    const TRun other =
        SvDoc(Args({"sets", "--material", "chapters:1-2", "--collections", "0-7", "--sets", "3", "--tossups", "20",
                    "--bonus20", "3", "--bonus30", "2", "--bonus40", "1", "--seed", "100"}),
              QDir(dir.path()).filePath(QStringLiteral("other.rtf")));
    ASSERT_EQ(other.Code, 0) << other.Err;
    EXPECT_NE(other.Doc, r.Doc);
}

TEST(SvDocSets, RefusedChoicesSayWhy)
{
    QTemporaryDir dir;
    const QString out = QDir(dir.path()).filePath(QStringLiteral("x.rtf"));
    struct TCase {
        std::initializer_list<const char*> args;
        int code;
        const char* message;
    } cases[] = {
        {{"sets", "--sets", "96"}, 2, "--sets needs a whole number from 1 to 95"},
        {{"sets", "--difficulty", "hard"}, 2, "--difficulty takes"},
        {{"sets", "--collections", "9"}, 2, "--collections takes numbers from 0 to 7"},
        {{"sets", "--material", "chapters:1", "--target", "2"}, 2, "--target: item 2 is not in the material"},
        {{"sets", "--tossups", "300", "--bonus20", "100", "--bonus30", "100", "--bonus40", "100"},
         1,
         "Each set can hold at most 500 questions."},
        {{"list", "--percent", "50", "--best", "3"}, 2, "choose one of"},
    };
    for (const TCase& c : cases) {
        QStringList args;
        for (const char* a : c.args)
            args << QString::fromUtf8(a);
        const TRun r = SvDoc(args, out);
        EXPECT_EQ(r.Code, c.code) << c.message << "\n" << r.Err;
        EXPECT_NE((r.Out + r.Err).find(c.message), std::string::npos) << r.Out << r.Err;
    }
    EXPECT_FALSE(QFile::exists(out));
}

TEST(SvDocList, SameBytesAsTheProgramForTheSameSeed)
{
    QTemporaryDir dir;
    const QString out = QDir(dir.path()).filePath(QStringLiteral("list.rtf"));
    const TRun r = SvDoc(Args({"list", "--material", "chapters:1-3", "--collections", "1,2", "--types", "all",
                               "--no-more-than", "40", "--reference", "--type-symbol", "--underline", "--highlight",
                               "--color", "--no-prejump", "--order", "alphabetical", "--seed", "5"}),
                         out);
    ASSERT_EQ(r.Code, 0) << r.Err;
    const TShipped& s = Shipped();
    TListOptions o;
    std::vector<bool> checked(static_cast<std::size_t>(s.Books.TotalChapters()), false);
    checked[0] = checked[1] = checked[2] = true;
    o.Material = VerseTableFromList(s.Books, TSelectionKind::ByChapter, checked);
    o.Collections[1] = o.Collections[2] = 1;
    for (int t = 0; t <= MaxChoosableType; ++t)
        o.Types[t] = 1;
    o.UnderlinePrejumps = true;
    o.HighlightKeywords = true;
    o.KeywordLimit = 3;
    InitKeywordColours(o.KeywordColours, 3);
    o.Order = TListOrder::Alphabetical;
    o.Size = TListSize::NoMoreThan;
    o.SizeValue = 40;
    TRandom random(5);
    TPrintList job(s.Questions, o, random);
    TDocFile doc(TDocFormat::Rtf);
    ASSERT_EQ(job.Write(doc), TPrintList::TOutcome::Written);
    EXPECT_EQ(r.Doc, doc.Bytes());
    EXPECT_EQ(job.List().Count(), 40);
}

} // namespace
} // namespace sv
