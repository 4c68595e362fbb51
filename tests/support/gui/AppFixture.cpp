#include "support/gui/AppFixture.h"
#include "support/gui/FindWidget.h"
#include "support/gui/StudyPages.h"

#include "app/Application.h"
#include "app/HintWindow.h"
#include "app/SplashScreen.h"
#include "app/StartupForm.h"
#include "common/LeStream.h"
#include "material/gui/SelectionFrames.h"
#include "study/gui/QuestionAsker.h"
#include "study/gui/StudyDialogs.h"
#include "support/ContentFixture.h"
#include "user/User.h"
#include "voice/Sounds.h"
#include "widgets/CheckListCombo.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace sv::test {

namespace {
TApplication& App()
{
    static int argc = 1;
    static char name[] = "test_app_windows";
    static char* argv[] = {name, nullptr};
    static TApplication* app = [] {
        auto* a = new TApplication(argc, argv);
        a->setQuitOnLastWindowClosed(false);
        InstallHintWindow();
        return a;
    }();
    return *app;
}
// The windows of the shell only need content files that load.
TFixtureDesc TinyPortion()
{
    TFixtureDesc d;
    TFixtureBook b;
    b.Name = "Philemon";
    b.Abbrev = "Phm";
    b.Chapters = {{"Paul a prisoner of Christ Jesus and Timothy our brother", "grace to you and peace"}};
    d.Books.push_back(b);
    TFixtureSection s;
    s.Title = "Greeting";
    d.Sections.push_back(s);
    d.MemoryVerses.push_back(TFixtureMemVerse{});
    return d;
}

} // namespace

void AppTest::SetUp()
{
    App().SetErrorReporter(&messages);
    m_oldCwd = std::filesystem::current_path();
    // One folder per test; a parameterised test's name holds a "/".
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '_');
    m_dir = std::filesystem::temp_directory_path() / ("sv_app_" + name);
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir / "Users");
    BuildFixture(TinyPortion()).WriteTo(m_dir.string());
    WriteFile("tips.txt", "Tip zero\nTip <B>one</B>\nTip two\n");
    WriteFile("personality.txt", "[Personality=Encourager]\n[Category=Correct1]\nWell done\n");
    std::filesystem::current_path(m_dir);
}

void AppTest::TearDown()
{
    main.reset();
    Settle();
    messages.Verify();
    App().SetErrorReporter(nullptr);
    std::filesystem::current_path(m_oldCwd);
    std::filesystem::remove_all(m_dir);
}

void AppTest::WriteFile(const std::string& name, const std::string& text) const
{
    std::ofstream(m_dir / name, std::ios::binary) << text;
}

void AppTest::CreateMain()
{
    CreateMainUnshown();
    main->show();
    // The engines start after the first paint.
    EXPECT_TRUE(QTest::qWaitFor([this] { return main->Sounds().EngineStarted(); }, 5000));
}

void AppTest::CreateMainUnshown()
{
    TPlatformServices s;
    s.Messages = &messages;
    s.Shell = &shell;
    s.Clock = &clock;
    s.Speech = &speech;
    s.Sound = &sound;
    s.Random = randomSource;
    main = paths ? std::make_unique<TMainForm>(s, *paths) : std::make_unique<TMainForm>(s, Dir());
    FindWidget<QTimer>(main, "waitToSplash")->stop();
}

void AppTest::StartUp()
{
    CreateMain();
    main->WaitToSplashTimer();
    auto* splash = Child<TSplashScreen>();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(FindWidget<QTimer>(splash, "splashTimer")->isActive());
    EXPECT_EQ(FindWidget<QTimer>(splash, "splashTimer")->interval(), 3000);
    FindWidget<QTimer>(splash, "splashTimer")->stop();
    splash->SplashTimerTimer();
    Settle();
}

void AppTest::ChooseUser(const QString& name)
{
    auto* form = Child<TStartupForm>();
    ASSERT_NE(form, nullptr);
    FindWidget<QComboBox>(form, "SelectNameComboBox")->setEditText(name);
    FindWidget<QPushButton>(form, "OKBtn")->click();
    Settle();
}

void AppTest::StudyOneMemoryVerse()
{
    main->CmdMemory->trigger();
    auto* dlg = Child<TMemDlgStart>();
    ASSERT_NE(dlg, nullptr);
    FindWidget<QRadioButton>(PageOf(dlg), "byChapters")->setChecked(true);
    FindWidget<TCheckListCombo>(PageOf(dlg), "materialList")->SetAllChecked(true);
    main->User().Options.Timed = 0;
    dlg->OKBtnClick();
    Settle();
    auto* session = Child<TQuestionAsker>();
    ASSERT_NE(session, nullptr) << (messages.Shown.empty() ? std::string() : messages.Log().back());
    auto* startStop = FindWidget<QPushButton>(session, "startStopButton");
    startStop->click();
    startStop->click();
    FindWidget<QPushButton>(session, "rightButton")->click();
    const bool finished =
        FindWidget<QLabel>(session, "rightCount")->text() == FindWidget<QLabel>(session, "totalCount")->text();
    messages.Answers.assign(finished ? 0 : 1, true);
    ASSERT_TRUE(qobject_cast<QMdiSubWindow*>(session->parentWidget())->close());
    Settle();
}

int AppTest::ChildCount() const
{
    int n = 0;
    for (QMdiSubWindow* w : main->MdiArea()->subWindowList())
        if (!w->isHidden())
            ++n;
    return n;
}

void AppTest::Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::vector<char> FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<char> MemoryBytes(const TUser& user)
{
    TStreamWriter w;
    user.SaveToStream(w);
    const auto& d = w.data();
    return {d.begin(), d.end()};
}

} // namespace sv::test
