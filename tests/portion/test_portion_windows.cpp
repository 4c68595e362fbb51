// The program on several portions: a portion built by the compiler opens beside the shipped
// one, File > Portion... changes between them, and each keeps its persons' files apart.

#include "support/gui/AppFixture.h"

#include "app/ProgramWindows.h"
#include "app/StartupForm.h"
#include "common/Random.h"
#include "compiler/Compiler.h"
#include "portion/gui/PortionDlg.h"
#include "user/Knowledge.h"
#include "user/User.h"

#include <QAction>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>

#include <filesystem>

namespace sv::test {
namespace {

namespace fs = std::filesystem;

// Galatians 1-2, three verses each ("Paul wrote chapter C verse V."), one memory verse, compiled
// into dir with its portion.ini.
void BuildTwoChapters(const std::string& dir)
{
    content::TSourceSet s;
    s.Portion.Name = "Two chapters";
    s.Portion.Module = "mod";
    s.Portion.Books.push_back({"Galatians", "Gal", "Gal", {3, 3}, {"portion.yaml", 3}});
    for (int c = 0; c < 8; ++c)
        s.Portion.Collections[static_cast<std::size_t>(c)].Name = "C" + std::to_string(c);
    s.Sections = {{TVerseRef(1, 1, 1), "Greeting", {}}};
    s.Memory = {{TVerseRef(1, 2, 1), 1, {}}};
    auto scripture = [](const std::string&, const std::string&, const std::string&, const std::string&) {
        std::string raw;
        for (int c = 1; c <= 2; ++c)
            for (int v = 1; v <= 3; ++v)
                raw += "Galatians " + std::to_string(c) + ":" + std::to_string(v) + ": Paul wrote chapter "
                       + std::to_string(c) + " verse " + std::to_string(v) + ".\n";
        return raw + "(mod)\n";
    };
    auto compiled = content::Compile(s, scripture);
    content::WriteContent(*compiled, dir);
}

// The memory verses graded in a user file.
int GradedMemoryVerses(const std::string& userFile)
{
    TUser u;
    u.Reset(false, false);
    u.LoadFromFile(userFile);
    int graded = 0;
    for (int i = 1; i <= 1200; ++i)
        graded += IsTried(u.MemoryKnowledge[i]) ? 1 : 0;
    return graded;
}

class PortionAppTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        BuildTwoChapters(TwoDir());
    }

    std::string TwoDir() const { return Dir() + "Portions/two/"; }

    TRandom m_draws{7};

    void Open()
    {
        randomSource = &m_draws; // the working lists draw freely
        StartUp();
        main->SetPortionFolders({Dir() + "Portions/"});
        RegisterProgramWindows(*main);
    }

    // File > Portion..., the row of the portion in dir, Open.
    void SwitchTo(const std::string& dir)
    {
        main->findChild<QAction*>(QStringLiteral("CmdPortion"))->trigger();
        auto* dlg = Child<TPortionDlg>();
        ASSERT_NE(dlg, nullptr);
        auto* list = dlg->findChild<QTreeWidget*>(QStringLiteral("portionList"));
        ASSERT_NE(list, nullptr);
        int row = -1;
        for (int r = 0; r < dlg->Choice().Rows(); ++r)
            if (fs::equivalent(dlg->Choice().Portion(r).Dir, dir))
                row = r;
        ASSERT_GE(row, 0) << dir;
        list->setCurrentItem(list->topLevelItem(row));
        dlg->findChild<QPushButton*>(QStringLiteral("openButton"))->click();
        Settle();
        Settle();
    }
};

