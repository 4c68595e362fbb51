#pragma once
// The layer order of src/: which folders each folder may include from. A folder includes only
// from itself and from the folders of its row; nothing includes app/. Within a folder, the
// widget half lives in its gui/ subfolder: a core file (outside gui/ and the window-only
// folders) never includes a gui/ file nor a window-only folder. tools/ may include from every
// folder but the window-only ones and the gui/ subfolders; tests/ from every folder.

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace sv::test {

using TLayerTable = std::map<std::string, std::set<std::string>>;

// The table for src/. A new folder gets its row here before its first source is added.
const TLayerTable& LayerTable();

// Folders whose code needs widgets; the command-line tools must not include them.
const std::set<std::string>& WindowOnlyFolders();

struct TIncludeFault {
    std::string File; // relative to the root given
    int Line = 0;
    std::string Include; // the included path as written
    std::string Reason;
};

// Reads every .h and .cpp below root/src and root/tools and returns the includes that go
// against the table: an include from a folder the row does not allow, an include of app/ from
// anywhere but app/, a widget file (gui/ or a window-only folder) included by a core file or
// a tool, a source in src/ in a folder without a row, and an include in src/ written without
// its folder.
std::vector<TIncludeFault> CheckIncludes(const std::filesystem::path& root, const TLayerTable& table);

// The files that may show message boxes themselves: the message service of the program.
const std::set<std::string>& MessageBoxFiles();

// Reads every .h and .cpp below root/src and root/tools and returns what goes around the one
// error boundary (shell/ErrorBoundary.h): a message box or error dialog of Qt used outside
// MessageBoxFiles(), and an exception's what() handed to a message service call instead of
// to ReportError(). Include holds the offending text; Line its first line.
std::vector<TIncludeFault> CheckErrorReports(const std::filesystem::path& root);

} // namespace sv::test
