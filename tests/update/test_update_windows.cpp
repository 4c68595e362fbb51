// The update window and its dialogs offscreen, against a local HTTP server on 127.0.0.1; and
// the update window in the main window's start-up sequence.

#include "app/QtServices.h"
#include "app/SplashScreen.h"
#include "app/StartupForm.h"
#include "program/ProgramPaths.h"
#include "program/ProgramSettings.h"
#include "support/gui/AppFixture.h"
#include "support/gui/FindWidget.h"
#include "update/LocalHttpServer.h"
#include "update/UpdateTestFiles.h"
#include "update/gui/UpdateCommands.h"
#include "update/gui/UpdateDialogs.h"
#include "update/gui/WebUpdateForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

namespace sv::test {
namespace {

class UpdateWindowTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp(); // the application object first: the server needs it
        server = std::make_unique<TLocalHttpServer>();
        settings = std::make_unique<TProgramSettings>(QString::fromStdString(Dir() + "settings.ini"));
        context.Settings = settings.get();
        context.Messages = &messages;
        context.Clock = &clock;
        context.Host = &host;
        context.ControlFileURL = server->Base() + QStringLiteral("/updates/karvo_wf.inf");
        context.AllowPlainHttp = true; // the local server speaks plain http
        context.DialogOpen = [this] { ++opened; };
        context.Closed = [this] { ++closed; };
        context.ShowHelp = [this](int c) { help = c; };
    }
    void TearDown() override
    {
        delete form;
        settings.reset();
        server.reset();
        AppTest::TearDown();
    }
    TWebUpdateForm* Make(const QString& caption = QStringLiteral("Get the latest version of The Scrivolt from the Web"))
    {
        form = new TWebUpdateForm(context, caption);
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->show();
        return form;
    }
    QStringList Lines() const
    {
        QStringList out;
        for (int i = 0; i < FindWidget<QListWidget>(form, "statusList")->count(); ++i)
            out << FindWidget<QListWidget>(form, "statusList")->item(i)->text();
        return out;
    }
    double Now() const { return ToDayNumber(clock.Now()); }

    std::unique_ptr<TLocalHttpServer> server;
    TNoDialogs host;
    std::unique_ptr<TProgramSettings> settings;
    TUpdateFormContext context;
    TWebUpdateForm* form = nullptr;
    int opened = 0, closed = 0, help = 0;
};

TEST_F(UpdateWindowTest, OpensWithItsIntroductionAndTheSettings)
{
    settings->UpdateSchedule = TProgramSettings::TSchedule::Monthly;
    settings->UseProxy = true;
    Make();
    EXPECT_EQ(opened, 1);
    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], QStringLiteral("You are about to get the latest version of The Scrivolt."));
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_TRUE(lines[5].isEmpty());
    EXPECT_EQ(lines[8], QStringLiteral("functionality to The Scrivolt."));
    for (const QString& line : lines)
        EXPECT_FALSE(line.contains(QStringLiteral("dial")) || line.contains(QStringLiteral("ISP")))
            << line.toStdString();
    EXPECT_EQ(FindWidget<QListWidget>(form, "statusList")->selectionMode(), QAbstractItemView::NoSelection);
    EXPECT_EQ(FindWidget<QListWidget>(form, "statusList")->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(FindWidget<QComboBox>(form, "scheduleBox")->currentText(), QStringLiteral("Remind me monthly"));
    EXPECT_TRUE(FindWidget<QCheckBox>(form, "useProxyBox")->isChecked());
    EXPECT_TRUE(FindWidget<QCheckBox>(form, "useProxyBox")->isVisible());
    EXPECT_TRUE(FindWidget<QPushButton>(form, "updateButton")->isDefault());
    EXPECT_EQ(FindWidget<QProgressBar>(form, "progressBar")->maximum(), 100);
    FindWidget<QPushButton>(form, "helpButton")->click();
    EXPECT_EQ(help, TWebUpdateForm::HelpContext);
    EXPECT_EQ(form->property("helpContext").toInt(), TWebUpdateForm::HelpContext);
}

