#pragma once
// The exchange between a goal task and the study pages' choices: the material kind and one
// bit per list item, the number of questions, the practice modes and the kind's own options.
// Collections and question types are not part of a task.

#include "goals/Tasks.h"
#include "material/MaterialChoices.h"

namespace sv {

TMaterialChoice MaterialOfTask(const TTaskDef& task);
// Stores the kind flags and one bit per list item; a list longer than the task's material
// bits is a range error.
void StoreMaterial(TTaskDef& task, const TMaterialChoice& material);

TQuestionChoices QuestionChoicesOfTask(const TTaskDef& task);
void StoreQuestionChoices(TTaskDef& task, const TQuestionChoices& c);
TMemoryChoices MemoryChoicesOfTask(const TTaskDef& task);
void StoreMemoryChoices(TTaskDef& task, const TMemoryChoices& c);
TReferenceChoices ReferenceChoicesOfTask(const TTaskDef& task);
void StoreReferenceChoices(TTaskDef& task, const TReferenceChoices& c);

} // namespace sv
