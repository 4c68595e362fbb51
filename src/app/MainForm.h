#pragma once
// TMainForm: the program's frame. A multiple-document main window whose child windows are
// every dialog and session of the program. It creates the program-wide objects, loads the
// content files, runs the start-up sequence (splash, scheduled update reminder, user
// selection), owns the command table and its enabling rules, and saves the user at exit.

#include "portion/Portions.h"
#include "program/ContentPlaces.h"
#include "program/ProgramPaths.h"
#include "program/ProgramSettings.h"
#include "shell/ProgramShell.h"
#include "shell/Services.h"
#include "user/ProgressCarry.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;

namespace sv {

class IRandom;
class ISoundPlayer;
class ISpeechEngine;
class TAssistant;
class TBooks;
class TQuestions;
class TSounds;
class TUser;
class TWords;
class THelpForm;

class TMainForm : public QMainWindow, public IProgramShell {
    Q_OBJECT
public:
    // paths tells where the program files are and where the person files and settings go (see
    // LocateProgramFiles); a PortionDir other than the program folder names the portion to open
    // (--portion). Loads the content files "wf.wl", "wf.bk" and "wf.qs" of the portion (see
    // LoadFirstPortion); when the shipped portion's cannot be loaded it throws EFileError
    // ("Cannot open file " + path) and no window exists.
    TMainForm(const TPlatformServices& services, TProgramPaths paths, QWidget* parent = nullptr);
    // Everything in one program folder (programDir ends in "/"), as a build or portable copy.
    TMainForm(const TPlatformServices& services, const std::string& programDir, QWidget* parent = nullptr);
    ~TMainForm() override;

    // --- The program-wide objects ---
    const std::string& ProgramDir() const override { return m_paths.ProgramDir; }
    std::string UsersDir() const override { return m_paths.PersonDir; }
    const std::string& PortionDir() const override { return m_paths.PortionDir; }
    const TProgramPaths& Paths() const override { return m_paths; }
    TUser& User() override { return *m_user; }
    TTasks& Tasks() override { return *m_tasks; }
    TWords& Words() override { return *m_words; }
    TBooks& Books() override { return *m_books; }
    TQuestions& Questions() override { return *m_questions; }
    // The table of question keys that came with the content files ("wf.qid"), or why it is
    // missing or cannot be used.
    const TPortionKeys& PortionKeys() const { return m_portionKeys; }
    // The content files changed (the coach's questions were rebuilt): every child window closes
    // (they hold pointers into the old content), the logged-in person's results are written,
    // the content files are loaded again in place and that person's results carried over to
    // the new questions (other persons are carried when they next log in). The new files are
    // read whole before anything changes: a file that cannot be read changes nothing and is
    // reported through the message service. False then.
    bool ReloadContent();
    TSounds& Sounds() override { return *m_sounds; }
    TAssistant& Assistant() override { return *m_assistant; }
    TProgramSettings& Settings() override { return m_settings; }
    const TPlatformServices& Services() const override { return m_services; }
    IMessageService& Messages() override { return *m_services.Messages; }

    // --- Messages from other windows (delivered synchronously) ---
    void UM_COMMANDSON() override;
    void UM_STARTUP() override;
    void UM_DIALOGOPEN() override;
    void UM_USERREADY() override;
    void UM_ASSISTANTCHANGED() override;

    void EnableCommands() override;
    void DisableStartCommands() override;

    bool UpdateShown() const { return m_updateShown; }

    // --- Start-up order ---
    // The speech engine and the sound player are started after the first paint of the window
    // (or at the end of the splash at the latest): plays the start-up sound and activates the
    // engine. Calling it again does nothing.
    void StartEngines();

    // --- Keeping the study results ---
    // The one routine that writes the person's files (user file and task list) and the
    // window placement; every exit and every change of person goes through it.
    bool SaveStudyResults(TReport report = TReport::Show) override;
    // The desktop session ends (log-out): saves as above without asking anyone; the desktop
    // then stops the program.
    void SaveForLogOut();
    // Ends the program without questions: saves as above, then leaves the event loop
    // (termination signals).
    void SaveAndQuit();

    QWidget* Window() override { return this; }

    // --- The portion open ---
    const TPortionInfo& Portion() const { return m_portion; }
    // Where the open portion's sources, coach's questions and rebuilt content files are.
    TContentPlaces ContentPlaces() const;
    // Loads the content files of the portion into the content stores (the same objects: what
    // refers to them stays valid) and points the content and person folders at it; the person
    // is left as they are. Throws what loading throws, and then nothing changes.
    void LoadPortion(const TPortionInfo& portion);
    // Changes to another portion: every window closes as at the exit, the person's results are
    // written and the person logged out, the portion's content is loaded and the user selection
    // opens. False when a window stays open, the results cannot be written or the portion does
    // not load (reported; the portion open stays).
    bool SwitchPortion(const TPortionInfo& portion);
    // The folders other portions are found in (PortionSearchDirs of the person's folders).
    void SetPortionFolders(std::vector<std::string> folders) { m_portionFolders = std::move(folders); }
    // The window's caption, followed by the name of the portion open.
    void SetCaption(const QString& caption);