TEST_F(UpdateWindowTest, NoNewVersionIsToldAndTheWindowCloses)
{
    server->Serve("/updates/karvo_wf.inf", "[update]\ndate=01/01/1980\n");
    Make();
    FindWidget<QPushButton>(form, "updateButton")->click();
    EXPECT_EQ(messages.Log(),
              (std::vector<std::string>{"I:You already have the latest version. You do not need to update now."}));
    EXPECT_EQ(Lines().first(), QStringLiteral("Download : ") + context.ControlFileURL);
    EXPECT_TRUE(Lines().contains(QStringLiteral("No new version found")));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(closed, 1);
}

TEST_F(UpdateWindowTest, AMissingControlFileAbortsWithItsStatus)
{
    Make();
    FindWidget<QPushButton>(form, "updateButton")->click(); // nothing served: 404
    EXPECT_EQ(messages.Log(), (std::vector<std::string>{"I:Update control file not found\rUpdate aborted."}));
    EXPECT_TRUE(Lines().contains(QStringLiteral("Http status : 404")));
    EXPECT_EQ(closed, 1);
}

TEST_F(UpdateWindowTest, AnUnreachableServerIsOnePlainError)
{
    const quint16 port = server->Port();
    server->close();
    context.ControlFileURL = QStringLiteral("http://127.0.0.1:%1/updates/karvo_wf.inf").arg(port);
    Make();
    FindWidget<QPushButton>(form, "updateButton")->click();
    EXPECT_EQ(messages.Log(),
              (std::vector<std::string>{"W:Could not reach the update server \u2014 check the internet connection"}));
    for (const QString& line : Lines())
        EXPECT_FALSE(line.contains(QStringLiteral("Internet connection")) || line.contains(QStringLiteral("not found")))
            << line.toStdString();
    EXPECT_EQ(closed, 1);
}

TEST_F(UpdateWindowTest, ProgressFollowsTheDownload)
{
    server->Serve("/updates/karvo_wf.inf", "[update]\nunconditional=1\n[files]\ncount=1\n[file1]\nurl="
                                               + server->Base().toUtf8() + "/wf.qs\ntargetdir={APP}\\svtest\n");
    server->Serve("/wf.qs", QByteArray(20000, 'q'));
    Make();
    QTemporaryDir tmp;
    form->WebUpdate().Folders.App = tmp.path();
    FindWidget<QPushButton>(form, "updateButton")->click();
    EXPECT_EQ(FindWidget<QProgressBar>(form, "progressBar")->maximum(), 20000);
    EXPECT_EQ(FindWidget<QProgressBar>(form, "progressBar")->value(), 20000);
    EXPECT_TRUE(QFileInfo::exists(tmp.filePath(QStringLiteral("svtest/wf.qs"))));
    EXPECT_TRUE(messages.Log().empty());
}

TEST_F(UpdateWindowTest, WithoutTheProxyBoxEarlierProxyValuesAreCleared)
{
    server->Serve("/updates/karvo_wf.inf", "[update]\ndate=03/15/2024\n");
    settings->ProxyServer = QStringLiteral("127.0.0.1:1");
    settings->ProxyUserID = QStringLiteral("u");
    Make();
    form->WebUpdate().Proxy = QStringLiteral("left.over:8080");
    form->WebUpdate().ProxyUserID = QStringLiteral("old");
    FindWidget<QPushButton>(form, "updateButton")->click();
    EXPECT_TRUE(form->WebUpdate().Proxy.isEmpty());
    EXPECT_TRUE(form->WebUpdate().ProxyUserID.isEmpty());
    EXPECT_TRUE(Lines().contains(QStringLiteral("New version found : 03/15/2024")));
}

