#pragma once
// TCoachEditor: the coach's editing of the questions in the running program. It hooks the
// question editor's New, Modify and Delete buttons and its Questions menu (export and import of
// the coach's question file), opens the question form, and after each save rebuilds the content
// files in the background: the window stays usable, a bar shows the work, a save made meanwhile
// waits for its turn. A finished build has the main window reload the content and carry the
// logged-in person's results over; a failed one changes nothing and says why.
//
// It lives as long as the main window, so a rebuild outlives the editor window that started it.

#include "editor/QuestionEditing.h"
#include "program/ContentPlaces.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QAction;
class QProgressBar;

namespace sv {

class IProgramShell;
class ISaveDialog;
class TQEditor;
class TQuestionForm;
class TQuestionKeys;

struct TCoachEditorSetup {
    TContentPlaces Places;
    // Where the scripture text of a rebuild comes from.
    content::TScriptureSource Scripture;
    // The main window reloads the content files of Places.BuildDir and carries the logged-in
    // person over; false when that failed (it has said why).
    std::function<bool()> ReloadContent;
    // The question keys of the content files loaded now, or null.
    std::function<const TQuestionKeys*()> Keys;
    // When set, the places of the portion open now (it may change while the program runs), and
    // the scripture source that goes with them: the editing follows a change of portion.
    std::function<TContentPlaces()> CurrentPlaces;
    std::function<content::TScriptureSource(const TContentPlaces&)> ScriptureOf;
    // Notes a finished rebuild's origin (see ContentPlaces.h).
    std::function<void()> RebuildDone;
};

class TCoachEditor : public QObject {
    Q_OBJECT
public:
    TCoachEditor(IProgramShell& shell, TCoachEditorSetup setup, std::unique_ptr<ISaveDialog> saveDialog,
                 QObject* parent = nullptr);
    ~TCoachEditor() override;

    // Opens the question editor and hooks its buttons and menu.
    TQEditor* OpenEditor();

    // The editor's commands (what its buttons and menu do).
    void NewQuestion();
    void ModifyQuestion();
    void DeleteQuestion();
    void ExportQuestions();
    void ImportQuestions();

    // Asks for the question file to import, and where to export; tests put scripts in their
    // place.
    std::function<QString()> AskImportFile;
    void SetSaveDialog(std::unique_ptr<ISaveDialog> dialog);

    TQEditor* Editor() const;
    TQuestionForm* Form() const;
    // A rebuild is out and its end not handled yet.
    bool Rebuilding() const { return m_building; }
    // The questions as edited; created on first use (throws when the sources cannot be read).
    content::TQuestionEditing& Editing();

Q_SIGNALS:
    // A rebuild has ended: built (and the content reloaded) or not.
    void RebuildEnded(bool built);

private:
    void Hook(TQEditor* editor);
    void OpenForm(const content::TQuestionFields& fields);
    // The id of the question chosen in the editor's list, 0 when it has none.
    int ChosenId() const;
    void StartRebuild();
    void RebuildFinished();
    void ShowProgress();

    IProgramShell& m_shell;
    TCoachEditorSetup m_setup;
    std::unique_ptr<ISaveDialog> m_saveDialog;
    std::unique_ptr<content::TQuestionEditing> m_editing;
    QPointer<TQEditor> m_editor;
    QPointer<TQuestionForm> m_form;
    QPointer<QProgressBar> m_progress;
    QFutureWatcher<content::TRebuildResult> m_watcher;
    bool m_building = false;
    bool m_again = false;  // a save came while a rebuild ran
    int m_reopenVerse = 0; // the editor's verse, to open it there again after a reload
};

} // namespace sv
