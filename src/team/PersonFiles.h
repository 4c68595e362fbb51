#pragma once
// A person's files, taken to another computer and brought from one: the user file
// "<FileName>.219" and, when the person has them, the set history "<FileName>.219h", the task
// list "<FileName>.tasks" and the study date "<FileName>.studied".
//
// ReadPersonFiles reads them (from beside a user file, or from a zip archive that
// ExportPersonToZip wrote) and checks every one fully before anything is copied: a file cut
// short, a foreign file, a damaged set history or task list is refused with the reason.
// ImportPerson then writes them into a Users folder and never overwrites a person silently:
// when the file name is taken the caller is asked to replace that person, keep both (the
// newcomer gets a new name) or cancel.

#include "user/User.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace sv {

// A person file that may not be brought in; what() is the reason, for the person.
class EImportRefused : public std::runtime_error {
public:
    explicit EImportRefused(const std::string& reason) : std::runtime_error(reason) { }
};

struct TPersonPackage {
    std::string FileName; // of the user file, without ".219"
    TUser User;
    std::optional<std::vector<std::uint8_t>> History;
    std::optional<std::vector<std::uint8_t>> Tasks;
    std::optional<std::vector<std::uint8_t>> StudyDate;
    // The question table the results were written against ("<name>.qid").
    std::optional<std::vector<std::uint8_t>> Keys;
};

// A user file path ("... .219": its companions are read from beside it) or a ".zip" archive.
// Throws EImportRefused with the reason, EFileError when a file cannot be read.
TPersonPackage ReadPersonFiles(const std::string& path);

enum class TNameClash { Replace, KeepBoth, Cancel };

struct TImportResult {
    bool Imported = false;
    std::string FileName; // the name the person has in the Users folder now
};

// Writes the package into usersDir (ending in "/"). When a person of that file name is there,
// ask(fullName of the person there) decides; Replace also removes that person's companions the
// package does not bring, KeepBoth names the newcomer "<full name> (copy)", "(copy b)", ...
TImportResult ImportPerson(const TPersonPackage& package, const std::string& usersDir,
                           const std::function<TNameClash(const std::string& present)>& ask);

// The person's files that exist in usersDir, as paths.
std::vector<std::string> PersonFilePaths(const std::string& usersDir, const std::string& fileName);
// Copies them into folder (ending in "/"), each written whole or not at all.
void ExportPersonToFolder(const std::string& usersDir, const std::string& fileName, const std::string& folder);
// Writes them as one zip archive at zipPath.
void ExportPersonToZip(const std::string& usersDir, const std::string& fileName, const std::string& zipPath);

} // namespace sv
