#include "editor/gui/CoachEditor.h"

#include "common/Utf8Text.h"
#include "content/Books.h"
#include "content/QuestionKeys.h"
#include "editor/gui/QEditor.h"
#include "editor/gui/QuestionForm.h"
#include "print/gui/SaveDialog.h"
#include "shell/ErrorBoundary.h"
#include "shell/ProgramShell.h"
#include "user/User.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <QtConcurrent/QtConcurrentRun>

namespace sv {

namespace {

constexpr Qt::WindowFlags ChildFlags = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                       | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint;

} // namespace

TCoachEditor::TCoachEditor(IProgramShell& shell, TCoachEditorSetup setup, std::unique_ptr<ISaveDialog> saveDialog,
                           QObject* parent)
    : QObject(parent), m_shell(shell), m_setup(std::move(setup)), m_saveDialog(std::move(saveDialog))
{
    AskImportFile = [this] {
        return QFileDialog::getOpenFileName(m_shell.Window(), FromUtf8("Import questions"), QString(),
                                            FromUtf8("Question files (*.yaml);;All files (*)"));
    };
    connect(&m_watcher, &QFutureWatcher<content::TRebuildResult>::finished, this, &TCoachEditor::RebuildFinished);
}

TCoachEditor::~TCoachEditor()
{
    // The build writes into the program's folders: it is let finish, never cut off midway.
    m_watcher.waitForFinished();
}

TQEditor* TCoachEditor::Editor() const { return m_editor; }

TQuestionForm* TCoachEditor::Form() const { return m_form; }

void TCoachEditor::SetSaveDialog(std::unique_ptr<ISaveDialog> dialog) { m_saveDialog = std::move(dialog); }

content::TQuestionEditing& TCoachEditor::Editing()
{
    if (m_setup.CurrentPlaces && !Rebuilding()) {
        TContentPlaces now = m_setup.CurrentPlaces();
        if (!(now == m_setup.Places)) {
            if (m_setup.ScriptureOf)
                m_setup.Scripture = m_setup.ScriptureOf(now);
            m_setup.Places = std::move(now);
            m_editing.reset();
        }
    }
    if (!m_editing)
        m_editing = std::make_unique<content::TQuestionEditing>(m_setup.Places.SourcesDir, m_setup.Places.CoachDir,
                                                                m_setup.Places.BuildDir, m_setup.Scripture);
    return *m_editing;
}

TQEditor* TCoachEditor::OpenEditor()
{
    auto* editor = new TQEditor(m_shell.Books(), m_shell.Questions(), m_shell.User().WordUseLimit);
    m_shell.OpenChild(editor, IProgramShell::TPlacement::Cascaded, ChildFlags);
    Hook(editor);
    return editor;
}

void TCoachEditor::Hook(TQEditor* editor)
{
    m_editor = editor;
    editor->SetEditCommands(
        {[this] { Guarded([&] { NewQuestion(); }, &m_shell.Messages()); },
         FromUtf8("Write a new question on this verse")},
        {[this] { Guarded([&] { ModifyQuestion(); }, &m_shell.Messages()); }, FromUtf8("Change the chosen question")},
        {[this] { Guarded([&] { DeleteQuestion(); }, &m_shell.Messages()); },
         FromUtf8("Delete the chosen question (your own questions only)")});
    // The type list of the old viewer has no part in the editing: the form has its own.
    editor->HideTypeList();

    auto* bar = new QMenuBar(editor);
    QMenu* menu = bar->addMenu(FromUtf8("&Questions"));
    QAction* exportAct = menu->addAction(FromUtf8("&Export my questions..."));
    exportAct->setObjectName(FromUtf8("ExportQuestions"));
    QAction* importAct = menu->addAction(FromUtf8("&Import questions..."));
    importAct->setObjectName(FromUtf8("ImportQuestions"));
    connect(exportAct, &QAction::triggered, this, [this] { Guarded([&] { ExportQuestions(); }, &m_shell.Messages()); });
    connect(importAct, &QAction::triggered, this, [this] { Guarded([&] { ImportQuestions(); }, &m_shell.Messages()); });
    editor->layout()->setMenuBar(bar);

    auto* progress = new QProgressBar(editor);
    progress->setObjectName(FromUtf8("RebuildProgress"));
    progress->setRange(0, 0);
    progress->setFormat(FromUtf8("Building the questions..."));
    progress->setTextVisible(true);
    progress->setAccessibleName(FromUtf8("Building the questions"));
    editor->AddBelowButtons(progress);
    m_progress = progress;
    ShowProgress();
    if (m_reopenVerse > 0) {
        editor->ListVerse(m_reopenVerse);
        m_reopenVerse = 0;
    }
}

void TCoachEditor::ShowProgress()
{
    if (m_progress)
        m_progress->setVisible(Rebuilding());
}

int TCoachEditor::ChosenId() const
{
    if (!m_editor || !m_setup.Keys)
        return 0;
    const int chosen = m_editor->ChosenEntry();
    const TQuestionKeys* keys = m_setup.Keys();
    if (chosen < 0 || !keys)
        return 0;
    const auto& entry = m_editor->Entries().Entries().at(static_cast<std::size_t>(chosen));
    return content::TQuestionEditing::IdOfKey(keys->At(entry.Question).Key);
}

void TCoachEditor::NewQuestion()
{
    if (!m_editor)
        return;
    OpenForm(Editing().NewQuestionOn(m_shell.Books().RefOfVerseNo(m_editor->Entries().VerseNo())));
}

void TCoachEditor::ModifyQuestion()
{
    const int id = ChosenId();
    const auto fields = id ? Editing().FieldsOf(id) : std::nullopt;
    if (!fields) {
        m_shell.Messages().Information(
            FromUtf8("Choose a written question of the list first. Memory-verse questions are made from the "
                     "memory verses and cannot be changed here."));
        return;
    }
    OpenForm(*fields);
}

void TCoachEditor::DeleteQuestion()
{
    const int id = ChosenId();
    if (!Editing().CanDelete(id)) {
        m_shell.Messages().Information(
            FromUtf8("Only questions you wrote or changed can be deleted. A question that came with the program "
                     "can be changed, but it cannot be deleted."));
        return;
    }
    if (!m_shell.Messages().Confirm(FromUtf8("Delete the chosen question?")))
        return;
    if (Editing().Delete(id))
        StartRebuild();
}

void TCoachEditor::OpenForm(const content::TQuestionFields& fields)
{
    if (m_form)
        m_form->close();
    auto* form = new TQuestionForm(Editing(), fields);
    form->OnSave = [this, form](const content::TQuestionFields& f) {
        Guarded(
            [&] {
                Editing().Save(f);
                form->close();
                StartRebuild();
            },
            &m_shell.Messages());
    };
    m_form = form;
    m_shell.OpenChild(form, IProgramShell::TPlacement::Centred, ChildFlags);
}

void TCoachEditor::ExportQuestions()
{
    TSaveRequest request;
    request.Caption = FromUtf8("Export my questions");
    request.DefaultName = FromUtf8("questions");
    request.DefaultExtension = FromUtf8("yaml");
    request.Filters = {{FromUtf8("Question files (YAML)"), FromUtf8("*.yaml")}};
    const auto answer = m_saveDialog->Ask(request);
    if (!answer)
        return;
    Editing().Export(answer->Path.toStdString());
}

void TCoachEditor::ImportQuestions()
{
    const QString path = AskImportFile ? AskImportFile() : QString();
    if (path.isEmpty())
        return;
    const std::vector<std::string> errors = Editing().Import(path.toStdString());
    if (!errors.empty()) {
        QStringList lines;
        for (const std::string& e : errors)
            lines << QString::fromStdString(e);
        m_shell.Messages().Warning(FromUtf8("The file was not imported; nothing changed. It has these errors:\r")
                                   + lines.join(QLatin1Char('\r')));
        return;
    }
    StartRebuild();
}

void TCoachEditor::StartRebuild()
{
    if (Rebuilding()) {
        m_again = true;
        return;
    }
    m_building = true;
    m_watcher.setFuture(QtConcurrent::run(Editing().Rebuild()));
    ShowProgress();
}

void TCoachEditor::RebuildFinished()
{
    m_building = false;
    const content::TRebuildResult result = m_watcher.result();
    bool built = result.Built;
    if (!built) {
        m_shell.Messages().Error(FromUtf8("The questions were saved, but the content could not be built from "
                                          "them; the program goes on with the questions it had:\r")
                                 + QString::fromStdString(result.Problem));
    } else {
        if (m_setup.RebuildDone)
            Guarded([&] { m_setup.RebuildDone(); }, &m_shell.Messages());
        // The windows close with the old content; the editor comes back at its verse.
        const bool editorOpen = m_editor != nullptr;
        m_reopenVerse = editorOpen ? m_editor->Entries().VerseNo() : 0;
        built = m_setup.ReloadContent && m_setup.ReloadContent();
        if (built && editorOpen && !m_editor)
            OpenEditor();
        m_reopenVerse = 0;
    }
    if (m_again) {
        m_again = false;
        StartRebuild();
    }
    ShowProgress();
    Q_EMIT RebuildEnded(built);
}

} // namespace sv
