// The game's windows offscreen: the set-up checks, the wager window, the wall of fame, the
// board's keyboard, full screen and scaling, and a whole two-player game played with keys.

#include "game/gui/GameDlg.h"
#include "game/gui/GameForm.h"
#include "game/gui/GameQuestionAsker.h"
#include "game/gui/WagerForm.h"
#include "game/gui/WallOfFameDlg.h"
#include "material/gui/SelectionFrames.h"
#include "study/StudyFixture.h"
#include "support/gui/AccessibleNames.h"
#include "support/gui/FindWidget.h"
#include "widgets/CheckListCombo.h"
#include "widgets/SpinEdit.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace sv {
namespace {

using test::FindWidget;
using test::StudyFixture;
using test::TFixtureDesc;

// The small portion with twelve more questions of each of six types (on Philemon 1:8, so
// collection 0 stays in reference order): enough for two rounds without memory verses.
TFixtureDesc GameFixture()
{
    TFixtureDesc d = test::SmallFixture();
    const TVerseRef pm18(2, 1, 8);
    const int types[] = {2, 3, 4, 5, 6, 7};
    for (int type : types)
        for (int i = 1; i <= 12; ++i) {
            test::TFixtureQuestion q;
            q.Type = type;
            q.Question = "Game question " + std::to_string(type) + " number " + std::to_string(i) + "?";
            q.Answer = {{pm18, std::string(static_cast<std::size_t>(i), 'a') + " Paul"}};
            d.Collections[0].Questions.push_back(q);
        }
    return d;
}

struct GameSetup {
    StudyFixture f;
    int stopSounds = 0;
    int wagerSounds = 0;
    int saves = 0;
    QMdiArea* area = nullptr; // when set, the windows open as its children

    explicit GameSetup(const TFixtureDesc& desc = GameFixture()) : f(desc) { }

