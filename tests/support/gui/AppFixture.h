#pragma once
// The program's windows under test: a temporary program folder with small content files, a
// scripted message service and fake speech, sound, shell and clock. The windows run
// offscreen; timers are fired by the tests, never waited out.

#include "app/MainForm.h"
#include "shell/Services.h"
#include "support/gui/ScriptedMessages.h"
#include "voice/VoiceFakes.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sv::test {

class TFakeShell : public IShell {
public:
    std::vector<QString> Opened;
    bool Opens = true; // false: no program on this computer opens a document
    bool OpenDocument(const QString& path) override
    {
        Opened.push_back(path);
        return Opens;
    }
    void OpenUrl(const QString& url) override { Opened.push_back(url); }
    void OpenTextFile(const QString& path) override { Opened.push_back(path); }
};

class TFakeClock : public IClock {
public:
    QDateTime Time = QDateTime(QDate(2024, 3, 1), QTime(10, 0));
    QDateTime Now() const override { return Time; }
};

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates and shows the main window (content, objects) without running its start-up timer;
    // returns once the engines started after the first paint.
    void CreateMain();
    // The same, the window neither shown nor painted (engines not started).
    void CreateMainUnshown();
    // Runs the start-up sequence up to the user selection window.
    void StartUp();
    // Types a name into the open user selection window and presses OK.
    void ChooseUser(const QString& name);
    // A memory-verse session over every chapter, untimed: one verse graded right, the session
    // closed (its quit question answered).
    void StudyOneMemoryVerse();

    template <class T>
    T* Child() const
    {
        for (QMdiSubWindow* w : main->MdiArea()->subWindowList())
            if (auto* t = qobject_cast<T*>(w->widget()); t && !w->isHidden())
                return t;
        return nullptr;
    }
    int ChildCount() const;
    // Lets closed windows be deleted.
    static void Settle();

    std::string Dir() const { return m_dir.string() + "/"; }
    std::string UsersDir() const { return Dir() + "Users/"; }
    void WriteFile(const std::string& name, const std::string& text) const;

    TScriptedMessages messages;
    TFakeShell shell;
    TFakeClock clock;
    TFakeSpeech speech;
    TFakeSound sound;
    TFixedRandom random;
    IRandom* randomSource = &random; // what the main window draws from
    // Where the main window finds and writes its files; unset: everything in the program
    // folder Dir().
    std::optional<TProgramPaths> paths;
    std::unique_ptr<TMainForm> main;
    std::filesystem::path m_dir;
    std::filesystem::path m_oldCwd;
};

// The bytes of a file (empty when it cannot be read), and the bytes the user file of a record
// would hold: a test compares what was written with what should have been.
std::vector<char> FileBytes(const std::string& path);
std::vector<char> MemoryBytes(const TUser& user);

} // namespace sv::test
