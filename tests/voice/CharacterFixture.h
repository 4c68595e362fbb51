#pragma once
// A characters folder for tests: small valid characters (a drawing with two layers and the
// animations RestPose, Show, Hide, Wave) written into a temporary folder, and a stage that
// records what the assistant asks of it.

#include "voice/CharacterFile.h"
#include "voice/CharacterStage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace sv::test {

class TCharactersDir {
public:
    // A folder of its own (the tag only helps to recognise it), so that two runs at once
    // never share one.
    explicit TCharactersDir(const std::string& tag)
        : m_temp(QDir::tempPath() + QStringLiteral("/sv_chars_") + QString::fromStdString(tag)
                 + QStringLiteral("_XXXXXX")),
          m_dir(m_temp.path().toStdString())
    {
        EXPECT_TRUE(m_temp.isValid());
    }
    TCharactersDir(const TCharactersDir&) = delete;
    TCharactersDir& operator=(const TCharactersDir&) = delete;

    // "…/" for TAssistant.
    std::string Path() const { return m_dir.string() + "/"; }

    void Add(const std::string& name) const
    {
        Write(name, "character " + name + "\nart " + name
                        + ".svg\nsize 40 50\n"
                          "frame rest body eyes\nframe up body\n"
                          "animation RestPose 0 rest\nanimation Show 50 up rest\n"
                          "animation Hide 50 up\nanimation Wave 50 up rest up rest\n");
        std::ofstream(m_dir / name / (name + ".svg"))
            << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 40 50\">"
               "<g id=\"body\"><rect x=\"5\" y=\"10\" width=\"30\" height=\"38\" fill=\"#3080c0\"/></g>"
               "<g id=\"eyes\"><circle cx=\"20\" cy=\"20\" r=\"4\" fill=\"#ffffff\"/></g></svg>";
    }
    // Writes the character file as given (the drawing, if any, stays as it is).
    void Write(const std::string& name, const std::string& text) const
    {
        std::filesystem::create_directories(m_dir / name);
        std::ofstream(m_dir / name / (name + ".character"), std::ios::binary) << text;
    }
    std::filesystem::path Folder(const std::string& name) const { return m_dir / name; }

private:
    QTemporaryDir m_temp;
    std::filesystem::path m_dir;
};

// Records every call as a line: "load Peedy", "move 360,60", "show", "play Wave", "pause 500",
// "speak <spoken>|<balloon>", "hide", "wait", "unload".
class TRecordingStage : public ICharacterStage {
public:
    std::vector<std::string> Calls;
    bool CanLoad = true;
    bool IsVisible = false;
    int W = 340;
    int H = 150;

    bool Load(const TCharacterFile& c) override
    {
        Calls.push_back("load " + c.Name());
        Pending = nullptr;
        return CanLoad;
    }
    void Unload() override
    {
        Calls.push_back("unload");
        Pending = nullptr;
        IsVisible = false;
    }
    int Width() const override { return W; }
    int Height() const override { return H; }
    bool Visible() const override { return IsVisible; }
    void MoveTo(int x, int y) override { Calls.push_back("move " + std::to_string(x) + "," + std::to_string(y)); }
    void Show() override
    {
        Calls.push_back("show");
        Pending = nullptr;
        IsVisible = true;
    }
    void Hide() override { Calls.push_back("hide"); }
    void Play(const std::string& a) override { Calls.push_back("play " + a); }
    void Pause(int ms) override { Calls.push_back("pause " + std::to_string(ms)); }
    void Speak(const std::string& spoken, const std::string& balloon) override
    {
        Calls.push_back("speak " + spoken + "|" + balloon);
    }
    // With HoldHide the Hide animation does not end by itself: the WhenHidden call waits in
    // Pending until EndHide.
    bool HoldHide = false;
    std::function<void()> Pending;
    void WhenHidden(std::function<void()> gone) override
    {
        Calls.push_back("wait");
        Pending = nullptr;
        if (HoldHide && IsVisible) {
            Pending = std::move(gone);
            return;
        }
        IsVisible = false;
        if (gone)
            gone();
    }
    // The held Hide animation ends (nothing when a later call dropped it).
    void EndHide()
    {
        if (!Pending)
            return;
        IsVisible = false;
        std::exchange(Pending, nullptr)();
    }
};

} // namespace sv::test
