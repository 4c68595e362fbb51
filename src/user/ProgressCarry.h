#pragma once
// Keeping a person's results on their questions when the questions change. The content files
// come with the table of question keys ("wf.qid", content/QuestionKeys.h); each person keeps
// beside the user file the table their results were written against ("Users/<FileName>.qid").
// When a person is loaded and the two differ, the knowledge bytes (of every copy of a
// question) and the set history move from the old places of the questions to their new ones:
// a question that is new starts untried and unused, one that is gone is dropped. Nothing else
// of the person changes: selections, options, memory-verse and reference results are indexed
// by verse, and the task list stores material, not questions.

#include "content/QuestionKeys.h"

#include <optional>
#include <string>

namespace sv {

class THistory;
class TUser;

struct TCarryCounts {
    int New = 0;     // questions no old key or alias matches (copies count once)
    int Removed = 0; // old questions no new question matches
    bool operator==(const TCarryCounts&) const = default;
};

// Moves the results of user (and of history, when given) from the places of `from` to the
// places of `to`. A question is found again by its key in the same collection, else by its key
// in another collection (it moved), else by its alias (it was given an id since).
TCarryCounts CarryProgress(const TQuestionKeys& from, const TQuestionKeys& to, TUser& user, THistory* history);

// The files of one person.
struct TPersonFiles {
    std::string UserFile;    // Users/<FileName>.219
    std::string HistoryFile; // the user file's path + "h"
    std::string KeysFile;    // Users/<FileName>.qid
};
// The files of fileName, whose user file is userFile.
TPersonFiles PersonFilesOf(const std::string& userFile, const std::string& usersDir, const std::string& fileName);

enum class TCarryOutcome {
    Matching,     // the person's table is the portion's: nothing to do
    TableWritten, // the person had no table: their results are taken as written against this one
    Carried,      // the results were moved and the person's files written again
};

struct TCarryReport {
    TCarryOutcome Outcome = TCarryOutcome::Matching;
    TCarryCounts Counts;
    // One line for the person ("3 questions new, 1 removed; your results were kept."); empty
    // unless the results were moved.
    std::string Message() const;
};

// After the person's user file was loaded into user: compares the person's table with the
// portion's and, when they differ, carries the results over, keeps each old file once as
// "<file>.before-<today>" (today as yyyy-mm-dd; an existing backup of that day is kept as it
// is) and writes the user file, the set history and the person's table again: all three are
// written whole as "<file>.carried" before any takes its old file's place, so a carry-over cut
// short (a crash, a full disk) is finished or undone by the next call, never done twice.
// A person's table that cannot be read throws ERangeError naming it before anything is
// written: the results stay as they are.
TCarryReport FollowQuestions(const TQuestionKeys& portion, const TPersonFiles& files, TUser& user,
                             const std::string& today);

// The table of the content files: missing, or ready, or refused with the reason.
struct TPortionKeys {
    std::optional<TQuestionKeys> Keys;
    // Why a table that is there cannot be used (damaged, or made for another question file).
    std::string Problem;
};
// Reads keysPath ("wf.qid") and checks that it was made for questionsPath ("wf.qs").
TPortionKeys LoadPortionKeys(const std::string& keysPath, const std::string& questionsPath);

} // namespace sv
