#pragma once
// The question editor's work on a portion's questions: what the coach may change, the findings
// of a question while it is typed, and the save that writes the coach's file and hands back
// the rebuild of the content files to run in the background.
//
// The questions are the shipped sources with the coach's own file in place (compiler/
// CoachQuestions.h). A question of the content files is found by its key ("id 17"); generated
// questions (memory verses, finishes) and questions without an id are not edited here. A
// coach's own question can be deleted; a shipped one can be changed (the coach's version
// stands in its place) but not deleted.

#include "compiler/CoachQuestions.h"
#include "compiler/QuestionEditCheck.h"

#include "content/QuestionKeys.h"
#include "content/VerseRef.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sv::content {

// A question as the editor's fields hold it. Texts are Windows-1252; references are written
// as in the question file ("Gal 1:4").
struct TQuestionFields {
    int Id = 0; // 0 for a question not saved yet
    int Collection = 1;
    std::vector<int> Also; // the collections holding a copy
    int Type = 3;
    std::string Prefix, Question;
    struct TPart {
        std::string Ref, Text;
    };
    std::vector<TPart> Parts;
    // What the file keeps that the editor does not show (allow, reviewed verses and words).
    std::vector<std::string> Allow;
    std::vector<TVerseRef> Reviewed;
    std::vector<std::string> WordingReviewed;
};

// The authored types the editor offers, in the order of the question file's type names.
const std::vector<int>& EditableTypes();

// The rebuild a save hands back: compiles the sources and writes the content files. It holds
// copies of what it needs, so it may run on another thread.
using TRebuildJob = std::function<TRebuildResult()>;

class TQuestionEditing {
public:
    // Reads the shipped sources from sourcesDir and the coach's file from coachDir; a rebuild
    // writes into buildDir. Throws ESourceError when the sources cannot be read.
    TQuestionEditing(const std::string& sourcesDir, std::string coachDir, std::string buildDir,
                     TScriptureSource scripture);

    const TPortion& Portion() const { return m_portion; }
    const TCoachQuestions& Coach() const { return m_coach; }

    // The id of the authored question a key stands for ("id 17" -> 17), 0 for any other key.
    static int IdOfKey(const std::string& key);
    // The question with this id as it compiles now, as fields; nothing when there is none.
    std::optional<TQuestionFields> FieldsOf(int id) const;
    // A new question on a verse: its answer's first part cites the verse.
    TQuestionFields NewQuestionOn(const TVerseRef& ref) const;
    // Whether Delete applies to the question with this id (the coach's own question).
    bool CanDelete(int id) const;

    // The question the fields describe, and the errors that keep them from being one (a
    // reference that is not in the portion, a collection out of range).
    std::pair<TAuthoredQuestion, std::vector<TEditFinding>> Compose(const TQuestionFields& fields) const;
    // Every finding for the fields, errors first: what Compose refuses and what the content
    // check says of the question compiled with the rest of the portion.
    std::vector<TEditFinding> Check(const TQuestionFields& fields) const;
    // The same as a job that may run on another thread (it keeps what it needs, even when the
    // questions change meanwhile).
    std::function<std::vector<TEditFinding>()> CheckJob(const TQuestionFields& fields) const;

    // Adds the question (a new id) or puts it in place of the question with its id, writes the
    // coach's file and returns the id. Throws ESourceError when the fields have errors,
    // EFileError when the file cannot be written.
    int Save(const TQuestionFields& fields);
    // Deletes the coach's question and writes the file; false when it is not the coach's.
    bool Delete(int id);
    // Takes another coach's question file (TCoachQuestions::Import) and writes the file when
    // it was taken; the errors when it was refused.
    std::vector<std::string> Import(const std::string& path);
    // Writes the coach's own questions as a question file. Throws EFileError.
    void Export(const std::string& path) const;

    // The rebuild of the content files from the questions as they are now.
    TRebuildJob Rebuild() const;

private:
    void Changed();

    TCoachQuestions m_coach;
    TPortion m_portion;
    std::string m_buildDir;
    TScriptureSource m_scripture;
    std::shared_ptr<const TQuestionEditCheck> m_check;
};

} // namespace sv::content