TEST_F(PortionAppTest, EachPortionsPersonFileHoldsOnlyItsOwnGrade)
{
    Open();
    messages.Answers = {true}; // a new person
    ChooseUser(QStringLiteral("Ann"));
    StudyOneMemoryVerse();
    const std::string shippedAnn = UsersDir() + "Ann.219";
    ASSERT_EQ(GradedMemoryVerses(shippedAnn), 1);

    SwitchTo(TwoDir());
    EXPECT_EQ(main->Portion().Id, "two");
    EXPECT_EQ(main->windowTitle(), QStringLiteral("The Scrivolt - Two chapters"));
    EXPECT_FALSE(main->User().IsChosen());
    EXPECT_FALSE(main->CmdQuestions->isEnabled());
    EXPECT_EQ(main->Books().BookName(1), "Galatians");
    // Ann is new to this portion: nothing of the other portion's results comes along.
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    const std::string twoAnn = UsersDir() + "two/Ann.219";
    ASSERT_TRUE(fs::exists(twoAnn));
    EXPECT_EQ(GradedMemoryVerses(twoAnn), 0);
    EXPECT_FALSE(IsTried(main->User().MemoryKnowledge[1]));
    StudyOneMemoryVerse();
    EXPECT_EQ(GradedMemoryVerses(twoAnn), 1);

    const std::vector<char> shippedBytes = FileBytes(shippedAnn);
    SwitchTo(Dir());
    EXPECT_TRUE(main->Portion().Shipped());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("The Scrivolt"));
    ChooseUser(QStringLiteral("Ann"));
    // Back on the shipped portion, Ann finds her own file as she left it.
    EXPECT_EQ(FileBytes(shippedAnn), shippedBytes);
    EXPECT_EQ(GradedMemoryVerses(shippedAnn), 1);
    EXPECT_EQ(GradedMemoryVerses(twoAnn), 1);
    EXPECT_EQ(MemoryBytes(main->User()), shippedBytes);
}

TEST_F(PortionAppTest, TheShippedPortionsUsersFolderIsReadAsItWas)
{
    // A person's file from before portions existed, straight in Users/.
    TUser before;
    before.Reset(false, false);
    before.FullName.setText("Ann");
    before.FileName.setText("Ann");
    before.MemoryKnowledge[1] = 3;
    before.SaveToFile(UsersDir() + "Ann.219");
    const std::vector<char> bytes = FileBytes(UsersDir() + "Ann.219");

    Open();
    ChooseUser(QStringLiteral("Ann"));
    EXPECT_EQ(main->User().MemoryKnowledge[1], 3);
    EXPECT_EQ(main->UsersDir(), UsersDir());
    EXPECT_EQ(FileBytes(UsersDir() + "Ann.219"), bytes);
    // Another portion neither reads nor writes it.
    SwitchTo(TwoDir());
    messages.Answers = {true};
    ChooseUser(QStringLiteral("Ann"));
    EXPECT_FALSE(IsTried(main->User().MemoryKnowledge[1]));
    main->SaveStudyResults();
    EXPECT_EQ(FileBytes(UsersDir() + "Ann.219"), bytes);
}

TEST_F(PortionAppTest, TheChosenPortionOpensAgainAndOneThatNoLongerLoadsGivesWayToTheShippedOne)
{
    Open();
    SwitchTo(TwoDir());
    ASSERT_EQ(main->Portion().Id, "two");
    main.reset();
    Settle();

    // The next start opens the portion chosen last.
    CreateMainUnshown();
    EXPECT_EQ(main->Portion().Id, "two");
    EXPECT_EQ(main->PortionDir(), TwoDir());
    main.reset();
    Settle();

    // It is damaged meanwhile: the start says so and opens the shipped portion.
    fs::resize_file(TwoDir() + "wf.qs", 10);
    CreateMainUnshown();
    EXPECT_TRUE(main->Portion().Shipped());
    EXPECT_EQ(main->PortionDir(), Dir());
    ASSERT_FALSE(messages.Shown.empty());
    EXPECT_NE(messages.Log().back().find("wf.qs"), std::string::npos) << messages.Log().back();
    EXPECT_TRUE(QSettings(QString::fromStdString(Dir() + "settings.ini"), QSettings::IniFormat)
                    .value(QStringLiteral("Portion/Folder"))
                    .toString()
                    .isEmpty());
}

TEST_F(PortionAppTest, APortionNamedOnTheCommandLineOpensInsteadOfTheShippedOne)
{
    paths = TProgramPaths{Dir(),
                          Dir(),
                          Dir() + "Users/",
                          QString::fromStdString(Dir() + "settings.ini"),
                          TDataLayout::ProgramFolder,
                          TwoDir(),
                          Dir() + "Users/"};
    CreateMainUnshown();
    EXPECT_EQ(main->Portion().Text.Name, QStringLiteral("Two chapters"));
    EXPECT_EQ(main->UsersDir(), Dir() + "Users/two/");
    EXPECT_TRUE(fs::is_directory(Dir() + "Users/two"));
}

} // namespace
} // namespace sv::test
