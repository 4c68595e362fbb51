#include "progress/gui/ProgressCommands.h"

#include "progress/gui/ProgressChartForm.h"
#include "shell/ProgramShell.h"
#include "user/User.h"
#include "voice/Sounds.h"
#include "wordstudy/BibleBrowser.h"
#include "wordstudy/gui/BibleForm.h"

#include <QAction>

#include <memory>

namespace sv {

void RegisterProgressCommands(IProgramShell& shell)
{
    std::shared_ptr<IBibleSpeech> speech(MakeBibleSpeech(shell.Sounds()));
    shell.SetOpener(shell.CmdProgress, [&shell, speech] {
        auto* form = new TProgressChartForm(shell.Books(), shell.Questions(), shell.User(), &shell.Messages());
        form->ShowHelp = [&shell](int context) { shell.ShowHelp(context); };
        form->OpenWordStudyAt = [&shell, speech](const TVerseRef& ref) {
            TBibleForm* bible =
                OpenBibleWindow(*shell.MdiArea(), shell.Books(), shell.User().WordUseLimit, speech.get());
            bible->ShowPassage(ref, 1, false);
        };
        shell.OpenChild(form, IProgramShell::TPlacement::Cascaded,
                        Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                            | Qt::WindowMinMaxButtonsHint);
    });
}

} // namespace sv
