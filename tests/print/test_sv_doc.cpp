// sv-doc as a coach runs it: help, clear errors with exit code 2, the material items, the
// documents from the shipped content with a user file's choices, and (when LibreOffice is
// installed) every document opened and converted by the word processor.

#include "content/Books.h"
#include "content/Words.h"
#include "print/Concordance.h"
#include "print/MemoryList.h"
#include "print/ScripturePortion.h"
#include "support/ContentFixture.h"
#include "user/User.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

namespace {

struct TRun {
    int Code = -1;
    std::string Out, Err;
};

TRun SvDoc(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(SV_DOC_EXE), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput().toStdString(),
            p.readAllStandardError().toStdString()};
}

QString ProgramDir() { return QStringLiteral(SV_PROGRAM_DIR); }

std::string ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

// The shipped content, loaded as the program loads it.
struct TShipped {
    sv::TWords Words;
    sv::TBooks Books{Words};
    TShipped()
    {
        Words.LoadFromFile((ProgramDir() + QStringLiteral("/wf.wl")).toStdString());
        Books.LoadFromFile((ProgramDir() + QStringLiteral("/wf.bk")).toStdString());
    }
};

const TShipped& Shipped()
{
    static const TShipped s;
    return s;
}

// Runs a document command into dir and returns the file's bytes (empty on failure).
// A name without extension gets the one of the document's format.
std::string Document(const QTemporaryDir& dir, const QString& name, QStringList args)
{
    args << QStringLiteral("--program") << ProgramDir() << QStringLiteral("--out") << dir.filePath(name);
    const TRun r = SvDoc(args);
    EXPECT_EQ(r.Code, 0) << r.Err;
    const auto wrote = r.Out.find("wrote ");
    EXPECT_NE(wrote, std::string::npos) << r.Out;
    if (wrote == std::string::npos)
        return {};
    return ReadAll(QString::fromStdString(r.Out.substr(wrote + 6, r.Out.find('\n', wrote) - wrote - 6)));
}

} // namespace

TEST(SvDoc, HelpListsTheCommonOptions)
{
    const TRun r = SvDoc({QStringLiteral("--help")});
    EXPECT_EQ(r.Code, 0);
    for (const char* option : {"--program", "--user", "--out", "--format", "sv-doc items"})
        EXPECT_NE(r.Out.find(option), std::string::npos) << option;
}

TEST(SvDoc, WrongCommandLinesAreRefusedWithAReason)
{
    struct Case {
        QStringList Args;
        const char* Message;
    };
    const Case cases[] = {
        {{}, "no command given"},
        {{QStringLiteral("nonsense")}, "unknown command \"nonsense\""},
        {{QStringLiteral("items"), QStringLiteral("--bogus")}, "Unknown option 'bogus'"},
        {{QStringLiteral("items"), QStringLiteral("shelves"), QStringLiteral("--program"), ProgramDir()},
         "unknown material kind \"shelves\""},
        {{QStringLiteral("items"), QStringLiteral("--program"), ProgramDir()}, "items needs one kind"},
    };
    for (const Case& c : cases) {
        const TRun r = SvDoc(c.Args);
        EXPECT_EQ(r.Code, 2) << c.Message;
        EXPECT_NE(r.Err.find(c.Message), std::string::npos) << r.Err;
        EXPECT_NE(r.Err.find("--help"), std::string::npos) << r.Err;
    }
}

TEST(SvDoc, MissingContentFilesAreAnErrorNotACrash)
{
    const TRun r = SvDoc({QStringLiteral("items"), QStringLiteral("chapters"), QStringLiteral("--program"),
                          QStringLiteral("/nonexistent-folder")});
    EXPECT_EQ(r.Code, 1);
    EXPECT_NE(r.Err.find("Cannot open file /nonexistent-folder/wf.wl"), std::string::npos) << r.Err;
}

TEST(SvDoc, ItemsAreNumberedAsTheMaterialOptionCountsThem)
{
    const TRun r =
        SvDoc({QStringLiteral("items"), QStringLiteral("chapters"), QStringLiteral("--program"), ProgramDir()});
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(r.Out.starts_with("1\t")) << r.Out;
    EXPECT_NE(r.Out.find("\n2\t"), std::string::npos) << r.Out;
}