    TGameContext Context()
    {
        TGameContext g;
        g.Study = f.Context();
        g.Study.SaveResults = [this] { ++saves; };
        g.StopSound = [this] { ++stopSounds; };
        g.PlayWagerSound = [this] { ++wagerSounds; };
        g.OpenCentred = [this](QWidget* w, bool) {
            f.children.push_back(w);
            if (area)
                area->addSubWindow(w)->show();
            else
                w->show();
        };
        return g;
    }
    template <class T>
    T* Child() const
    {
        for (auto it = f.children.rbegin(); it != f.children.rend(); ++it)
            if (auto* w = qobject_cast<T*>(it->data()))
                return w;
        return nullptr;
    }
};

void CheckAll(TfrmMaterialSelection& m)
{
    FindWidget<QRadioButton>(&m, "byChapters")->setChecked(true);
    FindWidget<TCheckListCombo>(&m, "materialList")->SetAllChecked(true);
}

TEST(GameDlgStart, ChecksInOrderAndKeepsChoicesForTheNextGame)
{
    GameSetup s(test::SmallFixture());
    s.f.user.GameRounds = 2;
    s.f.user.GameMemoryVerses = 1;
    QPointer<TGameDlgStart> dlg = new TGameDlgStart(s.Context());
    EXPECT_EQ(dlg->windowTitle().toStdString(), "Play The One-Way Game");
    EXPECT_EQ(s.f.dialogOpen, 1);
    EXPECT_EQ(FindWidget<QLineEdit>(dlg, "Player1Edit")->text().toStdString(), "Ann");
    EXPECT_TRUE(FindWidget<QButtonGroup>(dlg, "roundsChoice")->button(2)->isChecked());
    EXPECT_TRUE(FindWidget<QButtonGroup>(dlg, "memoryChoice")->button(1)->isChecked());

    FindWidget<QLineEdit>(dlg, "Player1Edit")->setText(QStringLiteral("  "));
    dlg->OKBtnClick();
    EXPECT_EQ(s.f.messages.Last(), "Please enter at least one player's name.");
    FindWidget<QLineEdit>(dlg, "Player1Edit")->setText(QStringLiteral("Ann"));
    FindWidget<TCheckListCombo>(dlg, "collectionsList")->SetAllChecked(false);
    dlg->OKBtnClick();
    EXPECT_EQ(s.f.messages.Last(), "Please select a question collection (or collections) to use.");
    FindWidget<TCheckListCombo>(dlg, "collectionsList")->SetChecked(0, true);
    FindWidget<QRadioButton>(dlg, "byChapters")->setChecked(true);
    FindWidget<TCheckListCombo>(dlg, "materialList")->SetAllChecked(false);
    dlg->OKBtnClick();
    EXPECT_EQ(s.f.messages.Last(), "Please select some material to study.");
    EXPECT_EQ(s.f.messages.Shown.size(), 3u);

    // Too few questions: the warning, the dialog stays, the choices are saved.
    CheckAll(*FindWidget<TfrmMaterialSelection>(dlg, "material"));
    FindWidget<QButtonGroup>(dlg, "roundsChoice")->button(0)->setChecked(true);
    FindWidget<QButtonGroup>(dlg, "memoryChoice")->button(0)->setChecked(true);
    FindWidget<QPushButton>(dlg, "helpButton")->click();
    EXPECT_EQ(s.f.help, (std::vector<int>{2110}));
    dlg->OKBtnClick();
    EXPECT_EQ(s.f.messages.Last(), "There are not enough questions between\rthe chosen chapters to play the game.");
    EXPECT_TRUE(dlg);
    EXPECT_EQ(dlg->Game(), nullptr);
    EXPECT_EQ(s.f.user.GameRounds, 0);
    EXPECT_EQ(s.f.user.GameMemoryVerses, 0);
    EXPECT_EQ(s.f.user.Collections[0], 1);
    EXPECT_EQ(s.f.mvs.Count(), 3) << "every selected memory verse, once";
    dlg->CancelBtnClick();
    EXPECT_EQ(s.f.commandsOn, 1);
}

TEST(WagerForm, LimitStepAndOnlyOkCloses)
{
    const struct {
        int score, maximum;
    } cases[] = {{250, 1000}, {4300, 4300}, {-900, 1000}};
    for (auto c : cases) {
        std::vector<int> chosen;
        int closed = 0;
        QPointer<TWagerForm> w = new TWagerForm([&](int a) { chosen.push_back(a); }, [&] { ++closed; });
        w->SetWagerLimit(c.score);
        w->show();
        EXPECT_EQ(w->windowTitle().toStdString(), "One-Way Wager");
        EXPECT_EQ(FindWidget<TSpinEdit>(w, "wagerSpin")->minimum(), 100);
        EXPECT_EQ(FindWidget<TSpinEdit>(w, "wagerSpin")->maximum(), c.maximum);
        EXPECT_EQ(FindWidget<TSpinEdit>(w, "wagerSpin")->value(), 100);
        EXPECT_FALSE(w->close()) << "no way out but OK";
        QTest::keyClick(FindWidget<TSpinEdit>(w, "wagerSpin"), Qt::Key_Up);
        QTest::keyClick(FindWidget<TSpinEdit>(w, "wagerSpin"), Qt::Key_Up);
        QTest::keyClick(FindWidget<TSpinEdit>(w, "wagerSpin"), Qt::Key_Return);
        EXPECT_EQ(chosen, (std::vector<int>{300}));
        EXPECT_EQ(closed, 1);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(w);
    }
}

TEST(WagerForm, ATypedAmountIsCorrectedInTheBoxBeforeItIsPlayed)
{
    const struct {
        int score;
        const char* typed;
        int shown; // after the first Enter; 0: played at once
        int played;
    } cases[] = {
        {250, "700", 0, 700},       {250, "50", 100, 100},
        {250, "250", 200, 200},     {4350, "4350", 0, 4350}, // the whole score, though not a whole step
        {4350, "4320", 4300, 4300},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.typed);
        std::vector<int> chosen;
        QPointer<TWagerForm> w = new TWagerForm([&](int a) { chosen.push_back(a); }, nullptr);
        w->SetWagerLimit(c.score);
        w->show();
        FindWidget<TSpinEdit>(w, "wagerSpin")->selectAll();
        QTest::keyClicks(FindWidget<TSpinEdit>(w, "wagerSpin"), QString::fromUtf8(c.typed));
        QTest::keyClick(FindWidget<TSpinEdit>(w, "wagerSpin"), Qt::Key_Return);
        if (c.shown) {
            EXPECT_TRUE(chosen.empty()) << "the corrected amount is shown first";
            EXPECT_EQ(FindWidget<TSpinEdit>(w, "wagerSpin")->value(), c.shown);
            EXPECT_EQ(FindWidget<TSpinEdit>(w, "wagerSpin")->text().toStdString(), std::to_string(c.shown));
            QTest::keyClick(FindWidget<TSpinEdit>(w, "wagerSpin"), Qt::Key_Return);
        }
        EXPECT_EQ(chosen, (std::vector<int>{c.played}));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(w);
    }
}

