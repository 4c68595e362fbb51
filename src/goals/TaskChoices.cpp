#include "goals/TaskChoices.h"

#include "common/Errors.h"

namespace sv {

namespace {

TNumberChoice NumberOf(const TTaskDef& t) { return {t.AllAvailable, !t.AllAvailable, t.NumberOfQuestions}; }

void StoreNumber(TTaskDef& t, const TNumberChoice& c)
{
    t.AllAvailable = c.AllAvailable;
    t.NumberOfQuestions = c.MaxQuestions;
}

TModeChoice ModesOf(const TTaskDef& t) { return {t.Mixed, t.Timed, t.Prejump, t.PrejumpSpoken}; }

void StoreModes(TTaskDef& t, const TModeChoice& c)
{
    t.Mixed = c.Mixed;
    t.Timed = c.Timed;
    t.Prejump = c.Prejump;
    t.PrejumpSpoken = c.PrejumpSpoken;
}

} // namespace

TMaterialChoice MaterialOfTask(const TTaskDef& task)
{
    TMaterialChoice m;
    if (task.ByVerses)
        m.Kind = TSelectionKind::ByVerse;
    else if (task.BySections)
        m.Kind = TSelectionKind::BySection;
    else if (task.ByMemoryVerses)
        m.Kind = TSelectionKind::ByMemory;
    else
        m.Kind = TSelectionKind::ByChapter;
    m.Items.resize(TTaskDef::MaterialItems);
    for (int i = 0; i < TTaskDef::MaterialItems; ++i)
        m.Items[static_cast<std::size_t>(i)] = task.ItemChosen(i);
    return m;
}

void StoreMaterial(TTaskDef& task, const TMaterialChoice& material)
{
    if (material.Items.size() > static_cast<std::size_t>(TTaskDef::MaterialItems))
        ThrowIndex("task material item", static_cast<long long>(material.Items.size()) - 1, 0,
                   TTaskDef::MaterialItems - 1);
    task.ByChapters = material.Kind == TSelectionKind::ByChapter;
    task.ByVerses = material.Kind == TSelectionKind::ByVerse;
    task.BySections = material.Kind == TSelectionKind::BySection;
    task.ByMemoryVerses = material.Kind == TSelectionKind::ByMemory;
    task.Material.fill(0);
    for (std::size_t i = 0; i < material.Items.size(); ++i)
        task.SetItemChosen(static_cast<int>(i), material.Items[i]);
}

TQuestionChoices QuestionChoicesOfTask(const TTaskDef& task)
{
    TQuestionChoices c;
    c.Number = NumberOf(task);
    c.Modes = ModesOf(task);
    c.KeywordTargeting = task.KeywordFlag;
    c.KeywordTargetWords = task.KeywordWords;
    c.MarkUniques = task.MarkUniques;
    return c;
}

void StoreQuestionChoices(TTaskDef& task, const TQuestionChoices& c)
{
    StoreNumber(task, c.Number);
    StoreModes(task, c.Modes);
    task.KeywordFlag = c.KeywordTargeting;
    task.KeywordWords = c.KeywordTargetWords;
    task.MarkUniques = c.MarkUniques;
}

TMemoryChoices MemoryChoicesOfTask(const TTaskDef& task)
{
    TMemoryChoices c;
    c.Number = NumberOf(task);
    c.Modes = ModesOf(task);
    c.KeywordsOnly = task.KeywordFlag;
    c.VerseTypes = task.VerseTypes;
    return c;
}

void StoreMemoryChoices(TTaskDef& task, const TMemoryChoices& c)
{
    StoreNumber(task, c.Number);
    StoreModes(task, c.Modes);
    task.KeywordFlag = c.KeywordsOnly;
    task.VerseTypes = c.VerseTypes;
}

TReferenceChoices ReferenceChoicesOfTask(const TTaskDef& task) { return {NumberOf(task), ModesOf(task)}; }

void StoreReferenceChoices(TTaskDef& task, const TReferenceChoices& c)
{
    StoreNumber(task, c.Number);
    StoreModes(task, c.Modes);
}

} // namespace sv
