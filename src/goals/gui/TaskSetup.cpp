#include "goals/gui/TaskSetup.h"

#include "goals/TaskChoices.h"
#include "study/gui/StudyDialogs.h"

namespace sv {

namespace {

TStudyDlgStart* MakeSetupDialog(const TStudyContext& context, const TTaskDef& task)
{
    const TMaterialChoice material = MaterialOfTask(task);
    switch (task.Kind) {
    case TTaskKind::Questions: {
        auto* dlg = new TQsDlgStart(context);
        dlg->LoadFromTask(material, QuestionChoicesOfTask(task));
        return dlg;
    }
    case TTaskKind::Memory: {
        auto* dlg = new TMemDlgStart(context);
        // Typing the recitation is the person's way of study, not part of the task.
        TMemoryChoices choices = MemoryChoicesOfTask(task);
        choices.TypeVerse = dlg->Choices().TypeVerse;
        dlg->LoadFromTask(material, choices);
        return dlg;
    }
    case TTaskKind::AccordingTo: {
        auto* dlg = new TAccToDlgStart(context);
        dlg->LoadFromTask(material, ReferenceChoicesOfTask(task));
        return dlg;
    }
    case TTaskKind::WordStudy:
    case TTaskKind::ReadScripture:
    case TTaskKind::UserDefined:
        break;
    }
    return nullptr;
}

} // namespace

TStudyDlgStart* MakeTaskSetupDialog(const TStudyContext& context, const TTaskDef& task)
{
    TStudyDlgStart* dlg = MakeSetupDialog(context, task);
    // The task's choices are studied once; the person's own stay theirs.
    if (dlg)
        dlg->KeepPersonsChoices();
    return dlg;
}

} // namespace sv
