#include "voice/gui/QtVoice.h"

#include <QCoreApplication>
#include <QTextToSpeech>

#include <gtest/gtest.h>

namespace sv {
namespace {

QCoreApplication& App()
{
    static int argc = 1;
    static char name[] = "test_qt_voice";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    return *app;
}

// Activating only checks that flite is installed: the engine itself (memory and time the
// program should not spend at start-up) is created when first needed.
TEST(FliteSpeechEngine, TheEngineIsCreatedOnFirstUseNotWhenActivated)
{
    App();
    TFliteSpeechEngine engine;
    if (!engine.Activate())
        GTEST_SKIP() << "no flite engine";
    EXPECT_TRUE(engine.findChildren<QTextToSpeech*>().isEmpty());
    EXPECT_GT(engine.Voices().size(), 1);
    EXPECT_EQ(engine.findChildren<QTextToSpeech*>().size(), 1);
    engine.Voices();
    EXPECT_EQ(engine.findChildren<QTextToSpeech*>().size(), 1);
}

// Voices are applied by name each time the engine is made active again (SetVoice at every
// user selection): "Default" and an unknown name give the engine's own voice back, not the
// voice of the person chosen before.
TEST(FliteSpeechEngine, DefaultAndUnknownModeNamesRestoreTheEnginesOwnVoice)
{
    App();
    TFliteSpeechEngine engine;
    if (!engine.Activate())
        GTEST_SKIP() << "no flite engine";
    const QString own = engine.CurrentVoice();
    QString other;
    for (const QString& v : engine.Voices())
        if (v != QStringLiteral("Default") && v != own)
            other = v;
    if (other.isEmpty())
        GTEST_SKIP() << "only one flite voice installed";

    const struct {
        QString mode;
        QString voice;
    } cases[] = {
        {other, other},
        {QStringLiteral("Default"), own},
        {other, other},
        {QStringLiteral("NoSuchVoice"), own},
    };
    for (const auto& c : cases) {
        engine.Deactivate();
        engine.SetModeName(c.mode);
        ASSERT_TRUE(engine.Activate());
        EXPECT_EQ(engine.CurrentVoice().toStdString(), c.voice.toStdString()) << c.mode.toStdString();
    }
}

} // namespace
} // namespace sv
