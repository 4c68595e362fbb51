// The update procedure against a local HTTP server on 127.0.0.1 that each test starts.

#include "update/Checksums.h"
#include "update/FileVersion.h"
#include "update/LocalHttpServer.h"
#include "update/PackedFiles.h"
#include "update/UpdateStatus.h"
#include "update/UpdateTestFiles.h"
#include "update/WebUpdate.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>

namespace sv {
namespace {

using test::ReadFile;
using test::WriteFile;

using test::TLocalHttpServer;

class TScriptedHost : public IUpdateHost {
public:
    std::vector<QString> Shown; // "I:text", "C:text", "H:html", "W:text", "L:text", "U:url", "R:cmd"
    std::deque<bool> Answers;   // for Confirm, WhatsNew and License, in order
    QString Started;
    QStringList StartedArgs;
    bool StartFails = false;
    QString FailCommands; // when set, StartProgram and Confirm throw it
    int Quits = 0;
    TWhatsNewCaptions WhatsNewCaptions;

    bool Next(const QString& what)
    {
        if (Answers.empty()) {
            ADD_FAILURE() << "unanswered: " << what.toStdString();
            return false;
        }
        const bool a = Answers.front();
        Answers.pop_front();
        return a;
    }
    void Information(const QString& t) override { Shown.push_back(QStringLiteral("I:") + t); }
    bool Confirm(const QString& t) override
    {
        Shown.push_back(QStringLiteral("C:") + t);
        if (!FailCommands.isEmpty())
            throw std::runtime_error(FailCommands.toStdString());
        return Next(t);
    }
    void ShowHtmlDialog(const QString& html, const QString&) override { Shown.push_back(QStringLiteral("H:") + html); }
    bool WhatsNew(const QString& text, const TWhatsNewCaptions& c) override
    {
        Shown.push_back(QStringLiteral("W:") + text);
        WhatsNewCaptions = c;
        return Next(text);
    }
    bool License(const QString& text, const TLicenseCaptions&) override
    {
        Shown.push_back(QStringLiteral("L:") + text);
        return Next(text);
    }
    void OpenUrl(const QString& url) override { Shown.push_back(QStringLiteral("U:") + url); }
    bool StartProgram(const QString& program, const QStringList& args) override
    {
        Shown.push_back(QStringLiteral("R:") + (QStringList{program} + args).join(QLatin1Char(' ')));
        if (!FailCommands.isEmpty())
            throw std::runtime_error(FailCommands.toStdString());
        return true;
    }
    bool StartDetached(const QString& program, const QStringList& args, QString* error) override
    {
        if (StartFails) {
            *error = QStringLiteral("No such file or directory");
            return false;
        }
        Started = program;
        StartedArgs = args;
        return true;
    }
    void QuitApplication() override { ++Quits; }
};

struct TStatusLine {
    QString Text;
    TUpdateStatusId Id;
    TUpdateErrorCode Code;
};

// The "sha256=" line that a program file needs.
QByteArray Sha256Line(const QByteArray& content)
{
    return "sha256=" + QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex() + "\n";
}

class WebUpdateTest : public ::testing::Test {
protected:
    // The server and the update need the application object before they are made.
    static void SetUpTestSuite() { test::EnsureCoreApplication(); }
    void SetUp() override
    {
        ASSERT_TRUE(server.isListening());
        app = root.filePath(QStringLiteral("My Program"));
        tmp = root.filePath(QStringLiteral("tmp"));
        QDir().mkpath(app);
        QDir().mkpath(tmp);
        u.Folders = {app, tmp, root.filePath(QStringLiteral("win")), root.path()};
        u.DateFormat = QStringLiteral("mm/dd/yyyy");
        u.URL = server.Base() + QStringLiteral("/updates/karvo_wf.inf");
        u.UpdaterPath = root.filePath(QStringLiteral("sv_update"));
        u.ProcessId = 4242;
        u.TransferTimeoutMs = 5000;
        u.AllowPlainHttp = true; // the local server speaks plain http; the rules for it have tests of their own
        WriteFile(u.UpdaterPath, "#!/bin/sh\n");
        u.OnStatus = [this](const QString& text, TUpdateStatusId id, TUpdateErrorCode code) {
            statuses.push_back({text, id, code});
        };
    }
    void TearDown() override { EXPECT_TRUE(host.Answers.empty()) << "unused scripted answers"; }

    void Control(const QByteArray& text) { server.Serve("/updates/karvo_wf.inf", text); }
    std::vector<TUpdateStatusId> Ids() const
    {
        std::vector<TUpdateStatusId> ids;
        for (const TStatusLine& s : statuses)
            ids.push_back(s.Id);
        return ids;
    }
    bool Saw(TUpdateStatusId id) const
    {
        for (const TStatusLine& s : statuses)
            if (s.Id == id)
                return true;
        return false;
    }
    QString TextOf(TUpdateStatusId id) const
    {
        for (const TStatusLine& s : statuses)
            if (s.Id == id)
                return s.Text;
        return {};
    }
    // Every file below the test folder (but the fake updater), relative.
    QStringList Tree() const
    {
        QStringList out;
        QDirIterator it(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString rel = QDir(root.path()).relativeFilePath(it.next());
            if (rel != QLatin1String("sv_update"))
                out << rel;
        }
        out.sort();
        return out;
    }
    QByteArray FileLine(int n, const QString& url, const QByteArray& extra = {}) const
    {
        return "[file" + QByteArray::number(n) + "]\nurl=" + url.toUtf8() + "\ntargetdir={APP}\\data\n" + extra;
    }

