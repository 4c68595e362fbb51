#include "app/ProgramWindows.h"

#include "app/MainForm.h"
#include "compiler/TextCache.h"
#include "editor/gui/EditorCommands.h"
#include "game/gui/GameCommands.h"
#include "goals/gui/GoalCommands.h"
#include "print/gui/PrintCommands.h"
#include "print/gui/SetsListsCommands.h"
#include "program/ContentPlaces.h"
#include "progress/gui/ProgressCommands.h"
#include "study/gui/StudyCommands.h"
#include "team/gui/TeamCommands.h"
#include "update/gui/UpdateCommands.h"
#include "user/User.h"
#include "voice/Sounds.h"
#include "voice/gui/SpeechForm.h"
#include "wordstudy/BibleBrowser.h"
#include "wordstudy/gui/BibleForm.h"

#include <QAction>

#include <memory>

namespace sv {

namespace {

TCoachEditorSetup CoachEditorSetup(TMainForm& main)
{
    TCoachEditorSetup s;
    s.Places = main.ContentPlaces();
    // The scripture text the build kept beside the sources; the Bible module only for what
    // it does not hold.
    s.ScriptureOf = [](const TContentPlaces& places) {
        return content::CachedSource(places.TextCacheDir, content::DiathekeSource());
    };
    s.Scripture = s.ScriptureOf(s.Places);
    s.CurrentPlaces = [&main] { return main.ContentPlaces(); };
    s.ReloadContent = [&main] { return main.ReloadContent(); };
    s.Keys = [&main]() -> const TQuestionKeys* {
        return main.PortionKeys().Keys ? &*main.PortionKeys().Keys : nullptr;
    };
    s.RebuildDone = [&main] { NoteRebuildOrigin(main.Paths(), main.ContentPlaces()); };
    return s;
}

} // namespace

void RegisterProgramWindows(TMainForm& main)
{
    TStudyCommands* study = RegisterStudyCommands(main);
    RegisterProgressCommands(main);
    RegisterTeamCommands(main);
    RegisterGoalCommands(main, *study);
    RegisterEditorCommands(main, CoachEditorSetup(main));
    RegisterSetsAndListsCommands(main);
    RegisterGameCommands(main);
    RegisterUpdateCommands(main);
    RegisterPrintCommands(main);

    main.SetOpener(main.CmdSpeech, [&main] {
        TSpeechSettingsContext c;
        c.User = &main.User();
        c.Sounds = &main.Sounds();
        c.Engine = main.Services().Speech;
        c.Assistant = &main.Assistant();
        c.AssistantChanged = [&main](bool on) {
            main.CmdAssistant->setChecked(on);
            main.UM_ASSISTANTCHANGED();
        };
        c.ShowHelp = [&main](int context) { main.ShowHelp(context); };
        main.OpenChild(new TSpeechForm(c), TMainForm::TPlacement::Centred,
                       Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowContextHelpButtonHint);
    });

    std::shared_ptr<IBibleSpeech> speech(MakeBibleSpeech(main.Sounds()));
    main.SetOpener(main.CmdWordStudy, [&main, speech] {
        OpenBibleWindow(*main.MdiArea(), main.Books(), main.User().WordUseLimit, speech.get());
    });
}

} // namespace sv
