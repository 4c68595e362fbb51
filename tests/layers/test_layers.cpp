// The include order of src/ and tools/ follows the layer table, and the checker itself finds
// each kind of fault in a small tree written here.
#include "layers/LayerRules.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

using namespace sv::test;
namespace fs = std::filesystem;

namespace {

std::string Describe(const std::vector<TIncludeFault>& faults)
{
    std::string text;
    for (const TIncludeFault& f : faults)
        text += f.File + ":" + std::to_string(f.Line) + ": \"" + f.Include + "\": " + f.Reason + "\n";
    return text;
}

void Write(const fs::path& file, const std::string& text)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

} // namespace

TEST(Layers, TheSourcesFollowTheLayerOrder)
{
    const auto faults = CheckIncludes(SV_SOURCE_DIR, LayerTable());
    EXPECT_TRUE(faults.empty()) << Describe(faults);
}

TEST(Layers, TheTableHasNoCycle)
{
    // Depth-first through the rows: a folder may not reach itself through the folders it uses.
    const TLayerTable& table = LayerTable();
    for (const auto& [start, allowed] : table) {
        std::vector<std::string> stack(allowed.begin(), allowed.end());
        std::set<std::string> seen;
        while (!stack.empty()) {
            const std::string f = stack.back();
            stack.pop_back();
            ASSERT_NE(f, start) << start << "/ reaches itself through the layer table";
            ASSERT_TRUE(table.count(f)) << start << "/ may use " << f << "/, which has no row";
            if (seen.insert(f).second)
                stack.insert(stack.end(), table.at(f).begin(), table.at(f).end());
        }
    }
    for (const auto& [folder, allowed] : table)
        EXPECT_FALSE(folder != "app" && allowed.count("app")) << folder << "/ may use app/";
}

TEST(Layers, TheCheckerFindsEveryKindOfFault)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path root = dir.path().toStdString();
    Write(root / "src/content/Good.h", "#include \"common/LeStream.h\"\n#include <vector>\n");
    Write(root / "src/content/Up.cpp", "#include \"content/Good.h\"\n\n  #  include \"user/User.h\"\n");
    Write(root / "src/study/Top.cpp", "#include \"app/MainForm.h\"\n");
    Write(root / "src/lists/Bare.h", "#include \"QsList.h\"\n");
    Write(root / "src/stray/Thing.h", "#include \"common/LeStream.h\"\n");
    Write(root / "tools/sv-content/Tool.cpp", "#include \"Local.h\"\n#include \"shell/Services.h\"\n"
                                              "#include \"study/AskerLogic.h\"\n#include \"print/gui/SetsDlg.h\"\n");
    // The widget half: a gui/ file may include its own folder's core, gui/ files below it and
    // the window-only folders; a core file none of them.
    Write(root / "src/print/gui/Window.cpp",
          "#include \"print/SetBuilder.h\"\n#include \"material/gui/SelectionFrames.h\"\n"
          "#include \"widgets/SpinEdit.h\"\n");
    Write(root / "src/print/Core.cpp", "#include \"print/SetBuilder.h\"\n#include \"print/gui/SetsDlg.h\"\n");
    Write(root / "src/material/Tables.cpp", "#include \"widgets/SpinEdit.h\"\n#include \"study/AskerLogic.h\"\n");

    const auto faults = CheckIncludes(root, LayerTable());
    struct TExpected {
        const char* File;
        int Line;
        const char* Include;
    };
    const TExpected expected[] = {
        {"src/content/Up.cpp", 3, "user/User.h"},
        {"src/lists/Bare.h", 1, "QsList.h"},
        {"src/material/Tables.cpp", 1, "widgets/SpinEdit.h"},
        {"src/material/Tables.cpp", 2, "study/AskerLogic.h"},
        {"src/print/Core.cpp", 2, "print/gui/SetsDlg.h"},
        {"src/stray/Thing.h", 0, ""},
        {"src/study/Top.cpp", 1, "app/MainForm.h"},
        {"tools/sv-content/Tool.cpp", 2, "shell/Services.h"},
        {"tools/sv-content/Tool.cpp", 4, "print/gui/SetsDlg.h"},
    };
    ASSERT_EQ(faults.size(), std::size(expected)) << Describe(faults);
    for (std::size_t i = 0; i < faults.size(); ++i) {
        EXPECT_EQ(faults[i].File, expected[i].File);
        EXPECT_EQ(faults[i].Line, expected[i].Line);
        EXPECT_EQ(faults[i].Include, expected[i].Include);
    }
}

TEST(ErrorBoundary, OnlyTheMessageServiceShowsBoxesAndErrorsGoThroughTheBoundary)
{
    const auto faults = CheckErrorReports(SV_SOURCE_DIR);
    EXPECT_TRUE(faults.empty()) << Describe(faults);
}

TEST(ErrorBoundary, TheCheckerFindsBoxesAndErrorTextsShownAroundTheBoundary)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const fs::path root = dir.path().toStdString();
    // Allowed: the message service itself, the boundary, a report through it, a warning
    // without an exception's text, and a tool printing one.
    Write(root / "src/app/QtServices.cpp",
          "#include <QMessageBox>\nvoid Box() { QMessageBox::warning(nullptr, {}, {}); }\n");
    Write(root / "src/shell/ErrorBoundary.cpp", "void R(const std::exception& e) { m->Error(Q(e.what())); }\n");
    Write(root / "src/print/Fine.cpp",
          "void F() {\n  try { G(); } catch (const std::exception& e) { ReportError(e, m); }\n"
          "  m->Warning(S(\"Please select some material.\"));\n}\n");
    Write(root / "tools/sv-x/Main.cpp",
          "int main() { try {} catch (const std::exception& e) { std::puts(e.what()); } }\n");
    // Faults.
    Write(root / "src/study/Box.cpp", "#include <QMessageBox>\n\nvoid B() { QMessageBox::critical(w, t, x); }\n");
    Write(root / "src/goals/Dialog.h", "class QErrorMessage;\n");
    Write(root / "src/game/Own.cpp",
          "void O() {\n  try { G(); } catch (const std::exception& e) {\n    m_messages->Error(\n"
          "        QString::fromStdString(e.what()));\n  }\n}\n");
    Write(root / "src/update/Warn.cpp", "void W(const std::exception& e) { messages.Warning(Q(e.what ())); }\n");

    const auto faults = CheckErrorReports(root);
    struct TExpected {
        const char* File;
        int Line;
        const char* Text;
    };
    const TExpected expected[] = {
        {"src/game/Own.cpp", 3, "Error(\n        QString::fromStdString(e.what()"},
        {"src/goals/Dialog.h", 1, "QErrorMessage"},
        {"src/study/Box.cpp", 1, "QMessageBox"},
        {"src/study/Box.cpp", 3, "QMessageBox"},
        {"src/update/Warn.cpp", 1, "Warning(Q(e.what ()"},
    };
    ASSERT_EQ(faults.size(), std::size(expected)) << Describe(faults);
    for (std::size_t i = 0; i < faults.size(); ++i) {
        EXPECT_EQ(faults[i].File, expected[i].File);
        EXPECT_EQ(faults[i].Line, expected[i].Line);
        EXPECT_EQ(faults[i].Include, expected[i].Text);
    }
}
