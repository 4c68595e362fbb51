#pragma once
// The portions the program can open, and where each keeps its files.
//
// A portion is a folder holding its content files ("wf.wl", "wf.bk", "wf.qs", "wf.qid",
// "footnotes.txt") and its "portion.ini". The shipped portion is the program folder itself;
// the others are the subfolders of the portion folders (PortionSearchDirs). A portion is known
// by its id, the name of its folder. Each portion keeps its own person files: the shipped one
// in the Users folder, any other in Users/<id>/, with the same files in the same layouts, so
// that a person's knowledge is never read against another portion's questions.

#include "portion/PortionInfo.h"
#include "program/ProgramPaths.h"

#include <string>
#include <vector>

namespace sv {

struct TPortionInfo {
    std::string Id;  // the folder's name; empty for the shipped portion
    std::string Dir; // the content folder; ends in "/"
    TPortionText Text;
    int Questions = 0;
    bool Shipped() const { return Id.empty(); }
};

// A folder that looks like a portion but cannot be opened, and why.
struct TPortionProblem {
    std::string Dir;
    std::string Why;
};

struct TPortionList {
    std::vector<TPortionInfo> Portions; // the shipped portion first
    std::vector<TPortionProblem> Problems;
};

// The folders other portions are found in, in this order: the program folder's "Portions/"
// (an installed program's "share/scrivolt/portions/") and the person's own
// "<data home>/portions/". Each ends in "/".
std::vector<std::string> PortionSearchDirs(const TProgramPaths& paths, const TPerUserFolders& perUser);

// The portion in dir (ends in "/"), from its description alone (the questions not counted).
// The shipped portion (shipped: true) may lack its portion.ini. Throws EFileError or
// EPortionError when the description cannot be read.
TPortionInfo PortionAt(const std::string& dir, bool shipped);

// Reads the portion in dir (ends in "/"): its description and the number of its questions.
// The shipped portion (shipped: true) may lack its portion.ini. Throws EFileError or
// EPortionError when the folder cannot be opened as a portion.
TPortionInfo ReadPortion(const std::string& dir, bool shipped);

// The shipped portion in programDir, then every subfolder of searchDirs that holds "wf.wl" or
// "portion.ini". A folder that cannot be opened, or whose id an earlier folder already has, is
// listed among the problems instead; a search folder that does not exist is passed over.
TPortionList FindPortions(const std::string& programDir, const std::vector<std::string>& searchDirs);

// Points paths at the portion: its content folder and its person folder.
void UsePortion(TProgramPaths& paths, const TPortionInfo& portion);

// The person folder of a portion: usersDir itself for the shipped portion, else usersDir + id + "/".
std::string PersonDirOf(const std::string& usersDir, const TPortionInfo& portion);

} // namespace sv