TEST_F(UpdateWindowTest, ScheduleAndTheScheduledWindowsClosing)
{
    Make(TWebUpdateForm::ScheduledCaption);
    FindWidget<QComboBox>(form, "scheduleBox")->setCurrentIndex(1);
    form->ScheduleUpdateCBChange(1);
    EXPECT_EQ(settings->UpdateSchedule, TProgramSettings::TSchedule::Weekly);
    EXPECT_DOUBLE_EQ(settings->NextUpdateDue, Now() + 7);
    form->ScheduleUpdateCBChange(2);
    EXPECT_DOUBLE_EQ(settings->NextUpdateDue, Now() + 28);
    form->ScheduleUpdateCBChange(0);
    EXPECT_EQ(settings->UpdateSchedule, TProgramSettings::TSchedule::None);
    EXPECT_DOUBLE_EQ(settings->NextUpdateDue, Now() + 28); // unchanged
    form->ScheduleUpdateCBChange(1);
    FindWidget<QPushButton>(form, "cancelButton")->click();
    EXPECT_DOUBLE_EQ(settings->NextUpdateDue, Now() + 3);
    TProgramSettings stored(settings->Path());
    stored.Load();
    EXPECT_EQ(stored.UpdateSchedule, TProgramSettings::TSchedule::Weekly);
    EXPECT_NEAR(stored.NextUpdateDue, Now() + 3, 1e-6);
    EXPECT_EQ(closed, 1);
}

TEST_F(UpdateWindowTest, AnOrdinaryWindowLeavesTheReminderDate)
{
    settings->UpdateSchedule = TProgramSettings::TSchedule::Monthly;
    settings->NextUpdateDue = 100;
    Make();
    FindWidget<QPushButton>(form, "cancelButton")->click();
    EXPECT_EQ(settings->NextUpdateDue, 100);
}

TEST_F(UpdateWindowTest, TheProxyWindowStoresOnlyOnOk)
{
    settings->ProxyServer = QStringLiteral("proxy.lan:3128");
    Make();
    FindWidget<QCheckBox>(form, "useProxyBox")->click();
    EXPECT_TRUE(settings->UseProxy);
    auto* proxy = form->findChild<TProxyForm*>();
    ASSERT_NE(proxy, nullptr);
    EXPECT_EQ(proxy->windowTitle(), QStringLiteral("Proxy settings"));
    EXPECT_EQ(FindWidget<QLineEdit>(proxy, "serverEdit")->text(), QStringLiteral("proxy.lan:3128"));
    EXPECT_EQ(FindWidget<QLineEdit>(proxy, "passwordEdit")->echoMode(), QLineEdit::Password);
    FindWidget<QLineEdit>(proxy, "userIdEdit")->setText(QStringLiteral("quizzer"));
    FindWidget<QPushButton>(proxy, "cancelButton")->click();
    EXPECT_TRUE(settings->ProxyUserID.isEmpty());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    FindWidget<QCheckBox>(form, "useProxyBox")->click(); // off
    EXPECT_FALSE(settings->UseProxy);
    EXPECT_EQ(form->findChild<TProxyForm*>(), nullptr);
    FindWidget<QCheckBox>(form, "useProxyBox")->click(); // on again
    proxy = form->findChild<TProxyForm*>();
    ASSERT_NE(proxy, nullptr);
    FindWidget<QLineEdit>(proxy, "userIdEdit")->setText(QStringLiteral("quizzer"));
    FindWidget<QLineEdit>(proxy, "passwordEdit")->setText(QStringLiteral("pw"));
    FindWidget<QPushButton>(proxy, "okButton")->click();
    EXPECT_EQ(settings->ProxyUserID, QStringLiteral("quizzer"));
    EXPECT_EQ(settings->ProxyPassword, QStringLiteral("pw"));
    TProgramSettings stored(settings->Path());
    stored.Load();
    EXPECT_TRUE(stored.UseProxy);
    EXPECT_EQ(stored.ProxyUserID, QStringLiteral("quizzer"));
}

