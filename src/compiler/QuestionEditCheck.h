#pragma once
// What the content check says of one question while a coach writes it: the question is
// compiled with the rest of the portion (in place of the question with its id, or added when
// it is new), and the findings that concern it are kept.
//
// Errors forbid saving: a question or answer the compiler refuses (no question text, no answer
// part, a part without text), and a bonus whose parts do not match its points. Warnings allow
// it: answer words not in the cited verses, another verse answering the question (ambiguity),
// a question word that does not fit its answer, and the other wording hits.

#include "compiler/Compiler.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace sv::content {

enum class EFindingLevel { Warning, Error };

struct TEditFinding {
    EFindingLevel Level = EFindingLevel::Warning;
    std::string Message; // UTF-8
};

// True when no finding is an error.
bool CanSave(const std::vector<TEditFinding>& findings);

class TQuestionEditCheck {
public:
    // sources: the portion as read from its folder; scripture is asked once per book.
    TQuestionEditCheck(TSourceSet sources, TScriptureSource scripture);

    // The findings for q, errors first. Checks may run on several threads at once.
    std::vector<TEditFinding> Check(const TAuthoredQuestion& q) const;

private:
    TSourceSet m_sources;
    TScriptureSource m_scripture;
    mutable std::map<std::string, std::string> m_text; // the scripture source's answers
    mutable std::mutex m_textLock;
};

} // namespace sv::content