TEST(SvDoc, DocumentsAreTheCoreWritersBytesForTheSameChoices)
{
    QTemporaryDir dir;
    const sv::TBooks& books = Shipped().Books;

    // Memory list: every chapter, keywords at most twice, no colour.
    sv::TMemListChoices m = sv::MemListChoicesOf(sv::TUser());
    m.HighlightKeywords = true;
    m.KeywordLimit = 2;
    m.UseColor = false;
    sv::TMemoryVerseSelection all;
    all.Total = books.TotalMemoryVerses();
    for (int i = 1; i <= all.Total; ++i)
        all.Choose(i);
    sv::TDocFile memory(sv::TDocFormat::Rtf);
    sv::WriteMemoryList(memory, books, sv::SelectedPassages(books, all), m);
    EXPECT_EQ(Document(dir, QStringLiteral("m.rtf"),
                       {QStringLiteral("memory"), QStringLiteral("--material"), QStringLiteral("memory:all"),
                        QStringLiteral("--highlight-keywords"), QStringLiteral("--keyword-limit"), QStringLiteral("2"),
                        QStringLiteral("--no-color")}),
              memory.Bytes());

    // Scripture portion through chapter 2 with the shipped footnotes.
    sv::TPortionChoices p = sv::PortionChoicesOf(sv::TUser());
    p.ThroughChapter = 2;
    sv::TDocFile portion(sv::TDocFormat::Rtf);
    sv::WriteScripturePortion(portion, books, p,
                              sv::ReadFootnotes((ProgramDir() + QStringLiteral("/footnotes.txt")).toStdString()).Items);
    const std::string portionBytes = Document(
        dir, QStringLiteral("p.rtf"), {QStringLiteral("portion"), QStringLiteral("--through"), QStringLiteral("2")});
    EXPECT_EQ(portionBytes, portion.Bytes());
    EXPECT_NE(portionBytes.find("\\footnote"), std::string::npos);

    // Concordance as plain text.
    sv::TConcordanceChoices c;
    c.Groups[static_cast<int>(sv::TConcGroup::ProperPlaces)].WordList = true;
    c.Groups[static_cast<int>(sv::TConcGroup::Verbs)].InContext = true;
    c.FromChapter = 2;
    c.ToChapter = 3;
    c.MoreThan = 5;
    sv::TDocFile conc(sv::TDocFormat::Text);
    sv::WriteConcordance(conc, Shipped().Words, books, c);
    // The format's extension is added to a name without one.
    EXPECT_EQ(Document(dir, QStringLiteral("c"),
                       {QStringLiteral("concordance"), QStringLiteral("--word-list"), QStringLiteral("places"),
                        QStringLiteral("--in-context"), QStringLiteral("verbs"), QStringLiteral("--from"),
                        QStringLiteral("2"), QStringLiteral("--to"), QStringLiteral("3"), QStringLiteral("--more-than"),
                        QStringLiteral("5"), QStringLiteral("--format"), QStringLiteral("txt")}),
              conc.SavedBytes());
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("c.txt"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("c"))));
}

TEST(SvDoc, TheUserFilesStoredChoicesAreTheDefaults)
{
    QTemporaryDir dir;
    sv::TUser user;
    user.Options.MemListUnderlinePrejumps = 0;
    user.Options.MemListIncludePrejumpList = 0;
    user.Options.MemListSingleMulti = 0;
    user.SetSelectionMode(sv::TSelectionKind::ByMemory);
    user.MemorySel[2] = 1;
    const QString userPath = dir.filePath(QStringLiteral("coach.219"));
    user.SaveToFile(userPath.toStdString());

    const std::string doc =
        Document(dir, QStringLiteral("m.rtf"), {QStringLiteral("memory"), QStringLiteral("--user"), userPath});
    EXPECT_EQ(doc.find("{\\ul "), std::string::npos);
    EXPECT_EQ(doc.find("Prejump"), std::string::npos);
    const sv::TMemoryVerse second = Shipped().Books.MemoryVerse(2);
    EXPECT_NE(doc.find(sv::PassageLabel(Shipped().Books, second) + "\\tab "), std::string::npos);
    EXPECT_EQ(doc.find(sv::PassageLabel(Shipped().Books, Shipped().Books.MemoryVerse(1)) + "\\tab "),
              std::string::npos);

    // An option given on the command line wins over the stored choice.
    const std::string underlined = Document(
        dir, QStringLiteral("u.rtf"),
        {QStringLiteral("memory"), QStringLiteral("--user"), userPath, QStringLiteral("--underline-prejumps")});
    EXPECT_NE(underlined.find("{\\ul "), std::string::npos);
}

