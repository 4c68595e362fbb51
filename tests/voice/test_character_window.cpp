// The shipped characters on the desktop stage: every file loads with every animation the
// program plays, every frame draws, and a character at rest runs no timer.

#include "voice/gui/CharacterWindow.h"

#include "CharacterFixture.h"
#include "WidgetApp.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace sv {
namespace {

const char* const kShipped[] = {"Peedy", "Merlin", "Genie", "Robby"};

QApplication& App() { return test::WidgetApp(); }

int OpaquePixels(const QPixmap& pm)
{
    const QImage img = pm.toImage().convertToFormat(QImage::Format_ARGB32);
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += qAlpha(img.pixel(x, y)) > 128;
    return n;
}

TEST(ShippedCharacters, EachLoadsWithEveryAnimationAndEveryFrameDraws)
{
    App();
    // SV_CHARACTER_SHEET=<file.png> also writes every frame of every character into one picture.
    QImage sheet(16 * 130, 4 * 150, QImage::Format_ARGB32);
    sheet.fill(QColor(0xe0, 0xe8, 0xf0));
    QPainter sheetPainter(&sheet);
    int row = 0;
    for (const char* name : kShipped) {
        const TCharacterFile c = TCharacterFile::Load(TCharacterFile::PathFor(SV_CHARACTERS_DIR "/", name));
        EXPECT_EQ(c.Name(), name);
        EXPECT_EQ(c.MissingAnimations(), std::vector<std::string>{}) << name;
        for (const TCharacterAnimation& a : c.Animations())
            EXPECT_LE(a.FrameMs, 400) << name << " " << a.Name; // a steady, lively rate
        TCharacterWindow stage(nullptr, nullptr);
        ASSERT_TRUE(stage.Load(c)) << name;
        EXPECT_GT(OpaquePixels(stage.CurrentFrame()), 3000) << name; // a character, not a speck
        const std::vector<QPixmap>& frames = stage.FramePictures();
        ASSERT_EQ(frames.size(), c.Frames().size());
        for (std::size_t f = 0; f < frames.size(); ++f) {
            EXPECT_GT(OpaquePixels(frames[f]), 100) << name << " frame " << c.Frames()[f].Name;
            sheetPainter.drawPixmap(static_cast<int>(f % 16) * 130, row * 150, frames[f]);
        }
        ++row;
    }
    sheetPainter.end();
    if (const char* sheetPath = std::getenv("SV_CHARACTER_SHEET"))
        sheet.save(QString::fromLocal8Bit(sheetPath));
}

TEST(CharacterWindow, AnimationsPlayInTurnAndACharacterAtRestRunsNoTimer)
{
    App();
    test::TCharactersDir dir("window");
    dir.Add("Peedy");
    std::vector<std::string> spoken;
    TCharacterWindow stage(nullptr, [&](const std::string& t) {
        spoken.push_back(t);
        return true;
    });
    ASSERT_TRUE(stage.Load(TCharacterFile::Load(TCharacterFile::PathFor(dir.Path(), "Peedy"))));
    EXPECT_FALSE(stage.Visible());
    stage.Show();
    EXPECT_TRUE(stage.Visible());
    EXPECT_EQ(stage.CurrentAnimation(), "Show");
    stage.Play("Wave");
    stage.Play("Congratulate"); // not in this character: its rest pose
    ASSERT_TRUE(QTest::qWaitFor([&] { return !stage.Animating(); }, 3000));
    EXPECT_EQ(stage.CurrentAnimation(), "");
    EXPECT_TRUE(stage.Visible());

    stage.Speak("Aloud", "");
    stage.Speak("", "In the balloon");
    EXPECT_EQ(spoken, (std::vector<std::string>{"Aloud"}));
    EXPECT_EQ(stage.BalloonText(), QStringLiteral("In the balloon"));
    const QImage withBalloon = stage.grab().toImage();
    EXPECT_FALSE(withBalloon.isNull());
    if (const char* sheetPath = std::getenv("SV_CHARACTER_SHEET"))
        withBalloon.save(QString::fromLocal8Bit(sheetPath) + QStringLiteral(".balloon.png"));

    // The stage tells when the Hide animation has ended; the caller does not wait for it.
    stage.Hide();
    bool gone = false;
    stage.WhenHidden([&] { gone = true; });
    EXPECT_FALSE(gone);
    EXPECT_TRUE(stage.Visible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return gone; }, 7000));
    EXPECT_FALSE(stage.Visible());
    EXPECT_FALSE(stage.isVisible());
    EXPECT_FALSE(stage.Animating());
}

// Without a speech engine (or one that cannot start) a spoken remark is shown in the balloon,
// so it is never lost; one that is heard leaves the balloon as it was.
TEST(CharacterWindow, ARemarkThatCannotBeHeardIsShownInTheBalloon)
{
    App();
    test::TCharactersDir dir("unheard");
    dir.Add("Peedy");
    for (const bool engine : {false, true}) {
        TCharacterWindow stage(nullptr, [&](const std::string&) { return engine; });
        ASSERT_TRUE(stage.Load(TCharacterFile::Load(TCharacterFile::PathFor(dir.Path(), "Peedy"))));
        stage.Show();
        stage.Speak("Well done!", "");
        EXPECT_EQ(stage.BalloonText(), engine ? QString() : QStringLiteral("Well done!")) << engine;
    }
    TCharacterWindow silent(nullptr, nullptr);
    ASSERT_TRUE(silent.Load(TCharacterFile::Load(TCharacterFile::PathFor(dir.Path(), "Peedy"))));
    silent.Show();
    silent.Speak("Keep going", "");
    EXPECT_EQ(silent.BalloonText(), QStringLiteral("Keep going"));
}

TEST(CharacterWindow, ADrawingWithoutALayerTheFramesNameIsRefused)
{
    App();
    test::TCharactersDir dir("nolayer");
    dir.Add("Genie");
    // Such a character file is refused when read; the stage checks again, for a drawing that
    // changed after the file was read.
    dir.Write("Genie", "character Genie\nart Genie.svg\nsize 40 50\nframe rest body hat\nanimation RestPose 0 rest\n");
    EXPECT_THROW(TCharacterFile::Load(TCharacterFile::PathFor(dir.Path(), "Genie")), std::runtime_error);
    dir.Write("Genie", "character Genie\nart Genie.svg\nsize 40 50\nframe rest body eyes\nanimation RestPose 0 rest\n");
    const TCharacterFile genie = TCharacterFile::Load(TCharacterFile::PathFor(dir.Path(), "Genie"));
    std::ofstream(dir.Folder("Genie") / "Genie.svg")
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 40 50\"><g id=\"body\"/></svg>";
    TCharacterWindow stage(nullptr, nullptr);
    EXPECT_FALSE(stage.Load(genie));
    stage.Show(); // nothing loaded: nothing shows
    EXPECT_FALSE(stage.Visible());
    std::ofstream(dir.Folder("Genie") / "Genie.svg") << "<svg this is not";
    EXPECT_FALSE(stage.Load(genie));
}

} // namespace
} // namespace sv
