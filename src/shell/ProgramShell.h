#pragma once
// IProgramShell: what the child windows and the command registrations of every window folder
// see of the main window. The main window (app/TMainForm) implements it; a folder below app/
// reaches it through the reference its registration function receives, or through Shell().
//
// A window folder hooks its commands with one registration function that app/ calls after
// creating the program-wide objects, e.g.
//     void RegisterGameCommands(IProgramShell& shell)
//     { shell.SetOpener(shell.CmdGame, [&shell] { ... open the window ... }); }
// A command without an opener stays disabled.

#include "shell/Services.h"

#include <QString>
#include <Qt>

#include <functional>
#include <string>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace sv {

class TAssistant;
class TBooks;
class TProgramSettings;
struct TProgramPaths;
class TQuestions;
class TSounds;
class TTasks;
class TUser;
class TWords;

class IProgramShell {
public:
    virtual ~IProgramShell() = default;

    // --- The program-wide objects ---
    // The program folder, ending in "/".
    virtual const std::string& ProgramDir() const = 0;
    // The person files of the portion open (user files, set histories, task lists): the
    // Users folder for the shipped portion, Users/<portion>/ for another. Ends in "/".
    virtual std::string UsersDir() const = 0;
    // The content files of the portion open (wf.*, footnotes.txt); the program folder for the
    // shipped portion. Ends in "/".
    virtual const std::string& PortionDir() const = 0;
    // Where the program's files are, as LocateProgramFiles found them, pointed at the portion open.
    virtual const TProgramPaths& Paths() const = 0;
    virtual TUser& User() = 0;
    // The current person's goal tasks (read and written with the user file).
    virtual TTasks& Tasks() = 0;
    virtual TWords& Words() = 0;
    virtual TBooks& Books() = 0;
    virtual TQuestions& Questions() = 0;
    virtual TSounds& Sounds() = 0;
    virtual TAssistant& Assistant() = 0;
    virtual TProgramSettings& Settings() = 0;
    virtual const TPlatformServices& Services() const = 0;
    virtual IMessageService& Messages() = 0;
    // The main window, as parent of dialogs that are not child windows.
    virtual QWidget* Window() = 0;

    // --- Messages from other windows (delivered synchronously) ---
    // A child window has closed its work: the commands are enabled again.
    virtual void UM_COMMANDSON() = 0;
    // A set-up dialog or session has opened: the start commands are disabled.
    virtual void UM_DIALOGOPEN() = 0;
    // Goes on with the start-up sequence (after the scheduled update reminder has closed).
    virtual void UM_STARTUP() = 0;
    // The user selection has finished: the commands follow the person chosen.
    virtual void UM_USERREADY() = 0;
    // The assistant was switched on or off, or changed.
    virtual void UM_ASSISTANTCHANGED() = 0;

    virtual void EnableCommands() = 0;
    virtual void DisableStartCommands() = 0;

    // --- Keeping the study results ---
    enum class TReport { Show, Log };
    // Writes every file of the current person: the user file and the task list (when a person
    // is chosen; the set history is written by the question sets window as soon as it
    // changes), and the main window's placement. Every way out goes through it: the end of a
    // session, a change of person, the exit, the desktop's log-out, a termination signal and
    // the exit for an update. Failures are shown through the message service, or only
    // written to stderr with TReport::Log (when nobody may be asked, e.g. at a termination
    // signal). Returns false when a file could not be written.
    virtual bool SaveStudyResults(TReport report = TReport::Show) = 0;

    // --- Child windows ---
    enum class TPlacement { Cascaded, Centred };
    // Shows widget as a child window of the multiple-document area, placed as asked: cascaded
    // from the top left below the windows already open, or centred. It never resizes the main
    // window: it is fitted into the area as far as its contents allow, and the area scrolls
    // when it is still larger. It is freed when it closes. flags are the child's window flags.
    virtual QMdiSubWindow* OpenChild(QWidget* widget, TPlacement placement, Qt::WindowFlags flags) = 0;
    // The same for a window that works on the current person's records (their task list): it
    // is closed when another person takes their place, never left acting on the new one's.
    virtual QMdiSubWindow* OpenPersonChild(QWidget* widget, TPlacement placement, Qt::WindowFlags flags) = 0;
    virtual QMdiArea* MdiArea() const = 0;

    // A window that is built by a later part of the program registers how the command opens
    // it; until then the command stays disabled.
    virtual void SetOpener(QAction* command, std::function<void()> opener) = 0;
    virtual bool HasOpener(const QAction* command) const = 0;
    // The scheduled update reminder's window; without it the start-up goes on to the user
    // selection.
    virtual void SetScheduledUpdateOpener(std::function<void(const QString& caption)> opener) = 0;

    // Opens the in-program help at a context number (0: the contents).
    virtual void ShowHelp(int context) = 0;
    // The help context of the active child window (its "helpContext" property), or 0.
    virtual int ActiveHelpContext() const = 0;

    // --- The command table (created by the main window, never null once it exists) ---
    QAction* CmdStart = nullptr;
    QAction* CmdQuestions = nullptr;
    QAction* CmdMemory = nullptr;
    QAction* CmdReferenceWork = nullptr;
    QAction* CmdWordStudy = nullptr;
    QAction* CmdGame = nullptr;
    QAction* CmdWallOfFame = nullptr;
    QAction* CmdProgress = nullptr;
    QAction* CmdTeamProgress = nullptr;
    QAction* CmdImportPerson = nullptr;
    QAction* CmdExportPerson = nullptr;
    QAction* CmdQuestionSets = nullptr;
    QAction* CmdQuestionLists = nullptr;
    QAction* CmdMemoryList = nullptr;
    QAction* CmdScripturePortion = nullptr;
    QAction* CmdConcordance = nullptr;
    QAction* CmdSpeech = nullptr;
    QAction* CmdAssistant = nullptr;
    QAction* CmdGoalCoach = nullptr;
    QAction* CmdGoalCreateTasks = nullptr;
    QAction* CmdGoalView = nullptr;
    QAction* CmdGoals = nullptr;
    QAction* CmdEdit = nullptr;
    QAction* CmdUpgrade = nullptr;
    QAction* CmdViewScrivolt = nullptr;
    QAction* CmdUseLips = nullptr;
    QAction* CmdTipOfTheDay = nullptr;
    QAction* CmdHelpContent = nullptr;
    QAction* CmdHelpContext = nullptr;
    QAction* CmdTechSupport = nullptr;
    QAction* CmdWebsite = nullptr;
    QAction* CmdCatalog = nullptr;
    QAction* CmdAbout = nullptr;

protected:
    IProgramShell() = default;
    IProgramShell(const IProgramShell&) = delete;
    IProgramShell& operator=(const IProgramShell&) = delete;
};

// The main window of the running program, or nullptr while there is none.
IProgramShell* Shell();
// Set by the main window when it is created and cleared when it goes.
void SetShell(IProgramShell* shell);

} // namespace sv