TEST(SvDoc, BadDocumentOptionsAreRefused)
{
    const QString prog = ProgramDir();
    struct Case {
        QStringList Args;
        const char* Message;
    };
    const Case cases[] = {
        {{QStringLiteral("memory"), QStringLiteral("--keyword-limit"), QStringLiteral("12")},
         "--keyword-limit needs a whole number from 1 to 9"},
        {{QStringLiteral("memory"), QStringLiteral("--material"), QStringLiteral("verses:1")}, "not verses"},
        {{QStringLiteral("memory"), QStringLiteral("--material"), QStringLiteral("chapters:0-2")}, "outside 1-"},
        {{QStringLiteral("memory"), QStringLiteral("--material"), QStringLiteral("chapters")}, "KIND:ITEMS"},
        {{QStringLiteral("memory"), QStringLiteral("--color"), QStringLiteral("--no-color")}, "contradict"},
        {{QStringLiteral("memory"), QStringLiteral("--format"), QStringLiteral("pdf")}, "--format takes rtf or txt"},
        {{QStringLiteral("portion"), QStringLiteral("--format"), QStringLiteral("txt")}, "RTF only"},
        {{QStringLiteral("portion"), QStringLiteral("--through"), QStringLiteral("999")}, "--through needs"},
        {{QStringLiteral("concordance")}, "choose at least one list"},
        {{QStringLiteral("concordance"), QStringLiteral("--word-list"), QStringLiteral("nouns,animals")},
         "unknown word group \"animals\""},
        {{QStringLiteral("concordance"), QStringLiteral("--word-list"), QStringLiteral("all"), QStringLiteral("--from"),
          QStringLiteral("3"), QStringLiteral("--to"), QStringLiteral("2")},
         "--to must not come before --from"},
    };
    for (const Case& c : cases) {
        QStringList args = c.Args;
        args << QStringLiteral("--program") << prog << QStringLiteral("--out") << QStringLiteral("/nonexistent/x.rtf");
        const TRun r = SvDoc(args);
        EXPECT_EQ(r.Code, 2) << c.Message << " " << r.Err;
        EXPECT_NE(r.Err.find(c.Message), std::string::npos) << r.Err;
    }
    // A file that cannot be written: exit 1 with the path.
    const TRun r = SvDoc({QStringLiteral("memory"), QStringLiteral("--program"), prog, QStringLiteral("--material"),
                          QStringLiteral("memory:all"), QStringLiteral("--out"), QStringLiteral("/nonexistent/x.rtf")});
    EXPECT_EQ(r.Code, 1);
    EXPECT_NE(r.Err.find("Cannot create file /nonexistent/x.rtf"), std::string::npos) << r.Err;
    // No memory verses in the material: the program's message.
    const TRun none = SvDoc({QStringLiteral("memory"), QStringLiteral("--program"), prog, QStringLiteral("--out"),
                             QStringLiteral("/nonexistent/x.rtf")});
    EXPECT_EQ(none.Code, 1);
    EXPECT_NE(none.Err.find("There are no memory verses in the range of chapters that you selected"), std::string::npos)
        << none.Err;
}

