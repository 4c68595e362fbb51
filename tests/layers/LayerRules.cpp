#include "layers/LayerRules.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>

namespace sv::test {

namespace {

const std::set<std::string> kCore = {"common", "content", "user", "lists", "program"};

std::set<std::string> With(std::set<std::string> base, const std::set<std::string>& more)
{
    base.insert(more.begin(), more.end());
    return base;
}

bool IsSource(const std::filesystem::path& p)
{
    const std::string ext = p.extension().string();
    return ext == ".h" || ext == ".cpp";
}

// The .h and .cpp files below root/src and root/tools, sorted.
std::vector<std::filesystem::path> Sources(const std::filesystem::path& root)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (const char* top : {"src", "tools"}) {
        const fs::path base = root / top;
        if (!fs::is_directory(base))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(base))
            if (entry.is_regular_file() && IsSource(entry.path()))
                files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Whether a path inside src/ (or an include written as folder/...) names a widget file: one in
// a gui/ subfolder or in a window-only folder.
bool IsWidgetPath(const std::filesystem::path& path)
{
    if (path.empty())
        return false;
    if (WindowOnlyFolders().count(path.begin()->string()))
        return true;
    return std::any_of(path.begin(), path.end(), [](const std::filesystem::path& part) { return part == "gui"; });
}

int LineOf(const std::string& text, std::size_t offset)
{
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

} // namespace

const TLayerTable& LayerTable()
{
    static const TLayerTable table = [] {
        TLayerTable t;
        // The core, lowest first.
        t["common"] = {};
        t["content"] = {"common"};
        t["user"] = {"common", "content"};
        t["lists"] = {"common", "content", "user"};
        t["program"] = {"common", "content", "user"};
        // The portions the program can open and where each keeps its files; the choice of
        // portion in gui/.
        t["portion"] = With(kCore, {"voice", "widgets", "shell"});
        // The content compiler: reads the sources and writes the content files (and the
        // portion's description beside them).
        t["compiler"] = {"common", "content", "program", "user", "portion"};
        // The widgets, the voice (sounds, speech, the assistant and their windows) and the
        // shell every window folder builds on.
        t["widgets"] = {"common", "content"};
        t["voice"] = With(kCore, {"widgets"});
        t["shell"] = With(kCore, {"voice", "widgets"});
        // The subsystems. The material choice (material/) sits below everything that lets a
        // person choose material; printing and progress use it without the study session.
        const std::set<std::string> windows = With(kCore, {"voice", "widgets", "shell"});
        t["material"] = windows;
        t["wordstudy"] = windows;
        t["study"] = With(windows, {"wordstudy", "material"});
        t["update"] = windows;
        t["editor"] = With(windows, {"wordstudy", "print", "compiler"});
        t["print"] = With(windows, {"wordstudy", "material"});
        t["game"] = With(windows, {"wordstudy", "material", "study"});
        t["progress"] = With(windows, {"wordstudy", "material"});
        t["goals"] = With(windows, {"wordstudy", "material", "study", "progress"});
        t["team"] = With(windows, {"wordstudy", "material", "print", "progress", "study", "goals"});
        // The main window uses everything.
        std::set<std::string> all;
        for (const auto& [folder, allowed] : t)
            all.insert(folder);
        t["app"] = all;
        return t;
    }();
    return table;
}

const std::set<std::string>& WindowOnlyFolders()
{
    static const std::set<std::string> folders = {"widgets", "shell", "app"};
    return folders;
}

std::vector<TIncludeFault> CheckIncludes(const std::filesystem::path& root, const TLayerTable& table)
{
    namespace fs = std::filesystem;
    static const std::regex includeLine(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::vector<TIncludeFault> faults;

    for (const char* top : {"src", "tools"}) {
        const fs::path base = root / top;
        if (!fs::is_directory(base))
            continue;
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(base))
            if (entry.is_regular_file() && IsSource(entry.path()))
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());

        for (const fs::path& file : files) {
            const fs::path rel = fs::relative(file, root);
            const bool inSrc = std::string(top) == "src";
            const std::string folder = std::next(rel.begin())->string();
            // A core file: neither in a gui/ subfolder nor in a window-only folder.
            const bool core = !IsWidgetPath(fs::relative(file, base));
            const auto row = table.find(folder);
            if (inSrc && row == table.end()) {
                faults.push_back(
                    {rel.generic_string(), 0, {}, "folder src/" + folder + " has no row in the layer table"});
                continue;
            }
            std::ifstream in(file);
            std::string line;
            int number = 0;
            while (std::getline(in, line)) {
                ++number;
                std::smatch m;
                if (!std::regex_search(line, m, includeLine))
                    continue;
                const std::string inc = m[1].str();
                const auto slash = inc.find('/');
                const std::string target = slash == std::string::npos ? std::string() : inc.substr(0, slash);
                auto fault = [&](std::string reason) {
                    faults.push_back({rel.generic_string(), number, inc, std::move(reason)});
                };
                if (!inSrc) {
                    if (WindowOnlyFolders().count(target))
                        fault("a command-line tool includes the window folder " + target + "/");
                    else if (IsWidgetPath(inc))
                        fault("a command-line tool includes a widget file (gui/)");
                    continue;
                }
                if (target.empty() || !table.count(target)) {
                    fault("includes in src/ name their folder (folder/File.h)");
                    continue;
                }
                if (core && IsWidgetPath(inc)) {
                    fault("a core file includes a widget file (gui/ or a window-only folder)");
                    continue;
                }
                if (target == folder)
                    continue;
                if (target == "app")
                    fault("nothing but app/ includes app/");
                else if (!row->second.count(target))
                    fault(folder + "/ may not include " + target + "/ (it is not below it)");
            }
        }
    }
    return faults;
}

const std::set<std::string>& MessageBoxFiles()
{
    static const std::set<std::string> files = {"src/app/QtServices.h", "src/app/QtServices.cpp"};
    return files;
}

std::vector<TIncludeFault> CheckErrorReports(const std::filesystem::path& root)
{
    namespace fs = std::filesystem;
    // Qt's own boxes, by class or header name.
    static const std::regex messageBox(R"re(\b(QMessageBox|QErrorMessage)\b)re");
    // A call of the message service (not ReportError) whose arguments, up to the end of the
    // statement, use an exception's text.
    static const std::regex shownWhat(R"re(\b(Error|Warning|Information|Message)\s*\([^;]*\bwhat\s*\(\s*\))re");
    std::vector<TIncludeFault> faults;
    for (const fs::path& file : Sources(root)) {
        const std::string rel = fs::relative(file, root).generic_string();
        std::ifstream in(file);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!MessageBoxFiles().count(rel))
            for (auto it = std::sregex_iterator(text.begin(), text.end(), messageBox); it != std::sregex_iterator();
                 ++it)
                faults.push_back({rel, LineOf(text, static_cast<std::size_t>(it->position())), it->str(),
                                  "only the message service (app/QtServices) shows message boxes"});
        if (rel != "src/shell/ErrorBoundary.cpp")
            for (auto it = std::sregex_iterator(text.begin(), text.end(), shownWhat); it != std::sregex_iterator();
                 ++it)
                faults.push_back({rel, LineOf(text, static_cast<std::size_t>(it->position())), it->str(),
                                  "errors are shown through ReportError() or Guarded() (shell/ErrorBoundary.h)"});
    }
    return faults;
}

} // namespace sv::test