TEST_F(UpdateWindowTest, AnUpdateThatFailsIsReportedAndTheWindowCanBeUsedAgain)
{
    // The control file's message cannot be shown: the update ends with an error.
    class TFailingHost : public TNoDialogs {
    public:
        void Information(const QString&) override { throw std::runtime_error("Cannot open file /tmp/gone/msg"); }
    } failing;
    context.Host = &failing;
    server->Serve("/updates/karvo_wf.inf", "[update]\nunconditional=1\n[action]\nmsg=Read me\n");
    Make();
    EXPECT_NO_THROW(FindWidget<QPushButton>(form, "updateButton")->click());
    EXPECT_EQ(messages.Log(), (std::vector<std::string>{"E:Cannot open file /tmp/gone/msg"}));
    // Not left as if the update still ran: both buttons work, and Cancel closes.
    EXPECT_TRUE(FindWidget<QPushButton>(form, "updateButton")->isEnabled());
    EXPECT_TRUE(FindWidget<QPushButton>(form, "cancelButton")->isEnabled());
    EXPECT_EQ(closed, 0);
    FindWidget<QPushButton>(form, "cancelButton")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(closed, 1);
}

TEST_F(UpdateWindowTest, WhatsNewAndLicenseDialogs)
{
    TWhatsNewCaptions w;
    w.Caption = QStringLiteral("What's new");
    TWhatsNewDlg news(QStringLiteral("Chapter 3"), w);
    EXPECT_EQ(news.windowTitle(), QStringLiteral("What's new"));
    EXPECT_EQ(news.size(), QSize(400, 400));
    EXPECT_TRUE(FindWidget<QPlainTextEdit>(&news, "textBox")->isReadOnly());
    EXPECT_EQ(FindWidget<QPlainTextEdit>(&news, "textBox")->toPlainText(), QStringLiteral("Chapter 3"));
    EXPECT_EQ(FindWidget<QPushButton>(&news, "okButton")->text(), QStringLiteral("Ok"));
    EXPECT_EQ(FindWidget<QPushButton>(&news, "cancelButton")->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(FindWidget<QPushButton>(&news, "okButton")->nextInFocusChain(),
              FindWidget<QPushButton>(&news, "cancelButton"));

    TLicenseDlg lic(QStringLiteral("Terms"), TLicenseCaptions{});
    EXPECT_FALSE(FindWidget<QRadioButton>(&lic, "acceptButton")->isChecked());
    EXPECT_FALSE(FindWidget<QRadioButton>(&lic, "notAcceptButton")->isChecked());
    EXPECT_FALSE(FindWidget<QPushButton>(&lic, "okButton")->isEnabled());
    FindWidget<QRadioButton>(&lic, "notAcceptButton")->click();
    EXPECT_TRUE(FindWidget<QPushButton>(&lic, "okButton")->isEnabled());
    FindWidget<QPushButton>(&lic, "okButton")->click();
    EXPECT_FALSE(lic.Accepted());
    FindWidget<QRadioButton>(&lic, "acceptButton")->click();
    FindWidget<QPushButton>(&lic, "okButton")->click();
    EXPECT_TRUE(lic.Accepted());
    EXPECT_EQ(FindWidget<QRadioButton>(&lic, "acceptButton")->text(), QStringLiteral("I accept"));
    EXPECT_EQ(FindWidget<QRadioButton>(&lic, "notAcceptButton")->text(), QStringLiteral("I do not accept"));
}

// A fake keyring: it stores, or (Available false) it is not there.
class TFakeSecrets : public ISecretStore {
public:
    bool Available = true;
    std::map<QString, QString> Stored;
    std::optional<QString> Read(const QString& key) override
    {
        if (!Available || !Stored.count(key))
            return std::nullopt;
        return Stored[key];
    }
    bool Write(const QString& key, const QString& secret, QString* error) override
    {
        if (!Available) {
            *error = QStringLiteral("No keyring daemon");
            return false;
        }
        Stored[key] = secret;
        return true;
    }
    void Remove(const QString& key) override { Stored.erase(key); }
};

TEST_F(UpdateWindowTest, TheProxyPasswordGoesToTheKeyringNeverToTheSettingsFile)
{
    auto secrets = std::make_shared<TFakeSecrets>();
    context.Secrets = secrets;
    settings->ProxyServer = QStringLiteral("127.0.0.1:1");
    Make();
    auto enter = [this](const QString& password) {
        FindWidget<QCheckBox>(form, "useProxyBox")->setChecked(false);
        FindWidget<QCheckBox>(form, "useProxyBox")->click();
        auto* proxy = form->findChild<TProxyForm*>();
        ASSERT_NE(proxy, nullptr);
        FindWidget<QLineEdit>(proxy, "userIdEdit")->setText(QStringLiteral("quizzer"));
        FindWidget<QLineEdit>(proxy, "passwordEdit")->setText(password);
        FindWidget<QPushButton>(proxy, "okButton")->click();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    enter(QStringLiteral("s3cret"));
    EXPECT_EQ(secrets->Stored[TWebUpdateForm::ProxyPasswordKey], QStringLiteral("s3cret"));
    EXPECT_TRUE(messages.Log().empty());
    QFile ini(settings->Path());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray written = ini.readAll();
    EXPECT_TRUE(written.contains("quizzer"));
    EXPECT_FALSE(written.contains("s3cret"));

    // The next start of the program finds it in the keyring.
    settings->ProxyPassword.clear();
    server->Serve("/updates/karvo_wf.inf", "[update]\ndate=01/01/1980\n");
    FindWidget<QPushButton>(form, "updateButton")->click();
    EXPECT_EQ(form->WebUpdate().ProxyPassword, QStringLiteral("s3cret"));
}

TEST_F(UpdateWindowTest, WithoutAKeyringThePasswordIsNotStoredAndAskedForAgain)
{
    auto secrets = std::make_shared<TFakeSecrets>();
    secrets->Available = false;
    context.Secrets = secrets;
    settings->UseProxy = true;
    settings->ProxyServer = QStringLiteral("127.0.0.1:1");
    settings->ProxyUserID = QStringLiteral("quizzer");
    Make();
    FindWidget<QPushButton>(form, "updateButton")
        ->click(); // no password known: the proxy form asks for it, nothing is fetched
    EXPECT_TRUE(server->Requests.isEmpty());
    EXPECT_TRUE(Lines().contains(QStringLiteral("The proxy password is not stored: enter it in the proxy settings.")));
    auto* proxy = form->findChild<TProxyForm*>();
    ASSERT_NE(proxy, nullptr);
    FindWidget<QLineEdit>(proxy, "passwordEdit")->setText(QStringLiteral("s3cret"));
    FindWidget<QPushButton>(proxy, "okButton")->click();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Kind, "warning");
    EXPECT_NE(messages.Shown[0].Text.find("asked for again"), std::string::npos);
    EXPECT_TRUE(secrets->Stored.empty());
    EXPECT_EQ(settings->ProxyPassword, QStringLiteral("s3cret")); // for this run of the program
}

TEST_F(UpdateWindowTest, CancelOrClosingTheWindowStopsARunThatStalls)
{
    TLocalHttpServer::TRoute stall;
    stall.Body = QByteArray(5000, 's');
    stall.CutAfter = 100;
    stall.KeepOpen = true;
    server->Serve("/wf.qs", stall);
    server->Serve("/updates/karvo_wf.inf", "[update]\nunconditional=1\n[files]\ncount=1\n[file1]\nurl="
                                               + server->Base().toUtf8() + "/wf.qs\ntargetdir={APP}\\svtest\n");
    for (const char* how : {"Cancel", "close"}) {
        Make();
        QTemporaryDir tmp;
        form->WebUpdate().Folders.App = tmp.path();
        form->WebUpdate().TransferTimeoutMs = 20000;
        QTimer::singleShot(300, form, [this, how] {
            EXPECT_TRUE(FindWidget<QPushButton>(form, "cancelButton")->isEnabled()); // usable while the update runs
            if (QByteArray(how) == "Cancel")
                FindWidget<QPushButton>(form, "cancelButton")->click();
            else
                form->close();
        });
        QElapsedTimer elapsed;
        elapsed.start();
        FindWidget<QPushButton>(form, "updateButton")->click();
        EXPECT_LT(elapsed.elapsed(), 5000) << how;
        EXPECT_TRUE(Lines().contains(QStringLiteral("Update cancelled"))) << how;
        EXPECT_FALSE(form->isVisible()) << how;
        EXPECT_FALSE(QFileInfo::exists(tmp.filePath(QStringLiteral("svtest/wf.qs")))) << how;
        delete form;
        form = nullptr;
    }
}

// The texts a control file or a server sends are shown as written, never as rich text.
TEST_F(UpdateWindowTest, MessageBoxesShowTheUpdatesTextsAsPlainText)
{
    TMessageBoxes boxes;
    TQtUpdateHost qtHost(boxes, shell, nullptr, [] {});
    const QString text = QStringLiteral("<b>Free</b> <a href=\"https://evil.example\">update</a>");
    std::vector<std::pair<Qt::TextFormat, QString>> seen;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen.emplace_back(box->textFormat(), box->text());
            box->done(QMessageBox::Yes);
        }
    });
    answer.start(20);
    qtHost.Information(text);
    qtHost.Confirm(text);
    answer.stop();
    ASSERT_EQ(seen.size(), 2u);
    for (const auto& [format, shown] : seen) {
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_EQ(shown, text);
    }
}

