#pragma once
// The page of a study set-up dialog, found by its name as every other control is.

#include "material/gui/SelectionFrames.h"
#include "study/gui/StudyDialogs.h"
#include "support/gui/FindWidget.h"

namespace sv::test {

inline TfrmQuestions* PageOf(const TQsDlgStart* dlg) { return FindWidget<TfrmQuestions>(dlg, "page"); }
inline TfrmMemory* PageOf(const TMemDlgStart* dlg) { return FindWidget<TfrmMemory>(dlg, "page"); }
inline TfrmAccTo* PageOf(const TAccToDlgStart* dlg) { return FindWidget<TfrmAccTo>(dlg, "page"); }

} // namespace sv::test
