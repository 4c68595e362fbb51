#pragma once
// A coach's own questions: the question file questions/local.yaml in the coach's folder (the
// person-independent data folder, which a program update never touches), with the id the next
// new question gets kept beside it in questions/next-id. They are compiled together with the
// shipped sources: a coach's question whose id is a shipped question's id stands in its place
// (that is how a coach edits a shipped question).
//
// A coach's ids start at CoachIdBase, far above any id the shipped questions will reach, and
// are never handed out twice.

#include "compiler/Compiler.h"

#include <string>
#include <vector>

namespace sv::content {

inline constexpr int CoachIdBase = 500000000;

class TCoachQuestions {
public:
    // Reads the coach's file from coachDir when it exists (errors as ESourceError naming it).
    TCoachQuestions(TSourceSet shipped, std::string coachDir);

    const std::vector<TAuthoredQuestion>& Own() const { return m_own; }
    // The shipped sources with the coach's questions in place.
    TSourceSet Sources() const;
    // The question with this id as it compiles now (the coach's version first); null if none.
    const TAuthoredQuestion* Find(int id) const;

    // Adds q with a new id and returns the id.
    int Add(TAuthoredQuestion q);
    // Puts q (by its id) in place of the question with that id, shipped or own.
    void Replace(const TAuthoredQuestion& q);
    // Removes the coach's question with this id; false if it is not the coach's.
    bool Remove(int id);
    // Takes the questions of another coach's file: a question whose id is already here
    // replaces that question, one without an id gets a new one. A file with errors (what the
    // reader refuses, what the build refuses, bonus answers without their parts) is refused
    // whole; the errors are returned ("file:line: message") and nothing changes.
    std::vector<std::string> Import(const std::string& path, const TScriptureSource& scripture);

    // Writes questions/local.yaml and questions/next-id whole. Throws EFileError.
    void Save() const;

    std::string FilePath() const;
    std::string NextIdPath() const;

private:
    TSourceSet m_shipped;
    std::string m_dir;
    std::vector<TAuthoredQuestion> m_own;
    int m_nextId = CoachIdBase;
};

struct TRebuildResult {
    bool Built = false;
    std::string Problem; // why nothing was changed (UTF-8), empty when built
    std::vector<std::string> Warnings;
};

// Compiles the sources and, only when that succeeds, writes the content files into outDir
// (each file whole; a failed compile leaves the folder as it was).
TRebuildResult RebuildContent(const TSourceSet& sources, const TScriptureSource& scripture, const std::string& outDir);

} // namespace sv::content