    // --- Child windows ---
    QMdiSubWindow* OpenChild(QWidget* widget, TPlacement placement, Qt::WindowFlags flags) override;
    QMdiSubWindow* OpenPersonChild(QWidget* widget, TPlacement placement, Qt::WindowFlags flags) override;
    // Another person is about to take the current one's place: the windows opened with
    // OpenPersonChild close.
    void ClosePersonChildren();
    QMdiArea* MdiArea() const override { return m_mdi; }

    void SetOpener(QAction* command, std::function<void()> opener) override;
    bool HasOpener(const QAction* command) const override;
    void SetScheduledUpdateOpener(std::function<void(const QString& caption)> opener) override
    {
        m_openScheduledUpdate = std::move(opener);
    }

    void ShowHelp(int context) override;
    int ActiveHelpContext() const override;

    // --- The start-up timer and its handler ---
    void WaitToSplashTimer();

private:
    QTimer* WaitToSplash = nullptr;

    // --- The window commands (the program commands are in IProgramShell) ---
    QAction* Cascade1 = nullptr;
    QAction* TileHorizontally1 = nullptr;
    QAction* TileVertically1 = nullptr;
    QAction* Arrange1 = nullptr;
    QAction* Close1 = nullptr;
    QAction* MinimizeAll1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* ViewCatalog1 = nullptr;
    QAction* CmdPortion = nullptr;

public:
    void CmdStartExecute();
    void CmdAssistantExecute();
    void CmdGoalCoachExecute();
    void CmdTipOfTheDayExecute();
    void CmdAboutExecute();

Q_SIGNALS:
    // The client area was painted for the first time.
    void FirstPainted();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateObjects();
    // The portion named by --portion, else the one chosen last, else the shipped one; one that
    // does not load is reported and the shipped one opens instead.
    void LoadFirstPortion();
    TPortionInfo ShippedPortion() const;
    void CreatePortionCommand(QMenu* file);
    void OpenPortionChoice();
    // The commands that need a person, off until the next person is chosen.
    void TurnCommandsOff();
    void CreateActions();
    void CreateMenusAndToolbar();
    // The status line that speaks the announcements (unless the services bring an announcer).
    void MakeAnnouncer();
    void EnableIfOpener(QAction* command, bool enabled);
    // Runs a command's opener through the error boundary.
    void RunOpener(const std::function<void()>& opener);
    void OpenUserSelection();
    void Tile(bool horizontally);
    void OpenCatalog();
    void PlaceFirstTime();
    // Where a new child of size opens among those open: cascaded from the top left.
    QPoint CascadePosition(const QMdiSubWindow* sub, QSize size, QSize client) const;
    void SaveWindowPlacement();
    // A new child window: wholly inside the client area, Ctrl+W left to the main window.
    void FitChild(QMdiSubWindow* sub);
    // Gives every child window its close request; false when one refuses.
    bool CloseChildren();
    // The child windows now, each watched: one freed while the list is walked reads null.
    QList<QPointer<QMdiSubWindow>> ChildList() const;

    TPlatformServices m_services;
    TProgramPaths m_paths;
    TProgramSettings m_settings;
    QMdiArea* m_mdi = nullptr;
    THelpForm* m_help = nullptr;
    bool m_updateShown = false;
    bool m_painted = false;
    bool m_startCommandsHeld = false; // a set-up dialog holds the start commands
    bool m_commandsOn = false;
    bool m_leaving = false; // the exit is agreed; the assistant says goodbye
    std::map<const QAction*, std::function<void()>> m_openers;
    std::function<void(const QString&)> m_openScheduledUpdate;

    // Created in this order; freed in the order the exit requires (see the destructor).
    std::unique_ptr<TUser> m_user;
    std::unique_ptr<TWords> m_words;
    std::unique_ptr<TBooks> m_books;
    std::unique_ptr<TQuestions> m_questions;
    std::unique_ptr<TTasks> m_tasks;
    TPortionKeys m_portionKeys;
    std::string m_contentDir; // where the content files were loaded from; ends in "/"
    TPortionInfo m_portion;
    std::vector<std::string> m_portionFolders;
    std::unique_ptr<TSounds> m_sounds;
    std::unique_ptr<TAssistant> m_assistant;
    std::unique_ptr<IAnnouncer> m_announcer;
};

} // namespace sv