    QTemporaryDir root;
    QString app;
    QString tmp;
    TLocalHttpServer server;
    TScriptedHost host;
    TWebUpdate u{host};
    std::vector<TStatusLine> statuses;
};

TEST_F(WebUpdateTest, ADateBasedUpdateIsAlwaysNewWithoutAStoredDate)
{
    Control("[update]\ndate=03/15/2024\ntime=14:30\n");
    u.DoUpdate();
    EXPECT_EQ(Ids(), (std::vector<TUpdateStatusId>{TUpdateStatusId::Download, TUpdateStatusId::ControlFileFound,
                                                   TUpdateStatusId::DateBased, TUpdateStatusId::NewVersion,
                                                   TUpdateStatusId::Finished, TUpdateStatusId::ClosedConnection}));
    EXPECT_EQ(TextOf(TUpdateStatusId::NewVersion), QStringLiteral("New version found : 03/15/2024"));
    EXPECT_EQ(statuses[3].Code, TUpdateErrorCode::NewVersion);
    // A request without cache, as the update agent.
    ASSERT_EQ(server.Requests.size(), 1);
    EXPECT_EQ(server.Requests[0].Headers.value("cache-control"), "no-cache");
    EXPECT_EQ(server.Requests[0].Headers.value("user-agent"), "WebUpdate");
    EXPECT_TRUE(Tree().isEmpty()); // the control file copy is gone
}

TEST_F(WebUpdateTest, AnUpdateNotLaterThanTheLastOneIsNotNew)
{
    Control("[update]\ndate=03/15/2024\ntime=14:30\n");
    u.LastUpdate = QDateTime(QDate(2024, 3, 15), QTime(14, 30));
    u.DoUpdate();
    EXPECT_TRUE(Saw(TUpdateStatusId::NoNewVersion));
    EXPECT_FALSE(Saw(TUpdateStatusId::NewVersion));
    EXPECT_EQ(TextOf(TUpdateStatusId::NoNewVersion), QStringLiteral("No new version found"));
}

TEST_F(WebUpdateTest, AMissingControlFileIsAFailedDownload)
{
    u.DoUpdate(); // nothing served: 404
    EXPECT_EQ(TextOf(TUpdateStatusId::HttpStatus), QStringLiteral("Http status : 404"));
    EXPECT_EQ(Ids(),
              (std::vector<TUpdateStatusId>{TUpdateStatusId::Download, TUpdateStatusId::HttpStatus,
                                            TUpdateStatusId::ControlFileNotFound, TUpdateStatusId::ClosedConnection}));
    EXPECT_EQ(statuses[2].Code, TUpdateErrorCode::NotFound);
    EXPECT_TRUE(Tree().isEmpty());
}

TEST_F(WebUpdateTest, AServerThatIsNotThereIsReportedWithItsText)
{
    const quint16 port = server.Port();
    server.close();
    u.URL = QStringLiteral("http://127.0.0.1:%1/updates/karvo_wf.inf").arg(port);
    u.DoUpdate();
    // One plain report of the connection, not a missing file.
    int unreachable = 0, notFound = 0;
    for (const TStatusLine& s : statuses) {
        unreachable += s.Code == TUpdateErrorCode::Unreachable;
        notFound += s.Code == TUpdateErrorCode::NotFound;
    }
    EXPECT_EQ(unreachable, 1);
    EXPECT_EQ(notFound, 0);
    EXPECT_EQ(TextOf(TUpdateStatusId::ServerUnreachable),
              QString::fromUtf8("Could not reach the update server \u2014 check the internet connection"));
    const auto refused = std::find_if(statuses.begin(), statuses.end(),
                                      [](const TStatusLine& s) { return s.Code == TUpdateErrorCode::Internet; });
    ASSERT_NE(refused, statuses.end());
    EXPECT_TRUE(refused->Text.contains(QStringLiteral("refused"), Qt::CaseInsensitive)) << refused->Text.toStdString();
}

TEST_F(WebUpdateTest, VersionTestAgainstTheLocalFile)
{
    const auto block = MakeVersionBlock(2, 1, 0, 4);
    WriteFile(app + QStringLiteral("/sv_wf"),
              QByteArray(64, 'x') + QByteArray(reinterpret_cast<const char*>(block.data()), 92));
    struct {
        const char* Keys;
        TUpdateStatusId Test;
        bool New;
    } cases[] = {
        {"newversion=2.1.0.5", TUpdateStatusId::VersionBased, true},
        {"newversion=2,1,0,5", TUpdateStatusId::VersionBased, true},
        {"newversion=2.1", TUpdateStatusId::VersionBased, false},
        {"newversion=2.1.0.4", TUpdateStatusId::VersionBased, false},
        {"newversion=9.0.0.0\nnewsize=156", TUpdateStatusId::SizeBased, false},
        {"newversion=1.0.0.0\nnewsize=999", TUpdateStatusId::SizeBased, true},
        {"newchecksum=5", TUpdateStatusId::ChecksumBased, true},
    };
    for (const auto& c : cases) {
        statuses.clear();
        Control(QByteArray("[update]\nlocalversion={APP}\\sv_wf\n") + c.Keys + "\n");
        u.DoUpdate();
        EXPECT_TRUE(Saw(c.Test)) << c.Keys;
        EXPECT_EQ(Saw(TUpdateStatusId::NewVersion), c.New) << c.Keys;
        EXPECT_EQ(Saw(TUpdateStatusId::NoNewVersion), !c.New) << c.Keys;
    }
}

TEST_F(WebUpdateTest, MessageQueryAndUrlActions)
{
    server.Serve("/news.html", "<h1>News</h1>");
    const QString tool = app + QStringLiteral("/tool");
    WriteFile(tool, "#!/bin/sh\n");
    Control("[action]\nmsg=New questions\\nfor chapter 3\nquery=Go "
            "on?\\nReally?\nshowURL=https://scrivolt.example.org/news.html\n"
            "htmldlg="
            + server.Base().toUtf8()
            + "/news.html\n"
              "runbefore={APP}\\tool before\nrunafter={APP}\\tool \"after "
              "all\"\nupdateURL=http://elsewhere/x.inf\n[update]\nunconditional=1\n");
    host.Answers = {true, true, true}; // start the tool, go on, start it again
    u.DoUpdate();
    auto asked = [](const QString& shown) {
        return QStringLiteral("C:The update asks to start this program:\r") + shown + QStringLiteral("\rStart it?");
    };
    EXPECT_EQ(host.Shown,
              (std::vector<QString>{
                  QStringLiteral("I:New questions\rfor chapter 3"), QStringLiteral("H:<h1>News</h1>"),
                  asked(tool + QStringLiteral(" before")), QStringLiteral("R:") + tool + QStringLiteral(" before"),
                  QStringLiteral("C:Go on?\rReally?"), QStringLiteral("U:https://scrivolt.example.org/news.html"),
                  asked(tool + QStringLiteral(" \"after all\"")),
                  QStringLiteral("R:") + tool + QStringLiteral(" after all")}));
    EXPECT_TRUE(Saw(TUpdateStatusId::FoundMessage) && Saw(TUpdateStatusId::FoundHtmlDialog)
                && Saw(TUpdateStatusId::FoundQuery) && Saw(TUpdateStatusId::FoundRedirection)
                && Saw(TUpdateStatusId::FoundShowUrl) && Saw(TUpdateStatusId::Finished));
}

TEST_F(WebUpdateTest, NoToTheQueryEndsTheUpdateBeforeAnyDownload)
{
    server.Serve("/files/wf.qs", "new questions");
    Control("[update]\nunconditional=1\n[action]\nquery=Update now?\n[files]\ncount=1\n"
            + FileLine(1, server.Base() + QStringLiteral("/files/wf.qs")));
    host.Answers = {false};
    u.DoUpdate();
    EXPECT_FALSE(Saw(TUpdateStatusId::FoundFiles));
    EXPECT_FALSE(Saw(TUpdateStatusId::Finished));
    EXPECT_EQ(server.Requests.size(), 1);
}

TEST_F(WebUpdateTest, WhatsNewAndLicense)
{
    server.Serve("/whatsnew.txt", "Chapter 3 questions");
    server.Serve("/eula.txt", "Terms");
    Control("[update]\nunconditional=1\n[whatsnew]\nfile=" + server.Base().toUtf8()
            + "/whatsnew.txt\ncaption=News\n"
              "okbtn=Fine\n[eula]\nfile="
            + server.Base().toUtf8() + "/eula.txt\n");
    host.Answers = {true, false};
    u.DoUpdate();
    EXPECT_EQ(host.Shown, (std::vector<QString>{QStringLiteral("W:Chapter 3 questions"), QStringLiteral("L:Terms")}));
    EXPECT_EQ(host.WhatsNewCaptions.Caption, QStringLiteral("News"));
    EXPECT_EQ(host.WhatsNewCaptions.OkButton, QStringLiteral("Fine"));
    EXPECT_EQ(host.WhatsNewCaptions.CancelButton, QStringLiteral("Cancel"));
    EXPECT_TRUE(Saw(TUpdateStatusId::FoundWhatsNew) && Saw(TUpdateStatusId::FoundLicense)
                && Saw(TUpdateStatusId::LicenseRefused));
    EXPECT_FALSE(Saw(TUpdateStatusId::Finished));
    EXPECT_TRUE(Tree().isEmpty());
}

TEST_F(WebUpdateTest, FilesAreDownloadedIntoTheirFolderWithProgress)
{
    const QByteArray big(10000, 'b');
    server.Serve("/files/wf.qs", big);
    WriteFile(app + QStringLiteral("/data/wf.qs"), "old");
    Control("[update]\nunconditional=1\n[files]\ncount=1\n"
            + FileLine(1, server.Base() + QStringLiteral("/files/wf.qs")));
    std::vector<qint64> progress;
    u.OnFileProgress = [&](const QString& name, qint64 total, qint64 soFar) {
        if (name.endsWith(QLatin1String(".inf")))
            return; // the control file
        EXPECT_EQ(name, app + QStringLiteral("/data/wf.qs"));
        EXPECT_EQ(total, 10000);
        progress.push_back(soFar);
    };
    u.DoUpdate();
    EXPECT_EQ(ReadFile(app + QStringLiteral("/data/wf.qs")), big);
    ASSERT_GE(progress.size(), 3u);
    EXPECT_EQ(progress.back(), 10000);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_TRUE(Saw(TUpdateStatusId::DownloadUpdate) && Saw(TUpdateStatusId::Finished));
    EXPECT_EQ(Tree(), QStringList{QStringLiteral("My Program/data/wf.qs")});
}

TEST_F(WebUpdateTest, AFileIsInstalledOnlyWhenItArrivedWholeAndMatchesItsChecksums)
{
    const QByteArray good = "the new question file";
    QFile::remove(root.filePath(QStringLiteral("x")));
    WriteFile(root.filePath(QStringLiteral("x")), good);
    const std::int32_t sum = FileChecksum(root.filePath(QStringLiteral("x")), TChecksumKind::ByteSum);
    QFile::remove(root.filePath(QStringLiteral("x")));
    const QByteArray sha = QCryptographicHash::hash(good, QCryptographicHash::Sha256).toHex();
    TLocalHttpServer::TRoute cut;
    cut.Body = good;
    cut.CutAfter = 5;
    server.Serve("/files/cut", cut);
    struct {
        const char* Why;
        QByteArray Route;
        QByteArray Extra;
        bool Installed;
    } cases[] = {
        {"byte sum matches", "/files/good", "newchecksum=" + QByteArray::number(sum) + "\n", true},
        {"sha256 matches", "/files/good", "sha256=" + sha.toUpper() + "\n", true},
        {"byte sum differs", "/files/good", "newchecksum=" + QByteArray::number(sum + 1) + "\n", false},
        {"sha256 differs", "/files/good", "sha256=" + QByteArray(64, '0') + "\n", false},
        {"cut short", "/files/cut", "", false},
        {"not found", "/files/none", "", false},
    };
    server.Serve("/files/good", good);
    for (const auto& c : cases) {
        statuses.clear();
        const QString url = server.Base() + QString::fromLatin1(c.Route);
        const QString installed = app + QStringLiteral("/data/") + QFileInfo(QUrl(url).path()).fileName();
        WriteFile(installed, "old");
        Control("[update]\nunconditional=1\n[files]\ncount=1\n[file1]\nurl=" + url.toUtf8()
                + "\ntargetdir={APP}\\data\n" + c.Extra);
        u.DoUpdate();
        EXPECT_EQ(ReadFile(installed), c.Installed ? good : QByteArray("old")) << c.Why;
        EXPECT_EQ(Saw(TUpdateStatusId::CannotDownload), !c.Installed) << c.Why;
        if (!c.Installed) {
            EXPECT_EQ(TextOf(TUpdateStatusId::CannotDownload), QStringLiteral("Cannot download update file : ") + url);
        }
        if (QByteArray(c.Why).contains("differs")) {
            EXPECT_TRUE(TextOf(TUpdateStatusId::ChecksumMismatch)
                            .startsWith(QStringLiteral("Checksum does not match, file not installed : good")));
        }
        // No temporary download is left anywhere.
        EXPECT_EQ(Tree(), QStringList{QDir(root.path()).relativeFilePath(installed)}) << c.Why;
        QDir(app + QStringLiteral("/data")).removeRecursively();
    }
}

TEST_F(WebUpdateTest, ACompressedFileIsExpandedUnderItsRecordedName)
{
    server.Serve("/files/readme.tx_", test::MakeSzdd("Read me first.", 't'));
    TLocalHttpServer::TRoute cut;
    cut.Body = test::MakeSzdd(QByteArray(400, 'r'), 't');
    cut.Body.chop(100); // complete as a download, cut short as a compressed file
    server.Serve("/files/bad.tx_", cut);
    Control("[update]\nunconditional=1\n[files]\ncount=2\n"
            + FileLine(1, server.Base() + QStringLiteral("/files/readme.tx_"), "compressed=1\n")
            + FileLine(2, server.Base() + QStringLiteral("/files/bad.tx_"), "compressed=1\n"));
    u.DoUpdate();
    EXPECT_EQ(ReadFile(app + QStringLiteral("/data/readme.txt")), "Read me first.");
    EXPECT_EQ(Tree(), QStringList{QStringLiteral("My Program/data/readme.txt")});
    EXPECT_TRUE(
        TextOf(TUpdateStatusId::ExpandError).startsWith(QStringLiteral("Error expanding compressed file : bad.tx_")));
}

TEST_F(WebUpdateTest, CabinetsAreExtractedWhenAskedAndRefusedWhenTheyLeaveTheFolder)
{
    u.ExtractCAB = true;
    server.Serve("/files/good.cab", test::MakeCab({{"Sounds\\buzz.wav", "RIFF"}}));
    server.Serve("/files/evil.cab", test::MakeCab({{"ok.txt", "ok"}, {"..\\..\\evil", "evil"}}));
    Control("[update]\nunconditional=1\n[files]\ncount=2\n"
            + FileLine(1, server.Base() + QStringLiteral("/files/good.cab"))
            + FileLine(2, server.Base() + QStringLiteral("/files/evil.cab")));
    u.DoUpdate();
    EXPECT_EQ(Tree(), QStringList{QStringLiteral("My Program/data/Sounds/buzz.wav")});
    EXPECT_TRUE(TextOf(TUpdateStatusId::CabError).contains(QStringLiteral("..\\..\\evil")))
        << TextOf(TUpdateStatusId::CabError).toStdString();
}

TEST_F(WebUpdateTest, AddressesWhoseNameLeavesTheFolderAreRefused)
{
    Control("[update]\nunconditional=1\n[files]\ncount=2\n" + FileLine(1, server.Base() + QStringLiteral("/files/.."))
            + FileLine(2, server.Base() + QStringLiteral("/files/")));
    u.DoUpdate();
    int refused = 0;
    for (const TStatusLine& s : statuses)
        refused += s.Id == TUpdateStatusId::UnsafeName;
    EXPECT_EQ(refused, 2);
    EXPECT_EQ(server.Requests.size(), 1); // only the control file was asked for
}

TEST_F(WebUpdateTest, ProgramFilesLeadToTheRestartThroughTheUpdater)
{
    server.Serve("/files/sv_wf", "new program");
    WriteFile(app + QStringLiteral("/sv_wf"), "old program");
    Control("[update]\nunconditional=1\n[application]\nappupdate=1\nappname={APP}\\sv_wf -x\n"
            "appcomps={APP}\\sv_wf\n[files]\ncount=1\n[file1]\nurl="
            + server.Base().toUtf8() + "/files/sv_wf\ntargetdir={APP}\n" + Sha256Line("new program"));
    host.Answers = {true}; // "Shutdown application to update executable files ?"
    u.DoUpdate();
    EXPECT_EQ(host.Shown, std::vector<QString>{QStringLiteral("C:Shutdown application to update executable files ?\r"
                                                              "The program started again afterwards: ")
                                               + app + QStringLiteral("/sv_wf -x")});
    // The program with its parameter is one quoted argument.
    EXPECT_EQ(u.AppName(), QLatin1Char('"') + app + QStringLiteral("/sv_wf -x\""));
    ASSERT_FALSE(host.Started.isEmpty());
    EXPECT_EQ(QFileInfo(host.Started).fileName(), QStringLiteral("upd"));
    EXPECT_EQ(host.StartedArgs,
              (QStringList{QStringLiteral("4242"), app + QStringLiteral("/sv_wf -x"), app + QStringLiteral("/sv_wf")}));
    EXPECT_EQ(host.Quits, 1);
    // The running program stays until the updater puts the new one in place.
    EXPECT_EQ(ReadFile(app + QStringLiteral("/sv_wf")), "old program");
    EXPECT_EQ(ReadFile(app + QStringLiteral("/sv_wf.update-new")), "new program");
    QDir(QFileInfo(host.Started).absolutePath()).removeRecursively();
}

TEST_F(WebUpdateTest, NoRestartLeavesTheProgramFilesAsTheyWere)
{
    server.Serve("/files/sv_wf", "new program");
    WriteFile(app + QStringLiteral("/sv_wf"), "old program");
    const QByteArray head =
        "[update]\nunconditional=1\n[application]\nappupdate=1\nappname={APP}\\sv_wf\nappcomps={APP}\\sv_wf\n";
    const QByteArray program =
        "[file1]\nurl=" + server.Base().toUtf8() + "/files/sv_wf\ntargetdir={APP}\n" + Sha256Line("new program");
    struct {
        const char* Why;
        QByteArray Control;
        std::deque<bool> Answers;
        bool StartFails;
    } cases[] = {
        {"No to the shutdown question", head + "[files]\ncount=1\n" + program, {false}, false},
        {"a later file failed",
         head + "[files]\ncount=2\n" + program + "[file2]\nurl=" + server.Base().toUtf8()
             + "/files/none\ntargetdir={APP}\n",
         {},
         false},
        {"appupdate not set",
         "[update]\nunconditional=1\n[application]\nappname={APP}\\sv_wf\nappcomps={APP}\\sv_wf\n[files]\ncount=1\n"
             + program,
         {},
         false},
        // A silent restart is asked about all the same: the person sees what starts.
        {"the updater cannot start", head + "silentrestart=1\n[files]\ncount=1\n" + program, {true}, true},
    };
    for (const auto& c : cases) {
        statuses.clear();
        Control(c.Control);
        host.Answers = c.Answers;
        host.StartFails = c.StartFails;
        WriteFile(app + QStringLiteral("/sv_wf"), "old program");
        u.DoUpdate();
        EXPECT_EQ(host.Quits, 0) << c.Why;
        EXPECT_TRUE(host.Started.isEmpty()) << c.Why;
        EXPECT_FALSE(QFileInfo::exists(app + QStringLiteral("/sv_wf.update-new"))) << c.Why;
        if (c.StartFails) {
            EXPECT_EQ(TextOf(TUpdateStatusId::SpawnFailed),
                      QStringLiteral("Failed to spawn updater process : No such file or directory"));
        }
        // Without the restart a program file is not installed at all: only the updater puts
        // one in place.
        EXPECT_EQ(ReadFile(app + QStringLiteral("/sv_wf")), "old program") << c.Why;
    }
}

TEST_F(WebUpdateTest, AnUpdateThatFailsHalfWayLeavesNoStagedOrDownloadedFiles)
{
    server.Serve("/files/sv_wf", "new program");
    const QByteArray head =
        "[update]\nunconditional=1\n[application]\nappupdate=1\nappname={APP}\\sv_wf\nappcomps={APP}\\sv_wf\n";
    const QByteArray files = "[files]\ncount=1\n[file1]\nurl=" + server.Base().toUtf8()
                             + "/files/sv_wf\ntargetdir={APP}\n" + Sha256Line("new program");
    WriteFile(app + QStringLiteral("/notify-done"), "#!/bin/sh\n");
    struct {
        const char* Why;
        QByteArray Control;
    } cases[] = {
        {"the command after the files fails", head + "[action]\nrunafter={APP}\\notify-done\n" + files},
        {"the shutdown question fails", head + files},
    };
    for (const auto& c : cases) {
        Control(c.Control);
        WriteFile(app + QStringLiteral("/sv_wf"), "old program");
        host.FailCommands = QStringLiteral("Cannot open file /tmp/gone");
        EXPECT_THROW(u.DoUpdate(), std::runtime_error) << c.Why;
        EXPECT_EQ(ReadFile(app + QStringLiteral("/sv_wf")), "old program") << c.Why;
        EXPECT_FALSE(QFileInfo::exists(app + QStringLiteral("/sv_wf.update-new"))) << c.Why;
        EXPECT_TRUE(QDir(tmp).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty()) << c.Why;
        EXPECT_EQ(host.Quits, 0) << c.Why;
        EXPECT_TRUE(host.Started.isEmpty()) << c.Why;
    }
}

TEST_F(WebUpdateTest, TheProxyGetsTheCredentialsAndTheServerNever)
{
    server.Serve("/updates/karvo_wf.inf", "[update]\ndate=03/15/2024\n");
    server.RequireProxyCredentials("quizzer", "s3cret");
    u.URL = QStringLiteral("http://updates.scrivolt.invalid/updates/karvo_wf.inf");
    u.Proxy = QStringLiteral("127.0.0.1:%1").arg(server.Port());
    u.ProxyUserID = QStringLiteral("quizzer");
    u.ProxyPassword = QStringLiteral("s3cret");
    u.DoUpdate();
    EXPECT_TRUE(Saw(TUpdateStatusId::NewVersion));
    ASSERT_FALSE(server.Requests.isEmpty());
    const auto& last = server.Requests.back();
    EXPECT_EQ(last.Target, "http://updates.scrivolt.invalid/updates/karvo_wf.inf");
    EXPECT_EQ(last.Headers.value("proxy-authorization"), "Basic " + QByteArray("quizzer:s3cret").toBase64());
    EXPECT_FALSE(last.Headers.contains("authorization"));
}

TEST_F(WebUpdateTest, HttpsWorksAndACertificateErrorFailsWithItsText)
{
    const QString data = QStringLiteral(SV_UPDATE_TEST_DATA);
    TLocalHttpServer tls(data + QStringLiteral("/localhost.pem"), data + QStringLiteral("/localhost.key"));
    tls.Serve("/updates/karvo_wf.inf", "[update]\ndate=03/15/2024\n");
    u.URL = tls.Base() + QStringLiteral("/updates/karvo_wf.inf");
    ASSERT_TRUE(u.URL.startsWith(QStringLiteral("https://")));
    // A certificate nobody vouches for.
    u.DoUpdate();
    EXPECT_TRUE(Saw(TUpdateStatusId::ControlFileNotFound));
    const auto error = std::find_if(statuses.begin(), statuses.end(),
                                    [](const TStatusLine& s) { return s.Code == TUpdateErrorCode::Internet; });
    ASSERT_NE(error, statuses.end());
    EXPECT_TRUE(error->Text.contains(QStringLiteral("certificate"), Qt::CaseInsensitive)) << error->Text.toStdString();
    EXPECT_TRUE(tls.Requests.isEmpty()); // nothing was asked over the untrusted connection
    EXPECT_TRUE(Tree().isEmpty());

    // The same server trusted: the update goes on.
    statuses.clear();
    QSslConfiguration trusted = QSslConfiguration::defaultConfiguration();
    const QSslConfiguration before = trusted;
    trusted.addCaCertificates(data + QStringLiteral("/localhost.pem"));
    QSslConfiguration::setDefaultConfiguration(trusted);
    u.DoUpdate();
    QSslConfiguration::setDefaultConfiguration(before);
    EXPECT_TRUE(Saw(TUpdateStatusId::NewVersion));
    EXPECT_EQ(tls.Requests.size(), 1);
}

// --- What the control file may ask, bounded ---

TEST_F(WebUpdateTest, ProgramFilesAreAlwaysStagedForTheUpdaterAndNeedTheirSha256)
{
    const QString program = app + QStringLiteral("/sv_wf");
    const QByteArray head =
        "[update]\nunconditional=1\n[application]\nappupdate=1\nappname={APP}\\sv_wf\nappcomps={APP}\\sv_wf\n";
    const QByteArray base = server.Base().toUtf8();
    server.Serve("/files/sv_wf", "new program");
    server.Serve("/files/sv_w_", test::MakeSzdd("new program", 'f'));
    server.Serve("/files/notes.txt", "plain notes");
    server.Serve("/files/tool", "\x7f"
                                "ELF a program of its own");
    server.Serve("/files/run.sh", "#!/bin/sh\necho a script\n");
    struct {
        const char* Why;
        QByteArray Files;
        TUpdateStatusId Refusal; // the status that says why nothing was installed (None: none expected)
    } cases[] = {
        {"a program file after a failed download",
         "[files]\ncount=2\n[file1]\nurl=" + base + "/files/none\ntargetdir={APP}\n[file2]\nurl=" + base
             + "/files/sv_wf\ntargetdir={APP}\n" + Sha256Line("new program"),
         TUpdateStatusId::NotRestarted},
        {"a compressed program file, after a failed download",
         "[files]\ncount=2\n[file1]\nurl=" + base + "/files/none\ntargetdir={APP}\n[file2]\nurl=" + base
             + "/files/sv_w_\ntargetdir={APP}\ncompressed=1\n" + Sha256Line("new program"),
         TUpdateStatusId::NotRestarted},
        {"a target folder naming the program file",
         "[files]\ncount=2\n[file1]\nurl=" + base + "/files/none\ntargetdir={APP}\n[file2]\nurl=" + base
             + "/files/notes.txt\ntargetdir={APP}\\sv_wf\n" + Sha256Line("plain notes"),
         TUpdateStatusId::CannotDownload},
        {"a program file without sha256", "[files]\ncount=1\n[file1]\nurl=" + base + "/files/sv_wf\ntargetdir={APP}\n",
         TUpdateStatusId::NoSha256},
        {"a compressed program file without sha256",
         "[files]\ncount=1\n[file1]\nurl=" + base + "/files/sv_w_\ntargetdir={APP}\ncompressed=1\n",
         TUpdateStatusId::NoSha256},
        {"a file over the program without sha256",
         "[files]\ncount=1\n[file1]\nurl=" + base + "/files/notes.txt\ntargetdir={APP}\\sv_wf\n",
         TUpdateStatusId::CannotDownload},
        {"a new program without sha256", "[files]\ncount=1\n[file1]\nurl=" + base + "/files/tool\ntargetdir={APP}\n",
         TUpdateStatusId::NoSha256},
        {"a new script without sha256", "[files]\ncount=1\n[file1]\nurl=" + base + "/files/run.sh\ntargetdir={APP}\n",
         TUpdateStatusId::NoSha256},
    };
    for (const auto& c : cases) {
        statuses.clear();
        WriteFile(program, "old program");
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Control(head + c.Files);
        u.DoUpdate();
        EXPECT_EQ(ReadFile(program), "old program") << c.Why;
        EXPECT_TRUE(Saw(c.Refusal)) << c.Why;
        EXPECT_EQ(Tree(), QStringList{QStringLiteral("My Program/sv_wf")}) << c.Why; // nothing staged is left either
        EXPECT_TRUE(host.Started.isEmpty()) << c.Why;
    }
    // Whole and with its sha256, the compressed program file waits for the updater like any other.
    WriteFile(program, "old program");
    Control(head + "[files]\ncount=1\n[file1]\nurl=" + base + "/files/sv_w_\ntargetdir={APP}\ncompressed=1\n"
            + Sha256Line("new program"));
    host.Answers = {false}; // no restart now
    u.DoUpdate();
    EXPECT_EQ(ReadFile(program), "old program");
    EXPECT_EQ(Tree(), QStringList{QStringLiteral("My Program/sv_wf")});
}

TEST_F(WebUpdateTest, PlainHttpOnlyWhenAllowedAndNeverAfterHttps)
{
    u.AllowPlainHttp = false;
    Control("[update]\ndate=03/15/2024\n");
    u.DoUpdate();
    EXPECT_EQ(TextOf(TUpdateStatusId::PlainHttpRefused),
              QStringLiteral("Refused address without https (plain http is off in the settings) : ") + u.URL);
    EXPECT_TRUE(Saw(TUpdateStatusId::ControlFileNotFound));
    EXPECT_TRUE(server.Requests.isEmpty());

    // An https server that sends the update on to plain http, allowed or not.
    const QString data = QStringLiteral(SV_UPDATE_TEST_DATA);
    TLocalHttpServer tls(data + QStringLiteral("/localhost.pem"), data + QStringLiteral("/localhost.key"));
    TLocalHttpServer::TRoute away;
    away.Status = 302;
    away.Headers.append(
        qMakePair(QByteArray("Location"), (server.Base() + QStringLiteral("/updates/karvo_wf.inf")).toUtf8()));
    tls.Serve("/updates/karvo_wf.inf", away);
    QSslConfiguration trusted = QSslConfiguration::defaultConfiguration();
    const QSslConfiguration before = trusted;
    trusted.addCaCertificates(data + QStringLiteral("/localhost.pem"));
    QSslConfiguration::setDefaultConfiguration(trusted);
    u.URL = tls.Base() + QStringLiteral("/updates/karvo_wf.inf");
    for (bool allowed : {false, true}) {
        statuses.clear();
        u.AllowPlainHttp = allowed;
        u.DoUpdate();
        EXPECT_EQ(TextOf(TUpdateStatusId::RedirectRefused),
                  QStringLiteral("Refused redirection to a less safe address : ") + server.Base()
                      + QStringLiteral("/updates/karvo_wf.inf"))
            << allowed;
        EXPECT_TRUE(Saw(TUpdateStatusId::ControlFileNotFound)) << allowed;
    }
    QSslConfiguration::setDefaultConfiguration(before);
    EXPECT_TRUE(server.Requests.isEmpty());
}

TEST_F(WebUpdateTest, ProgramsFoldersAndAddressesStayWhereTheyBelong)
{
    const QString tool = app + QStringLiteral("/tool");
    WriteFile(tool, "#!/bin/sh\n");
    WriteFile(root.filePath(QStringLiteral("outside/tool")), "#!/bin/sh\n");
    QDir().mkpath(root.filePath(QStringLiteral("win")));
    const QString data = root.filePath(QStringLiteral("data"));
    QDir().mkpath(data);
    u.DataFolder = data;
    ASSERT_TRUE(QFile::link(root.filePath(QStringLiteral("outside")), app + QStringLiteral("/linked")));
    server.Serve("/files/notes.txt", "notes");
    auto file = [&](int n, const QByteArray& targetDir) {
        return "[file" + QByteArray::number(n) + "]\nurl=" + server.Base().toUtf8()
               + "/files/notes.txt\ntargetdir=" + targetDir + "\n";
    };
    Control("[update]\nunconditional=1\n[application]\nappupdate=1\nappname=/bin/sh -c reboot\n"
            "[action]\nrunbefore=/bin/sh -c \"rm -rf ~\"\nrunafter={APP}\\..\\outside\\tool\n"
            "showURL=file:///etc/passwd\n[files]\ncount=6\n"
            + file(1, "{TMP}") + file(2, "{WIN}") + file(3, "{APP}\\..\\outside") + file(4, "{APP}\\linked")
            + file(5, data.toUtf8() + "/Users") + file(6, "{APP}\\data"));
    u.DoUpdate();
    std::vector<QString> refused;
    for (const TStatusLine& st : statuses)
        if (st.Id == TUpdateStatusId::CommandRefused || st.Id == TUpdateStatusId::FolderRefused
            || st.Id == TUpdateStatusId::AddressRefused)
            refused.push_back(st.Text);
    EXPECT_EQ(refused, (std::vector<QString>{
                           QStringLiteral("Refused program outside the program folder : /bin/sh -c reboot"),
                           QStringLiteral("Refused program outside the program folder : /bin/sh -c \"rm -rf ~\""),
                           QStringLiteral("Refused address that is not a web address : file:///etc/passwd"),
                           QStringLiteral("Refused folder outside the program and data folders : {TMP}"),
                           QStringLiteral("Refused folder outside the program and data folders : {WIN}"),
                           QStringLiteral("Refused folder outside the program and data folders : {APP}\\..\\outside"),
                           QStringLiteral("Refused folder outside the program and data folders : {APP}\\linked"),
                           QStringLiteral("Refused program outside the program folder : {APP}\\..\\outside\\tool"),
                       }));
    EXPECT_TRUE(host.Shown.empty()); // nothing was started, opened or asked
    EXPECT_EQ(Tree(), (QStringList{QStringLiteral("My Program/data/notes.txt"), QStringLiteral("My Program/tool"),
                                   QStringLiteral("data/Users/notes.txt"), QStringLiteral("outside/tool")}));

    // A program inside the program folder runs only when the person agrees.
    statuses.clear();
    Control("[update]\nunconditional=1\n[action]\nrunbefore={APP}\\tool --now\n");
    host.Answers = {false};
    u.DoUpdate();
    EXPECT_EQ(host.Shown.back(), QStringLiteral("C:The update asks to start this program:\r") + tool
                                     + QStringLiteral(" --now\rStart it?"));
    EXPECT_TRUE(Saw(TUpdateStatusId::Finished));
}

TEST_F(WebUpdateTest, SizesCountAndTimeAreBounded)
{
    const QByteArray ten(10, 'x');
    server.Serve("/files/ten.txt", ten);
    struct {
        const char* Why;
        QByteArray Control;
        TUpdateStatusId Refusal;
    } cases[] = {
        {"a file larger than its declared size",
         "[update]\nunconditional=1\n[files]\ncount=1\n"
             + FileLine(1, server.Base() + QStringLiteral("/files/ten.txt"), "newsize=9\n"),
         TUpdateStatusId::TooLarge},
        {"a file larger than the limit",
         "[update]\nunconditional=1\n[files]\ncount=1\n"
             + FileLine(1, server.Base() + QStringLiteral("/files/ten.txt")),
         TUpdateStatusId::TooLarge},
        {"more files than allowed", "[update]\nunconditional=1\n[files]\ncount=1001\n", TUpdateStatusId::TooManyFiles},
        {"a control file larger than allowed", "[update]\nunconditional=1\n" + QByteArray(2000, ';'),
         TUpdateStatusId::TooLarge},
    };
    u.Limits.ControlFile = 1000;
    u.Limits.Download = 9;
    for (const auto& c : cases) {
        statuses.clear();
        Control(c.Control);
        u.DoUpdate();
        EXPECT_TRUE(Saw(c.Refusal)) << c.Why;
        EXPECT_TRUE(Tree().isEmpty()) << c.Why;
    }
    EXPECT_EQ(u.Limits.FileCount, 1000); // the bound itself
    EXPECT_EQ(TLimits{}.ControlFile, 1 << 20);
    EXPECT_EQ(TLimits{}.Download, qint64(200) << 20);
}

TEST_F(WebUpdateTest, CancelAndTheTimeLimitStopADownloadThatStalls)
{
    TLocalHttpServer::TRoute stall;
    stall.Body = QByteArray(5000, 's');
    stall.CutAfter = 100;
    stall.KeepOpen = true;
    server.Serve("/files/stall.txt", stall);
    server.Serve("/files/later.txt", "later");
    Control("[update]\nunconditional=1\n[files]\ncount=2\n"
            + FileLine(1, server.Base() + QStringLiteral("/files/stall.txt"))
            + FileLine(2, server.Base() + QStringLiteral("/files/later.txt")));
    for (const char* how : {"cancel", "time limit"}) {
        statuses.clear();
        QElapsedTimer clock;
        clock.start();
        if (QByteArray(how) == "cancel") {
            QTimer::singleShot(300, [this] { u.Cancel(); });
        } else {
            u.Limits.TotalMs = 300;
        }
        u.DoUpdate();
        EXPECT_LT(clock.elapsed(), 3000) << how; // far below the transfer timeout of 5 s
        EXPECT_TRUE(Saw(QByteArray(how) == "cancel" ? TUpdateStatusId::Cancelled : TUpdateStatusId::TimeLimit)) << how;
        EXPECT_FALSE(Saw(TUpdateStatusId::Finished)) << how;
        EXPECT_TRUE(Tree().isEmpty()) << how; // the second file is not fetched, nothing half-written stays
    }
}

} // namespace
} // namespace sv