// --- In the main window ---

class UpdateInMainWindowTest : public AppTest {
protected:
    // The start-up sequence up to its first window, with the update window registered.
    void StartWithUpdates()
    {
        CreateMain();
        RegisterUpdateCommands(*main);
        main->WaitToSplashTimer();
        auto* splash = Child<TSplashScreen>();
        ASSERT_NE(splash, nullptr);
        FindWidget<QTimer>(splash, "splashTimer")->stop();
        splash->SplashTimerTimer();
        Settle();
    }
};

TEST_F(UpdateInMainWindowTest, AScheduledReminderComesBeforeTheUserSelectionAndOnlyOnce)
{
    TProgramSettings s(QString::fromStdString(Dir() + "settings.ini"));
    s.UpdateSchedule = TProgramSettings::TSchedule::Weekly;
    s.NextUpdateDue = ToDayNumber(clock.Now()) - 1;
    s.Save();
    StartWithUpdates();
    auto* form = Child<TWebUpdateForm>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Scheduled update"));
    EXPECT_EQ(Child<TStartupForm>(), nullptr);
    EXPECT_NEAR(main->Settings().NextUpdateDue, ToDayNumber(clock.Now()) + 7, 1e-6);
    EXPECT_FALSE(main->CmdUpgrade->isEnabled());
    FindWidget<QPushButton>(form, "cancelButton")->click();
    Settle();
    EXPECT_EQ(Child<TWebUpdateForm>(), nullptr);
    EXPECT_NE(Child<TStartupForm>(), nullptr); // not a second reminder
    EXPECT_NEAR(main->Settings().NextUpdateDue, ToDayNumber(clock.Now()) + 3, 1e-6);
}

