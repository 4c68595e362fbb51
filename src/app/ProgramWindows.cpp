#include "app/ProgramWindows.h"

#include "app/MainForm.h"
#include "game/GameCommands.h"
#include "print/SetsListsCommands.h"
#include "study/StudyCommands.h"
#include "update/UpdateCommands.h"
#include "user/User.h"
#include "voice/Sounds.h"
#include "wordstudy/Bible.h"
#include "wordstudy/BibleBrowser.h"

#include <memory>

namespace sv {

void RegisterProgramWindows(TMainForm& main)
{
    RegisterStudyCommands(main);
    RegisterSetsAndListsCommands(main);
    RegisterGameCommands(main);
    RegisterUpdateCommands(main);

    std::shared_ptr<IBibleSpeech> speech(MakeBibleSpeech(main.Sounds()));
    main.SetOpener(main.CmdWordStudy, [&main, speech] {
        OpenBibleWindow(*main.MdiArea(), main.Books(), main.User().WordUseLimit, speech.get());
    });
}

} // namespace sv