TEST(GameDlgStart, PlayersOfTheSameNameAreRefused)
{
    const struct {
        const char *p1, *p2, *p3;
        bool refused;
    } cases[] = {
        {"Ann", "Ann", "", true},    {"Ann", " ann ", "", true}, {"Ann", "", "Ann", true},
        {"Ann", "Bob", "bob", true}, {"Ann", "Bob", "", false},  {"Ann", "", "", false},
    };
    for (auto c : cases) {
        SCOPED_TRACE(std::string(c.p1) + "/" + c.p2 + "/" + c.p3);
        GameSetup s;
        s.f.user.GameRounds = 0;
        s.f.user.GameMemoryVerses = 1;
        s.f.user.Collections.fill(0);
        s.f.user.Collections[0] = 1;
        QPointer<TGameDlgStart> dlg = new TGameDlgStart(s.Context());
        CheckAll(*FindWidget<TfrmMaterialSelection>(dlg, "material"));
        FindWidget<QLineEdit>(dlg, "Player1Edit")->setText(QString::fromUtf8(c.p1));
        FindWidget<QLineEdit>(dlg, "Player2Edit")->setText(QString::fromUtf8(c.p2));
        FindWidget<QLineEdit>(dlg, "Player3Edit")->setText(QString::fromUtf8(c.p3));
        dlg->OKBtnClick();
        if (c.refused) {
            EXPECT_EQ(s.f.messages.Last(), "Two players have the same name. Please give each player a different name.");
            EXPECT_EQ(dlg->Game(), nullptr);
            delete dlg.data();
        } else {
            EXPECT_TRUE(s.f.messages.Shown.empty()) << s.f.messages.Last();
            EXPECT_NE(s.Child<TGameForm>(), nullptr);
            if (auto* g = s.Child<TGameForm>()) {
                s.f.messages.Answers = {true};
                g->close();
            }
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The text of a place's name ("Name") or score ("Score"), place 1..6.
std::string PlaceText(const TWallOfFameDlg& wall, const char* column, int place)
{
    return FindWidget<QLabel>(&wall, (column + std::to_string(place)).c_str())->text().toStdString();
}

TEST(WallOfFameDlg, ShowsTheSixPlacesOfTheUser)
{
    GameSetup s(test::SmallFixture());
    {
        TWallOfFameDlg wall(s.f.user);
        EXPECT_EQ(wall.windowTitle().toStdString(), "One-Way Game Wall Of Fame");
        for (int place = 1; place <= 6; ++place) {
            EXPECT_EQ(PlaceText(wall, "Name", place), "You could be here");
            EXPECT_EQ(PlaceText(wall, "Score", place), "0");
        }
    }
    s.f.user.AddHighScore(500, "Bob");
    s.f.user.AddHighScore(500, "Cy");
    s.f.user.AddHighScore(50, "Ann");
    TWallOfFameDlg wall(s.f.user);
    EXPECT_EQ(PlaceText(wall, "Name", 1), "Bob");
    EXPECT_EQ(PlaceText(wall, "Name", 2), "Cy");
    EXPECT_EQ(PlaceText(wall, "Score", 3), "50");
    EXPECT_EQ(PlaceText(wall, "Name", 4), "You could be here");
}

// Starts a game through the set-up dialog with the players given.
TGameForm* StartGame(GameSetup& s, const QString& p2, int roundsIndex)
{
    s.f.user.GameRounds = roundsIndex;
    s.f.user.GameMemoryVerses = 1;
    s.f.user.Collections.fill(0);
    s.f.user.Collections[0] = 1;
    auto* dlg = new TGameDlgStart(s.Context());
    CheckAll(*FindWidget<TfrmMaterialSelection>(dlg, "material"));
    FindWidget<QLineEdit>(dlg, "Player2Edit")->setText(p2);
    QTest::keyClick(dlg, Qt::Key_Return);
    EXPECT_TRUE(s.f.messages.Shown.empty()) << s.f.messages.Last();
    auto* game = s.Child<TGameForm>();
    EXPECT_NE(game, nullptr);
    EXPECT_EQ(s.f.commandsOn, 0);
    s.f.clock.Advance(16 * 300);
    return game;
}

QWidget* Focused(TGameForm& g) { return g.focusWidget(); }

TEST(GameForm, BoardKeysFullScreenAndScaling)
{
    GameSetup s;
    TGameForm* g = StartGame(s, QStringLiteral("Bob"), 1);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->windowTitle().toStdString(), "Round 1, Ann's turn.");
    EXPECT_EQ(FindWidget<QGroupBox>(g, "P2Label")->title().toStdString(), "Bob");
    EXPECT_TRUE(FindWidget<QGroupBox>(g, "P3Label")->isHidden());
    EXPECT_EQ(g->Button(1)->text().toStdString(), "100");
    EXPECT_EQ(g->Button(36)->text().toStdString(), "600");
    ASSERT_EQ(g->FocusedCell(), 1) << "the board takes the focus when it opens";
    QTest::keyClick(Focused(*g), Qt::Key_Right);
    EXPECT_EQ(g->FocusedCell(), 7);
    QTest::keyClick(Focused(*g), Qt::Key_Down);
    QTest::keyClick(Focused(*g), Qt::Key_Down);
    EXPECT_EQ(g->FocusedCell(), 9);
    QTest::keyClick(Focused(*g), Qt::Key_Up);
    QTest::keyClick(Focused(*g), Qt::Key_Left);
    QTest::keyClick(Focused(*g), Qt::Key_Left); // stays at the edge
    EXPECT_EQ(g->FocusedCell(), 2);

    g->resize(1920, 1040);
    QCoreApplication::processEvents();
    EXPECT_GE(g->Button(1)->font().pixelSize(), 40);
    EXPECT_GE(FindWidget<QLabel>(g, "Cat1Caption")->font().pixelSize(), 24);
    g->resize(640, 480);
    QCoreApplication::processEvents();
    EXPECT_LE(g->Button(1)->font().pixelSize(), 24);
    QTest::keyClick(Focused(*g), Qt::Key_F11);
    EXPECT_TRUE(g->IsFullScreenBoard());
    QTest::keyClick(Focused(*g), Qt::Key_Escape);
    EXPECT_FALSE(g->IsFullScreenBoard());

    // A pick whose time runs out can only be marked wrong; the turn passes.
    QTest::keyClick(Focused(*g), Qt::Key_Return);
    TGameQuestionAsker* asker = g->Asker();
    ASSERT_NE(asker, nullptr);
    EXPECT_EQ(asker->windowTitle().toStdString(), "One-Way Game");
    EXPECT_FALSE(g->isEnabled());
    s.f.clock.Advance(30000);
    EXPECT_FALSE(FindWidget<QPushButton>(asker, "rightButton")->isEnabled());
    QTest::keyClick(asker, Qt::Key_R);
    EXPECT_FALSE(g->isEnabled());
    QTest::keyClick(asker, Qt::Key_W);
    EXPECT_TRUE(g->isEnabled());
    EXPECT_EQ(g->Logic().Score(1), -200);
    EXPECT_EQ(FindWidget<QLabel>(g, "P1ScoreLabel")->text().toStdString(), "-200");
    EXPECT_EQ(g->windowTitle().toStdString(), "Round 1, Bob's turn.");
    EXPECT_TRUE(g->Button(2)->text().isEmpty()) << "a used cell is blank";

    // Full screen: the question window's text and clock grow for the room, and shrink back.
    QCoreApplication::processEvents();
    ASSERT_NE(g->FocusedCell(), 0);
    const QFont normalClock = FindWidget<QLabel>(asker, "timeLeft")->font();
    QTest::keyClick(Focused(*g), Qt::Key_F11);
    ASSERT_TRUE(g->IsFullScreenBoard());
    QTest::keyClick(Focused(*g), Qt::Key_Down); // away from the wager cell
    ASSERT_EQ(g->FocusedCell(), 3);
    QTest::keyClick(Focused(*g), Qt::Key_Return);
    EXPECT_GE(asker->font().pixelSize(), 14);
    EXPECT_GE(FindWidget<QLabel>(asker, "timeLeft")->font().pixelSize(), 2 * asker->font().pixelSize());
    QTest::keyClick(asker, Qt::Key_Space);
    QTest::keyClick(asker, Qt::Key_R);
    QCoreApplication::processEvents();
    QTest::keyClick(Focused(*g), Qt::Key_F11);
    EXPECT_FALSE(g->IsFullScreenBoard());
    EXPECT_EQ(FindWidget<QLabel>(asker, "timeLeft")->font(), normalClock);
    EXPECT_EQ(asker->font().pixelSize(), -1) << "back to the program's font";

    // Closing before the end asks; No keeps the game. The grades are saved once, at the end.
    EXPECT_EQ(s.saves, 0);
    s.f.messages.Answers = {false, true};
    EXPECT_FALSE(g->close());
    EXPECT_EQ(s.saves, 0);
    const QPointer<TGameQuestionAsker> closing = asker;
    EXPECT_TRUE(g->close());
    EXPECT_EQ(s.saves, 1);
    EXPECT_EQ(s.f.commandsOn, 1);
    EXPECT_GE(s.stopSounds, 2);
    // The question window goes with the game, but only once the event loop has control: a
    // window closing the game may still hold it in its list.
    ASSERT_FALSE(closing.isNull());
    EXPECT_TRUE(closing->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull());
}

TEST(GameForm, ATwoPlayerTwoRoundGamePlayedWithKeysReachesTheWallOfFame)
{
    GameSetup s;
    TGameForm* g = StartGame(s, QStringLiteral("Bob"), 1);
    ASSERT_NE(g, nullptr);
    ASSERT_EQ(g->Logic().RoundsPlayable(), 2);
    int answers = 0, wagers = 0;
    while (!g->Logic().GameOver() && answers < 100) {
        QCoreApplication::processEvents();
        if (g->Logic().ScatterRunning())
            s.f.clock.Advance(16 * 300);
        QCoreApplication::processEvents();
        ASSERT_NE(g->FocusedCell(), 0) << "after " << answers << " answers";
        if (answers % 3 == 1)
            QTest::keyClick(Focused(*g), Qt::Key_Down);
        QTest::keyClick(Focused(*g), Qt::Key_Return);
        if (TWagerForm* w = g->Wager()) {
            EXPECT_EQ(s.wagerSounds, ++wagers);
            QTest::keyClick(FindWidget<TSpinEdit>(w, "wagerSpin"), Qt::Key_Up);
            QTest::keyClick(FindWidget<TSpinEdit>(w, "wagerSpin"), Qt::Key_Return);
        }
        TGameQuestionAsker* asker = g->Asker();
        ASSERT_NE(asker, nullptr);
        ASSERT_TRUE(asker->isEnabled());
        QTest::keyClick(asker, Qt::Key_Space); // Answer
        // Ann knows them all; Bob misses every fourth.
        const bool right = g->Logic().CurrentPlayer() == 1 || answers % 4 != 0;
        QTest::keyClick(asker, right ? Qt::Key_R : Qt::Key_W);
        ++answers;
    }
    EXPECT_EQ(answers, 72);
    EXPECT_EQ(wagers, 2) << "one wager cell a round";
    ASSERT_TRUE(g->Logic().GameOver());
    EXPECT_EQ(g->windowTitle().toStdString(), "GAME OVER");
    EXPECT_EQ(FindWidget<QPushButton>(g, "QuitBtn")->text().toStdString(), "Done");
    EXPECT_GT(g->Logic().Score(1), g->Logic().Score(2));
    EXPECT_EQ(s.f.messages.Shown.back().Kind, "information");
    EXPECT_EQ(s.f.messages.Last(), "Congratulations, Ann! You won the game and\ryour score places you on the WALL OF "
                                   "FAME. Keep up the good work!");
    EXPECT_EQ(s.f.user.WallOfFame.Name(1), "Ann");
    EXPECT_EQ(s.f.user.WallOfFame.Score(1), g->Logic().Score(1));
    // Ann's answers reached her knowledge bytes; Bob's did not change any of them wrongly.
    int tried = 0;
    for (int i = 1; i <= s.f.content.Questions.QuestionCount(0); ++i)
        tried += s.f.user.IsTried({0, i}) ? 1 : 0;
    EXPECT_GT(tried, 0);
    TWallOfFameDlg wall(s.f.user);
    EXPECT_EQ(PlaceText(wall, "Name", 1), "Ann");
    // Game over: Enter presses Done, which closes without asking.
    QTest::keyClick(g, Qt::Key_Return);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(s.f.commandsOn, 1);
}

TEST(GameForm, AScreenReaderHearsTheCellsTheTurnTheQuestionAndTheGrade)
{
    GameSetup s;
    TGameForm* g = StartGame(s, QStringLiteral("Bob"), 1);
    ASSERT_NE(g, nullptr);
    const std::string category = test::FindWidget<QLabel>(g, "Cat1Caption")->text().toStdString();
    EXPECT_EQ(g->Button(2)->accessibleName().toStdString(), category + ", 200 points, open");
    const std::vector<std::string> opening = s.f.announcer.Take();
    ASSERT_FALSE(opening.empty());
    EXPECT_EQ(opening.back(), "Round 1, Ann's turn.");

    QTest::keyClick(Focused(*g), Qt::Key_Down);
    QTest::keyClick(Focused(*g), Qt::Key_Return);
    TGameQuestionAsker* asker = g->Asker();
    ASSERT_NE(asker, nullptr);
    const std::vector<std::string> heard = s.f.announcer.Take();
    const auto question =
        std::find_if(heard.begin(), heard.end(), [](const std::string& t) { return t.rfind("Question: ", 0) == 0; });
    ASSERT_NE(question, heard.end()) << ::testing::PrintToString(heard);
    const std::vector<std::string> asked{*question};
    auto* canvas = asker->findChild<QWidget*>(QStringLiteral("questionText"));
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->accessibleDescription().toStdString(), asked[0].substr(10));
    QTest::keyClick(asker, Qt::Key_Space);
    const std::vector<std::string> answered = s.f.announcer.Take();
    ASSERT_FALSE(answered.empty());
    EXPECT_EQ(answered.back().rfind("Answer: ", 0), 0u) << answered.back();
    QTest::keyClick(asker, Qt::Key_R);
    EXPECT_EQ(s.f.announcer.Take(), std::vector<std::string>{"Right. Ann 200, Bob 0"}) << "Ann keeps the turn";
    EXPECT_EQ(g->Button(2)->accessibleName().toStdString(), category + ", used");

    // A wrong answer: the grade is heard before the turn passes.
    QCoreApplication::processEvents();
    QTest::keyClick(Focused(*g), Qt::Key_Down); // past the wager cell
    QTest::keyClick(Focused(*g), Qt::Key_Return);
    ASSERT_EQ(g->Wager(), nullptr);
    QTest::keyClick(asker, Qt::Key_Space);
    s.f.announcer.Take();
    QTest::keyClick(asker, Qt::Key_W);
    const std::vector<std::string> wrong = s.f.announcer.Take();
    ASSERT_EQ(wrong.size(), 2u);
    EXPECT_EQ(wrong[0].rfind("Wrong. Ann ", 0), 0u) << wrong[0];
    EXPECT_EQ(wrong[1], "Round 1, Bob's turn.");
}

QMdiSubWindow* FrameOf(QWidget* w) { return w ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr; }

// A click on the board activates its frame: the question (or the wager) comes back to the front.
void ClickBoard(QMdiArea& area, TGameForm& g)
{
    area.setActiveSubWindow(FrameOf(&g));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

TEST(GameForm, TheQuestionStaysInFrontOfTheBoardUntilGradedAndShowsItsStake)
{
    QMdiArea area;
    area.resize(1100, 800);
    area.show();
    GameSetup s;
    s.area = &area;
    TGameForm* g = StartGame(s, QStringLiteral("Bob"), 1);
    ASSERT_NE(g, nullptr);
    ASSERT_NE(FrameOf(g), nullptr);
    const int wagerCell = g->Logic().Board().WagerCell(1);
    const int cell = wagerCell == 2 ? 3 : 2;
    g->B11Click(cell);
    TGameQuestionAsker* asker = g->Asker();
    ASSERT_NE(asker, nullptr);
    QMdiSubWindow* question = FrameOf(asker);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(test::FindWidget<QLabel>(asker, "StakeLabel")->text().toStdString(),
              "For " + std::to_string(CellValue(RowOfCell(cell), 1, 2)) + " points");

    ClickBoard(area, *g);
    EXPECT_EQ(area.activeSubWindow(), question);
    EXPECT_EQ(area.subWindowList(QMdiArea::StackingOrder).last(), question);
    question->showMinimized();
    ClickBoard(area, *g);
    EXPECT_FALSE(question->isMinimized()) << "the clock never runs unseen";
    EXPECT_EQ(area.activeSubWindow(), question);

    // Graded: the board may come to the front again.
    QTest::keyClick(asker, Qt::Key_Space);
    QTest::keyClick(asker, Qt::Key_R);
    ClickBoard(area, *g);
    EXPECT_EQ(area.activeSubWindow(), FrameOf(g));

    // The wager stays in front as well, and its amount is the question's stake.
    g->B11Click(wagerCell);
    TWagerForm* wager = g->Wager();
    ASSERT_NE(wager, nullptr);
    ClickBoard(area, *g);
    EXPECT_EQ(area.activeSubWindow(), FrameOf(wager));
    QTest::keyClick(FindWidget<TSpinEdit>(wager, "wagerSpin"), Qt::Key_Up);
    QTest::keyClick(FindWidget<TSpinEdit>(wager, "wagerSpin"), Qt::Key_Return);
    EXPECT_EQ(test::FindWidget<QLabel>(asker, "StakeLabel")->text().toStdString(), "Wager: 200 points");
    ClickBoard(area, *g);
    EXPECT_EQ(area.activeSubWindow(), question);

    s.f.messages.Answers = {true};
    g->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A screen reader can name every control of the board, the question and the wager: the game is
// played with keys until its first wager has been placed.
TEST(GameForm, TheBoardTheQuestionAndTheWagerNameEveryControl)
{
    GameSetup s;
    TGameForm* g = StartGame(s, QStringLiteral("Bob"), 1);
    ASSERT_NE(g, nullptr);
    QStringList unnamed = test::UnnamedControls(g);
    bool wagered = false;
    for (int answers = 0; !wagered && !g->Logic().GameOver() && answers < 100; ++answers) {
        QCoreApplication::processEvents();
        if (g->Logic().ScatterRunning())
            s.f.clock.Advance(16 * 300);
        QCoreApplication::processEvents();
        if (answers % 3 == 1)
            QTest::keyClick(Focused(*g), Qt::Key_Down);
        QTest::keyClick(Focused(*g), Qt::Key_Return);
        if (TWagerForm* w = g->Wager()) {
            unnamed << test::UnnamedControls(w);
            QTest::keyClick(test::FindWidget<TSpinEdit>(w, "wagerSpin"), Qt::Key_Return);
            wagered = true;
        }
        TGameQuestionAsker* asker = g->Asker();
        ASSERT_NE(asker, nullptr);
        unnamed << test::UnnamedControls(asker);
        QTest::keyClick(asker, Qt::Key_Space); // Answer
        unnamed << test::UnnamedControls(asker);
        QTest::keyClick(asker, Qt::Key_R);
    }
    EXPECT_TRUE(wagered);
    unnamed.removeDuplicates();
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char('\n')).toStdString();
    s.f.messages.Answers = {true};
    g->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
} // namespace sv
