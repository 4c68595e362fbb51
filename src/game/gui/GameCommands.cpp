#include "game/gui/GameCommands.h"

#include "game/gui/GameDlg.h"
#include "game/gui/WallOfFameDlg.h"
#include "lists/MVList.h"
#include "lists/QsList.h"
#include "shell/ProgramShell.h"
#include "study/gui/QtSessionPorts.h"
#include "study/gui/StudyCommands.h"
#include "user/User.h"
#include "voice/Sounds.h"
#include "wordstudy/BibleBrowser.h"
#include "wordstudy/gui/BibleForm.h"

#include <QAction>

namespace sv {

namespace {

// The game keeps lists of its own, so that a game never disturbs a study session's list.
class TGameCommands : public QObject {
public:
    explicit TGameCommands(IProgramShell& main)
        : QObject(main.Window()), m_main(main),
          m_random(main.Services().Random ? *main.Services().Random : m_ownRandom),
          m_qs(main.Questions(), main.User(), m_random), m_mvs(main.Books(), main.User(), m_random),
          m_voice(main.Sounds()), m_bibleSpeech(MakeBibleSpeech(main.Sounds()))
    { }

    TGameContext Context()
    {
        TGameContext g;
        TStudyContext& c = g.Study;
        c = ShellStudyContext(m_main, m_bibleSpeech.get());
        c.QsList = &m_qs;
        c.MVList = &m_mvs;
        c.Voice = &m_voice;
        c.Random = &m_random;
        c.OpenChild = [this](QWidget* w, bool noCloseBox) { Open(w, noCloseBox, IProgramShell::TPlacement::Cascaded); };
        g.StopSound = [this] { m_main.Sounds().StopSound(); };
        g.PlayWagerSound = [this] { m_main.Sounds().PlayWagerSound(); };
        g.OpenCentred = [this](QWidget* w, bool noCloseBox) {
            Open(w, noCloseBox, IProgramShell::TPlacement::Centred);
        };
        return g;
    }

    void Open(QWidget* w, bool noCloseBox, IProgramShell::TPlacement placement)
    {
        Qt::WindowFlags flags = Qt::SubWindow | Qt::WindowTitleHint;
        flags |= noCloseBox ? Qt::CustomizeWindowHint : Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        m_main.OpenChild(w, placement, flags);
    }

    void OpenSetup() { Open(new TGameDlgStart(Context()), false, IProgramShell::TPlacement::Centred); }

    void OpenWallOfFame() { Open(new TWallOfFameDlg(m_main.User()), false, IProgramShell::TPlacement::Centred); }

private:
    IProgramShell& m_main;
    TRandom m_ownRandom;
    IRandom& m_random;
    TQsList m_qs;
    TMVList m_mvs;
    TSoundsVoice m_voice;
    std::unique_ptr<IBibleSpeech> m_bibleSpeech;
};

} // namespace

void RegisterGameCommands(IProgramShell& main)
{
    auto* commands = new TGameCommands(main);
    main.SetOpener(main.CmdGame, [commands] { commands->OpenSetup(); });
    main.SetOpener(main.CmdWallOfFame, [commands] { commands->OpenWallOfFame(); });
}

} // namespace sv
