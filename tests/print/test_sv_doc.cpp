// sv-doc as a coach runs it: help, clear errors with exit code 2, and the material items.

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

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
    const TRun r = SvDoc({QStringLiteral("items"), QStringLiteral("chapters"), QStringLiteral("--program"), ProgramDir()});
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_TRUE(r.Out.starts_with("1\t")) << r.Out;
    EXPECT_NE(r.Out.find("\n2\t"), std::string::npos) << r.Out;
}
