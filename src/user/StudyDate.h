#pragma once
// The date a person last studied. It is kept in a small file of its own beside the user file
// ("Users/<FileName>.studied", one line "yyyy-MM-dd"), so the user file keeps its layout. A
// person who studied before the date was kept has none.

#include <QDate>

#include <optional>
#include <string>

namespace sv {

class TUser;

// "Users/<FileName>.studied" for the user file of fileName in usersDir (ending in "/").
std::string StudyDatePath(const std::string& usersDir, const std::string& fileName);

// The date in the file at path; std::nullopt when there is no file or it holds no valid date.
std::optional<QDate> ReadStudyDate(const std::string& path);
// Writes the date through SaveAtomically; EFileError "Cannot create file " + path on failure.
void WriteStudyDate(const std::string& path, QDate date);

// Whether the study results (question, memory-verse and reference knowledge) of two records
// differ: a save that changes them is a day of study.
bool StudyResultsDiffer(const TUser& a, const TUser& b);

// Saves the user file at userPath and, when its study results differ from the file being
// replaced (or there was none and something was answered), records today as the study date.
void SaveUserAndStudyDate(const TUser& user, const std::string& userPath, const std::string& datePath, QDate today);

} // namespace sv
