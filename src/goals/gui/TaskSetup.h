#pragma once
// Starting a goal task: the study set-up dialog of the task's kind, made as its command makes
// it (loaded from the user record) and then filled with the task's material and choices, so
// that the person only has to press OK. Its OK leaves the person's own study choices as they were.

namespace sv {

class TStudyDlgStart;
class TTaskDef;
struct TStudyContext;

// Null for a task without study settings (word study, reading, user-defined).
TStudyDlgStart* MakeTaskSetupDialog(const TStudyContext& context, const TTaskDef& task);

} // namespace sv
