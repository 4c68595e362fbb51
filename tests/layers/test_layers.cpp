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
                                               "#include \"study/AskerLogic.h\"\n");

    const auto faults = CheckIncludes(root, LayerTable());
    struct TExpected {
        const char* File;
        int Line;
        const char* Include;
    };
    const TExpected expected[] = {
        {"src/content/Up.cpp", 3, "user/User.h"},
        {"src/lists/Bare.h", 1, "QsList.h"},
        {"src/stray/Thing.h", 0, ""},
        {"src/study/Top.cpp", 1, "app/MainForm.h"},
        {"tools/sv-content/Tool.cpp", 2, "shell/Services.h"},
    };
    ASSERT_EQ(faults.size(), std::size(expected)) << Describe(faults);
    for (std::size_t i = 0; i < faults.size(); ++i) {
        EXPECT_EQ(faults[i].File, expected[i].File);
        EXPECT_EQ(faults[i].Line, expected[i].Line);
        EXPECT_EQ(faults[i].Include, expected[i].Include);
    }
}