// Every document opens in the word processor: converted to PDF in one run, each has pages
// and shows a known text.
TEST(SvDoc, EveryDocumentOpensInTheWordProcessor)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (soffice.isEmpty() || pdftotext.isEmpty())
        GTEST_SKIP() << "soffice or pdftotext is not installed";
    QTemporaryDir dir;
    struct Doc {
        QString Name;
        QStringList Args;
        const char* Known;
    };
    const Doc docs[] = {
        {QStringLiteral("memory.rtf"),
         {QStringLiteral("memory"), QStringLiteral("--material"), QStringLiteral("chapters:all"),
          QStringLiteral("--highlight-keywords")},
         "Prejump List"},
        {QStringLiteral("memory-text.txt"),
         {QStringLiteral("memory"), QStringLiteral("--material"), QStringLiteral("memory:1-3")},
         "Memory Verse List"},
        {QStringLiteral("portion.rtf"),
         {QStringLiteral("portion"), QStringLiteral("--highlight-keywords")},
         "Grace to you and peace"},
        {QStringLiteral("concordance.rtf"),
         {QStringLiteral("concordance"), QStringLiteral("--word-list"), QStringLiteral("all"),
          QStringLiteral("--in-context"), QStringLiteral("people")},
         "Proper People: In Context of Verse"},
    };
    QStringList files;
    for (const Doc& d : docs) {
        ASSERT_FALSE(Document(dir, d.Name, d.Args).empty()) << d.Name.toStdString();
        files << dir.filePath(d.Name);
    }
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(soffice,
            QStringList{QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profile")),
                        QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                        QStringLiteral("--outdir"), dir.path()}
                + files);
    ASSERT_TRUE(p.waitForFinished(240000)) << "soffice did not finish";
    for (const Doc& d : docs) {
        const QString pdf = dir.filePath(d.Name.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".pdf"));
        ASSERT_TRUE(QFile::exists(pdf)) << pdf.toStdString() << "\n" << p.readAllStandardError().toStdString();
        QProcess t;
        t.start(pdftotext, {pdf, QStringLiteral("-")});
        ASSERT_TRUE(t.waitForFinished(60000));
        const QString text = QString::fromUtf8(t.readAllStandardOutput()).simplified();
        EXPECT_TRUE(text.contains(QString::fromUtf8(d.Known))) << d.Name.toStdString();
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        info.waitForFinished(60000);
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        const auto pages = out.section(QStringLiteral("Pages:"), 1).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
        EXPECT_GT(pages, 0) << d.Name.toStdString() << out.toStdString();
    }
}

TEST(SvDoc, APortionPrintsFromItsOwnContentAndPersons)
{
    QTemporaryDir tmp;
    const QString program = tmp.filePath(QStringLiteral("prog"));
    const QString portion = tmp.filePath(QStringLiteral("portions/small"));
    QDir().mkpath(program + QStringLiteral("/Users/small"));
    QDir().mkpath(portion);
    sv::test::BuildFixture(sv::test::SmallFixture()).WriteTo(portion.toStdString());
    QFile ini(portion + QStringLiteral("/portion.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Portion]\nname=Small\n");
    ini.close();
    sv::TUser ann;
    ann.Reset(false, false);
    ann.FullName.setText("Ann");
    ann.FileName.setText("Ann");
    ann.SaveToFile((program + QStringLiteral("/Users/small/Ann.219")).toStdString());

    const QStringList where = {QStringLiteral("--program"), program, QStringLiteral("--portion"), portion};
    const TRun items = SvDoc(QStringList{QStringLiteral("items"), QStringLiteral("chapters")} + where);
    EXPECT_EQ(items.Code, 0) << items.Err;
    EXPECT_NE(items.Out.find("Philemon"), std::string::npos) << items.Out;

    // Ann is a person of that portion: her file is in its folder below Users/, not in another
    // portion's.
    const QStringList memory = {QStringLiteral("memory"),
                                QStringLiteral("--material"),
                                QStringLiteral("memory:all"),
                                QStringLiteral("--user"),
                                QStringLiteral("Ann"),
                                QStringLiteral("--out"),
                                tmp.filePath(QStringLiteral("m.rtf"))};
    const TRun mine = SvDoc(memory + where);
    EXPECT_EQ(mine.Code, 0) << mine.Err;
    const QString other = tmp.filePath(QStringLiteral("portions/other"));
    QDir().mkpath(other);
    sv::test::BuildFixture(sv::test::SmallFixture()).WriteTo(other.toStdString());
    const TRun elsewhere =
        SvDoc(memory + QStringList{QStringLiteral("--program"), program, QStringLiteral("--portion"), other});
    EXPECT_NE(elsewhere.Code, 0);
    EXPECT_NE(elsewhere.Err.find("Users/other/Ann.219"), std::string::npos) << elsewhere.Err;
}
