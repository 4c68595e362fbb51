// The update window and its dialogs offscreen, against a local HTTP server on 127.0.0.1; and
// the update window in the main window's start-up sequence.

#include "../app/AppFixture.h"
#include "app/Splash.h"
#include "app/Startup.h"
#include "program/ProgramSettings.h"
#include "support/FindWidget.h"
#include "update/LocalHttpServer.h"
#include "update/UpdateCommands.h"
#include "update/UpdateDialogs.h"
#include "update/UpdateTestFiles.h"
#include "update/WebUpdateForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace sv::test {
namespace {

class UpdateWindowTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();   // the application object first: the server needs it
        server = std::make_unique<TLocalHttpServer>();
        settings = std::make_unique<TProgramSettings>(QString::fromStdString(Dir() + "settings.ini"));
        context.Settings = settings.get();
        context.Messages = &messages;
        context.Clock = &clock;
        context.Host = &host;
        context.ControlFileURL = server->Base() + QStringLiteral("/updates/karvo_wf.inf");
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
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], QStringLiteral("You are about to get the latest version of The Scrivolt."));
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_TRUE(lines[7].isEmpty());
    EXPECT_EQ(lines[10], QStringLiteral("functionality to The Scrivolt."));
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
    EXPECT_EQ(messages.Log(), (std::vector<std::string>{"I:You already have the latest version. You do not need to update now."}));
    EXPECT_EQ(Lines().first(), QStringLiteral("Checking for Internet connection"));
    EXPECT_TRUE(Lines().contains(QStringLiteral("No new version found")));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(closed, 1);
}

TEST_F(UpdateWindowTest, AMissingControlFileAbortsWithItsStatus)
{
    Make();
    FindWidget<QPushButton>(form, "updateButton")->click();   // nothing served: 404
    EXPECT_EQ(messages.Log(), (std::vector<std::string>{"I:Update control file not found\r Update aborted."}));
    EXPECT_TRUE(Lines().contains(QStringLiteral("Http status : 404")));
    EXPECT_EQ(closed, 1);
}

TEST_F(UpdateWindowTest, ProgressFollowsTheDownload)
{
    server->Serve("/updates/karvo_wf.inf", "[update]\nunconditional=1\n[files]\ncount=1\n[file1]\nurl="
                                              + server->Base().toUtf8() + "/wf.qs\ntargetdir={TMP}\\svtest\n");
    server->Serve("/wf.qs", QByteArray(20000, 'q'));
    Make();
    QTemporaryDir tmp;
    form->WebUpdate().Folders.Tmp = tmp.path();
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
    EXPECT_DOUBLE_EQ(settings->NextUpdateDue, Now() + 28);   // unchanged
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

    FindWidget<QCheckBox>(form, "useProxyBox")->click();   // off
    EXPECT_FALSE(settings->UseProxy);
    EXPECT_EQ(form->findChild<TProxyForm*>(), nullptr);
    FindWidget<QCheckBox>(form, "useProxyBox")->click();   // on again
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
    EXPECT_EQ(FindWidget<QPushButton>(&news, "okButton")->nextInFocusChain(), FindWidget<QPushButton>(&news, "cancelButton"));

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
        splash->SplashTimer->stop();
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
    EXPECT_NE(Child<TStartupForm>(), nullptr);   // not a second reminder
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
    EXPECT_FALSE(main->CmdUpgrade->isEnabled());   // held while the window is open
    EXPECT_FALSE(main->CmdQuestions->isEnabled());
    FindWidget<QPushButton>(form, "cancelButton")->click();
    Settle();
    EXPECT_TRUE(main->CmdUpgrade->isEnabled());
}

} // namespace
} // namespace sv::test
