#include "study/gui/StudyCommands.h"

#include "lists/AccToList.h"
#include "lists/MVList.h"
#include "lists/QsList.h"
#include "shell/ProgramShell.h"
#include "study/gui/QtSessionPorts.h"
#include "study/gui/StudyContext.h"
#include "study/gui/StudyDialogs.h"
#include "user/User.h"
#include "voice/Sounds.h"
#include "wordstudy/BibleBrowser.h"
#include "wordstudy/gui/BibleForm.h"

#include <QAction>
#include <QMdiSubWindow>

namespace sv {

class TStudyCommands : public QObject {
public:
    explicit TStudyCommands(IProgramShell& main)
        : QObject(main.Window()), m_main(main),
          m_random(main.Services().Random ? *main.Services().Random : m_ownRandom),
          m_qs(main.Questions(), main.User(), m_random), m_mvs(main.Books(), main.User(), m_random),
          m_accTos(main.Books(), main.Questions(), main.User(), m_random), m_voice(main.Sounds()),
          m_bibleSpeech(MakeBibleSpeech(main.Sounds()))
    { }

    TStudyContext Context()
    {
        TStudyContext c = ShellStudyContext(m_main, m_bibleSpeech.get());
        c.QsList = &m_qs;
        c.MVList = &m_mvs;
        c.AccToList = &m_accTos;
        c.Voice = &m_voice;
        c.Random = &m_random;
        c.OpenChild = [this](QWidget* w, bool noCloseBox) {
            Qt::WindowFlags flags = Qt::SubWindow | Qt::WindowTitleHint;
            flags |= noCloseBox ? Qt::CustomizeWindowHint | Qt::WindowContextHelpButtonHint
                                : Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            m_main.OpenChild(w, IProgramShell::TPlacement::Cascaded, flags);
        };
        return c;
    }

    template <class Dialog>
    void Open()
    {
        Show(new Dialog(Context()));
    }

    void Show(QWidget* dialog)
    {
        m_main.OpenChild(dialog, IProgramShell::TPlacement::Cascaded,
                         Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    }

private:
    IProgramShell& m_main;
    TRandom m_ownRandom;
    IRandom& m_random;
    TQsList m_qs;
    TMVList m_mvs;
    TAccToList m_accTos;
    TSoundsVoice m_voice;
    std::unique_ptr<IBibleSpeech> m_bibleSpeech;
};

TStudyContext ShellStudyContext(IProgramShell& main, IBibleSpeech* bibleSpeech)
{
    TStudyContext c;
    c.User = &main.User();
    c.Books = &main.Books();
    c.Questions = &main.Questions();
    c.Messages = &main.Messages();
    c.Announcer = main.Services().Announcer;
    c.DialogOpen = [&main] { main.UM_DIALOGOPEN(); };
    c.CommandsOn = [&main] { main.UM_COMMANDSON(); };
    c.SaveResults = [&main] { main.SaveStudyResults(); };
    c.ShowHelp = [&main](int context) { main.ShowHelp(context); };
    c.OpenWordStudy = [&main, bibleSpeech]() -> TBibleForm* {
        return OpenBibleWindow(*main.MdiArea(), main.Books(), main.User().WordUseLimit, bibleSpeech);
    };
    return c;
}

TStudyCommands* RegisterStudyCommands(IProgramShell& main)
{
    auto* commands = new TStudyCommands(main);
    main.SetOpener(main.CmdQuestions, [commands] { commands->Open<TQsDlgStart>(); });
    main.SetOpener(main.CmdMemory, [commands] { commands->Open<TMemDlgStart>(); });
    main.SetOpener(main.CmdReferenceWork, [commands] { commands->Open<TAccToDlgStart>(); });
    return commands;
}

TStudyContext StudyContextOf(TStudyCommands& commands) { return commands.Context(); }

void OpenSetupDialog(TStudyCommands& commands, QWidget* dialog) { commands.Show(dialog); }

} // namespace sv