TEST_F(UpdateInMainWindowTest, TheCommandOpensTheWindowOnceAUserIsChosen)
{
    StartWithUpdates();
    EXPECT_FALSE(main->CmdUpgrade->isEnabled());
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Tester"));
    EXPECT_TRUE(main->CmdUpgrade->isEnabled());
    main->CmdUpgrade->trigger();
    auto* form = Child<TWebUpdateForm>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Get the latest version of The Scrivolt from the Web"));
    EXPECT_FALSE(main->CmdUpgrade->isEnabled()); // held while the window is open
    EXPECT_FALSE(main->CmdQuestions->isEnabled());
    FindWidget<QPushButton>(form, "cancelButton")->click();
    Settle();
    EXPECT_TRUE(main->CmdUpgrade->isEnabled());
}

TEST_F(UpdateInMainWindowTest, TheInstalledProgramLeavesUpdatesToThePackageManager)
{
    TProgramPaths p{Dir(), Dir() + "home/data/", Dir() + "home/data/Users/",
                    QString::fromStdString(Dir() + "home/settings.ini"), TDataLayout::PerUser};
    MakeDataFolders(p);
    paths = p;
    StartWithUpdates();
    main->EnableCommands();
    EXPECT_FALSE(main->CmdUpgrade->isEnabled());
    EXPECT_TRUE(main->CmdUpgrade->statusTip().contains(QStringLiteral("package manager")));
    main->CmdUpgrade->trigger();
    EXPECT_EQ(Child<TWebUpdateForm>(), nullptr);
}

} // namespace
} // namespace sv::test
