#pragma once
// The three working lists as the study session sees them (ISessionItems): each adapter
// composes through its list with the settings and keyword colour table of the session.

#include "content/MarkedText.h"
#include "study/AskerLogic.h"
#include "study/SessionPorts.h"
#include "user/KnowledgeUndo.h"

namespace sv {

class TAccToList;
class TBooks;
class TMVList;
class TQsList;
class TQuestions;

class TQsListItems : public ISessionItems {
public:
    TQsListItems(TQsList& list, const TQuestions& questions, const TKeywordTags& tags,
                 const TSessionSettings& settings);
    int TotalCount() const override;
    void LoadNext(bool mixed, TMarkedText& question, TMarkedText& answer) override;
    void MarkRight() override;
    void MarkWrong() override;
    bool UndoMark() override;
    std::string QuestionCaption() const override;
    std::string Prefix() const override;
    TStudyPassage Passage() const override;

private:
    TQsList& m_list;
    TKnowledgeUndo m_undo;
    const TQuestions& m_questions;
    TKeywordTags m_tags;
    TSessionSettings m_settings;
};

class TMVListItems : public ISessionItems {
public:
    TMVListItems(TMVList& list, const TKeywordTags& tags, bool keywordsOnly);
    int TotalCount() const override;
    void LoadNext(bool mixed, TMarkedText& question, TMarkedText& answer) override;
    void MarkRight() override;
    void MarkWrong() override;
    bool UndoMark() override;
    TStudyPassage Passage() const override;
    std::optional<TRecitationTask> RecitationTask(const TMarkedText& answer) const override;

private:
    TMVList& m_list;
    TKnowledgeUndo m_undo;
    TKeywordTags m_tags;
    bool m_keywordsOnly;
};

class TAccToListItems : public ISessionItems {
public:
    TAccToListItems(TAccToList& list, const TBooks& books, const TKeywordTags& tags);
    int TotalCount() const override;
    void LoadNext(bool mixed, TMarkedText& question, TMarkedText& answer) override;
    void MarkRight() override;
    void MarkWrong() override;
    bool UndoMark() override;
    TStudyPassage Passage() const override;
    int RelatedCount() const override;
    int RelatedPos() const override;
    std::string RelatedCountText() const override;
    void NextRelated(TMarkedText& question) override;
    void PrevRelated(TMarkedText& question) override;

private:
    TAccToList& m_list;
    TKnowledgeUndo m_undo;
    const TBooks& m_books;
    TKeywordTags m_tags;
};

// The caption of the question box for a question type: "General question" for types 0 and
// 2..7, else the type's name followed by " question".
std::string QuestionBoxCaption(int type);

} // namespace sv
